#include "export/BitmapWriter.h"

#include "platform/FileReplacement.h"
#include "platform/RasterDC.h"

namespace loopora {
namespace {

void put16(std::vector<uint8_t>& out, uint16_t v)
{
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(v >> (8 * i)));
}

} // namespace

std::vector<uint8_t> encodeBitmap(const PixelBuffer& picture)
{
    const uint32_t w = uint32_t(picture.width());
    const uint32_t h = uint32_t(picture.height());
    const uint32_t pixelBytes = w * h * 4;
    std::vector<uint8_t> out;
    out.reserve(54 + size_t(pixelBytes));
    out.push_back('B');
    out.push_back('M');
    put32(out, 54 + pixelBytes);
    put16(out, 0);
    put16(out, 0);
    put32(out, 54);
    put32(out, 40);
    put32(out, w);
    put32(out, h); // positive: rows are stored bottom-up
    put16(out, 1);
    put16(out, 32);
    for (int i = 0; i < 6; ++i) // compression, image size, resolutions, colours used, important colours
        put32(out, 0);
    // Rows bottom-up; each pixel's bytes are blue, green, red and a zero.
    out.resize(54 + size_t(pixelBytes));
    uint8_t* to = out.data() + 54;
    for (int32_t y = picture.height() - 1; y >= 0; --y) {
        const Pixel* row = picture.row(y);
        for (int32_t x = 0; x < picture.width(); ++x) {
            const Pixel p = row[x];
            *to++ = uint8_t(p);
            *to++ = uint8_t(p >> 8);
            *to++ = uint8_t(p >> 16);
            *to++ = 0;
        }
    }
    return out;
}

bool writeBitmapFile(const PixelBuffer& picture, const std::filesystem::path& path, std::string& error)
{
    return replaceFile(path, encodeBitmap(picture), error);
}

PixelBuffer renderSheet(CPattraDoc& doc)
{
    PixelBuffer picture(doc.chartWidth(), doc.chartHeight(), colours::white);
    CRasterDC dc(picture);
    CCanvas& canvas = doc.canvas();
    dc.setWindowOrigin({-canvas.origin().x, -canvas.origin().y});
    canvas.drawWithoutHandles(dc);
    return picture;
}

} // namespace loopora
