#include "cli/ScriptRunner.h"

#include "cli/Commands.h"
#include "cli/ExportArguments.h"
#include "document/ChartJson.h"
#include "document/LegendText.h"
#include "export/ChartExport.h"
#include "pattern/PatternJson.h"
#include "pattern/ChartBuild.h"
#include "pattern/PatternText.h"
#include "platform/Numeric.h"
#include "view/CommandIds.h"
#include "view/CommandTable.h"
#include "view/dialogs/Dialogs.h"
#include "view/MouseEvent.h"

#include <charconv>
#include <map>
#include <new>

namespace loopora::cli {
namespace {

int number(const std::string& word, const char* what)
{
    int value = 0;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc() || end != word.data() + word.size())
        throw ScriptError(std::string(what) + " must be a whole number, not \"" + word + "\"");
    return value;
}

// A window position: nothing can stand beyond the drawable area, and a
// chart saved with a point out there could not be opened again.
int32_t position(const std::string& word, const char* what)
{
    const int value = number(word, what);
    if (value < -kCoordinateLimit || value > kCoordinateLimit)
        throw ScriptError(std::string(what) + " " + word + " lies outside the drawable area (" +
                          std::to_string(-kCoordinateLimit) + " to " + std::to_string(kCoordinateLimit) + ")");
    return value;
}

// More pointer moves than this make a drag no smoother, only slower.
constexpr int kMostDragSteps = 1000;

void expectWords(const std::vector<std::string>& words, size_t least, size_t most, const char* usage)
{
    if (words.size() < least || words.size() > most)
        throw ScriptError(std::string("usage: ") + usage);
}

bool hasWord(const std::vector<std::string>& words, size_t from, const char* word)
{
    for (size_t i = from; i < words.size(); ++i)
        if (words[i] == word)
            return true;
    return false;
}

// A label's lines are separated by CR LF in the chart; scripts write \n.
std::string withChartLineBreaks(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            out += '\r';
        out += text[i];
    }
    return out;
}

} // namespace

std::vector<std::string> splitWords(const std::string& line)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\' && i + 1 < line.size()) {
                char e = line[++i];
                word += e == 'n' ? '\n' : e == 't' ? '\t' : e;
            } else {
                word += c;
            }
        } else if (c == '"') {
            quoted = inWord = true;
        } else if (c == ' ' || c == '\t' || c == '\r') {
            if (inWord)
                words.push_back(std::exchange(word, {}));
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted)
        throw ScriptError("a quoted text is not closed");
    if (inWord)
        words.push_back(word);
    return words;
}

ScriptRunner::ScriptRunner(Size client, std::ostream& out)
    : out_(out), host_(client, answers_, out), app_(host_, exporter_, &painter_)
{
}

int ScriptRunner::run(std::istream& script, std::ostream& err)
{
    std::string line;
    int lineNumber = 0;
    while (std::getline(script, line)) {
        ++lineNumber;
        try {
            runLine(line);
        } catch (const ScriptError& e) {
            err << "script line " << lineNumber << ": " << e.what() << "\n";
            return 1;
        } catch (const std::bad_alloc&) {
            err << "script line " << lineNumber << ": there is not enough memory\n";
            return 1;
        }
    }
    if (script.bad()) {
        err << "the script could not be read after line " << lineNumber << "\n";
        return 1;
    }
    return 0;
}

CPattraView& ScriptRunner::view()
{
    CPattraView* v = app_.activeView();
    if (!v)
        throw ScriptError("no chart is open");
    return *v;
}

HeadlessWindow& ScriptRunner::window() { return host_.window(view().host()); }

void ScriptRunner::paintAll()
{
    for (size_t i = 0; i < app_.chartCount(); ++i) {
        ChartSession& s = app_.chart(i);
        if (host_.window(*s.window).takePaintRequest())
            s.view->paint();
    }
}

void ScriptRunner::command(uint16_t id)
{
    if (!app_.onCommand(id))
        throw ScriptError("command " + std::to_string(id) + " reaches no chart");
}

void ScriptRunner::chooseTool(const std::string& name)
{
    if (uint16_t id = commandOfTool(name)) {
        command(id);
        return;
    }
    // Tools without a palette button (the rectangle) are chosen directly.
    if (!view().tools().findTool(name))
        throw ScriptError("no tool is called \"" + name + "\"");
    view().tools().selectTool(name);
}

