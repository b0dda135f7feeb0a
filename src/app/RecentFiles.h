#pragma once
// The settings the editor keeps, under the organisation "Local
// AppWizard-Generated Applications" as the program always kept them: here
// the list of the 4 chart files opened or saved most recently, which the
// File menus show.

#include <QString>
#include <QStringList>

namespace loopora::app {

inline const QString kOrganisation = QStringLiteral("Local AppWizard-Generated Applications");
inline const QString kApplication = QStringLiteral("Loopora");

class RecentFiles {
public:
    static constexpr int kSize = 4;

    // Puts a file first, dropping an older mention of it and the oldest beyond kSize.
    static void add(const QString& path);
    static void remove(const QString& path);
    static QStringList files();
};

} // namespace loopora::app
