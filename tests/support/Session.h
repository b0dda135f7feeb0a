#pragma once
// A scripted editing session for tests: lines run through the same script
// runner users batch charts with, and the test looks at the application,
// views and charts directly.

#include "cli/ScriptRunner.h"
#include "document/Canvas.h"
#include "document/History.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <stdexcept>
#include <string>

namespace loopora::test {

// The i-th child of an element. A missing one throws, which fails only the
// test that asked for it instead of crashing the whole test program.
inline CChartElement* childAt(const CChartElement* parent, size_t i)
{
    if (!parent)
        throw std::out_of_range("child " + std::to_string(i) + " of a missing element");
    if (i >= parent->childCount())
        throw std::out_of_range("child " + std::to_string(i) + " asked for, but there are " +
                                std::to_string(parent->childCount()));
    return parent->child(i);
}

class Session {
public:
    explicit Session(Size window = {800, 600}) : runner_(window, out_) {}

    // Runs the lines; a line the runner refuses fails the test.
    void run(std::initializer_list<std::string> lines)
    {
        for (const std::string& line : lines) {
            try {
                runner_.runLine(line);
            } catch (const cli::ScriptError& e) {
                ADD_FAILURE() << "\"" << line << "\": " << e.what();
            }
        }
    }
    // Runs one line and returns what the runner refused it with ("" when it ran).
    std::string refused(const std::string& line)
    {
        try {
            runner_.runLine(line);
        } catch (const cli::ScriptError& e) {
            return e.what();
        }
        return {};
    }
    // What the session printed since the last call.
    std::string output()
    {
        std::string text = out_.str();
        out_.str({});
        return text;
    }

    CPattraApp& app() { return runner_.app(); }
    CPattraView& view() { return *app().activeView(); }
    CCanvas& canvas() { return view().canvas(); }
    CChartElement* element(size_t i) { return childAt(&canvas(), i); }
    size_t elements() { return canvas().childCount(); }
    size_t historySize() { return canvas().history().size(); }

private:
    std::ostringstream out_;
    cli::ScriptRunner runner_;
};

} // namespace loopora::test
