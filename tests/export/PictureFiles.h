#pragma once
// Reading back what the writers wrote with readers that share nothing with
// them: libpng for PNG, poppler's pdftoppm and pdftotext for PDF, librsvg's
// rsvg-convert and libxml2's xmllint for SVG.

#include "platform/PixelBuffer.h"

#include <png.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace loopora::test {

// A folder of its own for one test, removed with everything in it unless
// LOOPORA_KEEP_TEST_FILES is set (to look at what a failing test saw).
class TempFolder {
public:
    TempFolder()
    {
        std::string name = (std::filesystem::temp_directory_path() / "loopora-export-XXXXXX").string();
        if (mkdtemp(name.data()))
            path_ = name;
    }
    ~TempFolder()
    {
        std::error_code ec;
        if (!path_.empty() && !std::getenv("LOOPORA_KEEP_TEST_FILES"))
            std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline void writeBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

inline std::string readText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Runs a shell command; its standard output, or nullopt when it failed.
inline std::optional<std::string> commandOutput(const std::string& command)
{
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return std::nullopt;
    std::string out;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, n);
    if (pclose(pipe) != 0)
        return std::nullopt;
    return out;
}

inline std::string quoted(const std::filesystem::path& path) { return '\'' + path.string() + '\''; }

// What an XPath expression finds in an SVG, as xmllint prints it.
inline std::string xpath(const std::filesystem::path& svg, const std::string& expression)
{
    std::string out = commandOutput("xmllint --xpath \"" + expression + "\" " + quoted(svg)).value_or("<failed>");
    if (!out.empty() && out.back() == '\n')
        out.pop_back();
    return out;
}

inline PixelBuffer readPng(const std::filesystem::path& path)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.string().c_str()))
        return {};
    image.format = PNG_FORMAT_BGR; // any transparency is laid over white
    std::vector<uint8_t> bytes(PNG_IMAGE_SIZE(image));
    const png_color white{255, 255, 255};
    if (!png_image_finish_read(&image, &white, bytes.data(), 0, nullptr))
        return {};
    PixelBuffer picture(int32_t(image.width), int32_t(image.height));
    for (int32_t y = 0; y < picture.height(); ++y)
        for (int32_t x = 0; x < picture.width(); ++x) {
            const uint8_t* p = &bytes[(size_t(y) * image.width + size_t(x)) * 3];
            picture.at(x, y) = Pixel(p[0]) | (Pixel(p[1]) << 8) | (Pixel(p[2]) << 16);
        }
    return picture;
}

// The horizontal and vertical pixels per metre of a PNG's pHYs chunk, read
// by walking its chunks.
inline std::optional<std::pair<uint32_t, uint32_t>> pngPixelsPerMetre(const std::vector<uint8_t>& png)
{
    auto be32 = [&](size_t at) {
        return (uint32_t(png[at]) << 24) | (uint32_t(png[at + 1]) << 16) | (uint32_t(png[at + 2]) << 8) | png[at + 3];
    };
    for (size_t at = 8; at + 12 <= png.size();) {
        const uint32_t length = be32(at);
        const std::string type(png.begin() + std::ptrdiff_t(at + 4), png.begin() + std::ptrdiff_t(at + 8));
        if (type == "pHYs" && length == 9 && at + 17 <= png.size() && png[at + 16] == 1)
            return std::pair{be32(at + 8), be32(at + 12)};
        at += 12 + size_t(length);
    }
    return std::nullopt;
}

// A PDF page rasterised by poppler to exactly width x height pixels.
inline PixelBuffer rasterisePdf(const std::filesystem::path& pdf, int32_t width, int32_t height)
{
    const std::filesystem::path out = pdf.parent_path() / (pdf.stem().string() + "-page");
    const std::string command = "pdftoppm -png -singlefile -scale-to-x " + std::to_string(width) + " -scale-to-y " +
                                std::to_string(height) + " " + quoted(pdf) + " " + quoted(out);
    if (!commandOutput(command))
        return {};
    return readPng(out.string() + ".png");
}

// An SVG rasterised by librsvg at its own size, over white.
inline PixelBuffer rasteriseSvg(const std::filesystem::path& svg)
{
    const std::filesystem::path out = svg.parent_path() / (svg.stem().string() + "-svg.png");
    if (!commandOutput("rsvg-convert -b white -o " + quoted(out) + " " + quoted(svg)))
        return {};
    return readPng(out);
}

} // namespace loopora::test
