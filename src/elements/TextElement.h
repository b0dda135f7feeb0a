#pragma once
// A framed text label. The text is entered after placing; until then the frame
// shows two placeholder lines. Lines are separated by "\r\n".

#include "elements/TypeIds.h"
#include "elements/RectangleElement.h"

#include <string>

namespace loopora {

class CTextElement : public CRectangleElement {
public:
    CTextElement() : CRectangleElement(typeids::kText) {}

    const std::string& text() const { return text_; }
    void setText(std::string utf8)
    {
        text_ = std::move(utf8);
        geometryChanged(); // the text may reach beyond the frame
    }

    void drawShape(CDC& dc) override;
    // The frame and the text, which is not clipped to it.
    Rect drawnBounds() const override;
    void describeShape(ShapeSink& sink) const override;
    std::unique_ptr<CChartElement> clone() const override;
    void describeFields(FieldSink& sink) const override { sink.field("text", text_); }

    // The lines a text draws: split at each "\r\n", with no empty line after a final one.
    static std::vector<std::string> splitLines(const std::string& text);
    // The lines the label shows: its text's, or the placeholder lines of an empty label.
    std::vector<std::string> shownLines() const;

protected:
    void serializeBody(CArchive& ar) override;

private:
    std::string text_;
};

} // namespace loopora
