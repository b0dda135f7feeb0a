// loopora-icon-files: writes the program's icon for installing, in the
// hicolor theme's layout:
//   loopora-icon-files DIR NAME    DIR/scalable/apps/NAME.svg, DIR/SIZExSIZE/apps/NAME.png

#include "app/ProgramIcon.h"
#include "document/ElementTypes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <cstdio>

namespace {

// The sizes desktops look for in the hicolor theme.
constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: loopora-icon-files DIR NAME\n");
        return 2;
    }
    loopora::installElementTypes();
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    const QString svg = dir + QStringLiteral("/scalable/apps/") + name + QStringLiteral(".svg");
    if (!write(svg, QByteArray::fromStdString(loopora::app::programIconSvg()))) {
        std::fprintf(stderr, "loopora-icon-files: cannot write %s\n", qPrintable(svg));
        return 1;
    }
    for (int side : kSizes) {
        const QString png = dir + QStringLiteral("/%1x%1/apps/").arg(side) + name + QStringLiteral(".png");
        if (!QDir().mkpath(QFileInfo(png).path()) || !loopora::app::programIconPicture(side).save(png, "PNG")) {
            std::fprintf(stderr, "loopora-icon-files: cannot write %s\n", qPrintable(png));
            return 1;
        }
    }
    return 0;
}
