// The key in words: columns line up by characters, not bytes, in both
// languages; the selection's column appears only while something is
// selected; the JSON form names every type and every group and arrangement
// with the path `loopora-cli dump` lists it under.

#include "document/LegendText.h"
#include "support/Session.h"

#include <gtest/gtest.h>

using namespace loopora;
using loopora::test::Session;

namespace {

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

} // namespace

TEST(LegendText, ColumnsLineUpInEitherLanguage)
{
    Session s;
    s.run({"new 400 400 0 30", "tool double", "drag 50 100 50 60", "tool double1to3", "drag 100 100 100 60",
           "tool select", "click 390 390"});
    const Legend legend = makeLegend(s.canvas());
    const std::vector<std::string> russian = lines(legendAsText(legend, Language::Russian));
    ASSERT_EQ(russian.size(), 5u);
    // Titled as Russian patterns title their keys; the panel keeps its short name.
    EXPECT_EQ(russian[0], "Условные обозначения");
    EXPECT_EQ(legendWords(Language::Russian).title, "Легенда");
    EXPECT_EQ(russian[1], "Сокр.         Название              На схеме");
    EXPECT_EQ(russian[2], "ссн           столбик с накидом            1");
    EXPECT_EQ(russian[3], "3 ссн в 1 п.  3 ссн из одной петли         1");
    EXPECT_EQ(russian[4], "Символов: 2 · Провязано в петли: 2 · Получено петель: 4");
    const std::vector<std::string> english = lines(legendAsText(legend, Language::English));
    EXPECT_EQ(english[2], "dc            double crochet         1");
    EXPECT_EQ(english[4], "Symbols: 2 · Worked into: 2 · Makes: 4");
}

TEST(LegendText, TheSelectionHasAColumnAndTotalsWhileThereIsOne)
{
    Session s;
    s.run({"new 400 400 0 30", "tool double", "drag 50 100 50 60", "drag 70 100 70 60", "legend"});
    const std::vector<std::string> text = lines(s.output());
    ASSERT_EQ(text.size(), 5u);
    EXPECT_EQ(text[1], "Сокр.  Название           На схеме  Выделено");
    EXPECT_EQ(text[2], "ссн    столбик с накидом         2         1");
    EXPECT_EQ(text[4], "Выделено: Символов: 1 · Провязано в петли: 1 · Получено петель: 1");
    EXPECT_NE(s.refused("legend yaml"), "");
}

TEST(LegendText, JsonNamesTypesAndEveryGroupAndArrangement)
{
    Session s;
    s.run({"new 400 400 0 30", "tool chain", "drag 10 390 50 390", "tool double", "drag 50 100 50 60",
           "drag 80 100 80 60", "tool select", "click 50 80", "click 80 80 ctrl", "group", "legend json"});
    const std::string json = s.output();
    EXPECT_NE(json.find("{\"language\": \"ru\",\n\"symbols\": [\n"
                        "  {\"type\": 45, \"tool\": \"chain\", \"name\": \"воздушная петля\", \"abbreviation\": "
                        "\"в. п.\", \"count\": 1, \"workedInto\": 0, \"makes\": 1},\n"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("\"totals\": {\"symbols\": 3, \"workedInto\": 2, \"makes\": 3}"), std::string::npos);
    EXPECT_NE(json.find("{\"type\": 0, \"name\": \"группа\", \"parent\": -1, \"index\": 1, \"depth\": 1, \"symbols\": [\n"
                        "    {\"type\": 7, \"tool\": \"double\""),
              std::string::npos)
        << json;
}
