#include "platform/ShapeRecording.h"

namespace loopora {

void ShapeRecording::replay(ShapeSink& sink, size_t from, size_t to) const
{
    struct Teller {
        const ShapeRecording& kept;
        ShapeSink& sink;

        void operator()(const Line& s) const { sink.line(s.from, s.to, s.stroke); }
        void operator()(const Outline& s) const { sink.ellipse(s.e, s.stroke); }
        void operator()(const Filled& s) const { sink.filledEllipse(s.e, s.fill); }
        void operator()(const FilledWithin& s) const { sink.filledEllipseWithin(s.e, s.fill, s.window); }
        void operator()(const Polygon& s) const
        {
            sink.filledPolygon(std::span(kept.corners_).subspan(s.first, s.count), s.fill);
        }
        void operator()(const Arc& s) const { sink.ellipseArc(s.e, s.from, s.sweep, s.stroke); }
        void operator()(const Frame& s) const { sink.rectangle(s.corner, s.opposite, s.stroke); }
        void operator()(const Text& s) const { sink.text(kept.texts_[s.index]); }
    };
    const Teller teller{*this, sink};
    for (size_t i = from; i < to && i < shapes_.size(); ++i)
        std::visit(teller, shapes_[i]);
}

void ShapeRecording::line(ShapePoint from, ShapePoint to, const ShapeStroke& stroke)
{
    shapes_.push_back(Line{from, to, stroke});
}

void ShapeRecording::ellipse(const ShapeEllipse& e, const ShapeStroke& stroke) { shapes_.push_back(Outline{e, stroke}); }

void ShapeRecording::filledEllipse(const ShapeEllipse& e, Colour fill) { shapes_.push_back(Filled{e, fill}); }

void ShapeRecording::filledEllipseWithin(const ShapeEllipse& e, Colour fill, const ShapeBox& window)
{
    shapes_.push_back(FilledWithin{e, fill, window});
}

void ShapeRecording::filledPolygon(std::span<const ShapePoint> corners, Colour fill)
{
    shapes_.push_back(Polygon{corners_.size(), corners.size(), fill});
    corners_.insert(corners_.end(), corners.begin(), corners.end());
}

void ShapeRecording::ellipseArc(const ShapeEllipse& e, double from, double sweep, const ShapeStroke& stroke)
{
    shapes_.push_back(Arc{e, from, sweep, stroke});
}

void ShapeRecording::rectangle(ShapePoint corner, ShapePoint opposite, const ShapeStroke& stroke)
{
    shapes_.push_back(Frame{corner, opposite, stroke});
}

void ShapeRecording::text(const ShapeText& text)
{
    shapes_.push_back(Text{texts_.size()});
    texts_.push_back(text);
}

} // namespace loopora
