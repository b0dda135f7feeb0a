#include "platform/PixelBlocks.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace loopora {

void enlargeBlocks(const PixelBuffer& source, PixelBuffer& target, const Rect& area, int32_t zoom, Point phase)
{
    if (zoom < 1)
        return;
    // Only the target pixels whose block comes from inside source.
    const int64_t left = std::max<int64_t>({area.left, 0, -int64_t(phase.x)});
    const int64_t top = std::max<int64_t>({area.top, 0, -int64_t(phase.y)});
    const int64_t right = std::min<int64_t>({area.right, target.width(), int64_t(source.width()) * zoom - phase.x});
    const int64_t bottom = std::min<int64_t>({area.bottom, target.height(), int64_t(source.height()) * zoom - phase.y});
    if (left >= right || top >= bottom)
        return;
    const size_t bytes = size_t(right - left) * sizeof(Pixel);
    int64_t filledFrom = -1; // the source row the last filled target row shows
    for (int64_t y = top; y < bottom; ++y) {
        const int64_t sourceRow = (y + phase.y) / zoom;
        Pixel* out = target.row(int32_t(y)) + left;
        if (sourceRow == filledFrom) {
            // The rows of one block are alike: the one above is copied whole.
            std::memcpy(out, target.row(int32_t(y - 1)) + left, bytes);
            continue;
        }
        filledFrom = sourceRow;
        const Pixel* in = source.row(int32_t(sourceRow));
        int64_t x = left;
        int64_t column = (x + phase.x) / zoom;
        while (x < right) {
            // The pixels up to the end of this column's block, or of the area.
            const int64_t blockEnd = std::min<int64_t>(right, (column + 1) * zoom - phase.x);
            std::fill(out + (x - left), out + (blockEnd - left), in[column]);
            x = blockEnd;
            ++column;
        }
    }
}

void sampleNearest(const PixelBuffer& source, PixelBuffer& target, const Rect& area, double scale, ShapePoint offset)
{
    const Rect inside = Rect::intersected(area.normalized(), {0, 0, target.width(), target.height()});
    if (inside.isEmpty() || !(scale > 0))
        return;
    auto sourceOf = [scale](int32_t at, double shift) {
        const double v = std::floor((at + shift) / scale);
        return v >= 0 && v < double(1 << 30) ? int32_t(v) : -1;
    };
    // The columns that show source pixels lie side by side.
    std::vector<int32_t> columns;
    int32_t first = inside.right;
    for (int32_t x = inside.left; x < inside.right; ++x) {
        const int32_t c = sourceOf(x, offset.x);
        if (c < 0 || c >= source.width()) {
            if (!columns.empty())
                break;
            continue;
        }
        if (columns.empty())
            first = x;
        columns.push_back(c);
    }
    if (columns.empty())
        return;
    const size_t bytes = columns.size() * sizeof(Pixel);
    int32_t filledFrom = -1; // the source row the last filled target row shows
    for (int32_t y = inside.top; y < inside.bottom; ++y) {
        const int32_t sourceRow = sourceOf(y, offset.y);
        if (sourceRow < 0 || sourceRow >= source.height())
            continue;
        Pixel* out = target.row(y) + first;
        if (sourceRow == filledFrom) {
            // Rows showing one source row are alike: the one above is copied.
            std::memcpy(out, target.row(y - 1) + first, bytes);
            continue;
        }
        filledFrom = sourceRow;
        const Pixel* in = source.row(sourceRow);
        for (size_t i = 0; i < columns.size(); ++i)
            out[i] = in[columns[i]];
    }
}

void shiftPixels(PixelBuffer& picture, int32_t dx, int32_t dy)
{
    const int32_t width = picture.width();
    const int32_t height = picture.height();
    if ((dx == 0 && dy == 0) || std::abs(int64_t(dx)) >= width || std::abs(int64_t(dy)) >= height)
        return;
    const int32_t columns = width - std::abs(dx);
    const int32_t from = dx > 0 ? 0 : -dx;
    const int32_t to = dx > 0 ? dx : 0;
    auto moveRow = [&](int32_t y) {
        std::memmove(picture.row(y + dy) + to, picture.row(y) + from, size_t(columns) * sizeof(Pixel));
    };
    // Rows are visited so that none is overwritten before it has moved.
    if (dy > 0) {
        for (int32_t y = height - 1 - dy; y >= 0; --y)
            moveRow(y);
    } else {
        for (int32_t y = -dy; y < height; ++y)
            moveRow(y);
    }
}

} // namespace loopora
