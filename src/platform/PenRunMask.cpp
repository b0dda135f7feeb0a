#include "platform/PenRunMask.h"

#include <algorithm>
#include <bit>

namespace loopora {
namespace {

// ORs the bits of src, moved `shift` places toward higher bits, into out,
// which has room for them.
void orShifted(std::vector<uint64_t>& out, const uint64_t* src, size_t words, size_t shift)
{
    const size_t whole = shift / 64;
    const unsigned part = unsigned(shift % 64);
    for (size_t w = 0; w < words; ++w) {
        const uint64_t v = src[w];
        if (v == 0)
            continue;
        out[w + whole] |= v << part;
        if (part != 0)
            out[w + whole + 1] |= v >> (64 - part);
    }
}

// The first bit from `from` on that is set (set true) or clear (set false);
// bits.size() * 64 when there is none.
size_t nextBit(const std::vector<uint64_t>& bits, size_t from, bool set)
{
    const size_t end = bits.size() * 64;
    while (from < end) {
        uint64_t w = bits[from / 64];
        if (!set)
            w = ~w;
        w >>= from % 64;
        if (w != 0)
            return std::min(end, from + size_t(std::countr_zero(w)));
        from = (from / 64 + 1) * 64;
    }
    return end;
}

// The pixels left..right (inclusive) of row y where they are visible.
void setRow(CDC& dc, const Rect& visible, int64_t y, int64_t left, int64_t right, Colour colour)
{
    const int64_t from = std::max<int64_t>(left, visible.left);
    const int64_t to = std::min<int64_t>(right, int64_t(visible.right) - 1);
    if (from <= to)
        dc.setPixelRow(int32_t(y), int32_t(from), int32_t(to + 1), colour);
}

} // namespace

PenRunMask::PenRunMask(CDC& dc, Colour colour, int32_t penWidth, RunDirection direction, const Rect& box)
    : dc_(dc), colour_(colour), length_(runLength(penWidth)), step_(int32_t(direction)), box_(box.normalized()),
      stray_(dc, colour, penWidth, direction)
{
    if (length_ == 0 || box_.isEmpty()) {
        box_ = {};
        return;
    }
    words_ = (size_t(box_.width()) + 63) / 64;
    bits_.assign(words_ * size_t(box_.height()), 0);
}

void PenRunMask::flush()
{
    stray_.flush();
    if (bits_.empty())
        return;
    const Rect visible = dc_.visibleArea();
    const int64_t tail = length_ - 1;
    // A run from row y reaches rows y .. y + step * tail.
    const int64_t top = std::max<int64_t>(visible.top, step_ < 0 ? box_.top - tail : box_.top);
    const int64_t bottom = std::min<int64_t>(int64_t(visible.bottom) - 1, step_ < 0 ? box_.bottom - 1 : box_.bottom - 1 + tail);
    std::vector<uint64_t> row(words_ + size_t(tail) / 64 + 2);
    for (int64_t y = top; y <= bottom; ++y) {
        std::fill(row.begin(), row.end(), 0);
        for (int64_t i = 0; i <= tail; ++i) {
            const int64_t from = y - step_ * i;
            if (from >= box_.top && from < box_.bottom)
                orShifted(row, &bits_[size_t(from - box_.top) * words_], words_, size_t(i));
        }
        for (size_t lo = nextBit(row, 0, true); lo < row.size() * 64;) {
            const size_t end = nextBit(row, lo, false);
            setRow(dc_, visible, y, box_.left + int64_t(lo), box_.left + int64_t(end) - 1, colour_);
            lo = nextBit(row, end, true);
        }
    }
    bits_.clear();
}

} // namespace loopora
