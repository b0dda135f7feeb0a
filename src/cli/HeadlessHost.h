#pragma once
// Windows without a screen: each chart window is a pixel buffer of a fixed
// size with scroll bars, and every dialog, menu and file prompt takes the
// next answer a script queued. What a window would show (message boxes,
// validation messages) is written to the output stream.

#include "view/AppHost.h"
#include "view/dialogs/DialogModel.h"

#include <deque>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace loopora::cli {

// A script cannot go on: a prompt opened with no answer queued for it, or an
// answer did not fit the prompt.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct QueuedAnswer {
    enum class Kind { DialogOk, DialogCancel, File, Menu } kind;
    std::vector<std::pair<std::string, std::string>> fields; // for DialogOk: key, value
    std::string file;                                         // for File
    uint16_t menuCommand = 0;                                 // for Menu (0: dismiss the menu)
};

class AnswerQueue {
public:
    void push(QueuedAnswer answer) { answers_.push_back(std::move(answer)); }
    // The next answer, which must be of one of the kinds given.
    QueuedAnswer take(const char* prompt, std::initializer_list<QueuedAnswer::Kind> kinds);
    bool empty() const { return answers_.empty(); }

private:
    std::deque<QueuedAnswer> answers_;
};

class HeadlessWindow : public ViewHost {
public:
    HeadlessWindow(Size client, AnswerQueue& answers, std::ostream& out)
        : client_(client), answers_(answers), out_(out)
    {
    }

    Size clientSize() const override { return client_; }
    void showScrollBars(const ScrollBars& bars) override { bars_ = bars; }
    void update(const Rect&) override { needsPaint_ = true; }
    void showCoordinates(Point chart, Point window) override;
    uint16_t popupMenu(int menuId, Point windowPoint) override;
    bool runDialog(DialogModel& dialog) override;
    std::optional<Colour> chooseColour(Colour initial) override;
    std::optional<std::string> askBitmapFileName() override;
    void messageBox(const std::string& text) override;

    bool takePaintRequest() { return std::exchange(needsPaint_, false); }
    const ScrollBars& scrollBars() const { return bars_; }
    const std::string& chartCoordinates() const { return chartText_; }
    const std::string& windowCoordinates() const { return windowText_; }

private:
    Size client_;
    ScrollBars bars_{};
    bool needsPaint_ = false;
    std::string chartText_ = " ";
    std::string windowText_ = " ";
    AnswerQueue& answers_;
    std::ostream& out_;
};

// Runs a dialog with the queued answers: each refused answer prints the
// dialog's message and the next answer is tried.
bool answerDialog(DialogModel& dialog, AnswerQueue& answers, std::ostream& out);

class HeadlessApp : public AppHost {
public:
    HeadlessApp(Size client, AnswerQueue& answers, std::ostream& out)
        : client_(client), answers_(answers), out_(out)
    {
    }

    ViewHost& openChartWindow(const std::string& caption) override;
    void closeChartWindow(ViewHost& window) override;
    bool runDialog(DialogModel& dialog) override { return answerDialog(dialog, answers_, out_); }
    // Each answer sets the dialog's choices by name (text, shape, stitch,
    // rounds, terms, lang); one whose text does not build prints why and
    // the next answer is tried.
    bool runPatternDialog(PatternDialogModel& dialog) override;
    std::optional<std::string> askOpenFileName() override;
    std::optional<std::string> askSaveFileName(const std::string&) override;
    void messageBox(const std::string& text) override;

    HeadlessWindow& window(ViewHost& host) { return static_cast<HeadlessWindow&>(host); }

private:
    Size client_;
    AnswerQueue& answers_;
    std::ostream& out_;
    std::vector<std::unique_ptr<HeadlessWindow>> windows_;
};

} // namespace loopora::cli
