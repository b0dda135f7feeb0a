#include "cli/ExportArguments.h"

#include "platform/UiLanguage.h"

#include <charconv>

namespace loopora::cli {

const char* const kExportOptionsUsage =
    "[--page A4|Letter|chart] [--landscape] [--crop]\n"
    "          [--margin MM] [--scale PX_PER_MM] [--dpi N | --width PX] [--black] [--no-background]\n"
    "          [--legend] [--pattern] [--rounds] [--lang ru|en]";

namespace {

template <typename Number>
std::optional<Number> parseNumber(const std::string& text)
{
    Number value{};
    const char* end = text.data() + text.size();
    auto [stop, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

enum class Takes { Drawings, PdfPng, Png };

struct OptionRow {
    const char* name;
    bool value;
    Takes takes;
};

// Every option and the formats that take it. A bitmap is the sheet exactly
// as the screen draws it, so it takes none; --margin also applies to an SVG
// cropped to its drawing, which is checked once all options are read.
constexpr OptionRow kOptions[] = {
    {"--page", true, Takes::PdfPng},      {"--landscape", false, Takes::PdfPng}, {"--margin", true, Takes::PdfPng},
    {"--scale", true, Takes::PdfPng},     {"--dpi", true, Takes::Png},           {"--width", true, Takes::Png},
    {"--black", false, Takes::Drawings},  {"--no-background", false, Takes::Drawings},
    {"--legend", false, Takes::Drawings}, {"--crop", false, Takes::Drawings},
    {"--pattern", false, Takes::Drawings}, {"--rounds", false, Takes::Drawings},
};

bool takes(Takes takes, ExportFormat format)
{
    switch (takes) {
    case Takes::Drawings: return format != ExportFormat::Bmp;
    case Takes::PdfPng: return format == ExportFormat::Pdf || format == ExportFormat::Png;
    case Takes::Png: return format == ExportFormat::Png;
    }
    return false;
}

const char* formatName(ExportFormat format)
{
    switch (format) {
    case ExportFormat::Pdf: return "PDF";
    case ExportFormat::Svg: return "SVG";
    case ExportFormat::Png: return "PNG";
    case ExportFormat::Bmp: return "BMP";
    }
    return "";
}

const OptionRow* findOption(const std::string& name)
{
    for (const OptionRow& row : kOptions)
        if (name == row.name)
            return &row;
    return nullptr;
}

// Sets the option from its value; false with the reason.
bool setValue(ExportOptions& o, const std::string& option, const std::string& value, std::string& error)
{
    if (option == "--page") {
        if (value == "A4" || value == "a4")
            o.page.paper = PaperSize::A4;
        else if (value == "Letter" || value == "letter")
            o.page.paper = PaperSize::Letter;
        else if (value == "chart")
            o.page.paper = PaperSize::Chart;
        else {
            error = "--page is A4, Letter or chart, not '" + value + "'";
            return false;
        }
    } else if (option == "--margin") {
        const std::optional<double> mm = parseNumber<double>(value);
        if (!mm || !(*mm >= 0 && *mm <= 100)) {
            error = "--margin is 0 to 100 millimetres, not '" + value + "'";
            return false;
        }
        o.page.marginMm = *mm;
    } else if (option == "--scale") {
        const std::optional<double> scale = parseNumber<double>(value);
        if (!scale || !(*scale >= 0.01 && *scale <= 1000)) {
            error = "--scale is 0.01 to 1000 chart pixels a millimetre, not '" + value + "'";
            return false;
        }
        o.page.pixelsPerMm = *scale;
    } else if (option == "--dpi") {
        const std::optional<int32_t> dpi = parseNumber<int32_t>(value);
        if (!dpi || *dpi < 1 || *dpi > 9600) {
            error = "--dpi is 1 to 9600, not '" + value + "'";
            return false;
        }
        o.dpi = *dpi;
    } else {
        const std::optional<int32_t> width = parseNumber<int32_t>(value);
        if (!width || *width < 1) {
            error = "--width is a number of pixels, not '" + value + "'";
            return false;
        }
        o.pixelWidth = *width;
    }
    return true;
}

} // namespace

std::optional<ExportRequest> parseExportRequest(const std::vector<std::string>& words, std::string& error)
{
    if (words.empty()) {
        error = "an export needs the file to write";
        return std::nullopt;
    }
    ExportRequest request;
    request.out = words[0];
    const std::optional<ExportFormat> format = formatOfFileName(request.out);
    if (!format) {
        error = request.out + " does not end in .pdf, .svg, .png or .bmp";
        return std::nullopt;
    }
    request.format = *format;
    ExportOptions& o = request.options;
    // The key speaks the program's language, which --lang chose for every command.
    o.legendLanguage = uiLanguage();
    bool dpi = false, width = false, paper = false, margin = false;
    for (size_t i = 1; i < words.size(); ++i) {
        const std::string& option = words[i];
        const OptionRow* row = findOption(option);
        if (!row) {
            error = "unknown option '" + option + "'";
            return std::nullopt;
        }
        const bool svgMargin = option == "--margin" && request.format == ExportFormat::Svg;
        if (!takes(row->takes, request.format) && !svgMargin) {
            error = option + " does not apply to " + formatName(request.format) + " files";
            return std::nullopt;
        }
        if (!row->value) {
            if (option == "--black")
                o.blackLines = true;
            else if (option == "--no-background")
                o.background = false;
            else if (option == "--legend")
                o.legend = true;
            else if (option == "--crop")
                o.crop = true;
            else if (option == "--pattern")
                o.pattern = true;
            else if (option == "--rounds")
                o.rounds = true;
            else
                o.page.landscape = paper = true;
            continue;
        }
        if (i + 1 == words.size()) {
            error = option + " needs a value";
            return std::nullopt;
        }
        if (!setValue(o, option, words[++i], error))
            return std::nullopt;
        dpi |= option == "--dpi";
        width |= option == "--width";
        margin |= option == "--margin";
        paper |= option == "--page" && o.page.paper != PaperSize::Chart;
    }
    if (dpi && width) {
        error = "--dpi and --width both set the PNG's resolution: give one of them";
        return std::nullopt;
    }
    if (o.crop && paper) {
        error = "--crop makes the page the drawing's own size: it takes no --page A4, Letter or --landscape";
        return std::nullopt;
    }
    if (margin && request.format == ExportFormat::Svg && !o.crop) {
        error = "--margin applies to an SVG file only with --crop";
        return std::nullopt;
    }
    return request;
}

} // namespace loopora::cli
