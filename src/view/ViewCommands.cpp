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
#include "elements/TextElement.h"
#include "platform/Texts.h"
#include "stitches/ChainOval.h"
#include "view/ChartView.h"
#include "view/CommandIds.h"
#include "view/CommandTable.h"
#include "view/dialogs/Dialogs.h"
#include "view/tools/ArrangementTools.h"
#include "view/tools/EditingTools.h"

namespace loopora {

bool CPattraView::onCommand(uint16_t id)
{
    CCanvas& c = canvas();
    switch (id) {
    case cmd::kCopy: c.copy(); return true;
    case cmd::kCut:
        c.cut();
        invalidateAll();
        return true;
    case cmd::kPaste:
        c.paste(c);
        invalidateAll();
        return true;
    case cmd::kGroup: group(); return true;
    case cmd::kUngroup: c.ungroup(); return true;
    case cmd::kUndo: undoOrRedo(true); return true;
    case cmd::kRedo: undoOrRedo(false); return true;
    case cmd::kDrawingColour: chooseDrawingColour(); return true;
    case cmd::kElementColour: chooseElementColour(); return true;
    case cmd::kSize: sizeCurrent(); return true;
    case cmd::kMirrorRight: mirrorSelection("hrotate"); return true;
    case cmd::kMirrorDown: mirrorSelection("vrotate"); return true;
    case cmd::kCreateRow: createRow(); return true;
    case cmd::kCreateArc: createArc(false); return true;
    case cmd::kCreateArcWithLoops: createArc(true); return true;
    case cmd::kChainRing: chainRing(); return true;
    case cmd::kChartParameters: chartParameters(); return true;
    case cmd::kText: editText(); return true;
    default: break;
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
    DialogModel dialog = dialogs::scale();
    dialog.setReal("widthfactor", 1.0);
    dialog.setReal("heightfactor", 1.0);
    if (!host_.runDialog(dialog))
        return;
    const Point p0 = current->points()[0];
    const Point p2 = current->points()[2];
    auto* scale = static_cast<CScaleTool*>(registry_->findTool("scale"));
    if (!scale)
        return;
    scale->setCentre({(p0.x + p2.x) / 2, (p0.y + p2.y) / 2});
    scale->setFactors(dialog.real("widthfactor"), dialog.real("heightfactor"));
    scale->apply();
    invalidateAll();
}

void CPattraView::mirrorSelection(const char* tool)
{
    CChartElement* current = canvas().current();
    auto* mirror = static_cast<CMirrorTool*>(registry_->findTool(tool));
    if (!current || !mirror)
        return;
    mirror->setAxis(current->boundsCorner());
    mirror->apply();
    invalidateAll();
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
    DialogModel dialog = dialogs::row();
    dialog.setInteger("count", 10);
    if (isChainOrSlipStitch(*current))
        dialog.setInteger("rotate", 1);
    if (!host_.runDialog(dialog))
        return;
    // A fresh stitch of the same type: the current one's pen and size are not taken over.
    tool->setTemplate(createElement(current->typeId()));
    tool->setCount(dialog.integer("count"));
    tool->setHeight(dialog.real("height"));
    tool->setAlongLine(dialog.integer("rotate") == 1);
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
    DialogModel dialog = withLoops ? dialogs::arcWithLoops() : dialogs::arc();
    if (!withLoops && isChainOrSlipStitch(*current)) {
        dialog.setInteger("rotate", 1);
        dialog.setReal("height", 10.0);
    }
    if (!host_.runDialog(dialog))
        return;
    tool->setTemplate(strippedCopy(*current));
    tool->setCount(dialog.integer("count"));
    tool->setHeight(dialog.real("height"));
    tool->setAlongArc(dialog.integer("rotate") == 1);
    tool->setSweep(dialog.real("angle"));
    if (withLoops)
        loopTool->setLoopLength(dialog.integer("loops"));
    registry_->selectTool(typeName(withLoops ? typeids::kLoopedArc : typeids::kArc));
}

void CPattraView::chainRing()
{
    CPlacementTool* tool = registry_->placementTool(typeids::kChainRing);
    auto* ringPrototype = tool ? dynamic_cast<CChainRing*>(&tool->prototype()) : nullptr;
    if (!ringPrototype)
        return;
    CChainRing& ring = *ringPrototype;
    DialogModel dialog = dialogs::chainRing();
    dialog.setInteger("count", ring.count());
    dialog.setReal("loopsize", ring.height());
    if (host_.runDialog(dialog)) {
        ring.setCount(dialog.integer("count"));
        ring.setHeight(dialog.real("loopsize"));
    }
    // The ring's tool becomes current whether the values changed or not.
    registry_->selectTool(typeName(typeids::kChainRing));
}

void CPattraView::chartParameters()
{
    CCanvas& c = canvas();
    DialogModel dialog = dialogs::chartParameters();
    // The chart's own size: the size remembered from another chart would
    // resize this one to that chart's sheet.
    dialog.setInteger("width", doc_.chartWidth());
    dialog.setInteger("height", doc_.chartHeight());
    dialog.setInteger("background", c.backgroundKind());
    dialog.setInteger("spacing", c.lineSpacing());
    if (!host_.runDialog(dialog))
        return;
    const int width = dialog.integer("width");
    const int height = dialog.integer("height");
    if (width != doc_.chartWidth() || height != doc_.chartHeight() ||
        dialog.integer("background") != c.backgroundKind() || dialog.integer("spacing") != c.lineSpacing())
        doc_.markModified();
    rememberedSize_ = {width, height};
    doc_.setChartSize(width, height);
    host_.setScrollSizes({width, height});
    c.setBackgroundKind(dialog.integer("background"));
    c.setLineSpacing(dialog.integer("spacing"));
    invalidateAll();
}

void CPattraView::editText()
{
    auto* label = dynamic_cast<CTextElement*>(canvas().current());
    if (!label)
        return;
    DialogModel dialog = dialogs::textLabel();
    dialog.setText("text", label->text());
    if (!host_.runDialog(dialog))
        return;
    if (dialog.text("text") != label->text())
        doc_.markModified();
    label->setText(dialog.text("text"));
    invalidateAll();
}

} // namespace loopora
