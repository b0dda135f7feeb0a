#include "view/ChartView.h"

#include "document/History.h"
#include "elements/TypeIds.h"
#include "document/commands/DeleteCommand.h"
#include "document/commands/MoveCommands.h"
#include "view/CommandIds.h"
#include "view/CommandTable.h"
#include "platform/Numeric.h"
#include "platform/Texts.h"
#include "view/tools/Tool.h"

#include <cstdio>
#include <new>

namespace loopora {

CPattraView::CPattraView(CPattraDoc& doc, ViewHost& host, Size& rememberedSize)
    : doc_(doc), host_(host), rememberedSize_(rememberedSize),
      registry_(std::make_unique<CToolRegistry>(doc.canvas())), paintDC_(screen_)
{
    canvas().setWindow(this);
    registry_->setView(this);
    registry_->registerStandardTools();
    registry_->selectTool("double");
    setClientSize(host.clientSize());
}

CPattraView::~CPattraView()
{
    canvas().setWindow(nullptr);
}

void CPattraView::OnInitialUpdate()
{
    host_.setScrollSizes({doc_.chartWidth(), doc_.chartHeight()});
    invalidateAll();
}

void CPattraView::setClientSize(Size size)
{
    if (size.width == screen_.width() && size.height == screen_.height())
        return;
    screen_ = PixelBuffer(size.width, size.height, colours::white);
    invalidateAll();
}

void CPattraView::prepareDC(CDC& dc) const
{
    Point scroll = host_.scrollPosition();
    dc.setViewportOrigin({-scroll.x, -scroll.y});
    Point origin = doc_.canvas().origin();
    dc.setWindowOrigin({-origin.x, -origin.y});
}

Point CPattraView::windowToChart(Point window) const
{
    // The mapping prepareDC gives: chart = window + scroll position - origin,
    // held within the drawable area, where every element's points stay.
    const Point scroll = host_.scrollPosition();
    const Point origin = doc_.canvas().origin();
    return {clampCoordinate(int64_t(window.x) + scroll.x - origin.x),
            clampCoordinate(int64_t(window.y) + scroll.y - origin.y)};
}

void CPattraView::paint()
{
    const Rect client{0, 0, screen_.width(), screen_.height()};
    const Rect area = Rect::intersected(invalid_, client);
    invalid_ = {};
    if (area.isEmpty())
        return;
    prepareDC(paintDC_);
    paintDC_.setClip(area);
    // The window's background is white wherever the sheet does not draw.
    Point a = paintDC_.deviceToLogical({area.left, area.top});
    Point b = paintDC_.deviceToLogical({area.right, area.bottom});
    paintDC_.fillRect({a.x, a.y, b.x, b.y}, colours::white);
    try {
        canvas().draw(paintDC_);
        drawingFailed_ = false;
    } catch (const std::bad_alloc&) {
        // What was drawn of the area is wiped rather than shown half done;
        // the user hears of it once, not on every repaint that fails again.
        paintDC_.fillRect({a.x, a.y, b.x, b.y}, colours::white);
        if (!drawingFailed_)
            host_.drawingFailed(_("Недостаточно памяти, чтобы нарисовать схему."));
        drawingFailed_ = true;
    }
    // The repaint wiped the gesture's feedback in this area; it is drawn again
    // so that the tool's own erasing later finds it.
    if (CTool* tool = registry_->currentTool())
        tool->paintFeedback(paintDC_);
    paintDC_.clearClip();
}

void CPattraView::showPixels() { host_.update({0, 0, screen_.width(), screen_.height()}); }

void CPattraView::invalidateWindowRect(const Rect& windowRect)
{
    const Rect client{0, 0, screen_.width(), screen_.height()};
    Rect area = Rect::intersected(windowRect.normalized(), client);
    if (area.isEmpty())
        return;
    invalid_ = Rect::united(invalid_, area);
    host_.update(area);
}

void CPattraView::invalidateAll() { invalidateWindowRect({0, 0, screen_.width(), screen_.height()}); }

void CPattraView::invalidateChartRect(const Rect& chartRect)
{
    const Point corner = windowToChart({0, 0});
    invalidateWindowRect(chartRect.offset(-corner.x, -corner.y).normalized().inflated(5));
}

// --- Input ---

void CPattraView::routeMouse(MouseEntry entry, Point window, MouseButtons buttons, KeyModifiers modifiers)
{
    Point chart = windowToChart(window);
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
    const Size client = host_.clientSize();
    const Point at = host_.scrollPosition();
    // Up and down only scroll while the sheet is taller than the window.
    const bool taller = client.height < doc_.chartHeight();
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
    host_.scrollTo(to);
    invalidateAll();
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
