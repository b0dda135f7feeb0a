#include "app/WindowState.h"

#include "app/RecentFiles.h"

#include <QMainWindow>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>

namespace loopora::app {
namespace {

// Raised whenever the palettes change, so that a layout of other palettes is
// not forced on them.
constexpr int kPaletteLayoutVersion = 2;

const QString kGeometry = QStringLiteral("Geometry");
const QString kPalettes = QStringLiteral("Palettes");
const QString kStatusBar = QStringLiteral("StatusBar");
const QString kLargeIcons = QStringLiteral("LargeIcons");

} // namespace

void saveWindowState(const QMainWindow& window)
{
    QSettings settings(kOrganisation, kApplication);
    settings.beginGroup(kWindowStateGroup);
    settings.setValue(kGeometry, window.saveGeometry());
    settings.setValue(kPalettes, window.saveState(kPaletteLayoutVersion));
    settings.setValue(kStatusBar, !window.statusBar()->isHidden());
}

bool restoreWindowState(QMainWindow& window)
{
    QSettings settings(kOrganisation, kApplication);
    settings.beginGroup(kWindowStateGroup);
    if (!settings.contains(kGeometry))
        return false;
    const bool placed = window.restoreGeometry(settings.value(kGeometry).toByteArray());
    const bool laidOut = window.restoreState(settings.value(kPalettes).toByteArray(), kPaletteLayoutVersion);
    window.statusBar()->setVisible(settings.value(kStatusBar, true).toBool());
    return placed && laidOut;
}

QRect fittedFrame(const QRect& frame, const QRect& available)
{
    QRect fitted(frame.topLeft(), frame.size().boundedTo(available.size()));
    if (fitted.right() > available.right())
        fitted.moveRight(available.right());
    if (fitted.bottom() > available.bottom())
        fitted.moveBottom(available.bottom());
    if (fitted.left() < available.left())
        fitted.moveLeft(available.left());
    if (fitted.top() < available.top())
        fitted.moveTop(available.top());
    return fitted;
}

void fitIntoScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    const QRect frame = window.frameGeometry();
    const QRect fitted = fittedFrame(frame, screen->availableGeometry());
    if (fitted == frame)
        return;
    window.resize(fitted.size() - (frame.size() - window.size()));
    window.move(fitted.topLeft());
}

bool keptLargeIcons()
{
    QSettings settings(kOrganisation, kApplication);
    return settings.value(kWindowStateGroup + QLatin1Char('/') + kLargeIcons, false).toBool();
}

void keepLargeIcons(bool large)
{
    QSettings settings(kOrganisation, kApplication);
    settings.setValue(kWindowStateGroup + QLatin1Char('/') + kLargeIcons, large);
}

} // namespace loopora::app
