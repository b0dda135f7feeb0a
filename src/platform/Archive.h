#pragma once
// The binary archive chart files are written through: little-endian int32 and
// doubles, bools as int32, points, pens and length-prefixed strings.
// A loading archive checks every read against the bytes left and reports the
// first problem as an ArchiveError naming the byte offset.

#include "platform/Colour.h"
#include "platform/Geometry.h"

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace loopora {

class ArchiveError : public std::runtime_error {
public:
    ArchiveError(size_t offset, const std::string& what);
    size_t offset() const { return offset_; }

private:
    size_t offset_;
};

class CArchive {
public:
    // An archive that appends to its own byte buffer.
    static CArchive forStoring();
    // An archive that reads the given bytes; they must outlive it.
    // A reader that wants smaller charts than any may be can lower the bound
    // on records (a test of the bound need not build millions of elements).
    static CArchive forLoading(std::span<const uint8_t> bytes, int32_t mostRecords = kMaximumRecords);

    bool isStoring() const { return storing_; }
    bool isLoading() const { return !storing_; }

    void writeInt32(int32_t v);
    void writeUInt32(uint32_t v);
    void writeDouble(double v);
    void writeBool(bool v) { writeInt32(v ? 1 : 0); }
    void writePoint(Point p);
    // UTF-8 in, Windows-1251 bytes out, after the length prefix.
    void writeString(const std::string& utf8);

    int32_t readInt32();
    uint32_t readUInt32();
    double readDouble();
    bool readBool() { return readInt32() == 1; } // exactly 1 is true
    Point readPoint();
    std::string readString();
    // A count that announces `count` records of at least `minimumBytes` each:
    // refused when negative, above `most` or when the bytes left cannot hold that many.
    int32_t readCount(const char* what, size_t minimumBytes, int32_t most = kMaximumRecords);

    size_t offset() const { return position_; }
    size_t remaining() const { return input_.size() - position_; }
    bool atEnd() const { return remaining() == 0; }
    [[noreturn]] void fail(const std::string& what) const { throw ArchiveError(position_, what); }
    [[noreturn]] void failAt(size_t offset, const std::string& what) const { throw ArchiveError(offset, what); }

    // Records may hold records; a damaged file could nest them without end, so
    // loading limits the depth. Enter on the way into a nested record, leave on the way out.
    static constexpr int kMaximumNesting = 256;
    void enterNested();
    void leaveNested() { --nesting_; }

    // A record costs the program a few hundred bytes however few it takes in
    // the file (a PDF about a kilobyte for each figure drawn on its own), a
    // text a few kilobytes more and each of its characters more again, so
    // loading refuses more records, more texts and longer texts in all than
    // these: whatever an archive that passes holds is drawn, listed and
    // exported within a gigabyte. Count each record as it begins.
    static constexpr int32_t kMaximumRecords = 6'000'000;
    static constexpr int32_t kMaximumTexts = 50'000;
    static constexpr size_t kMaximumTextCharacters = 1'000'000;
    void countRecord();
    // The texts written so far, counted as loading counts them, so that a
    // saver can tell whether its file would open again.
    int32_t textsWritten() const { return texts_; }
    size_t textCharactersWritten() const { return textCharacters_; }

    const std::vector<uint8_t>& bytes() const { return output_; }
    std::vector<uint8_t> takeBytes() { return std::move(output_); }

private:
    explicit CArchive(bool storing) : storing_(storing) {}
    void require(size_t n, const char* what);
    uint16_t readUInt16();
    void writeUInt16(uint16_t v);

    bool storing_;
    std::vector<uint8_t> output_;
    std::span<const uint8_t> input_;
    size_t position_ = 0;
    int nesting_ = 0;
    int32_t records_ = 0;
    int32_t mostRecords_ = kMaximumRecords;
    int32_t texts_ = 0;
    size_t textCharacters_ = 0;
};

} // namespace loopora
