#include "cli/HeadlessHost.h"

#include "view/ChartView.h"
#include "view/CommandTable.h"
#include "view/dialogs/PatternDialogModel.h"

#include <algorithm>
#include <cstdio>

namespace loopora::cli {

QueuedAnswer AnswerQueue::take(const char* prompt, std::initializer_list<QueuedAnswer::Kind> kinds)
{
    if (answers_.empty())
        throw ScriptError(std::string(prompt) + " opened with no answer queued for it");
    QueuedAnswer answer = std::move(answers_.front());
    answers_.pop_front();
    if (std::find(kinds.begin(), kinds.end(), answer.kind) == kinds.end())
        throw ScriptError(std::string("the queued answer does not fit ") + prompt);
    return answer;
}

void HeadlessWindow::showCoordinates(Point chart, Point window)
{
    chartText_ = CPattraView::chartCoordinatesText(chart);
    windowText_ = CPattraView::windowCoordinatesText(window);
}

uint16_t HeadlessWindow::popupMenu(int menuId, Point)
{
    out_ << "menu " << menuId << ":";
    for (const MenuItem& item : contextMenu(menuId))
        out_ << " \"" << item.text << "\"";
    out_ << "\n";
    QueuedAnswer answer = answers_.take("a context menu", {QueuedAnswer::Kind::Menu});
    if (answer.menuCommand == 0)
        return 0;
    for (const MenuItem& item : contextMenu(menuId))
        if (item.id == answer.menuCommand)
            return answer.menuCommand;
    throw ScriptError("the menu " + std::to_string(menuId) + " has no command " + std::to_string(answer.menuCommand));
}

bool answerDialog(DialogModel& dialog, AnswerQueue& answers, std::ostream& out)
{
    while (true) {
        std::string prompt = "the dialog \"" + dialog.title() + "\"";
        QueuedAnswer answer =
            answers.take(prompt.c_str(), {QueuedAnswer::Kind::DialogOk, QueuedAnswer::Kind::DialogCancel});
        if (answer.kind == QueuedAnswer::Kind::DialogCancel)
            return false;
        for (const auto& [key, value] : answer.fields)
            if (!dialog.setFieldText(key, value))
                throw ScriptError("the dialog \"" + dialog.title() + "\" has no field " + key);
        if (auto error = dialog.validate()) {
            out << "dialog: " << error->message << "\n";
            continue;
        }
        return true;
    }
}

bool HeadlessWindow::runDialog(DialogModel& dialog) { return answerDialog(dialog, answers_, out_); }

std::optional<Colour> HeadlessWindow::chooseColour(Colour)
{
    QueuedAnswer answer = answers_.take("the colour dialog", {QueuedAnswer::Kind::DialogOk, QueuedAnswer::Kind::DialogCancel});
    if (answer.kind == QueuedAnswer::Kind::DialogCancel)
        return std::nullopt;
    if (answer.fields.size() != 1 || answer.fields[0].first != "colour") {
        for (const auto& [key, value] : answer.fields)
            if (key != "colour")
                throw ScriptError("the colour dialog has no field " + key);
        throw ScriptError("the colour dialog's answer needs colour=R,G,B, once");
    }
    const std::string& value = answer.fields[0].second;
    int r = 0, g = 0, b = 0;
    char extra = 0;
    if (std::sscanf(value.c_str(), "%d,%d,%d%c", &r, &g, &b, &extra) != 3 || r < 0 || r > 255 || g < 0 || g > 255 ||
        b < 0 || b > 255)
        throw ScriptError("colour=" + value + " is not R,G,B with each part 0 to 255");
    return rgb(uint8_t(r), uint8_t(g), uint8_t(b));
}

std::optional<std::string> HeadlessWindow::askBitmapFileName()
{
    return answers_.take("the bitmap file prompt", {QueuedAnswer::Kind::File}).file;
}

void HeadlessWindow::messageBox(const std::string& text) { out_ << "message: " << text << "\n"; }

bool HeadlessApp::runPatternDialog(PatternDialogModel& dialog)
{
    const std::string prompt = "the dialog \"" + PatternDialogModel::title() + "\"";
    while (true) {
        QueuedAnswer answer = answers_.take(prompt.c_str(), {QueuedAnswer::Kind::DialogOk, QueuedAnswer::Kind::DialogCancel});
        if (answer.kind == QueuedAnswer::Kind::DialogCancel)
            return false;
        for (const auto& [key, value] : answer.fields) {
            std::string error;
            if (!dialog.set(key, value, error))
                throw ScriptError(prompt + ": " + error);
        }
        if (dialog.canConfirm())
            return true;
        out_ << "dialog: " << dialog.message() << "\n";
    }
}

ViewHost& HeadlessApp::openChartWindow(const std::string&)
{
    windows_.push_back(std::make_unique<HeadlessWindow>(client_, answers_, out_));
    return *windows_.back();
}

void HeadlessApp::closeChartWindow(ViewHost& window)
{
    std::erase_if(windows_, [&](const auto& w) { return w.get() == &window; });
}

std::optional<std::string> HeadlessApp::askOpenFileName()
{
    return answers_.take("the open file prompt", {QueuedAnswer::Kind::File}).file;
}

std::optional<std::string> HeadlessApp::askSaveFileName(const std::string&)
{
    return answers_.take("the save file prompt", {QueuedAnswer::Kind::File}).file;
}

void HeadlessApp::messageBox(const std::string& text) { out_ << "message: " << text << "\n"; }

} // namespace loopora::cli
