#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/picture_surface.h"
#include "platform/pixel_buffer.h"

namespace palvo {

// Decodes a picture file for a headless surface; nullopt when it cannot.
using PictureLoader = std::function<std::optional<PixelBuffer>(const std::string& path)>;

// A picture box held entirely in memory: the test double of a window's picture box.
class MemoryPictureSurface : public PictureSurface {
public:
    // A box of width x height pixels (0 x 0 allowed) filled with `backColor` (0x00BBGGRR).
    MemoryPictureSurface(std::int32_t width = 0, std::int32_t height = 0, std::int32_t backColor = 0,
                         PictureLoader loader = {});

    std::int32_t ImageWidth() const override { return width_; }
    std::int32_t ImageHeight() const override { return height_; }
    bool ReadImage(PixelBuffer& image) override;
    std::int32_t WriteImage(const PixelBuffer& image) override;
    void Clear() override;
    void Refresh() override;
    bool LoadPicture(const std::string& path) override;
    void RemovePicture() override;
    void SetImageSize(std::int32_t width, std::int32_t height) override;

    void SetBackColor(std::int32_t backColor) { backColor_ = backColor; }
    std::int32_t BackColor() const { return backColor_; }
    void SetLoader(PictureLoader loader) { loader_ = std::move(loader); }

    // A loader for real bmp files on disk (the shipped segment bars, test pictures);
    // nullopt for any file that is missing or not a readable bitmap.
    static std::optional<PixelBuffer> ReadBmpPicture(const std::string& path);

    // Makes the box unreadable, as a box whose image cannot be fetched; for failure tests.
    void SetReadFails(bool fails) { readFails_ = fails; }

    // What the box holds now and what it last showed on screen (after Refresh).
    const PixelBuffer& Image() const { return image_; }
    const PixelBuffer& Shown() const { return shown_; }
    int RefreshCount() const { return refreshCount_; }

private:
    void Resize(std::int32_t width, std::int32_t height);
    Pixel BackPixel() const;

    std::int32_t width_;
    std::int32_t height_;
    std::int32_t backColor_;
    PictureLoader loader_;
    PixelBuffer image_;
    std::optional<PixelBuffer> picture_;
    PixelBuffer shown_;
    int refreshCount_ = 0;
    bool readFails_ = false;
};

}  // namespace palvo
