#include "platform/qt/qt_program_icon.h"

#include <QImage>
#include <QPixmap>

#include "imaging/program_icon.h"

namespace palvo {

QIcon ProgramIcon()
{
    QIcon icon;
    for (const std::int32_t size : {16, 24, 32, 48, 64, 128}) {
        const PixelBuffer picture = DrawProgramIcon(size);
        // Blue, green, red, opacity in memory is Qt's ARGB32 on a little-endian machine.
        const QImage image(reinterpret_cast<const uchar*>(picture.Data()), picture.Width(), picture.Height(),
                           picture.Width() * 4, QImage::Format_ARGB32);
        icon.addPixmap(QPixmap::fromImage(image.copy()));
    }
    return icon;
}

}  // namespace palvo
