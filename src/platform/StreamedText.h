#pragma once
// Text written to a stream a block at a time: a writer appends to text() as
// to a string and calls drain() between pieces, which passes the text on
// once a block has gathered. A listing of a million elements never stands
// whole in memory.

#include <ostream>
#include <string>

namespace loopora {

class StreamedText {
public:
    explicit StreamedText(std::ostream& to) : to_(to) {}
    ~StreamedText() { flush(); }
    StreamedText(const StreamedText&) = delete;
    StreamedText& operator=(const StreamedText&) = delete;

    std::string& text() { return text_; }
    // Passes the text on once a block has gathered.
    void drain()
    {
        if (text_.size() >= kBlock)
            flush();
    }
    void flush()
    {
        to_.write(text_.data(), std::streamsize(text_.size()));
        text_.clear();
    }

private:
    static constexpr size_t kBlock = 64 * 1024;
    std::ostream& to_;
    std::string text_;
};

} // namespace loopora
