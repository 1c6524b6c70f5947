#include "platform/win32/win32_picture_box.h"

#include <algorithm>
#include <utility>

#include "platform/win32/picture_decoder.h"
#include "platform/win32/win32_gdi.h"

namespace palvo::win32 {

bool GetDibPixels(HDC hdc, PixelBuffer& image, std::int32_t& width, std::int32_t& height)
{
    HGDIOBJ bitmap = GetCurrentObject(hdc, OBJ_BITMAP);
    BITMAP record{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof(record), &record) == 0) {
        return false;
    }
    width = record.bmWidth;
    height = record.bmHeight;
    if (!PixelBuffer::IsValidSize(width, height)) {
        return false;
    }
    BITMAPINFO info = TopDownHeader(width, height);

    HDC memoryDc = CreateCompatibleDC(hdc);
    HBITMAP copy = CreateCompatibleBitmap(hdc, width, height);
    if (memoryDc == nullptr || copy == nullptr) {
        if (copy != nullptr) {
            DeleteObject(copy);
        }
        if (memoryDc != nullptr) {
            DeleteDC(memoryDc);
        }
        return false;
    }
    HGDIOBJ old = SelectObject(memoryDc, copy);
    BitBlt(memoryDc, 0, 0, width, height, hdc, 0, 0, SRCCOPY);
    // GetDIBits wants a bitmap that no device context holds.
    SelectObject(memoryDc, old);

    PixelBuffer pixels(width, height);
    const int lines =
        GetDIBits(memoryDc, copy, 0, static_cast<UINT>(height), pixels.Data(), &info, DIB_RGB_COLORS);
    DeleteObject(copy);
    DeleteDC(memoryDc);
    if (lines == 0) {
        return false;
    }
    image = std::move(pixels);
    return true;
}

std::int32_t SetDibPixels(HDC hdc, const PixelBuffer& image)
{
    const std::int32_t width = image.Width();
    const std::int32_t height = image.Height();
    if (image.Empty()) {
        return 0;
    }
    BITMAPINFO info = TopDownHeader(width, height);

    HDC memoryDc = CreateCompatibleDC(hdc);
    HBITMAP bitmap = CreateCompatibleBitmap(hdc, width, height);
    int lines = 0;
    if (memoryDc != nullptr && bitmap != nullptr) {
        lines =
            SetDIBits(memoryDc, bitmap, 0, static_cast<UINT>(height), image.Data(), &info, DIB_RGB_COLORS);
        HGDIOBJ old = SelectObject(memoryDc, bitmap);
        BitBlt(hdc, 0, 0, width, height, memoryDc, 0, 0, SRCCOPY);
        SelectObject(memoryDc, old);
    }
    if (bitmap != nullptr) {
        DeleteObject(bitmap);
    }
    if (memoryDc != nullptr) {
        DeleteDC(memoryDc);
    }
    return lines;
}

Win32PictureBox::Win32PictureBox(HWND window, std::int32_t width, std::int32_t height, std::int32_t backColor,
                                 PictureFit fit)
    : window_(window), backColor_(backColor), fit_(fit)
{
    Resize(width, height);
}

Win32PictureBox::~Win32PictureBox()
{
    ReleaseImage();
}

void Win32PictureBox::ReleaseImage()
{
    if (imageDc_ != nullptr) {
        SelectObject(imageDc_, originalBitmap_);
        DeleteDC(imageDc_);
        imageDc_ = nullptr;
    }
    if (image_ != nullptr) {
        DeleteObject(image_);
        image_ = nullptr;
    }
    width_ = 0;
    height_ = 0;
}

void Win32PictureBox::Resize(std::int32_t width, std::int32_t height)
{
    ReleaseImage();
    if (width <= 0 || height <= 0) {
        return;
    }
    HDC screen = GetDC(nullptr);
    imageDc_ = CreateCompatibleDC(screen);
    image_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    if (imageDc_ == nullptr || image_ == nullptr) {
        ReleaseImage();
        return;
    }
    originalBitmap_ = SelectObject(imageDc_, image_);
    width_ = width;
    height_ = height;
    Clear();
}

