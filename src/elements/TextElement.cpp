#include "elements/TextElement.h"

#include "platform/Archive.h"
#include "platform/DeviceContext.h"
#include "platform/Texts.h"
#include "platform/Font.h"
#include "platform/Numeric.h"

namespace loopora {

std::unique_ptr<CChartElement> CTextElement::clone() const
{
    auto copy = std::make_unique<CTextElement>();
    copy->text_ = text_;
    return copy;
}

std::vector<std::string> CTextElement::splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::vector<std::string> CTextElement::shownLines() const
{
    // A label without text invites one, in the interface language.
    return text_.empty() ? std::vector<std::string>{_("Введите         "), _("текст         ")} : splitLines(text_);
}

Rect CTextElement::drawnBounds() const
{
    Rect drawn = CRectangleElement::drawnBounds();
    Font* font = Font::shared();
    if (!hasBothPoints() || !font)
        return drawn;
    const TextMetrics& metrics = font->metrics();
    const int32_t lineStep = metrics.height + metrics.externalLeading;
    int64_t y = int64_t(points()[0].y) + 2;
    for (const std::string& line : shownLines()) {
        const Rect area = font->textArea(line);
        const int64_t x = int64_t(points()[0].x) + 2;
        drawn = Rect::united(drawn, {clampCoordinate(x + area.left), clampCoordinate(y + area.top),
                                     clampCoordinate(x + area.right), clampCoordinate(y + area.bottom)});
        y += lineStep;
    }
    return drawn;
}

void CTextElement::drawShape(CDC& dc)
{
    if (!hasBothPoints())
        return;
    drawFrame(dc);
    TextMetrics metrics = dc.textMetrics();
    dc.setTextColour(penColour());
    // The label starts at the first point whichever corner that is, and is not clipped to the frame.
    int32_t x = points()[0].x + 2;
    int32_t y = points()[0].y + 2;
    int32_t lineStep = metrics.height + metrics.externalLeading;
    for (const std::string& line : shownLines()) {
        dc.textOut(x, y, line);
        y += lineStep;
    }
}

void CTextElement::serializeBody(CArchive& ar)
{
    serializePlainBody(ar);
    if (ar.isStoring())
        ar.writeString(text_);
    else
        text_ = ar.readString();
}

} // namespace loopora
