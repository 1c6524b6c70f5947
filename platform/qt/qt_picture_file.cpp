#include "platform/qt/qt_picture_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <cstring>
#include <span>

#include "imaging/bmp_file.h"
#include "imaging/picture_file.h"

namespace palvo {

namespace {

// The reader refuses pictures above this many megabytes; a largest accepted picture needs 256.
constexpr int kAllocationLimitMegabytes = 320;

QImage ToQImage(const PixelBuffer& pixels)
{
    QImage image(pixels.Width(), pixels.Height(), QImage::Format_RGB32);
    const auto rowBytes = static_cast<std::size_t>(pixels.Width()) * sizeof(Pixel);
    for (int y = 0; y < pixels.Height(); ++y) {
        std::memcpy(image.scanLine(y), &pixels.At(0, y), rowBytes);
    }
    return image;
}

}  // namespace

std::optional<QImage> DecodePictureBytes(const std::string& bytes)
{
    const std::span<const std::uint8_t> data(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                             bytes.size());
    if (IsBmpFile(data)) {
        PixelBuffer pixels;
        const BmpFileResult result = DecodeBmp(data, pixels);
        if (result == BmpFileResult::Ok) {
            return ToQImage(pixels);
        }
        // Kinds the program's decoder does not handle (run-length, embedded JPEG) go to Qt's;
        // a bitmap that ends early or contradicts itself is refused.
        if (result != BmpFileResult::Unsupported) {
            return std::nullopt;
        }
    }
    if (!PictureFileIsWhole(data)) {
        return std::nullopt;
    }
    QByteArray array = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&array);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);
    // Only the header has been read so far: a picture too large is refused before decoding.
    const QSize size = reader.size();
    if (!size.isValid() || size.width() < 1 || size.height() < 1 || size.width() > kMaxPictureFileSide ||
        size.height() > kMaxPictureFileSide) {
        return std::nullopt;
    }
    if (QImageReader::allocationLimit() < kAllocationLimitMegabytes) {
        QImageReader::setAllocationLimit(kAllocationLimitMegabytes);
    }
    QImage image = reader.read();
    if (image.isNull() || image.width() > kMaxPictureFileSide || image.height() > kMaxPictureFileSide) {
        return std::nullopt;
    }
    return image;
}

std::optional<QImage> LoadPictureFile(const std::string& path)
{
    const std::optional<std::string> bytes = ReadPictureFileBytes(path);
    if (!bytes) {
        return std::nullopt;
    }
    return DecodePictureBytes(*bytes);
}

}  // namespace palvo
