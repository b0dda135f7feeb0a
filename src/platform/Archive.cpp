#include "platform/Archive.h"

#include "platform/CodePage1251.h"
#include "platform/Utf8.h"

#include <algorithm>
#include <bit>

namespace loopora {

ArchiveError::ArchiveError(size_t offset, const std::string& what)
    : std::runtime_error("offset " + std::to_string(offset) + ": " + what), offset_(offset)
{
}

CArchive CArchive::forStoring() { return CArchive(true); }

CArchive CArchive::forLoading(std::span<const uint8_t> bytes, int32_t mostRecords)
{
    CArchive ar(false);
    ar.input_ = bytes;
    ar.mostRecords_ = std::min(mostRecords, kMaximumRecords);
    return ar;
}

void CArchive::writeUInt16(uint16_t v)
{
    output_.push_back(uint8_t(v));
    output_.push_back(uint8_t(v >> 8));
}

void CArchive::writeUInt32(uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        output_.push_back(uint8_t(v >> (8 * i)));
}

void CArchive::writeInt32(int32_t v) { writeUInt32(uint32_t(v)); }

void CArchive::writeDouble(double v)
{
    uint64_t bits = std::bit_cast<uint64_t>(v);
    for (int i = 0; i < 8; ++i)
        output_.push_back(uint8_t(bits >> (8 * i)));
}

void CArchive::writePoint(Point p)
{
    writeInt32(p.x);
    writeInt32(p.y);
}

// Length prefix: one byte below 255; otherwise 0xFF and a 16-bit length below
// 0xFFFE; otherwise 0xFF, 0xFFFF and a 32-bit length.
void CArchive::writeString(const std::string& utf8)
{
    std::string bytes = utf8ToCp1251(utf8);
    size_t n = bytes.size();
    if (n < 0xFF) {
        output_.push_back(uint8_t(n));
    } else if (n < 0xFFFE) {
        output_.push_back(0xFF);
        writeUInt16(uint16_t(n));
    } else {
        output_.push_back(0xFF);
        writeUInt16(0xFFFF);
        writeUInt32(uint32_t(n));
    }
    output_.insert(output_.end(), bytes.begin(), bytes.end());
    ++texts_;
    textCharacters_ += n;
}

void CArchive::require(size_t n, const char* what)
{
    if (remaining() < n)
        fail(std::string("the file ends in the middle of ") + what);
}

uint16_t CArchive::readUInt16()
{
    require(2, "a string length");
    uint16_t v = uint16_t(input_[position_] | (input_[position_ + 1] << 8));
    position_ += 2;
    return v;
}

uint32_t CArchive::readUInt32()
{
    require(4, "a 32-bit value");
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= uint32_t(input_[position_ + i]) << (8 * i);
    position_ += 4;
    return v;
}

int32_t CArchive::readInt32() { return int32_t(readUInt32()); }

double CArchive::readDouble()
{
    require(8, "a floating-point value");
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= uint64_t(input_[position_ + i]) << (8 * i);
    position_ += 8;
    return std::bit_cast<double>(bits);
}

Point CArchive::readPoint()
{
    require(8, "a point");
    int32_t x = readInt32();
    int32_t y = readInt32();
    return {x, y};
}

std::string CArchive::readString()
{
    size_t start = position_;
    require(1, "a string length");
    size_t length = input_[position_++];
    bool wide = false;
    if (length == 0xFF) {
        uint16_t w = readUInt16();
        if (w == 0xFFFE) { // a string of 16-bit characters follows, with its own length
            wide = true;
            require(1, "a string length");
            length = input_[position_++];
            if (length == 0xFF)
                w = readUInt16();
        }
        if (length == 0xFF)
            length = (w == 0xFFFF) ? size_t(readUInt32()) : w;
    }
    size_t bytes = wide ? length * 2 : length;
    if (bytes > remaining())
        failAt(start, "a text of " + std::to_string(length) + " characters runs past the end of the file");
    if (++texts_ > kMaximumTexts)
        failAt(start, "more than " + std::to_string(kMaximumTexts) + " texts");
    textCharacters_ += length;
    if (textCharacters_ > kMaximumTextCharacters)
        failAt(start, "the texts are longer than " + std::to_string(kMaximumTextCharacters) + " characters in all");
    std::string text;
    if (wide) {
        for (size_t i = 0; i < length; ++i) {
            char32_t unit = char32_t(input_[position_ + 2 * i] | (input_[position_ + 2 * i + 1] << 8));
            if (unit >= 0xD800 && unit <= 0xDFFF)
                unit = 0xFFFD; // lone halves of surrogate pairs are not kept
            appendUtf8(text, unit);
        }
    } else {
        text = cp1251ToUtf8(std::string_view(reinterpret_cast<const char*>(input_.data() + position_), length));
    }
    position_ += bytes;
    return text;
}

void CArchive::enterNested()
{
    if (++nesting_ > kMaximumNesting) {
        --nesting_;
        fail("groups nested deeper than " + std::to_string(kMaximumNesting) + " levels");
    }
}

void CArchive::countRecord()
{
    if (++records_ > mostRecords_)
        fail("more than " + std::to_string(mostRecords_) + " elements");
}

int32_t CArchive::readCount(const char* what, size_t minimumBytes, int32_t most)
{
    size_t start = position_;
    int32_t count = readInt32();
    if (count < 0)
        failAt(start, std::string("negative ") + what + " " + std::to_string(count));
    if (count > most)
        failAt(start, std::string(what) + " " + std::to_string(count) + " is over the limit of " + std::to_string(most));
    if (minimumBytes > 0 && size_t(count) > remaining() / minimumBytes)
        failAt(start, std::string(what) + " " + std::to_string(count) + " is more than the rest of the file can hold");
    return count;
}

} // namespace loopora