bool Win32PictureBox::ReadImage(PixelBuffer& image)
{
    if (imageDc_ == nullptr) {
        return false;
    }
    std::int32_t width = 0;
    std::int32_t height = 0;
    return GetDibPixels(imageDc_, image, width, height);
}

std::int32_t Win32PictureBox::WriteImage(const PixelBuffer& image)
{
    if (imageDc_ == nullptr) {
        return 0;
    }
    // GDI counts the buffer's rows; the rows below the image were dropped, not written.
    return std::min(SetDibPixels(imageDc_, image), height_);
}

void Win32PictureBox::Clear()
{
    if (imageDc_ == nullptr) {
        return;
    }
    const RECT whole{0, 0, width_, height_};
    FillWithColor(imageDc_, whole, backColor_);
    if (picture_ && fit_ == PictureFit::AutoSize) {
        BITMAPINFO info = TopDownHeader(picture_->Width(), picture_->Height());
        SetDIBitsToDevice(imageDc_, 0, 0, static_cast<DWORD>(picture_->Width()),
                          static_cast<DWORD>(picture_->Height()), 0, 0, 0,
                          static_cast<UINT>(picture_->Height()), picture_->Data(), &info, DIB_RGB_COLORS);
    } else if (picture_) {
        BITMAPINFO info = TopDownHeader(picture_->Width(), picture_->Height());
        SetStretchBltMode(imageDc_, HALFTONE);
        SetBrushOrgEx(imageDc_, 0, 0, nullptr);
        StretchDIBits(imageDc_, 0, 0, width_, height_, 0, 0, picture_->Width(), picture_->Height(),
                      picture_->Data(), &info, DIB_RGB_COLORS, SRCCOPY);
    }
}

void Win32PictureBox::Refresh()
{
    if (window_ != nullptr) {
        InvalidateRect(window_, nullptr, FALSE);
        UpdateWindow(window_);
    }
}

bool Win32PictureBox::LoadPicture(const std::string& path)
{
    std::optional<PixelBuffer> picture = DecodePictureFile(path);
    if (!picture) {
        return false;
    }
    picture_ = std::move(picture);
    if (fit_ == PictureFit::AutoSize) {
        Resize(picture_->Width(), picture_->Height());
        if (window_ != nullptr) {
            SetWindowPos(window_, nullptr, 0, 0, width_, height_, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    } else {
        Clear();
    }
    Refresh();
    return true;
}

void Win32PictureBox::RemovePicture()
{
    picture_.reset();
    Clear();
    Refresh();
}

void Win32PictureBox::SetImageSize(std::int32_t width, std::int32_t height)
{
    picture_.reset();
    Resize(width, height);
    if (window_ != nullptr && fit_ == PictureFit::AutoSize) {
        SetWindowPos(window_, nullptr, 0, 0, width_, height_, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    Refresh();
}

void Win32PictureBox::MakeEmpty()
{
    picture_.reset();
    ReleaseImage();
    Refresh();
}

void Win32PictureBox::SetBackColor(std::int32_t backColor)
{
    backColor_ = backColor;
}

void Win32PictureBox::Paint(HDC target) const
{
    RECT client{};
    if (window_ == nullptr || !GetClientRect(window_, &client)) {
        return;
    }
    if (imageDc_ != nullptr) {
        BitBlt(target, 0, 0, width_, height_, imageDc_, 0, 0, SRCCOPY);
    }
    // Beyond the image (a box larger than its picture) the back colour shows.
    if (client.right > width_) {
        FillWithColor(target, RECT{width_, 0, client.right, client.bottom}, backColor_);
    }
    if (client.bottom > height_) {
        FillWithColor(target, RECT{0, height_, width_ < client.right ? width_ : client.right, client.bottom},
                      backColor_);
    }
}

}  // namespace palvo::win32
