#include "app/WindowState.h"

#include "app/RecentFiles.h"

#include <QMainWindow>
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
