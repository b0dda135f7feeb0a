// Reads an X window dump (xwd's file format) of the smoke test's screen and
// checks that a chart sheet is visible on it: enough light grey background
// circle pixels (192, 192, 192) and black stroke pixels. Optionally saves
// the screen as a PNG picture for people to look at.
//   loopora_xwd_check SCREEN.xwd [--png OUT.png]

#include <QFile>
#include <QImage>

#include <cstdio>
#include <utility>
#include <vector>

namespace {

quint32 card32(const QByteArray& bytes, int index)
{
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData()) + 4 * index;
    return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | quint32(p[3]);
}

int shiftOf(quint32 mask)
{
    int shift = 0;
    while (mask && !(mask & 1u)) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

// Only dumps of 24 or 32 bits a pixel with colour masks, as Xvfb's 24-bit
// screens give (their lines may be padded well beyond the pixels).
QImage readXwd(const QByteArray& file)
{
    if (file.size() < 100)
        return {};
    const quint32 headerSize = card32(file, 0);
    const quint32 width = card32(file, 4), height = card32(file, 5);
    const quint32 byteOrder = card32(file, 7), bitsPerPixel = card32(file, 11), bytesPerLine = card32(file, 12);
    const quint32 red = card32(file, 14), green = card32(file, 15), blue = card32(file, 16);
    const quint32 colours = card32(file, 19);
    const qint64 start = qint64(headerSize) + qint64(colours) * 12;
    const quint32 bytesPerPixel = bitsPerPixel / 8;
    if ((bitsPerPixel != 24 && bitsPerPixel != 32) || bytesPerLine < bytesPerPixel * width ||
        start + qint64(bytesPerLine) * height > file.size())
        return {};
    QImage image(int(width), int(height), QImage::Format_RGB32);
    for (quint32 y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const uchar*>(file.constData()) + start + qint64(y) * bytesPerLine;
        for (quint32 x = 0; x < width; ++x) {
            const uchar* p = row + bytesPerPixel * x;
            quint32 v = 0;
            for (quint32 b = 0; b < bytesPerPixel; ++b) // byte order 0: least significant byte first
                v |= quint32(p[byteOrder == 0 ? b : bytesPerPixel - 1 - b]) << (8 * b);
            image.setPixel(int(x), int(y),
                           qRgb(int((v & red) >> shiftOf(red)), int((v & green) >> shiftOf(green)),
                                int((v & blue) >> shiftOf(blue))));
        }
    }
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && !(argc == 4 && QByteArray(argv[2]) == "--png")) {
        std::fprintf(stderr, "usage: loopora_xwd_check SCREEN.xwd [--png OUT.png]\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    const QImage screen = readXwd(in.readAll());
    if (screen.isNull()) {
        std::fprintf(stderr, "%s is not a window dump of 24 or 32 bits a pixel\n", argv[1]);
        return 2;
    }
    if (argc == 4)
        screen.save(QString::fromLocal8Bit(argv[3]));
    // The sheet is where the light grey circles are: the rows and columns
    // with several grey pixels (a stray one in an anti-aliased menu text does
    // not count). Strokes are the black pixels inside it.
    std::vector<int> rows(size_t(screen.height())), columns(size_t(screen.width()));
    long grey = 0, black = 0;
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            if ((screen.pixel(x, y) & 0xFFFFFFu) == 0xC0C0C0u) {
                ++grey;
                ++rows[size_t(y)];
                ++columns[size_t(x)];
            }
    auto span = [](const std::vector<int>& counts) {
        int first = -1, last = -1;
        for (int i = 0; i < int(counts.size()); ++i)
            if (counts[size_t(i)] >= 4) {
                first = first < 0 ? i : first;
                last = i;
            }
        return std::pair(first, last);
    };
    const auto [top, bottom] = span(rows);
    const auto [left, right] = span(columns);
    const QRect sheet = top < 0 || left < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
    for (int y = sheet.top(); y <= sheet.bottom(); ++y)
        for (int x = sheet.left(); x <= sheet.right(); ++x)
            black += (screen.pixel(x, y) & 0xFFFFFFu) == 0;
    std::printf("screen %dx%d: %ld light grey pixels around %dx%d at (%d,%d), %ld black pixels among them\n",
                screen.width(), screen.height(), grey, sheet.width(), sheet.height(), sheet.x(), sheet.y(), black);
    // A 600 x 600 circle sheet draws thousands of grey pixels; a few stitches, hundreds of black ones.
    return grey >= 1000 && black >= 50 ? 0 : 1;
}
