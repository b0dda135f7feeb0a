#pragma once
// Scripted editing: runs a script's lines through the same application, view
// and tool code as the desktop editor, in windows of a fixed size whose
// dialogs, menus and file prompts take the answers the script queued.

#include "cli/HeadlessHost.h"
#include "export/BitmapExporter.h"
#include "export/CairoChartPainter.h"
#include "view/Application.h"

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace loopora::cli {

class ScriptRunner {
public:
    ScriptRunner(Size client, std::ostream& out);

    // Runs every line; 0 when all ran, otherwise 1 after writing the line
    // number and what went wrong to err.
    int run(std::istream& script, std::ostream& err);
    // Runs one line; throws ScriptError when it cannot.
    void runLine(const std::string& line);

    CPattraApp& app() { return app_; }

private:
    CPattraView& view();
    HeadlessWindow& window();
    void paintAll();
    void mouse(const std::vector<std::string>& words);
    void key(const std::vector<std::string>& words);
    void zoom(const std::vector<std::string>& words);
    void answer(const std::vector<std::string>& words);
    void exportChart(const std::vector<std::string>& words);
    // pattern [json] [us|uk], check [us|uk]: the chart's written instructions, its check.
    void written(const std::vector<std::string>& words);
    void buildFrom(const std::vector<std::string>& words);
    void chooseTool(const std::string& name);
    void command(uint16_t id);

    std::ostream& out_;
    AnswerQueue answers_;
    HeadlessApp host_;
    BitmapExporter exporter_;
    CairoChartPainter painter_;
    CPattraApp app_;
};

// Splits a line into words at blanks; a double-quoted part may hold blanks
// and the escapes \n, \t, \" and \\.
std::vector<std::string> splitWords(const std::string& line);

} // namespace loopora::cli
