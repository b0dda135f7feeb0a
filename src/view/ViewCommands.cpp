// The commands a chart view handles: tool choices from the palettes and
// menus, the clipboard, undo and redo, and the commands that ask for values
// in a dialog before they act on the current element or the chart.

#include "arrangements/ArcArrangement.h"
#include "arrangements/RepeatedStitches.h"
#include "document/Canvas.h"
#include "document/History.h"
#include "document/TypeTable.h"
#include "elements/Nesting.h"
#include "elements/PrototypeTable.h"
#include "document/commands/TransformCommands.h"
#include "elements/TextElement.h"
#include "platform/Texts.h"
#include "stitches/ChainOval.h"
#include "view/ChartView.h"
#include "view/CommandIds.h"
#include "view/CommandTable.h"
#include "view/dialogs/Dialogs.h"
#include "view/tools/ArrangementTools.h"

namespace loopora {

bool CPattraView::onCommand(uint16_t id)
{
    CCanvas& c = canvas();
    switch (id) {
    case cmd::kCopy: c.copy(); return true;
    case cmd::kCut: c.cut(); return true;
    case cmd::kPaste: c.paste(c); return true;
    case cmd::kGroup: group(); return true;
    case cmd::kUngroup: c.ungroup(); return true;
    case cmd::kUndo: undoOrRedo(true); return true;
    case cmd::kRedo: undoOrRedo(false); return true;
    case cmd::kDrawingColour: chooseDrawingColour(); return true;
    case cmd::kElementColour: chooseElementColour(); return true;
    case cmd::kSize: sizeCurrent(); return true;
    case cmd::kMirrorRight: mirrorSelection(true); return true;
    case cmd::kMirrorDown: mirrorSelection(false); return true;
    case cmd::kCreateRow: createRow(); return true;
    case cmd::kCreateArc: createArc(false); return true;
    case cmd::kCreateArcWithLoops: createArc(true); return true;
    case cmd::kChainRing: chainRing(); return true;
    case cmd::kChartParameters: chartParameters(); return true;
    case cmd::kText: editText(); return true;
    case cmd::kZoomIn: zoomIn(windowCentre()); return true;
    case cmd::kZoomOut: zoomOut(windowCentre()); return true;
    case cmd::kZoomFit: fitToWindow(); return true;
    case cmd::kShowPixels: setShowPixels(!showsPixels()); return true;
    default: break;
    }
    if (int32_t percent = zoomOfCommand(id)) {
        setZoom(percent, windowCentre());
        return true;
    }
    std::string_view tool = toolOfCommand(id);
    if (tool.empty())
        return false;
    registry_->selectTool(tool);
    return true;
}

void CPattraView::group()
{
    CCanvas& c = canvas();
    if (!groupFitsNesting(c.selection().members())) {
        host_.messageBox(withValues(_("Группа не создана: в схеме может быть не больше %1 уровней вложенных групп."),
                                    {std::to_string(kDeepestNesting)}));
        return;
    }
    c.group();
}

void CPattraView::chooseDrawingColour()
{
    if (auto colour = host_.chooseColour(colours::black))
        registry_->setDrawingColour(*colour);
}

void CPattraView::chooseElementColour()
{
    CChartElement* current = canvas().current();
    if (!current)
        return;
    auto colour = host_.chooseColour(colours::black);
    if (!colour)
        return;
    PenAttributes pen = registry_->attributes();
    pen.penColour = *colour;
    current->setPen(pen);
    doc_.markModified();
    invalidateAll();
}

void CPattraView::sizeCurrent()
{
    CChartElement* current = canvas().current();
    if (!current || !current->hasFrameHandles() || current->points().size() < 3)
        return;
    dialogs::Dialog<dialogs::ScaleFactors> dialog({.width = 1.0, .height = 1.0});
    if (!host_.runDialog(dialog.model()))
        return;
    const dialogs::ScaleFactors factors = dialog.values();
    const Point p0 = current->points()[0];
    const Point p2 = current->points()[2];
    const Point centre{(p0.x + p2.x) / 2, (p0.y + p2.y) / 2};
    canvas().history().Execute(std::make_unique<CScaleCommand>(canvas(), *current, centre, factors.width, factors.height));
}

void CPattraView::mirrorSelection(bool leftToRight)
{
    CCanvas& c = canvas();
    CChartElement* current = c.current();
    const auto& members = c.selection().members();
    if (!current || members.empty())
        return;
    const Point axis = current->boundsCorner();
    if (leftToRight)
        c.history().Execute(std::make_unique<CFlipHorizontalCommand>(c, members, axis));
    else
        c.history().Execute(std::make_unique<CFlipVerticalCommand>(c, members, axis));
}

namespace {

bool isChainOrSlipStitch(const CChartElement& e)
{
    return e.typeId() == typeids::kChain || e.typeId() == typeids::kSlipStitch;
}

// A copy of the element with its place in the chart taken away: the class and
// the pen stay, the points and strokes go.
StitchTemplate strippedCopy(const CChartElement& e)
{
    std::unique_ptr<CChartElement> copy = CChartElement::cloneElement(e);
    if (!copy)
        return nullptr;
    copy->setCanvas(nullptr);
    copy->setPoints({});
    copy->takeChildren();
    return copy;
}

} // namespace

void CPattraView::createRow()
{
    CChartElement* current = canvas().current();
    if (!current || !canArrangeInRow(current->typeId()))
        return;
    CRowTool* tool = registry_->rowTool();
    if (!tool)
        return;
    dialogs::Dialog<dialogs::RowParameters> dialog({.count = 10, .alongLine = isChainOrSlipStitch(*current)});
    if (!host_.runDialog(dialog.model()))
        return;
    const dialogs::RowParameters row = dialog.values();
    // A fresh stitch of the same type: the current one's pen and size are not taken over.
    tool->setTemplate(createElement(current->typeId()));
    tool->setCount(row.count);
    tool->setHeight(row.height);
    tool->setAlongLine(row.alongLine);
    registry_->selectTool(typeName(typeids::kRow));
}

void CPattraView::createArc(bool withLoops)
{
    CChartElement* current = canvas().current();
    if (!current || !(withLoops ? canArrangeInLoopedArc(current->typeId()) : canArrangeInArc(current->typeId())))
        return;
    CLoopArcTool* loopTool = registry_->loopArcTool();
    CArcTool* tool = withLoops ? loopTool : registry_->arcTool();
    if (!tool)
        return;
    dialogs::LoopedArcParameters values;
    if (withLoops) {
        dialogs::Dialog<dialogs::LoopedArcParameters> dialog;
        if (!host_.runDialog(dialog.model()))
            return;
        values = dialog.values();
    } else {
        dialogs::ArcParameters shown;
        if (isChainOrSlipStitch(*current)) {
            shown.alongArc = true;
            shown.height = 10.0;
        }
        dialogs::Dialog<dialogs::ArcParameters> dialog(shown);
        if (!host_.runDialog(dialog.model()))
            return;
        values.arc = dialog.values();
    }
    tool->setTemplate(strippedCopy(*current));
    tool->setCount(values.arc.count);
    tool->setHeight(values.arc.height);
    tool->setAlongArc(values.arc.alongArc);
    tool->setSweep(values.arc.sweep);
    if (withLoops)
        loopTool->setLoopLength(values.loops);
    registry_->selectTool(typeName(withLoops ? typeids::kLoopedArc : typeids::kArc));
}

void CPattraView::chainRing()
{
    CChainRingTool* tool = registry_->chainRingTool();
    if (!tool)
        return;
    CChainRing& ring = tool->ring();
    dialogs::Dialog<dialogs::ChainRingParameters> dialog({ring.count(), ring.height()});
    if (host_.runDialog(dialog.model())) {
        const dialogs::ChainRingParameters values = dialog.values();
        ring.setCount(values.count);
        ring.setHeight(values.loopSize);
    }
    // The ring's tool becomes current whether the values changed or not.
    registry_->selectTool(typeName(typeids::kChainRing));
}

void CPattraView::chartParameters()
{
    CCanvas& c = canvas();
    // The chart's own size: the size remembered from another chart would
    // resize this one to that chart's sheet.
    dialogs::Dialog<dialogs::ChartParameters> dialog(
        {doc_.chartWidth(), doc_.chartHeight(), c.backgroundKind(), c.lineSpacing()});
    if (!host_.runDialog(dialog.model()))
        return;
    const dialogs::ChartParameters chart = dialog.values();
    if (chart.width != doc_.chartWidth() || chart.height != doc_.chartHeight() ||
        chart.background != c.backgroundKind() || chart.spacing != c.lineSpacing())
        doc_.markModified();
    rememberedSize_ = {chart.width, chart.height};
    doc_.setChartSize(chart.width, chart.height);
    updateSheet();
    c.setBackgroundKind(chart.background);
    c.setLineSpacing(chart.spacing);
    invalidateAll();
}

void CPattraView::editText()
{
    auto* label = dynamic_cast<CTextElement*>(canvas().current());
    if (!label)
        return;
    dialogs::Dialog<dialogs::LabelText> dialog({label->text()});
    if (!host_.runDialog(dialog.model()))
        return;
    const std::string text = dialog.values().text;
    if (text != label->text())
        doc_.markModified();
    label->setText(text);
    invalidateAll();
}

} // namespace loopora
