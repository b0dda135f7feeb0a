// Invariants: decimals are written with a dot in general notation with 15
// significant digits, and read with a dot or a comma, whatever the C
// library's numeric locale says.

#include "platform/DecimalText.h"
#include "support/CommaLocale.h"

#include <gtest/gtest.h>

using namespace loopora;

namespace {

void expectReadsAndWrites()
{
    EXPECT_EQ(formatDecimal(30.0), "30");
    EXPECT_EQ(formatDecimal(0.1), "0.1");
    EXPECT_EQ(formatDecimal(1.5), "1.5");
    EXPECT_EQ(formatDecimal(-2.25), "-2.25");
    EXPECT_EQ(formatDecimal(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(parseDecimal("0.5"), 0.5);
    EXPECT_EQ(parseDecimal("0,5"), 0.5);
    EXPECT_EQ(parseDecimal(" 0,1\t"), 0.1);
    EXPECT_EQ(parseDecimal("+2"), 2.0);
    EXPECT_EQ(parseDecimal("-0"), 0.0);
    EXPECT_EQ(parseDecimal("1e2"), 100.0);
    EXPECT_EQ(parseDecimal("30"), 30.0);
    for (const char* bad : {"", " ", "abc", "1,2,3", "1.2,3", "1,2.3", "0.5x", "nan", "1e999", "+-1", ",", "++1"})
        EXPECT_FALSE(parseDecimal(bad)) << bad;
}

} // namespace

TEST(DecimalText, ReadsADotOrACommaAndWritesADot) { expectReadsAndWrites(); }

TEST(DecimalText, TheSameUnderACommaLocale)
{
    test::CommaLocale russian;
    if (!russian.available())
        GTEST_SKIP() << "no locale with a decimal comma can be made here";
    expectReadsAndWrites();
}