void ScriptRunner::answer(const std::vector<std::string>& words)
{
    expectWords(words, 2, 1000, "answer ok [FIELD=VALUE ...] | answer cancel | answer file PATH | answer menu ID");
    QueuedAnswer a{};
    const std::string& kind = words[1];
    if (kind == "ok") {
        a.kind = QueuedAnswer::Kind::DialogOk;
        for (size_t i = 2; i < words.size(); ++i) {
            size_t eq = words[i].find('=');
            if (eq == std::string::npos || eq == 0)
                throw ScriptError("\"" + words[i] + "\" is not FIELD=VALUE");
            std::string key = words[i].substr(0, eq);
            std::string value = words[i].substr(eq + 1);
            a.fields.emplace_back(key, key == "text" ? withChartLineBreaks(value) : value);
        }
    } else if (kind == "cancel") {
        expectWords(words, 2, 2, "answer cancel");
        a.kind = QueuedAnswer::Kind::DialogCancel;
    } else if (kind == "file") {
        expectWords(words, 3, 3, "answer file PATH");
        a.kind = QueuedAnswer::Kind::File;
        a.file = words[2];
    } else if (kind == "menu") {
        expectWords(words, 3, 3, "answer menu ID");
        a.kind = QueuedAnswer::Kind::Menu;
        a.menuCommand = uint16_t(number(words[2], "the menu command"));
    } else {
        throw ScriptError("answer " + kind + ": expected ok, cancel, file or menu");
    }
    answers_.push(std::move(a));
}

void ScriptRunner::mouse(const std::vector<std::string>& words)
{
    const std::string& verb = words[0];
    CPattraView& v = view();
    const KeyModifiers keys{.shift = hasWord(words, 3, "shift"), .control = hasWord(words, 3, "ctrl")};
    auto at = [&](size_t i) { return Point{position(words[i], "X"), position(words[i + 1], "Y")}; };
    if (verb == "press") {
        expectWords(words, 3, 5, "press X Y [ctrl] [shift]");
        v.onButtonDown(at(1), kLeftButton, keys);
    } else if (verb == "release") {
        expectWords(words, 3, 4, "release X Y [ctrl]");
        v.onButtonUp(at(1), kNoButton, keys);
    } else if (verb == "move") {
        expectWords(words, 3, 5, "move X Y [left] [ctrl]");
        v.onMouseMove(at(1), hasWord(words, 3, "left") ? kLeftButton : kNoButton, keys);
    } else if (verb == "click") {
        expectWords(words, 3, 4, "click X Y [ctrl]");
        v.onButtonDown(at(1), kLeftButton, keys);
        paintAll();
        v.onButtonUp(at(1), kNoButton, keys);
    } else if (verb == "dblclick") {
        // The second press of a double click arrives only as the double-click message.
        expectWords(words, 3, 3, "dblclick X Y");
        v.onButtonDown(at(1), kLeftButton);
        paintAll();
        v.onButtonUp(at(1), kNoButton);
        paintAll();
        v.onDoubleClick(at(1), kLeftButton);
        paintAll();
        v.onButtonUp(at(1), kNoButton);
    } else if (verb == "drag") {
        expectWords(words, 5, 6, "drag X1 Y1 X2 Y2 [STEPS]");
        Point from = at(1);
        Point to = at(3);
        int steps = words.size() == 6 ? number(words[5], "STEPS") : 4;
        if (steps < 1 || steps > kMostDragSteps)
            throw ScriptError("STEPS must be 1 to " + std::to_string(kMostDragSteps));
        v.onButtonDown(from, kLeftButton);
        paintAll();
        auto between = [&](int32_t a, int32_t b, int i) { return int32_t(a + (int64_t(b) - a) * i / steps); };
        for (int i = 1; i <= steps; ++i) {
            Point p{between(from.x, to.x, i), between(from.y, to.y, i)};
            v.onMouseMove(p, kLeftButton);
            paintAll();
        }
        v.onButtonUp(to, kNoButton);
    } else if (verb == "rclick") {
        expectWords(words, 3, 3, "rclick X Y");
        v.onContextMenu(at(1));
    }
}

