// loopora-cli export: a chart file in, a PDF, SVG, PNG or bitmap out.

#include "cli/Commands.h"
#include "document/ChartFile.h"
#include "export/ChartExport.h"
#include "platform/UiLanguage.h"

#include <charconv>
#include <iostream>
#include <optional>

namespace loopora::cli {
namespace {

constexpr const char* kUsage =
    "usage: loopora-cli export CHART OUT.{pdf,svg,png,bmp} [--page A4|Letter|chart] [--landscape]\n"
    "                          [--margin MM] [--scale PX_PER_MM] [--dpi N | --width PX] [--black]\n"
    "                          [--legend] [--lang ru|en]\n";

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

struct ParsedExport {
    std::string chart;
    std::string out;
    ExportFormat format = ExportFormat::Pdf;
    ExportOptions options;
};

// Which options a format takes; any other is refused rather than ignored.
bool formatTakes(ExportFormat format, const std::string& option)
{
    if (option == "--black" || option == "--legend")
        return format != ExportFormat::Bmp;
    if (option == "--dpi" || option == "--width")
        return format == ExportFormat::Png;
    return format == ExportFormat::Pdf || format == ExportFormat::Png; // the page options
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

// The options, or nullopt after saying what is wrong.
std::optional<ParsedExport> parse(const Args& args)
{
    if (args.size() < 2) {
        std::cerr << kUsage;
        return std::nullopt;
    }
    ParsedExport parsed;
    parsed.chart = args[0];
    parsed.out = args[1];
    const std::optional<ExportFormat> format = formatOfFileName(args[1]);
    if (!format) {
        std::cerr << "loopora-cli: " << args[1] << " does not end in .pdf, .svg, .png or .bmp\n";
        return std::nullopt;
    }
    parsed.format = *format;
    ExportOptions& o = parsed.options;
    // The key speaks the program's language, which --lang chose for every command.
    o.legendLanguage = uiLanguage();
    for (size_t i = 2; i < args.size(); ++i) {
        const std::string& option = args[i];
        const bool takesValue = option == "--page" || option == "--margin" || option == "--scale" ||
                                option == "--dpi" || option == "--width";
        if (!takesValue && option != "--landscape" && option != "--black" && option != "--legend") {
            std::cerr << "loopora-cli: unknown option '" << option << "'\n" << kUsage;
            return std::nullopt;
        }
        if (!formatTakes(parsed.format, option)) {
            std::cerr << "loopora-cli: " << option << " does not apply to " << formatName(parsed.format) << " files\n";
            return std::nullopt;
        }
        if (!takesValue) {
            (option == "--black" ? o.blackLines : option == "--legend" ? o.legend : o.page.landscape) = true;
            continue;
        }
        if (i + 1 == args.size()) {
            std::cerr << "loopora-cli: " << option << " needs a value\n";
            return std::nullopt;
        }
        const std::string& value = args[++i];
        if (option == "--page") {
            if (value == "A4" || value == "a4")
                o.page.paper = PaperSize::A4;
            else if (value == "Letter" || value == "letter")
                o.page.paper = PaperSize::Letter;
            else if (value == "chart")
                o.page.paper = PaperSize::Chart;
            else {
                std::cerr << "loopora-cli: --page is A4, Letter or chart, not '" << value << "'\n";
                return std::nullopt;
            }
        } else if (option == "--margin") {
            const std::optional<double> mm = parseNumber<double>(value);
            if (!mm || !(*mm >= 0 && *mm <= 100)) {
                std::cerr << "loopora-cli: --margin is 0 to 100 millimetres, not '" << value << "'\n";
                return std::nullopt;
            }
            o.page.marginMm = *mm;
        } else if (option == "--scale") {
            const std::optional<double> scale = parseNumber<double>(value);
            if (!scale || !(*scale >= 0.01 && *scale <= 1000)) {
                std::cerr << "loopora-cli: --scale is 0.01 to 1000 chart pixels a millimetre, not '" << value << "'\n";
                return std::nullopt;
            }
            o.page.pixelsPerMm = *scale;
        } else if (option == "--dpi") {
            const std::optional<int32_t> dpi = parseNumber<int32_t>(value);
            if (!dpi || *dpi < 1 || *dpi > 9600) {
                std::cerr << "loopora-cli: --dpi is 1 to 9600, not '" << value << "'\n";
                return std::nullopt;
            }
            o.dpi = *dpi;
        } else {
            const std::optional<int32_t> width = parseNumber<int32_t>(value);
            if (!width || *width < 1) {
                std::cerr << "loopora-cli: --width is a number of pixels, not '" << value << "'\n";
                return std::nullopt;
            }
            o.pixelWidth = *width;
        }
    }
    return parsed;
}

} // namespace

int runExport(const Args& args)
{
    const std::optional<ParsedExport> parsed = parse(args);
    if (!parsed)
        return 2;
    ChartLoadResult loaded = loadChartFile(parsed->chart);
    if (!loaded.document) {
        std::cerr << "loopora-cli: " << loaded.error << "\n";
        return 1;
    }
    std::string error;
    if (!exportChartFile(*loaded.document, parsed->out, parsed->format, parsed->options, error)) {
        std::cerr << "loopora-cli: " << error << "\n";
        return 1;
    }
    return 0;
}

} // namespace loopora::cli
