#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "platform/picture_surface.h"
#include "platform/pixel_buffer.h"

namespace palvo::win32 {

// How a picture box shows an assigned picture.
enum class PictureFit {
    AutoSize,  // picture box: the box and its image take the picture's size
    Stretch,   // image control: the box keeps its size and the picture is stretched over it
};

// The persistent image of a picture box window: a screen-compatible bitmap kept selected in a
// memory device context (the box's "hDC"), painted onto the window on WM_PAINT.
class Win32PictureBox : public PictureSurface {
public:
    // `window` may be null (a box that is never shown). `backColor` is 0x00BBGGRR.
    Win32PictureBox(HWND window, std::int32_t width, std::int32_t height, std::int32_t backColor,
                    PictureFit fit);
    ~Win32PictureBox() override;

    Win32PictureBox(const Win32PictureBox&) = delete;
    Win32PictureBox& operator=(const Win32PictureBox&) = delete;

    std::int32_t ImageWidth() const override { return width_; }
    std::int32_t ImageHeight() const override { return height_; }
    bool ReadImage(PixelBuffer& image) override;
    std::int32_t WriteImage(const PixelBuffer& image) override;
    void Clear() override;
    void Refresh() override;
    bool LoadPicture(const std::string& path) override;
    void RemovePicture() override;
    void SetImageSize(std::int32_t width, std::int32_t height) override;

    // Drops the image and the picture: the box then has no image (0 x 0) and cannot be read.
    void MakeEmpty();

    // The window the image is painted onto; null once that window is gone.
    void SetWindow(HWND window) { window_ = window; }

    // The device context holding the persistent image (null while the box has no image).
    HDC ImageDc() const { return imageDc_; }

    std::int32_t BackColor() const { return backColor_; }
    void SetBackColor(std::int32_t backColor);

    // Paints the persistent image (stretched for an image control) onto `target`, the
    // window's paint device context; the part of the window beyond the image in the back colour.
    void Paint(HDC target) const;

private:
    void Resize(std::int32_t width, std::int32_t height);
    void ReleaseImage();

    HWND window_;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    std::int32_t backColor_;
    PictureFit fit_;
    HDC imageDc_ = nullptr;
    HBITMAP image_ = nullptr;
    HGDIOBJ originalBitmap_ = nullptr;
    std::optional<PixelBuffer> picture_;
};

// Copies the bitmap selected into `hdc` into `image` through a temporary device context and
// bitmap (GetCurrentObject, GetObject, CreateCompatibleDC, CreateCompatibleBitmap, BitBlt,
// GetDIBits); `width` and `height` receive the bitmap's size even on failure. False when no
// line was copied or the size cannot make a pixel buffer; `image` is then left as it was.
bool GetDibPixels(HDC hdc, PixelBuffer& image, std::int32_t& width, std::int32_t& height);

// Writes `image` onto `hdc` from its top-left corner through a temporary device context and
// bitmap (SetDIBits, BitBlt); returns the scan-line count SetDIBits reported (0: nothing copied).
std::int32_t SetDibPixels(HDC hdc, const PixelBuffer& image);

}  // namespace palvo::win32