void ScriptRunner::zoom(const std::vector<std::string>& words)
{
    const char* usage = "zoom PERCENT|fit [X Y]";
    expectWords(words, 2, 4, usage);
    if (words.size() == 3)
        throw ScriptError(std::string("usage: ") + usage);
    // About a window point, as the wheel zooms about the pointer; without
    // one the window's top-left corner keeps its chart point. Fitting the
    // window shows the sheet from its corner.
    Point anchor{};
    if (words.size() == 4)
        anchor = {position(words[2], "X"), position(words[3], "Y")};
    CPattraView& v = view();
    if (words[1] == "fit") {
        v.fitToWindow();
        return;
    }
    if (!v.setZoom(number(words[1], "PERCENT"), anchor)) {
        std::string levels;
        for (int32_t level : kZoomLevels)
            levels += std::to_string(level) + ", ";
        throw ScriptError("zoom " + words[1] + ": the zoom is one of " + levels + "or fit");
    }
}

void ScriptRunner::key(const std::vector<std::string>& words)
{
    expectWords(words, 2, 3, "key NAME [ctrl]");
    const std::string& name = words[1];
    const bool ctrl = words.size() == 3 && words[2] == "ctrl";
    if (words.size() == 3 && !ctrl)
        throw ScriptError("usage: key NAME [ctrl]");
    if (ctrl) {
        static const std::map<std::string, HotKey> kHotKeys = {
            {"F10", HotKey::RedoF10}, {"Y", HotKey::RedoY},          {"UP", HotKey::NudgeUp},
            {"DOWN", HotKey::NudgeDown}, {"LEFT", HotKey::NudgeLeft}, {"RIGHT", HotKey::NudgeRight}};
        auto it = kHotKeys.find(name);
        if (it == kHotKeys.end())
            throw ScriptError("key " + name + " ctrl: expected UP, DOWN, LEFT, RIGHT, Y or F10");
        view().onHotKey(it->second);
        return;
    }
    static const std::map<std::string, Key> kKeys = {{"LEFT", Key::Left}, {"RIGHT", Key::Right}, {"UP", Key::Up},
                                                     {"DOWN", Key::Down}, {"DELETE", Key::Delete}, {"HOME", Key::Home},
                                                     {"ESCAPE", Key::Escape}};
    auto it = kKeys.find(name);
    if (it == kKeys.end())
        throw ScriptError("key " + name + ": expected LEFT, RIGHT, UP, DOWN, DELETE, HOME or ESCAPE");
    view().onKeyDown(it->second);
}

void ScriptRunner::exportChart(const std::vector<std::string>& words)
{
    if (words.size() < 2)
        throw ScriptError("usage: export PATH [OPTION...]");
    std::string error;
    const std::optional<ExportRequest> request =
        parseExportRequest(std::vector<std::string>(words.begin() + 1, words.end()), error);
    if (!request)
        throw ScriptError(error);
    // A bitmap is what the editor's own command writes; the other formats
    // are written as `loopora-cli export` writes them.
    if (request->format == ExportFormat::Bmp) {
        view();
        // The export says what went wrong in its message; the script stops there.
        if (!app_.exportBitmap(request->out))
            throw ScriptError("the bitmap " + request->out + " was not written");
        return;
    }
    if (!exportChartFile(view().document(), request->out, request->format, request->options, error))
        throw ScriptError(error);
}

void ScriptRunner::written(const std::vector<std::string>& words)
{
    const char* usage = words[0] == "pattern" ? "pattern [json] [us|uk]" : "check [us|uk]";
    expectWords(words, 1, words[0] == "pattern" ? 3 : 2, usage);
    bool json = false;
    pattern::Terms terms = pattern::Terms::Us;
    for (size_t i = 1; i < words.size(); ++i) {
        if (words[i] == "json" && words[0] == "pattern")
            json = true;
        else if (words[i] == "us" || words[i] == "uk")
            terms = words[i] == "uk" ? pattern::Terms::Uk : pattern::Terms::Us;
        else
            throw ScriptError(std::string("usage: ") + usage);
    }
    const pattern::PatternReading reading = pattern::readChart(view().canvas());
    const pattern::PhraseBook& book = pattern::phraseBook(uiLanguage(), terms);
    if (words[0] == "check")
        out_ << pattern::checkText(reading, book);
    else
        out_ << (json ? pattern::patternAsJson(reading, book) : patternText(reading, book));
}

// A chart built from a pattern file opens in a window of its own.
void ScriptRunner::buildFrom(const std::vector<std::string>& words)
{
    expectWords(words, 2, 3, "build FILE [us|uk]");
    if (words.size() == 3 && words[2] != "us" && words[2] != "uk")
        throw ScriptError("usage: build FILE [us|uk]");
    const pattern::Terms terms = words.size() == 3 && words[2] == "uk" ? pattern::Terms::Uk : pattern::Terms::Us;
    std::string text, error;
    if (!pattern::readPatternFile(words[1], text, error))
        throw ScriptError(error);
    pattern::BuiltChart built = pattern::buildChart(text, pattern::phraseBook(uiLanguage(), terms));
    if (!built.document)
        throw ScriptError(built.message);
    app_.openMadeChart(std::move(built.document));
}

