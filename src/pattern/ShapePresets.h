#pragma once
// Round shapes written out as a pattern book writes them, ready to be built:
// a flat circle (singles +6 a round, half doubles +8, doubles +12, each
// round's increases half a repeat on from the round before's, so that the
// circle stays round), a square (3 in each of four corners), a hexagon (3 in
// each of six corners) and a granny square (groups of three doubles, ch-2
// corners, ch-1 sides).

#include "pattern/PhraseBook.h"

#include <optional>
#include <string>
#include <string_view>

namespace loopora::pattern {

enum class Shape : uint8_t { Circle, Square, Hexagon, Granny };

struct ShapeRequest {
    Shape shape = Shape::Circle;
    int32_t stitch = 0; // a single, half double or double; a granny is always doubles
    int rounds = 1;
};

constexpr int kMostShapeRounds = 20;

// "circle", "square", "hexagon", "granny".
std::optional<Shape> shapeNamed(std::string_view name);
// "sc", "hdc", "dc": the stitches a shape may be worked in.
std::optional<int32_t> shapeStitchNamed(std::string_view name);
// The shape's usual stitch: singles for a circle and a square, doubles otherwise.
int32_t usualStitchOf(Shape shape);

// The pattern's lines, the foundation first, each ending in a line break.
std::string shapeText(const ShapeRequest& request, const PhraseBook& book);

} // namespace loopora::pattern
