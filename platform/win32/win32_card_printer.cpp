#include "platform/win32/win32_card_printer.h"

#include <commdlg.h>

namespace palvo::win32 {

namespace {

// A4 portrait as the dialog's starting choice; the operator may still pick another sheet.
HGLOBAL A4Portrait()
{
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVMODEW));
    if (memory == nullptr) {
        return nullptr;
    }
    auto* mode = static_cast<DEVMODEW*>(GlobalLock(memory));
    mode->dmSize = sizeof(DEVMODEW);
    mode->dmFields = DM_PAPERSIZE | DM_ORIENTATION;
    mode->dmPaperSize = DMPAPER_A4;
    mode->dmOrientation = DMORIENT_PORTRAIT;
    GlobalUnlock(memory);
    return memory;
}

}  // namespace

bool Win32CardPrinter::PrintTo(HDC printer, const std::wstring& name, int pageCount,
                               const std::function<PixelBuffer(int page)>& page)
{
    DOCINFOW document{};
    document.cbSize = sizeof(document);
    document.lpszDocName = name.c_str();
    if (StartDocW(printer, &document) <= 0) {
        return false;
    }
    // The whole sheet, in the printable area's coordinates (its origin is the printer's margin).
    const int sheetLeft = -GetDeviceCaps(printer, PHYSICALOFFSETX);
    const int sheetTop = -GetDeviceCaps(printer, PHYSICALOFFSETY);
    const int sheetWidth = GetDeviceCaps(printer, PHYSICALWIDTH);
    const int sheetHeight = GetDeviceCaps(printer, PHYSICALHEIGHT);
    bool printed = true;
    for (int i = 0; i < pageCount && printed; ++i) {
        const PixelBuffer picture = page(i);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = picture.Width();
        info.bmiHeader.biHeight = -picture.Height();  // top-down, as the buffer's rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        printed = StartPage(printer) > 0 &&
                  StretchDIBits(printer, sheetLeft, sheetTop, sheetWidth, sheetHeight, 0, 0, picture.Width(),
                                picture.Height(), picture.Data(), &info, DIB_RGB_COLORS, SRCCOPY) > 0 &&
                  EndPage(printer) > 0;
    }
    if (!printed) {
        AbortDoc(printer);
        return false;
    }
    return EndDoc(printer) > 0;
}

bool Win32CardPrinter::Print(int pageCount, const std::function<PixelBuffer(int page)>& page)
{
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner_;
    dialog.hDevMode = A4Portrait();
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    dialog.nMinPage = 1;
    dialog.nMaxPage = static_cast<WORD>(pageCount);
    dialog.nFromPage = 1;
    dialog.nToPage = static_cast<WORD>(pageCount);
    const bool chosen = PrintDlgW(&dialog) != FALSE && dialog.hDC != nullptr;
    bool printed = false;
    if (chosen) {
        printed = PrintTo(dialog.hDC, L"Palvo", pageCount, page);
        DeleteDC(dialog.hDC);
    }
    if (dialog.hDevMode != nullptr) {
        GlobalFree(dialog.hDevMode);
    }
    if (dialog.hDevNames != nullptr) {
        GlobalFree(dialog.hDevNames);
    }
    return printed;
}

}  // namespace palvo::win32
