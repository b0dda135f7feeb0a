#pragma once
// The "Создать по описанию" dialog without its window: written instructions
// (typed, or written out for a shape picked with its stitch and rounds), the
// language and terms they are read in, and the chart they build. Every change
// builds the chart again: the window shows it as a preview, marks the line
// an error names and lets the user confirm only a text that builds. Building
// a few hundred stitches takes a millisecond or two, so the window may
// rebuild on every pause in typing.

#include "document/Document.h"
#include "pattern/PhraseBook.h"
#include "pattern/ShapePresets.h"
#include "platform/PixelBuffer.h"
#include "view/ViewHost.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace loopora {

class ChartPainter;

class PatternDialogModel {
public:
    // The dialog opens with a flat circle of singles written out in the
    // interface language.
    PatternDialogModel();
    explicit PatternDialogModel(Language language, pattern::Terms terms = pattern::Terms::Us);

    // --- What the dialog offers, in the interface language ---
    static std::string title();
    // The shapes, in the order of pattern::Shape.
    static std::vector<std::string> shapeNames();
    // The stitches a shape may be worked in, as the instructions' book
    // abbreviates them ("sc", "hdc", "dc"; "сбн" …).
    std::vector<std::string> stitchNames() const;
    static constexpr int kFewestRounds = 1;
    static constexpr int kMostRounds = pattern::kMostShapeRounds;

    // --- What the user chose ---
    const std::string& text() const { return text_; }
    // What the user typed; line breaks may be "\r\n". The shape is no longer
    // picked once the text is not its own.
    void setText(std::string_view text);
    // The shape whose text the box holds, if it holds one unchanged.
    std::optional<pattern::Shape> shape() const { return shape_; }
    size_t stitch() const { return stitch_; } // index in stitchNames()
    int rounds() const { return rounds_; }
    // Whether the shape may be worked in another stitch (a granny square may not).
    bool stitchApplies() const;
    // Picks a shape: the box is filled with its text; its usual stitch is
    // chosen with it.
    void pickShape(pattern::Shape shape);
    void pickStitch(size_t index);
    void pickRounds(int rounds);
    Language language() const { return language_; }
    pattern::Terms terms() const { return terms_; }
    // The instructions are written in the new book: a shape's text anew, a
    // text that builds as its chart reads in that book; a text that does
    // not build stays as it is.
    void setLanguage(Language language);
    void setTerms(pattern::Terms terms);

    // Sets a choice by the name scripts use: text, shape (circle, square,
    // hexagon, granny), stitch (sc, hdc, dc), rounds, terms (us, uk) and
    // lang (ru, en); false with a message for a name or value it does not take.
    bool set(std::string_view key, const std::string& value, std::string& error);

    // --- What it built ---
    // True when the text builds a chart: OK may be pressed.
    bool canConfirm() const { return chart_ != nullptr; }
    // Why it does not build ("line 3: …" in the book's words); empty while
    // the box is empty or the chart builds.
    const std::string& message() const { return message_; }
    // The line (from 1) the message is about, if it names one.
    std::optional<int> errorLine() const { return errorLine_; }
    const CPattraDoc* chart() const { return chart_.get(); }
    // The chart, once: the dialog was confirmed.
    std::unique_ptr<CPattraDoc> takeChart() { return std::move(chart_); }

    // The chart's sheet fitted into a picture of this size, centred, on
    // white; drawn by the painter, or without one from the sheet's own
    // pixels. White when nothing builds.
    PixelBuffer preview(Size size, ChartPainter* painter) const;

private:
    const pattern::PhraseBook& book() const;
    void writeShape();
    void reword();
    void build();

    std::string text_;
    std::optional<pattern::Shape> shape_;
    size_t stitch_ = 0;
    int rounds_ = 4;
    Language language_;
    pattern::Terms terms_;
    std::unique_ptr<CPattraDoc> chart_;
    std::string message_;
    std::optional<int> errorLine_;
};

} // namespace loopora
