// The Qt program's picture loading on any bytes: bitmaps through the program's decoder, JPEG,
// GIF and PNG through Qt's readers behind the whole-file check; a picture or nothing, never a
// crash, and never one larger than the accepted size.

#include <QGuiApplication>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/qt/qt_picture_file.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's image readers are plugins found through the application object.
    static std::unique_ptr<QGuiApplication> application = std::make_unique<QGuiApplication>(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
    return 0;
}
