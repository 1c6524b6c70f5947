#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "platform/pixel_buffer.h"

namespace palvo::win32 {

// 「カード印刷」 on Windows: the system's print dialog, then the pages the core composed, sent
// through GDI as A4 portrait sheets, each page picture stretched over the whole sheet.
class Win32CardPrinter {
public:
    explicit Win32CardPrinter(HWND owner) : owner_(owner) {}

    // Shows the print dialog (A4 portrait chosen) and prints; false when the operator cancelled,
    // there is no printer or printing failed.
    [[nodiscard]] bool Print(int pageCount, const std::function<PixelBuffer(int page)>& page);

    // Prints on the printer device context `printer` as one document named `name`.
    [[nodiscard]] static bool PrintTo(HDC printer, const std::wstring& name, int pageCount,
                                      const std::function<PixelBuffer(int page)>& page);

private:
    HWND owner_;
};

}  // namespace palvo::win32
