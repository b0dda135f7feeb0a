#pragma once
// The words the rows of the type table are written in: a prototype made by
// a class's default constructor, the type families, tools, arrangements and
// palettes, and the two ways a leg stands (turned about its base, or pushed
// sideways). Only the type table's row files include it.

#include "document/TypeTable.h"

#include <memory>

namespace loopora::types {

template <typename T>
std::unique_ptr<CChartElement> make()
{
    return std::make_unique<T>();
}

using enum TypeKind;
using enum PlacingTool;
using enum Arrangeable;
constexpr LegMode R = LegMode::Turned;
constexpr LegMode S = LegMode::Sheared;

} // namespace loopora::types
