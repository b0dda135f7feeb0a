#include "view/dialogs/PatternDialogModel.h"

#include "document/Canvas.h"
#include "elements/TypeIds.h"
#include "pattern/ChartBuild.h"
#include "pattern/PatternText.h"
#include "platform/PixelBlocks.h"
#include "platform/RasterDC.h"
#include "platform/Texts.h"
#include "platform/UiLanguage.h"
#include "view/ChartPainter.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace loopora {
namespace {

using pattern::Shape;

struct ShapeRow {
    Shape shape;
    const char* name; // as scripts and the command line name it
    const char* label;
};
constexpr std::array kShapeRows{ShapeRow{Shape::Circle, "circle", N_("круг")},
                                ShapeRow{Shape::Square, "square", N_("квадрат")},
                                ShapeRow{Shape::Hexagon, "hexagon", N_("шестиугольник")},
                                ShapeRow{Shape::Granny, "granny", N_("бабушкин квадрат")}};

struct StitchRow {
    int32_t typeId;
    const char* name;
};
constexpr std::array kStitchRows{StitchRow{typeids::kSingle, "sc"}, StitchRow{typeids::kHalfDouble, "hdc"},
                                 StitchRow{typeids::kDouble, "dc"}};

size_t stitchIndexOf(int32_t typeId)
{
    for (size_t i = 0; i < kStitchRows.size(); ++i)
        if (kStitchRows[i].typeId == typeId)
            return i;
    return 0;
}

// Line breaks as the box may give them, "\r\n" or "\r", become "\n".
std::string withPlainBreaks(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

bool isBlank(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t' || c == '\n'; });
}

std::string writtenOut(const CPattraDoc& chart, const pattern::PhraseBook& book)
{
    return pattern::writePattern(pattern::readChart(chart.canvas()), book).written();
}

} // namespace

PatternDialogModel::PatternDialogModel() : PatternDialogModel(uiLanguage()) {}

PatternDialogModel::PatternDialogModel(Language language, pattern::Terms terms) : language_(language), terms_(terms)
{
    pickShape(Shape::Circle);
}

std::string PatternDialogModel::title() { return _("Создать по описанию"); }

std::vector<std::string> PatternDialogModel::shapeNames()
{
    std::vector<std::string> names;
    for (const ShapeRow& row : kShapeRows)
        names.emplace_back(_(row.label));
    return names;
}

std::vector<std::string> PatternDialogModel::stitchNames() const
{
    std::vector<std::string> names;
    for (const StitchRow& row : kStitchRows)
        names.push_back(pattern::abbreviationIn(book(), *elementType(row.typeId)));
    return names;
}

const pattern::PhraseBook& PatternDialogModel::book() const { return pattern::phraseBook(language_, terms_); }

bool PatternDialogModel::stitchApplies() const { return shape_ != Shape::Granny; }

void PatternDialogModel::setText(std::string_view text)
{
    std::string plain = withPlainBreaks(text);
    if (plain == text_)
        return;
    text_ = std::move(plain);
    if (shape_) {
        // Still the shape's own text when only the last line's break went.
        const std::string own = pattern::shapeText({*shape_, kStitchRows[stitch_].typeId, rounds_}, book());
        if (own != text_ && own != text_ + "\n")
            shape_.reset();
    }
    build();
}

void PatternDialogModel::pickShape(Shape shape)
{
    shape_ = shape;
    stitch_ = stitchIndexOf(pattern::usualStitchOf(shape));
    writeShape();
}

void PatternDialogModel::pickStitch(size_t index)
{
    if (index >= kStitchRows.size() || !shape_ || !stitchApplies())
        return;
    stitch_ = index;
    writeShape();
}

void PatternDialogModel::pickRounds(int rounds)
{
    rounds_ = std::clamp(rounds, kFewestRounds, kMostRounds);
    if (shape_)
        writeShape();
}

void PatternDialogModel::writeShape()
{
    text_ = pattern::shapeText({*shape_, kStitchRows[stitch_].typeId, rounds_}, book());
    build();
}

void PatternDialogModel::setLanguage(Language language)
{
    if (language == language_)
        return;
    language_ = language;
    reword();
}

void PatternDialogModel::setTerms(pattern::Terms terms)
{
    if (terms == terms_)
        return;
    terms_ = terms;
    reword();
}

// A shape is written again in the new words; a text that builds is written
// out from its own chart; any other text stays as typed.
void PatternDialogModel::reword()
{
    if (shape_)
        writeShape();
    else if (chart_)
        setText(writtenOut(*chart_, book()));
    else
        build();
}

void PatternDialogModel::build()
{
    chart_.reset();
    message_.clear();
    errorLine_.reset();
    if (isBlank(text_))
        return;
    pattern::BuiltChart built = pattern::buildChart(text_, book());
    chart_ = std::move(built.document);
    if (chart_)
        return;
    message_ = std::move(built.message);
    if (built.error)
        errorLine_ = built.error->line;
}

bool PatternDialogModel::set(std::string_view key, const std::string& value, std::string& error)
{
    if (key == "text") {
        setText(value);
        return true;
    }
    if (key == "shape") {
        for (const ShapeRow& row : kShapeRows)
            if (value == row.name) {
                pickShape(row.shape);
                return true;
            }
        error = "shape takes circle, square, hexagon or granny";
        return false;
    }
    if (key == "stitch") {
        for (size_t i = 0; i < kStitchRows.size(); ++i)
            if (value == kStitchRows[i].name && shape_ && (stitchApplies() || i == stitch_)) {
                pickStitch(i);
                return true;
            }
        error = "stitch takes sc, hdc or dc, after a shape worked in it";
        return false;
    }
    if (key == "rounds") {
        int rounds = 0;
        const auto [end, failed] = std::from_chars(value.data(), value.data() + value.size(), rounds);
        if (failed != std::errc() || end != value.data() + value.size() || rounds < kFewestRounds || rounds > kMostRounds) {
            error = "rounds takes " + std::to_string(kFewestRounds) + " to " + std::to_string(kMostRounds);
            return false;
        }
        pickRounds(rounds);
        return true;
    }
    if (key == "terms") {
        if (value != "us" && value != "uk") {
            error = "terms takes us or uk";
            return false;
        }
        setTerms(value == "uk" ? pattern::Terms::Uk : pattern::Terms::Us);
        return true;
    }
    if (key == "lang") {
        const std::optional<Language> language = languageOfCode(value);
        if (!language) {
            error = "lang takes ru or en";
            return false;
        }
        setLanguage(*language);
        return true;
    }
    error = "the dialog has no field " + std::string(key);
    return false;
}

PixelBuffer PatternDialogModel::preview(Size size, ChartPainter* painter) const
{
    PixelBuffer picture(size.width, size.height, colours::white);
    if (!chart_ || picture.width() == 0 || picture.height() == 0)
        return picture;
    const int32_t width = chart_->chartWidth();
    const int32_t height = chart_->chartHeight();
    if (width <= 0 || height <= 0)
        return picture;
    const double scale = std::min(double(size.width) / width, double(size.height) / height);
    const ShapePoint offset{-(size.width - width * scale) / 2, -(size.height - height * scale) / 2};
    const Point origin = chart_->canvas().origin();
    const Rect whole{0, 0, size.width, size.height};
    if (painter) {
        const Rect sheet{-origin.x, -origin.y, width - origin.x, height - origin.y};
        if (painter->paint(*chart_, picture, whole, {scale, offset}, sheet.inflated(shapesReach(scale))))
            return picture;
        picture.fill(colours::white);
    }
    // The sheet's own pixels, each preview pixel showing the nearest of them.
    PixelBuffer sheet(width, height, colours::white);
    CRasterDC dc(sheet);
    dc.setWindowOrigin({-origin.x, -origin.y});
    chart_->canvas().drawWithoutHandles(dc);
    sampleNearest(sheet, picture, whole, scale, offset);
    return picture;
}

} // namespace loopora
