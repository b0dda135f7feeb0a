#include "app/RecentFiles.h"

#include <QFileInfo>
#include <QSettings>

namespace loopora::app {
namespace {

const QString kGroup = QStringLiteral("Recent File List");

QString keyOf(int i) { return QStringLiteral("File%1").arg(i + 1); }

void store(const QStringList& list)
{
    QSettings settings(kOrganisation, kApplication);
    settings.beginGroup(kGroup);
    for (int i = 0; i < RecentFiles::kSize; ++i) {
        if (i < list.size())
            settings.setValue(keyOf(i), list[i]);
        else
            settings.remove(keyOf(i));
    }
}

} // namespace

QStringList RecentFiles::files()
{
    QSettings settings(kOrganisation, kApplication);
    settings.beginGroup(kGroup);
    QStringList out;
    for (int i = 0; i < kSize; ++i) {
        const QString path = settings.value(keyOf(i)).toString();
        if (!path.isEmpty())
            out.append(path);
    }
    return out;
}

void RecentFiles::add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = files();
    list.removeAll(absolute);
    list.prepend(absolute);
    store(list);
}

void RecentFiles::remove(const QString& path)
{
    QStringList list = files();
    list.removeAll(path);
    store(list);
}

} // namespace loopora::app
