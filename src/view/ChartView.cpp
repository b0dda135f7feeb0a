#include "view/ChartView.h"

#include "document/History.h"
#include "elements/TypeIds.h"
#include "document/commands/DeleteCommand.h"
#include "document/commands/MoveCommands.h"
#include "view/CommandIds.h"
#include "view/CommandTable.h"
#include "platform/Numeric.h"
#include "platform/Texts.h"
#include "platform/PixelBlocks.h"
#include "view/tools/Tool.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <new>

namespace loopora {

CPattraView::CPattraView(CPattraDoc& doc, ViewHost& host, Size& rememberedSize)
    : doc_(doc), host_(host), rememberedSize_(rememberedSize),
      registry_(std::make_unique<CToolRegistry>(doc.canvas())), paintDC_(pixels_.sheet())
{
    canvas().setWindow(this);
    registry_->setView(this);
    registry_->registerStandardTools();
    registry_->selectTool("double");
    pixels_.reset(host.clientSize(), zoom_, host.scrollPosition());
}

CPattraView::~CPattraView()
{
    canvas().setWindow(nullptr);
}

void CPattraView::OnInitialUpdate()
{
    updateScrollSizes();
    invalidateAll();
}

void CPattraView::updateScrollSizes()
{
    host_.setScrollSizes({doc_.chartWidth() * zoom_, doc_.chartHeight() * zoom_});
}

void CPattraView::setClientSize(Size size)
{
    if (size == pixels_.clientSize())
        return;
    pixels_.reset(size, zoom_, host_.scrollPosition());
    host_.update({0, 0, size.width, size.height});
}

void CPattraView::scrolled() { followScroll(); }

void CPattraView::followScroll()
{
    const Point scroll = host_.scrollPosition();
    if (scroll == pixels_.scroll())
        return;
    const auto [columns, rows] = pixels_.scrollTo(scroll);
    host_.update(columns);
    host_.update(rows);
}

void CPattraView::prepareDC(CDC& dc)
{
    followScroll();
    const Point corner = pixels_.sheetCorner();
    dc.setViewportOrigin({-corner.x, -corner.y});
    const Point origin = doc_.canvas().origin();
    dc.setWindowOrigin({-origin.x, -origin.y});
}

Point CPattraView::windowToChart(Point window) const
{
    // The window pixel shows the sheet pixel (window + scroll) / zoom; the
    // chart point is held within the drawable area, where every element's
    // points stay.
    const Point scroll = host_.scrollPosition();
    const Point origin = doc_.canvas().origin();
    return {clampCoordinate(floorDivide(int64_t(window.x) + scroll.x, zoom_) - origin.x),
            clampCoordinate(floorDivide(int64_t(window.y) + scroll.y, zoom_) - origin.y)};
}

void CPattraView::paint()
{
    followScroll();
    const Rect area = pixels_.takeInvalid();
    if (area.isEmpty())
        return;
    prepareDC(paintDC_);
    const Rect sheetArea = pixels_.sheetCovering(area);
    const Point corner = pixels_.sheetCorner();
    paintDC_.setClip(sheetArea.offset(-corner.x, -corner.y));
    // The window's background is white wherever the sheet does not draw.
    const Rect visible = paintDC_.visibleArea();
    paintDC_.fillRect(visible, colours::white);
    try {
        canvas().draw(paintDC_);
        drawingFailed_ = false;
    } catch (const std::bad_alloc&) {
        // What was drawn of the area is wiped rather than shown half done;
        // the user hears of it once, not on every repaint that fails again.
        paintDC_.fillRect(visible, colours::white);
        if (!drawingFailed_)
            host_.drawingFailed(_("Недостаточно памяти, чтобы нарисовать схему."));
        drawingFailed_ = true;
    }
    // The repaint wiped the gesture's feedback in this area; it is drawn again
    // so that the tool's own erasing later finds it.
    if (CTool* tool = registry_->currentTool())
        tool->paintFeedback(paintDC_);
    paintDC_.clearClip();
    pixels_.present(sheetArea);
}

void CPattraView::showChartArea(const Rect& chartRect)
{
    const Point origin = doc_.canvas().origin();
    const Rect changed = pixels_.present(chartRect.normalized().offset(origin.x, origin.y));
    if (!changed.isEmpty())
        host_.update(changed);
}

void CPattraView::invalidateWindowRect(const Rect& windowRect)
{
    followScroll();
    const Rect marked = pixels_.invalidate(windowRect);
    if (!marked.isEmpty())
        host_.update(marked);
}

void CPattraView::invalidateAll()
{
    const Size client = pixels_.clientSize();
    invalidateWindowRect({0, 0, client.width, client.height});
}

void CPattraView::invalidateChartRect(const Rect& chartRect)
{
    followScroll();
    const Point origin = doc_.canvas().origin();
    const Rect sheetRect = chartRect.normalized().inflated(5).offset(origin.x, origin.y);
    invalidateWindowRect(pixels_.windowOf(sheetRect));
}

// --- Zoom ---

bool CPattraView::setZoom(int32_t percent, Point anchor)
{
    if (std::find(kZoomLevels.begin(), kZoomLevels.end(), percent) == kZoomLevels.end())
        return false;
    const int32_t zoom = percent / 100;
    if (zoom == zoom_)
        return true;
    // The enlarged pixel under the anchor, and the one at the new zoom that
    // lies in the same chart pixel, as far into it as the old one was.
    const Point scroll = host_.scrollPosition();
    const int64_t x = (int64_t(anchor.x) + scroll.x) * zoom / zoom_;
    const int64_t y = (int64_t(anchor.y) + scroll.y) * zoom / zoom_;
    zoom_ = zoom;
    pixels_.reset(pixels_.clientSize(), zoom_, scroll);
    host_.zoomChanged(percent);
    // The range first, so that the new position fits in it.
    updateScrollSizes();
    host_.scrollTo({int32_t(std::clamp<int64_t>(x - anchor.x, 0, INT32_MAX)),
                    int32_t(std::clamp<int64_t>(y - anchor.y, 0, INT32_MAX))});
    followScroll();
    invalidateAll();
    return true;
}

bool CPattraView::zoomIn(Point anchor)
{
    for (int32_t level : kZoomLevels)
        if (level > zoomPercent())
            return setZoom(level, anchor);
    return false;
}

bool CPattraView::zoomOut(Point anchor)
{
    for (auto level = kZoomLevels.rbegin(); level != kZoomLevels.rend(); ++level)
        if (*level < zoomPercent())
            return setZoom(*level, anchor);
    return false;
}

int32_t CPattraView::fittingZoomPercent() const
{
    const Size client = host_.clientSize();
    int32_t fitting = kZoomLevels.front();
    for (int32_t level : kZoomLevels) {
        const int64_t zoom = level / 100;
        if (doc_.chartWidth() * zoom <= client.width && doc_.chartHeight() * zoom <= client.height)
            fitting = level;
    }
    return fitting;
}

Point CPattraView::windowCentre() const
{
    const Size client = host_.clientSize();
    return {client.width / 2, client.height / 2};
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
    // Up and down only scroll while the sheet, at the zoom, is taller than the window.
    const bool taller = client.height < int64_t(doc_.chartHeight()) * zoom_;
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
    followScroll();
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
    if (id == cmd::kZoomFit) {
        // Only while the whole sheet shows: a sheet larger than the window at
        // 100 % is not fitted to it.
        const Size client = host_.clientSize();
        return zoomPercent() == fittingZoomPercent() && int64_t(doc_.chartWidth()) * zoom_ <= client.width &&
               int64_t(doc_.chartHeight()) * zoom_ <= client.height;
    }
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
