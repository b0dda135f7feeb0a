#include "view/ChartView.h"

#include "document/History.h"
#include "elements/TypeIds.h"
#include "document/commands/DeleteCommand.h"
#include "document/commands/MoveCommands.h"
#include "view/CommandIds.h"
#include "view/CommandTable.h"
#include "platform/Texts.h"
#include "view/tools/Tool.h"

#include <cstdio>

namespace loopora {

CPattraView::CPattraView(CPattraDoc& doc, ViewHost& host, Size& rememberedSize, ChartPainter* painter)
    : doc_(doc), host_(host), rememberedSize_(rememberedSize),
      registry_(std::make_unique<CToolRegistry>(doc.canvas())), painter_(painter)
{
    canvas().setWindow(this);
    registry_->setView(this);
    registry_->registerStandardTools();
    registry_->selectTool("double");
    viewport_.setSheet({doc_.chartWidth(), doc_.chartHeight()}, doc_.canvas().origin());
    viewport_.setWindow(host.clientSize(), host.devicePixelRatio());
    pixels_.reset(viewport_.deviceSize());
}

CPattraView::~CPattraView()
{
    canvas().setWindow(nullptr);
}

void CPattraView::OnInitialUpdate()
{
    updateSheet();
    invalidateAll();
}

// --- Input ---

void CPattraView::routeMouse(MouseEntry entry, Point window, MouseButtons buttons, KeyModifiers modifiers)
{
    const Point chart = windowToChart(window);
    host_.showCoordinates(chart, window);
    CTool* tool = registry_->currentTool();
    if (!tool)
        return;
    const MouseEvent e{chart, buttons, modifiers};
    switch (entry) {
    case MouseEntry::Down: tool->press(e); break;
    case MouseEntry::Up: tool->release(e); break;
    case MouseEntry::DoubleClick: tool->doubleClick(e); break;
    case MouseEntry::Move: tool->move(e); break;
    }
}

void CPattraView::onButtonDown(Point window, MouseButtons buttons, KeyModifiers modifiers)
{
    routeMouse(MouseEntry::Down, window, buttons, modifiers);
}

void CPattraView::onButtonUp(Point window, MouseButtons buttons, KeyModifiers modifiers)
{
    routeMouse(MouseEntry::Up, window, buttons, modifiers);
}

void CPattraView::onDoubleClick(Point window, MouseButtons buttons, KeyModifiers modifiers)
{
    routeMouse(MouseEntry::DoubleClick, window, buttons, modifiers);
}

void CPattraView::onMouseMove(Point window, MouseButtons buttons, KeyModifiers modifiers)
{
    routeMouse(MouseEntry::Move, window, buttons, modifiers);
}

bool CPattraView::moveSelection(double dx, double dy)
{
    CCanvas& c = canvas();
    return c.history().Execute(std::make_unique<CMoveCommand>(c, c.selection().members(), dx, dy));
}

void CPattraView::onKeyDown(Key key)
{
    if (key == Key::Escape) {
        if (CTool* tool = registry_->currentTool())
            tool->cancelGesture();
        return;
    }
    if (!canvas().selection().empty()) {
        switch (key) {
        case Key::Left: moveSelection(-5.0, 0); break;
        case Key::Right: moveSelection(5.0, 0); break;
        case Key::Up: moveSelection(0, -5.0); break;
        case Key::Down: moveSelection(0, 5.0); break;
        case Key::Delete: {
            CCanvas& c = canvas();
            c.history().Execute(std::make_unique<CDeleteCommand>(c, c.selection().members()));
            break;
        }
        default: break;
        }
        return;
    }
    const Size client = viewport_.client();
    const Point at = viewport_.scroll();
    // Up and down only scroll while the sheet, at the zoom, is taller than the window.
    const bool taller = client.height < viewport_.shownSheet().height;
    Point to = at;
    switch (key) {
    case Key::Home: to = {0, 0}; break;
    case Key::Left: to = {at.x - client.width / 2, at.y}; break;
    case Key::Right: to = {at.x + client.width / 2, at.y}; break;
    case Key::Up:
        if (!taller)
            return;
        to = {at.x, at.y - client.height / 2};
        break;
    case Key::Down:
        if (!taller)
            return;
        to = {at.x, at.y + client.height / 2};
        break;
    default: return;
    }
    scrollTo(to);
}

void CPattraView::onHotKey(HotKey key)
{
    switch (key) {
    case HotKey::RedoF10:
    case HotKey::RedoY: undoOrRedo(false); break;
    case HotKey::NudgeUp: moveSelection(0, -1); break;
    case HotKey::NudgeDown: moveSelection(0, 1); break;
    case HotKey::NudgeLeft: moveSelection(-1, 0); break;
    case HotKey::NudgeRight: moveSelection(1, 0); break;
    }
}

void CPattraView::onContextMenu(Point window)
{
    CChartElement* current = canvas().current();
    int menu = !current ? cmd::kChartMenu : current->typeId() == typeids::kText ? cmd::kTextMenu : cmd::kElementMenu;
    if (uint16_t chosen = host_.popupMenu(menu, window))
        onCommand(chosen);
}

std::string CPattraView::chartCoordinatesText(Point chart)
{
    char text[64];
    std::snprintf(text, sizeof text, _("逻辑坐标:(%d,%d)"), chart.x, chart.y);
    return text;
}

std::string CPattraView::windowCoordinatesText(Point window)
{
    char text[64];
    std::snprintf(text, sizeof text, _("屏幕坐标:(%d,%d)"), window.x, window.y);
    return text;
}

bool CPattraView::isCommandChecked(uint16_t id) const
{
    if (int32_t percent = zoomOfCommand(id))
        return percent == zoomPercent();
    if (id == cmd::kZoomFit)
        return zoomPercent() == fittingZoomPercent() && viewport_.showsWholeSheet();
    if (id == cmd::kShowPixels)
        return showPixels_;
    std::string_view tool = toolOfCommand(id);
    return !tool.empty() && tool == registry_->currentToolName();
}

void CPattraView::undoOrRedo(bool undo)
{
    CHistory& history = canvas().history();
    if (undo)
        history.Undo();
    else
        history.Redo();
}

} // namespace loopora
