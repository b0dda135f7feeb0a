// Invariants: every value is little-endian; strings carry the 1-, 3- or 7-byte
// length prefix and are Windows-1251 in the file; a loading archive never
// reads past its end and names the offset of the first problem.

#include "platform/Archive.h"
#include "platform/CodePage1251.h"

#include <gtest/gtest.h>

using namespace loopora;

namespace {

std::vector<uint8_t> stored(const std::string& text)
{
    CArchive ar = CArchive::forStoring();
    ar.writeString(text);
    return ar.takeBytes();
}

} // namespace

TEST(Archive, IntegersDoublesAndBoolsAreLittleEndian)
{
    CArchive ar = CArchive::forStoring();
    ar.writeInt32(-2);
    ar.writeDouble(1.5);
    ar.writeBool(true);
    std::vector<uint8_t> bytes = ar.takeBytes();
    ASSERT_EQ(bytes.size(), 16u);
    EXPECT_EQ(bytes[0], 0xFE);
    EXPECT_EQ(bytes[3], 0xFF);
    EXPECT_EQ(bytes[10], 0xF8); // 1.5 = 0x3FF8000000000000
    EXPECT_EQ(bytes[11], 0x3F);
    EXPECT_EQ(bytes[12], 1);
    CArchive in = CArchive::forLoading(bytes);
    EXPECT_EQ(in.readInt32(), -2);
    EXPECT_EQ(in.readDouble(), 1.5);
    EXPECT_TRUE(in.readBool());
    EXPECT_TRUE(in.atEnd());
}

TEST(Archive, OnlyExactlyOneReadsAsTrue)
{
    std::vector<uint8_t> two = {2, 0, 0, 0};
    CArchive in = CArchive::forLoading(two);
    EXPECT_FALSE(in.readBool());
}

TEST(Archive, StringLengthPrefixes)
{
    EXPECT_EQ(stored(std::string(254, 'a'))[0], 254);
    std::vector<uint8_t> b255 = stored(std::string(255, 'a'));
    EXPECT_EQ(b255.size(), 3u + 255u);
    EXPECT_EQ(b255[0], 0xFF);
    EXPECT_EQ(b255[1] | (b255[2] << 8), 255);
    std::vector<uint8_t> b300 = stored(std::string(300, 'a'));
    EXPECT_EQ(b300[0], 0xFF);
    EXPECT_EQ(b300[1] | (b300[2] << 8), 300);
    std::vector<uint8_t> big = stored(std::string(0xFFFE, 'a'));
    ASSERT_EQ(big.size(), 7u + 0xFFFE);
    EXPECT_EQ(big[1], 0xFF);
    EXPECT_EQ(big[2], 0xFF);
    EXPECT_EQ(big[3] | (big[4] << 8) | (big[5] << 16), 0xFFFE);
    for (size_t n : {0u, 254u, 255u, 300u, 0xFFFDu, 0xFFFEu, 70000u}) {
        std::string text(n, 'x');
        std::vector<uint8_t> bytes = stored(text);
        CArchive in = CArchive::forLoading(bytes);
        EXPECT_EQ(in.readString(), text) << n;
        EXPECT_TRUE(in.atEnd());
    }
}

TEST(Archive, CyrillicRoundTripsThroughCodePage1251)
{
    std::string label = "Введите текст №5 — ёЁ";
    std::vector<uint8_t> bytes = stored(label);
    EXPECT_EQ(bytes[0], 21); // one byte per character in the file
    EXPECT_EQ(bytes[1], 0xC2); // В
    CArchive in = CArchive::forLoading(bytes);
    EXPECT_EQ(in.readString(), label);
}

TEST(CodePage1251, CharactersItCannotHoldBecomeQuestionMarks)
{
    EXPECT_TRUE(fitsCp1251("Ряд 3: 5 сбн"));
    EXPECT_FALSE(fitsCp1251("中文"));
    EXPECT_EQ(utf8ToCp1251("a中b"), "a?b");
    EXPECT_FALSE(fitsCp1251("\xFF"));
    std::string everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte += char(b);
    EXPECT_EQ(utf8ToCp1251(cp1251ToUtf8(everyByte)), everyByte);
}

TEST(Archive, ReadsPastTheEndAreRefusedWithTheOffset)
{
    std::vector<uint8_t> three = {1, 2, 3};
    CArchive in = CArchive::forLoading(three);
    try {
        in.readInt32();
        FAIL();
    } catch (const ArchiveError& e) {
        EXPECT_EQ(e.offset(), 0u);
    }
    std::vector<uint8_t> shortString = {10, 'a', 'b'};
    CArchive s = CArchive::forLoading(shortString);
    EXPECT_THROW(s.readString(), ArchiveError);
}

TEST(Archive, CountsAreCheckedAgainstTheBytesLeft)
{
    std::vector<uint8_t> negative = {0xFF, 0xFF, 0xFF, 0xFF};
    CArchive a = CArchive::forLoading(negative);
    EXPECT_THROW(a.readCount("point count", 8), ArchiveError);
    std::vector<uint8_t> tooMany = {3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    CArchive b = CArchive::forLoading(tooMany);
    EXPECT_THROW(b.readCount("point count", 8), ArchiveError);
    CArchive c = CArchive::forLoading(tooMany);
    EXPECT_EQ(c.readCount("point count", 4), 3);
}
