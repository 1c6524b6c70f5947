#include "platform/headless/memory_picture_surface.h"

#include <algorithm>

#include "imaging/bmp_file.h"

namespace palvo {

MemoryPictureSurface::MemoryPictureSurface(std::int32_t width, std::int32_t height, std::int32_t backColor,
                                           PictureLoader loader)
    : width_(0), height_(0), backColor_(backColor), loader_(std::move(loader))
{
    Resize(width, height);
}

Pixel MemoryPictureSurface::BackPixel() const
{
    const auto color = static_cast<std::uint32_t>(backColor_);
    return Pixel{static_cast<std::uint8_t>(color >> 16), static_cast<std::uint8_t>(color >> 8),
                 static_cast<std::uint8_t>(color), 0};
}

void MemoryPictureSurface::Resize(std::int32_t width, std::int32_t height)
{
    width_ = width;
    height_ = height;
    image_ = PixelBuffer::IsValidSize(width, height) ? PixelBuffer(width, height) : PixelBuffer();
    Clear();
}

bool MemoryPictureSurface::ReadImage(PixelBuffer& image)
{
    if (readFails_ || image_.Empty()) {
        return false;
    }
    image = image_;
    return true;
}

std::int32_t MemoryPictureSurface::WriteImage(const PixelBuffer& image)
{
    const std::int32_t rows = std::min(image.Height(), height_);
    const std::int32_t columns = std::min(image.Width(), width_);
    if (rows <= 0 || columns <= 0) {
        return 0;
    }
    for (std::int32_t y = 0; y < rows; ++y) {
        std::copy_n(&image.At(0, y), columns, &image_.At(0, y));
    }
    return rows;
}

void MemoryPictureSurface::Clear()
{
    if (image_.Empty()) {
        return;
    }
    const Pixel back = BackPixel();
    for (std::int32_t y = 0; y < height_; ++y) {
        for (std::int32_t x = 0; x < width_; ++x) {
            const bool onPicture = picture_ && x < picture_->Width() && y < picture_->Height();
            image_.At(x, y) = onPicture ? picture_->At(x, y) : back;
        }
    }
}

void MemoryPictureSurface::Refresh()
{
    shown_ = image_;
    ++refreshCount_;
}

bool MemoryPictureSurface::LoadPicture(const std::string& path)
{
    if (!loader_) {
        return false;
    }
    std::optional<PixelBuffer> picture = loader_(path);
    if (!picture || picture->Empty() || picture->Width() > 8192 || picture->Height() > 8192) {
        return false;
    }
    picture_ = std::move(picture);
    Resize(picture_->Width(), picture_->Height());
    return true;
}

void MemoryPictureSurface::RemovePicture()
{
    picture_.reset();
    Clear();
}

void MemoryPictureSurface::SetImageSize(std::int32_t width, std::int32_t height)
{
    picture_.reset();
    Resize(width, height);
}

std::optional<PixelBuffer> MemoryPictureSurface::ReadBmpPicture(const std::string& path)
{
    PixelBuffer picture;
    if (ReadBmpFile(path, picture) != BmpFileResult::Ok) {
        return std::nullopt;
    }
    return picture;
}

}  // namespace palvo