void ScriptRunner::runLine(const std::string& line)
{
    std::vector<std::string> words = splitWords(line);
    if (words.empty() || words[0][0] == '#')
        return;
    const std::string& verb = words[0];
    static const std::map<std::string, uint16_t> kMenuCommands = {
        {"undo", cmd::kUndo}, {"redo", cmd::kRedo},   {"copy", cmd::kCopy},      {"cut", cmd::kCut},
        {"paste", cmd::kPaste}, {"group", cmd::kGroup}, {"ungroup", cmd::kUngroup}};
    if (verb == "new") {
        expectWords(words, 5, 5, "new W H BACKGROUND SPACING");
        dialogs::Dialog<dialogs::ChartParameters> dialog;
        DialogModel& fields = dialog.model();
        fields.setFieldText("width", words[1]);
        fields.setFieldText("height", words[2]);
        fields.setFieldText("background", words[3]);
        fields.setFieldText("spacing", words[4]);
        if (auto error = fields.validate())
            throw ScriptError(error->message);
        const dialogs::ChartParameters chart = dialog.values();
        app_.newChart(chart.width, chart.height, chart.background, chart.spacing);
    } else if (verb == "open") {
        expectWords(words, 2, 2, "open PATH");
        std::string error;
        if (!app_.openChart(words[1], &error))
            throw ScriptError(error);
    } else if (verb == "save") {
        expectWords(words, 2, 2, "save PATH");
        view();
        std::string error;
        if (!app_.saveChartAs(words[1], &error))
            throw ScriptError(error);
    } else if (verb == "close") {
        expectWords(words, 1, 1, "close");
        view();
        app_.closeChart(app_.activeIndex());
    } else if (verb == "window") {
        expectWords(words, 2, 2, "window N");
        int n = number(words[1], "N");
        if (n < 1 || size_t(n) > app_.chartCount())
            throw ScriptError("there is no chart window " + words[1]);
        app_.activate(size_t(n - 1));
    } else if (verb == "tool") {
        expectWords(words, 2, 2, "tool NAME");
        chooseTool(words[1]);
    } else if (verb == "tool?") {
        out_ << view().tools().currentToolName() << "\n";
    } else if (verb == "command") {
        expectWords(words, 2, 2, "command ID");
        command(uint16_t(number(words[1], "ID")));
    } else if (verb == "answer") {
        answer(words);
    } else if (verb == "press" || verb == "release" || verb == "move" || verb == "click" || verb == "dblclick" ||
               verb == "drag" || verb == "rclick") {
        mouse(words);
    } else if (verb == "key") {
        key(words);
    } else if (verb == "scroll") {
        expectWords(words, 3, 3, "scroll X Y");
        view().scrollTo({number(words[1], "X"), number(words[2], "Y")});
    } else if (verb == "zoom") {
        zoom(words);
    } else if (verb == "zoom?") {
        out_ << view().zoomPercent() << "%\n";
    } else if (kMenuCommands.count(verb)) {
        expectWords(words, 1, 1, verb.c_str());
        command(kMenuCommands.at(verb));
    } else if (verb == "export") {
        exportChart(words);
    } else if (verb == "dump") {
        writeChartJson(view().document(), out_);
    } else if (verb == "legend") {
        expectWords(words, 1, 2, "legend [json]");
        if (words.size() == 2 && words[1] != "json")
            throw ScriptError("usage: legend [json]");
        const CCanvas& canvas = view().canvas();
        if (words.size() == 2)
            writeLegendJson(canvas, uiLanguage(), out_);
        else
            out_ << legendAsText(makeLegend(canvas), uiLanguage());
    } else if (verb == "pattern" || verb == "check") {
        written(words);
    } else if (verb == "build") {
        buildFrom(words);
    } else if (verb == "status") {
        HeadlessWindow& w = window();
        out_ << w.chartCoordinates() << "\n" << w.windowCoordinates() << "\n";
    } else {
        throw ScriptError("unknown step \"" + verb + "\"");
    }
    paintAll();
}

} // namespace loopora::cli
