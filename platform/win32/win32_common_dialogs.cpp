#include "platform/win32/win32_common_dialogs.h"

#include <windows.h>
// After windows.h, which it needs.
#include <commdlg.h>

#include <array>
#include <string>

#include "platform/win32/os/wide_text.h"

namespace palvo::win32 {

std::optional<std::string> Win32CommonDialogs::SelectImageFile()
{
    // One filter entry: its caption, then its patterns; the list ends with an empty entry.
    static constexpr wchar_t kFilter[] = L"画像ファイル (*.bmp;*.gif;*.jpg)\0*.bmp;*.gif;*.jpg\0";
    std::wstring fileName(32768, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpstrFilter = kFilter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = fileName.data();
    dialog.nMaxFile = static_cast<DWORD>(fileName.size());
    dialog.Flags =
        OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    if (!GetOpenFileNameW(&dialog)) {
        return std::nullopt;
    }
    fileName.resize(fileName.find(L'\0'));
    return Narrow(fileName);
}

std::optional<std::int32_t> Win32CommonDialogs::SelectColor()
{
    std::array<COLORREF, 16> customColors{};
    customColors.fill(RGB(255, 255, 255));
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpCustColors = customColors.data();
    if (!ChooseColorW(&dialog)) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(dialog.rgbResult & 0x00FFFFFFu);
}

}  // namespace palvo::win32
