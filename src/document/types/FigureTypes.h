#pragma once
// The rows of what is not a stitch: the user's group and the canvas, the
// strokes symbols are built of, the plain figures and the arrangements. Ids 72
// to 78 and 150 appear only in old chart files; 144 to 147 and 151 have no class.
//
// Figures and parts are not stitches and have no counts; groups and
// arrangements (the chain ring too) count what they hold. Figures and
// arrangements are named for the tool tips, but have no abbreviation.

#include "document/types/RowSupport.h"
#include "arrangements/ArcArrangement.h"
#include "arrangements/RowArrangement.h"
#include "document/Canvas.h"
#include "elements/GroupElement.h"
#include "elements/LensElement.h"
#include "elements/LineElement.h"
#include "elements/RectangleElement.h"
#include "elements/TextElement.h"
#include "stitches/TriangleFill.h"
#include "platform/Texts.h"

namespace loopora::types {

inline constexpr ElementType kFigureTypes[] = {
    {typeids::kGroup, "", Group, NoTool, {}, No, make<CGroupElement>,
     {"группа", ""}, {"group", ""}},
    {typeids::kCanvas, "", Canvas, NoTool, {}, No, make<CCanvas>},
    {typeids::kLens, "", Part, NoTool, {}, No, make<CLensElement>},
    {typeids::kLine, "line", Figure, Placement, {32781, BasicPalette, 4}, No, make<CLineElement>,
     {"линия", ""}, {"line", ""}, {}, "test6"},
    {72, "", Arrangement, NoTool, {}, No, SameAs{typeids::kChainRing}},
    {73, "", Arrangement, NoTool, {}, No, SameAs{typeids::kChainRing}},
    {74, "", Arrangement, NoTool, {}, No, SameAs{typeids::kChainRing}},
    {75, "", Arrangement, NoTool, {}, No, SameAs{typeids::kChainRing}},
    {76, "", Arrangement, NoTool, {}, No, SameAs{typeids::kChainRing}},
    {77, "", Arrangement, NoTool, {}, No, SameAs{typeids::kChainRing}},
    {78, "", Arrangement, NoTool, {}, No, SameAs{typeids::kChainRing}},
    {typeids::kChainRing, "chainsring", Arrangement, Placement, {33029, ChainClusterPalette, 4}, No, make<CChainRing>,
     {"кольцо из в. п.", "кольцо из в. п."}, {"chain ring", "ch ring"}},
    {typeids::kRectangle, "rectangle", Figure, Placement, {}, No, make<CRectangleElement>,
     {"прямоугольник", ""}, {"rectangle", ""}},
    {typeids::kText, "text", Figure, Placement, {33046, BasicPalette, 23}, No, make<CTextElement>,
     {"текстовая метка", ""}, {"text label", ""}, {}, N_("Текстовая метка")},
    {typeids::kRow, "lines", Arrangement, RowTool, {}, No, make<CRowArrangement>,
     {"ряд", ""}, {"row", ""}},
    {typeids::kArc, "rings", Arrangement, ArcTool, {}, No, make<CArcArrangement>,
     {"дуга", ""}, {"arc", ""}},
    {typeids::kLoopedArc, "mixrings", Arrangement, LoopedArcTool, {}, No, make<CLoopedArcArrangement>,
     {"дуга с петлями", ""}, {"arc with chain loops", ""}},
    {typeids::kTriangleFill, "", Part, NoTool, {}, No, make<CTriangleFill>},
};

} // namespace loopora::types
