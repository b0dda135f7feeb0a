#pragma once
// A chart that holds one of everything that draws: every symbol of the
// catalogue upright in a grid, every kind of arrangement, and every plain
// figure in several pens, on a clean sheet. The export tests compare its
// pictures in every format with the bitmap.

#include "arrangements/ArcArrangement.h"
#include "arrangements/RowArrangement.h"
#include "document/Document.h"
#include "document/TypeTable.h"
#include "elements/LensElement.h"
#include "elements/TextElement.h"
#include "stitches/ChainOval.h"
#include "stitches/CircleArc.h"
#include "stitches/SlipStitchDot.h"
#include "support/TestCharts.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <string_view>

namespace loopora::test {

// The symbols of the palettes, as the catalogue lists them, and the one
// symbol only files hold.
inline std::vector<int32_t> catalogueSymbols()
{
    std::vector<int32_t> types;
    for (const ElementType& type : elementTypes())
        if (isCatalogueSymbol(type))
            types.push_back(type.id);
    types.push_back(typeids::kDoubleWithChainTop);
    return types;
}

inline ElementState stateOf(Point a, Point b, PenAttributes pen)
{
    return {{a, b}, pen.penWidth, pen.penColour, pen.penStyle};
}

// An arrangement of one kind repeating `stitch`, built on a..b and put on the canvas.
template <typename Arrangement>
Arrangement* placeArrangement(CCanvas& canvas, int32_t typeId, int32_t stitch, Point a, Point b,
                              void (*configure)(Arrangement&) = nullptr)
{
    std::unique_ptr<CChartElement> made = createElement(typeId);
    auto* arrangement = dynamic_cast<Arrangement*>(made.get());
    if (!arrangement)
        return nullptr;
    arrangement->setTemplate(createElement(stitch));
    if (configure)
        configure(*arrangement);
    made->setCanvas(&canvas);
    if (!made->assignState(stateOf(a, b, {2, colours::black, 0})))
        return nullptr;
    canvas.appendChild(std::move(made));
    return arrangement;
}

inline constexpr int32_t kEveryShapeWidth = 900;
inline constexpr int32_t kEveryShapeHeight = 1100;

inline std::unique_ptr<CPattraDoc> everyShapeChart()
{
    auto doc = std::make_unique<CPattraDoc>();
    doc->setChartSize(kEveryShapeWidth, kEveryShapeHeight);
    CCanvas& canvas = doc->canvas();
    const PenAttributes pen{2, colours::black, 0};

    // The catalogue, 14 to a row, each symbol 40 pixels from base to top.
    const std::vector<int32_t> symbols = catalogueSymbols();
    for (size_t i = 0; i < symbols.size(); ++i) {
        const int32_t x = 35 + int32_t(i % 14) * 60;
        const int32_t y = 20 + int32_t(i / 14) * 68;
        place(canvas, symbols[i], {{x, y + 45}, {x, y + 5}}, pen);
    }

    // Arrangements, below the catalogue.
    placeArrangement<CRowArrangement>(canvas, typeids::kRow, typeids::kDouble, {40, 760}, {300, 760},
                                      [](CRowArrangement& r) { r.setCount(6); });
    placeArrangement<CRowArrangement>(canvas, typeids::kRow, typeids::kChain, {40, 820}, {300, 840},
                                      [](CRowArrangement& r) {
                                          r.setCount(5);
                                          r.setAlongLine(true);
                                      });
    placeArrangement<CArcArrangement>(canvas, typeids::kArc, typeids::kSingle, {420, 820}, {480, 820},
                                      [](CArcArrangement& a) { a.setCount(10); });
    placeArrangement<CArcArrangement>(canvas, typeids::kArc, typeids::kDouble, {620, 850}, {690, 850},
                                      [](CArcArrangement& a) {
                                          a.setCount(5);
                                          a.setSweep(200);
                                      });
    placeArrangement<CLoopedArcArrangement>(canvas, typeids::kLoopedArc, typeids::kDouble, {800, 820},
                                            {850, 820}, [](CLoopedArcArrangement& a) { a.setCount(6); });
    place(canvas, typeids::kChainRing, {{100, 960}, {180, 960}}, pen);

    // Plain figures in thin, wide and coloured pens.
    place(canvas, typeids::kLine, {{240, 900}, {330, 990}}, {1, colours::black, 0});
    place(canvas, typeids::kLine, {{250, 1000}, {380, 930}}, {5, rgb(200, 0, 0), 0});
    place(canvas, typeids::kLine, {{260, 1060}, {420, 1010}}, {1, colours::black, 1}); // dashed
    place(canvas, typeids::kLine, {{440, 1080}, {560, 1070}}, {1, colours::black, 2}); // dotted
    place(canvas, typeids::kRectangle, {{400, 920}, {470, 980}}, {1, colours::black, 0});
    place(canvas, typeids::kRectangle, {{560, 990}, {490, 930}}, {4, rgb(0, 0, 160), 0});
    // Every dash style in thin lines at several slopes, wide pens of odd and
    // even widths (which draw solid whatever the style), and a dashed frame.
    for (int32_t style = 1; style <= 4; ++style) {
        const int32_t y = 520 + style * 30;
        place(canvas, typeids::kLine, {{30, y}, {250, y + 3}}, {1, colours::black, style});
        place(canvas, typeids::kLine, {{280 + style * 40, 540}, {300 + style * 40, 700}}, {1, rgb(0, 0, 160), style});
        place(canvas, typeids::kLine, {{520, 700 - style * 40}, {660, 560 - style * 40}}, {1, colours::black, style});
    }
    place(canvas, typeids::kLine, {{700, 530}, {860, 600}}, {2, colours::black, 1});
    place(canvas, typeids::kLine, {{700, 620}, {860, 640}}, {3, colours::black, 2});
    place(canvas, typeids::kLine, {{860, 660}, {700, 720}}, {6, rgb(0, 120, 0), 0});
    place(canvas, typeids::kRectangle, {{40, 690}, {250, 730}}, {1, colours::black, 1});
    // A label over a line: its white cells hide the stroke beneath.
    place(canvas, typeids::kLine, {{280, 725}, {480, 745}}, {3, colours::black, 0});
    static_cast<CTextElement*>(place(canvas, typeids::kText, {{300, 715}, {460, 750}}, pen))->setText("Ряд 2");

    auto* label = static_cast<CTextElement*>(place(canvas, typeids::kText, {{590, 920}, {700, 970}}, pen));
    label->setText("Ряд 1\r\nпетли ВП");
    place(canvas, typeids::kText, {{720, 920}, {880, 970}}, {1, colours::black, 0}); // placeholder lines
    place(canvas, typeids::kLens, {{600, 1000}, {640, 1060}}, pen);
    place(canvas, typeids::kLens, {{640, 1060}, {600, 1000}}, pen);
    auto* flat = static_cast<CLensElement*>(place(canvas, typeids::kLens, {{660, 1040}, {740, 1020}}, pen));
    flat->setBulge(3);
    auto* arc = static_cast<CCircleArc*>(place(canvas, typeids::kCircle, {{760, 1000}, {840, 1000}}, pen));
    arc->setSweep(120);
    auto* back = static_cast<CCircleArc*>(place(canvas, typeids::kCircle, {{760, 1060}, {820, 1090}}, pen));
    back->setSweep(-200);
    auto* flatChain = static_cast<CChainOval*>(place(canvas, typeids::kChain, {{30, 1030}, {90, 1050}}, pen));
    flatChain->setRatio(3.5);
    place(canvas, typeids::kChain, {{120, 1020}, {150, 1080}}, {4, colours::black, 0});
    place(canvas, typeids::kSlipStitch, {{180, 1030}, {230, 1090}}, {3, rgb(0, 120, 0), 0});
    return doc;
}

// Every symbol of the catalogue turned every which way: built on a slanted
// base-to-top line as a drag at an angle builds it, then some turned by the
// rotate tool, mirrored or stretched, as the transform tools leave them.
inline std::unique_ptr<CPattraDoc> everySymbolTurnedChart()
{
    auto doc = std::make_unique<CPattraDoc>();
    doc->setChartSize(kEveryShapeWidth, kEveryShapeHeight);
    CCanvas& canvas = doc->canvas();
    const std::vector<int32_t> symbols = catalogueSymbols();
    // Rows closer together as the catalogue grows, so that all stay on the sheet.
    const int32_t rows = int32_t((symbols.size() + 11) / 12);
    const int32_t rowStep = std::min<int32_t>(90, (kEveryShapeHeight - 75) / std::max<int32_t>(1, rows - 1));
    for (size_t i = 0; i < symbols.size(); ++i) {
        const int32_t x = 40 + int32_t(i % 12) * 70;
        const int32_t y = 45 + int32_t(i / 12) * rowStep;
        const double slant = double(i * 37 % 360) * std::numbers::pi / 180;
        const Point top{x + int32_t(std::lround(24 * std::sin(slant))), y - int32_t(std::lround(24 * std::cos(slant)))};
        const Point base{2 * x - top.x, 2 * y - top.y};
        CChartElement* symbol = place(canvas, symbols[i], {base, top}, {i % 4 == 3 ? 3 : 2, colours::black, 0});
        if (!symbol)
            continue;
        const Point centre = symbol->boundsCentre();
        switch (i % 5) {
        case 1: symbol->rotateRadians(centre, 0.7); break;
        case 2: symbol->mirrorX(centre); break;
        case 3: symbol->scale(centre, 1.3, 0.8); break;
        case 4: symbol->mirrorY(centre); break;
        default: break;
        }
    }
    return doc;
}

} // namespace loopora::test
