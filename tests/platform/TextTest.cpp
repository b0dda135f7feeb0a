// Chart labels: monochrome glyphs of the shared sans font in the text colour,
// placed by the top-left corner of their cell, measured by advance widths, and
// robust against malformed UTF-8 from damaged charts.

#include "RasterTestSupport.h"

#include "platform/Font.h"
#include "platform/Utf8.h"

#include <gtest/gtest.h>

using namespace loopora;
using namespace loopora::testing;

namespace {

constexpr Colour kText = rgb(200, 0, 0);

bool haveFont() { return Font::shared() != nullptr; }

} // namespace

TEST(Text, MetricsAreThoseOfASmallLabelFont)
{
    PixelBuffer b(1, 1);
    CRasterDC dc(b);
    const TextMetrics m = dc.textMetrics();
    if (!haveFont()) {
        EXPECT_EQ(m.height, 16);
        EXPECT_EQ(m.ascent, 13);
        return;
    }
    EXPECT_GE(m.height, 12);
    EXPECT_LE(m.height, 20);
    EXPECT_GT(m.ascent, m.height / 2);
    EXPECT_LT(m.ascent, m.height);
    EXPECT_GE(m.externalLeading, 0);
}

TEST(Text, DrawsInTheTextColourInsideItsCell)
{
    if (!haveFont())
        GTEST_SKIP() << "no sans font installed";
    PixelBuffer b(80, 30);
    CRasterDC dc(b);
    dc.setTextColour(kText);
    dc.setBackgroundMode(BackgroundMode::Transparent);
    dc.textOut(5, 4, "Hgj");
    const TextMetrics m = dc.textMetrics();
    const PixelSet ink = pixelsNot(b, kPaper);
    EXPECT_EQ(ink, pixelsOf(b, kText)) << "glyphs are not anti-aliased";
    EXPECT_GE(ink.size(), 20u);
    const Bounds bounds = boundsOf(ink);
    EXPECT_GE(bounds.left, 5);
    EXPECT_LE(bounds.right, 5 + dc.textWidth("Hgj"));
    EXPECT_GE(bounds.top, 4);
    EXPECT_LE(bounds.bottom, 4 + m.height);
    // "g" and "j" reach below the baseline, "H" stands on it.
    EXPECT_GT(bounds.bottom, 4 + m.ascent);
}

TEST(Text, OpaqueModeFillsTheCellWithTheBackgroundFirst)
{
    if (!haveFont())
        GTEST_SKIP() << "no sans font installed";
    PixelBuffer b(80, 30);
    CRasterDC dc(b);
    dc.setTextColour(kText);
    dc.setBackgroundColour(kFill);
    dc.setBackgroundMode(BackgroundMode::Opaque);
    dc.textOut(6, 3, "Loop");
    const TextMetrics m = dc.textMetrics();
    EXPECT_EQ(boundsOf(pixelsNot(b, kPaper)), (Bounds{6, 3, 6 + dc.textWidth("Loop"), 3 + m.height}));
    EXPECT_FALSE(pixelsOf(b, kText).empty());
    EXPECT_EQ(pixelsOf(b, kText).size() + pixelsOf(b, kFill).size(), pixelsNot(b, kPaper).size());
}

TEST(Text, WidthIsTheSumOfAdvances)
{
    PixelBuffer b(1, 1);
    CRasterDC dc(b);
    EXPECT_EQ(dc.textWidth(""), 0);
    if (!haveFont())
        return;
    EXPECT_GT(dc.textWidth("H"), 3);
    EXPECT_EQ(dc.textWidth("Hg"), dc.textWidth("H") + dc.textWidth("g"));
    EXPECT_EQ(dc.textWidth("Жук"), dc.textWidth("Ж") + dc.textWidth("у") + dc.textWidth("к"));
}

TEST(Text, CyrillicLabelsDraw)
{
    if (!haveFont())
        GTEST_SKIP() << "no sans font installed";
    PixelBuffer b(80, 30);
    CRasterDC dc(b);
    dc.setBackgroundMode(BackgroundMode::Transparent);
    dc.textOut(2, 2, "Жук");
    EXPECT_GE(pixelsOf(b, kInk).size(), 20u);
    EXPECT_GT(dc.textWidth("Жук"), 15);
}

TEST(Text, MalformedUtf8DrawsReplacementCharacters)
{
    PixelBuffer b(80, 30);
    CRasterDC dc(b);
    dc.textOut(2, 2, "\xff\xc0\xaf\xe2\x82");
    if (!haveFont())
        return;
    EXPECT_EQ(dc.textWidth("\xff"), dc.textWidth("\xEF\xBF\xBD"));
    EXPECT_EQ(dc.textWidth("a\xe2\x82"), dc.textWidth("a\xEF\xBF\xBD"));
}

TEST(Text, OriginsAndClipApplyToText)
{
    if (!haveFont())
        GTEST_SKIP() << "no sans font installed";
    PixelBuffer whole(80, 30);
    CRasterDC plain(whole);
    plain.setBackgroundMode(BackgroundMode::Transparent);
    plain.textOut(10, 5, "Loopora");

    PixelBuffer b(80, 30);
    CRasterDC dc(b);
    dc.setBackgroundMode(BackgroundMode::Transparent);
    dc.setWindowOrigin({1000, 2000});
    dc.setViewportOrigin({10, 5});
    dc.setClip({0, 0, 30, 30});
    dc.textOut(1000, 2000, "Loopora");
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 80; ++x)
            EXPECT_EQ(b.colourAt(x, y), x < 30 ? whole.colourAt(x, y) : kPaper) << x << "," << y;
}

TEST(Utf8, DecodesWellFormedText)
{
    EXPECT_EQ(decodeUtf8("aЖ€😀"), (std::u32string{U'a', U'Ж', U'€', U'😀'}));
    EXPECT_EQ(decodeUtf8(""), std::u32string{});
}

TEST(Utf8, EachMalformedSequenceBecomesOneReplacement)
{
    const char32_t r = kReplacementCharacter;
    EXPECT_EQ(decodeUtf8("\xff"), (std::u32string{r}));
    EXPECT_EQ(decodeUtf8("\xc0\xaf"), (std::u32string{r, r}));         // overlong
    EXPECT_EQ(decodeUtf8("\xe2\x82"), (std::u32string{r}));            // cut short
    EXPECT_EQ(decodeUtf8("\xe2\x82x"), (std::u32string{r, U'x'}));     // interrupted
    EXPECT_EQ(decodeUtf8("\xed\xa0\x80"), (std::u32string{r, r, r}));  // surrogate
    EXPECT_EQ(decodeUtf8("\xf4\x90\x80\x80"), (std::u32string{r, r, r, r})); // beyond U+10FFFF
    EXPECT_EQ(decodeUtf8("\x80z"), (std::u32string{r, U'z'}));
}
