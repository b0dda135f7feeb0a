#include "export/PngEncoder.h"

#include <zlib.h>

#include <cmath>
#include <cstring>
#include <string_view>

namespace loopora {
namespace {

void put32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(uint8_t(v >> shift));
}

// A chunk: length, type, data, and the CRC of type and data.
class Chunk {
public:
    Chunk(std::vector<uint8_t>& out, std::string_view type) : out_(out), start_(out.size())
    {
        put32(out_, 0);
        out_.insert(out_.end(), type.begin(), type.end());
    }
    ~Chunk()
    {
        const size_t dataStart = start_ + 8;
        const uint32_t length = uint32_t(out_.size() - dataStart);
        for (int i = 0; i < 4; ++i)
            out_[start_ + size_t(i)] = uint8_t(length >> (24 - 8 * i));
        const uLong crc = crc32_z(crc32(0, Z_NULL, 0), out_.data() + start_ + 4, out_.size() - start_ - 4);
        put32(out_, uint32_t(crc));
    }
    Chunk(const Chunk&) = delete;
    Chunk& operator=(const Chunk&) = delete;

private:
    std::vector<uint8_t>& out_;
    size_t start_;
};

struct Deflater {
    z_stream stream{};
    bool open = false;
    ~Deflater()
    {
        if (open)
            deflateEnd(&stream);
    }
};

} // namespace

bool encodePng(const PngPicture& picture, std::vector<uint8_t>& out)
{
    static constexpr uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    out.assign(std::begin(kSignature), std::end(kSignature));
    {
        Chunk header(out, "IHDR");
        put32(out, uint32_t(picture.width));
        put32(out, uint32_t(picture.height));
        out.push_back(8);                     // bits per sample
        out.push_back(picture.grey ? 0 : 2);  // grey or RGB
        out.push_back(0);                     // deflate
        out.push_back(0);                     // adaptive filtering
        out.push_back(0);                     // not interlaced
    }
    if (picture.dpi > 0) {
        Chunk physical(out, "pHYs");
        const uint32_t perMetre = uint32_t(std::lround(picture.dpi / 0.0254));
        put32(out, perMetre);
        put32(out, perMetre);
        out.push_back(1); // the unit is the metre
    }

    // Line art is mostly long runs of one colour: the fastest level with
    // each row told as its difference from the row above compresses it well.
    Deflater deflater;
    if (deflateInit2(&deflater.stream, Z_BEST_SPEED, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return false;
    deflater.open = true;
    const size_t rowBytes = size_t(picture.width) * (picture.grey ? 1 : 3);
    std::vector<uint8_t> previous(rowBytes, 0);
    std::vector<uint8_t> current(rowBytes);
    std::vector<uint8_t> filtered(rowBytes + 1);
    std::vector<uint8_t> buffer(1 << 16);
    auto pump = [&](int flush) {
        do {
            deflater.stream.next_out = buffer.data();
            deflater.stream.avail_out = uInt(buffer.size());
            const int result = deflate(&deflater.stream, flush);
            if (result == Z_STREAM_ERROR)
                return false;
            out.insert(out.end(), buffer.data(), buffer.data() + (buffer.size() - deflater.stream.avail_out));
        } while (deflater.stream.avail_out == 0);
        return true;
    };
    {
    Chunk data(out, "IDAT");
    for (int32_t y = 0; y < picture.height; ++y) {
        picture.row(y, current.data());
        filtered[0] = 2; // "up"
        for (size_t i = 0; i < rowBytes; ++i)
            filtered[i + 1] = uint8_t(current[i] - previous[i]);
        deflater.stream.next_in = filtered.data();
        deflater.stream.avail_in = uInt(filtered.size());
        if (!pump(Z_NO_FLUSH))
            return false;
        current.swap(previous);
    }
    deflater.stream.next_in = nullptr;
    deflater.stream.avail_in = 0;
    if (!pump(Z_FINISH))
        return false;
    }
    Chunk end(out, "IEND");
    return true;
}

} // namespace loopora
