// Writes the program's icon as the PNG files of the hicolor icon theme:
//   palvo_make_icons FOLDER   ->   FOLDER/<n>x<n>/apps/palvo.png

#include <QDir>
#include <QImage>
#include <QString>
#include <QTextStream>

#include "imaging/program_icon.h"

int main(int argc, char* argv[])
{
    if (argc != 2) {
        QTextStream(stderr) << "usage: palvo_make_icons FOLDER\n";
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (const std::int32_t size : {16, 24, 32, 48, 64, 128, 256}) {
        const palvo::PixelBuffer picture = palvo::DrawProgramIcon(size);
        // Blue, green, red, opacity in memory is Qt's ARGB32 on a little-endian machine.
        const QImage image(reinterpret_cast<const uchar*>(picture.Data()), picture.Width(), picture.Height(),
                           picture.Width() * 4, QImage::Format_ARGB32);
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
        if (!QDir().mkpath(folder) || !image.save(folder + QStringLiteral("/palvo.png"), "PNG")) {
            QTextStream(stderr) << "palvo_make_icons: cannot write " << folder << "/palvo.png\n";
            return 1;
        }
    }
    return 0;
}
