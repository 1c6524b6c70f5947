#pragma once

#include <windows.h>

#include <cstdint>

namespace palvo::win32 {

// Small GDI helpers shared by the forms, the picture boxes and the audience window.

// A layout colour (0x00BBGGRR) as GDI takes it; the top byte is no part of the colour.
inline COLORREF ToColorRef(std::int32_t color)
{
    return static_cast<COLORREF>(color) & 0x00FFFFFFu;
}

// The system's colour of a button face, the default background of forms and controls.
inline std::int32_t SystemFaceColor()
{
    return static_cast<std::int32_t>(GetSysColor(COLOR_BTNFACE));
}

inline void FillWithColor(HDC target, const RECT& area, std::int32_t color)
{
    HBRUSH brush = CreateSolidBrush(ToColorRef(color));
    FillRect(target, &area, brush);
    DeleteObject(brush);
}

// The header of a top-down 32-bit device-independent bitmap of width x height.
inline BITMAPINFO TopDownHeader(std::int32_t width, std::int32_t height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // negative: rows run top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = static_cast<DWORD>(width) * static_cast<DWORD>(height) * 4u;
    return info;
}

}  // namespace palvo::win32
