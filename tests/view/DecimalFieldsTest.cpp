// Invariants: the decimal fields of the parameter dialogs show their values
// with a dot and accept a dot or a comma under any numeric locale, as the
// desktop runs them under a Russian one; so do the ranges in their messages
// and the numbers of a chart's listing.

#include "document/ChartJson.h"
#include "support/CommaLocale.h"
#include "support/Session.h"
#include "view/dialogs/Dialogs.h"

#include <gtest/gtest.h>

using namespace loopora;
using loopora::test::Session;

class DecimalFields : public testing::Test {
protected:
    void SetUp() override
    {
        if (!locale_.available())
            GTEST_SKIP() << "no locale with a decimal comma can be made here";
    }
    test::CommaLocale locale_;
};

TEST_F(DecimalFields, AcceptADotOrACommaUnderACommaLocale)
{
    dialogs::Dialog<dialogs::ScaleFactors> scale;
    scale.model().setFieldText("widthfactor", "0.5");
    scale.model().setFieldText("heightfactor", "1,5");
    EXPECT_FALSE(scale.model().validate());
    EXPECT_EQ(scale.values().width, 0.5);
    EXPECT_EQ(scale.values().height, 1.5);

    dialogs::Dialog<dialogs::RowParameters> row;
    row.model().setFieldText("height", "0.1");
    EXPECT_FALSE(row.model().validate());
    EXPECT_EQ(row.values().height, 0.1);
}

TEST_F(DecimalFields, PresetsAndRangesShowADotUnderACommaLocale)
{
    dialogs::Dialog<dialogs::ChainRingParameters> ring({.count = 3, .loopSize = 1.5});
    EXPECT_EQ(ring.model().find("loopsize")->text, "1.5");

    DialogModel row = dialogs::modelOf(dialogs::RowParameters{});
    row.setFieldText("height", "0.09");
    auto error = row.validate();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message, "«Высота (0.1...30)»: введите число от 0.1 до 30.");
}

TEST_F(DecimalFields, ScriptsAndListingsUnderACommaLocale)
{
    Session s;
    s.run({"new 400 400 0 30", "answer ok count=6 loopsize=0.5", "command 33029", "drag 100 200 300 200"});
    ASSERT_EQ(s.elements(), 1u);
    const std::string json = chartToJson(s.view().document());
    EXPECT_NE(json.find("\"ratio\": 0.5"), std::string::npos) << json;
}
