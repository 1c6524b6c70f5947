#include "platform/qt/qt_picture_surface.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cstring>

#include "platform/qt/qt_picture_file.h"

namespace palvo {

namespace {

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN,
              "32-bit RGB images store blue, green, red, reserved only on little-endian machines");

constexpr QImage::Format kImageFormat = QImage::Format_RGB32;

}  // namespace

QtPictureSurface::QtPictureSurface(QWidget* parent)
    : QWidget(parent), backColor_(palette().color(QPalette::Window))
{
    // The image covers the widget and the rest is filled in paintEvent: no background erase.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void QtPictureSurface::SetBackColor(const QColor& color)
{
    backColor_ = color;
    Clear();
    changed_ = QRect();
    update();
}

void QtPictureSurface::SetBoxSize(int width, int height)
{
    resize(std::max(width, 0), std::max(height, 0));
    if (width > 0 && height > 0) {
        image_ = QImage(width, height, kImageFormat);
    } else {
        image_ = QImage();
    }
    Clear();
    changed_ = QRect();
    update();
}

std::int32_t QtPictureSurface::ImageWidth() const
{
    return image_.width();
}

std::int32_t QtPictureSurface::ImageHeight() const
{
    return image_.height();
}

bool QtPictureSurface::ReadImage(PixelBuffer& image)
{
    if (image_.isNull() || !PixelBuffer::IsValidSize(image_.width(), image_.height())) {
        return false;
    }
    if (image.Width() != image_.width() || image.Height() != image_.height()) {
        image = PixelBuffer(image_.width(), image_.height());
    }
    const auto rowBytes = static_cast<std::size_t>(image_.width()) * sizeof(Pixel);
    if (static_cast<std::size_t>(image_.bytesPerLine()) == rowBytes) {
        std::memcpy(image.Data(), image_.constBits(), image.ByteCount());
    } else {
        for (int y = 0; y < image_.height(); ++y) {
            std::memcpy(&image.At(0, y), image_.constScanLine(y), rowBytes);
        }
    }
    return true;
}

std::int32_t QtPictureSurface::WriteImage(const PixelBuffer& image)
{
    const int rows = std::min(image.Height(), image_.height());
    const int columns = std::min(image.Width(), image_.width());
    if (image_.isNull() || image.Empty() || rows <= 0 || columns <= 0) {
        return 0;
    }
    // Only rows that differ are copied and later repainted: a new number changes the rows of
    // its digits, and the screen need not receive the rest of the picture again.
    const auto rowBytes = static_cast<std::size_t>(columns) * sizeof(Pixel);
    const auto stride = static_cast<std::size_t>(image_.bytesPerLine());
    uchar* target = image_.bits();
    int firstChanged = -1;
    int lastChanged = -1;
    for (int y = 0; y < rows; ++y) {
        uchar* row = target + static_cast<std::size_t>(y) * stride;
        const Pixel* source = &image.At(0, y);
        if (std::memcmp(row, source, rowBytes) != 0) {
            std::memcpy(row, source, rowBytes);
            firstChanged = firstChanged < 0 ? y : firstChanged;
            lastChanged = y;
        }
    }
    if (firstChanged >= 0) {
        changed_ |= QRect(0, firstChanged, columns, lastChanged - firstChanged + 1);
    }
    return rows;
}

void QtPictureSurface::Clear()
{
    if (image_.isNull()) {
        return;
    }
    image_.fill(backColor_);
    changed_ = image_.rect();
    if (!picture_.isNull()) {
        QPainter painter(&image_);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, picture_);
    }
}

void QtPictureSurface::Refresh()
{
    if (!changed_.isEmpty()) {
        update(changed_);
        changed_ = QRect();
    }
}

bool QtPictureSurface::LoadPicture(const std::string& path)
{
    const std::optional<QImage> picture = LoadPictureFile(path);
    if (!picture) {
        return false;
    }
    picture_ = picture->convertToFormat(kImageFormat);
    // Auto-size: the box takes the picture's size, and the picture becomes its image.
    resize(picture_.size());
    image_ = picture_;
    changed_ = QRect();
    update();
    return true;
}

void QtPictureSurface::RemovePicture()
{
    picture_ = QImage();
    Clear();
}

void QtPictureSurface::SetImageSize(std::int32_t width, std::int32_t height)
{
    picture_ = QImage();
    SetBoxSize(width, height);
}

void QtPictureSurface::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    const QRect imageArea = area.intersected(image_.rect());
    if (!imageArea.isEmpty()) {
        painter.drawImage(imageArea.topLeft(), image_, imageArea);
    }
    // Where the widget is larger than its image the back colour shows.
    const QRegion rest = QRegion(area).subtracted(QRegion(imageArea));
    for (const QRect& part : rest) {
        painter.fillRect(part, backColor_);
    }
}

}  // namespace palvo
