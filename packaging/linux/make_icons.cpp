// Writes the program's window icon as the PNG files of the hicolor icon theme:
//   palvo_make_icons FOLDER   ->   FOLDER/<n>x<n>/apps/palvo.png
// Runs on Qt's offscreen platform, so a build machine needs no display.

#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QTextStream>

#include "platform/qt/qt_program_icon.h"

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        QTextStream(stderr) << "usage: palvo_make_icons FOLDER\n";
        return 2;
    }
    const QIcon icon = palvo::ProgramIcon();
    for (int size : {16, 24, 32, 48, 64, 128}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(arguments[1]).arg(size);
        const QPixmap picture = icon.pixmap(QSize(size, size));
        if (picture.size() != QSize(size, size) || !QDir().mkpath(folder) ||
            !picture.save(folder + QStringLiteral("/palvo.png"), "PNG")) {
            QTextStream(stderr) << "palvo_make_icons: cannot write " << folder << "/palvo.png\n";
            return 1;
        }
    }
    return 0;
}
