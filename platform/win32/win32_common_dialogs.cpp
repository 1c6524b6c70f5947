#include "platform/win32/win32_common_dialogs.h"

#include <windows.h>
// After windows.h, which it needs.
#include <commdlg.h>

#include <array>
#include <string>

#include "platform/win32/os/wide_text.h"
#include "texts/japanese.h"

namespace palvo::win32 {

std::optional<std::string> Win32CommonDialogs::SelectImageFile(const std::string& current)
{
    // One filter entry: its caption, then its patterns; the list ends with an empty entry.
    std::wstring filter = Widen(texts::kPictureFileFilter);
    filter += L'\0';
    filter += L"*.bmp;*.gif;*.jpg";
    filter += L'\0';
    std::wstring fileName(32768, L'\0');
    // Opens where the picture in use lies, with its name filled in.
    const std::wstring currentPath = Widen(current);
    const std::size_t separator = currentPath.find_last_of(L"\\/");
    const std::wstring folder =
        separator == std::wstring::npos ? std::wstring() : currentPath.substr(0, separator);
    const std::wstring name =
        separator == std::wstring::npos ? currentPath : currentPath.substr(separator + 1);
    if (name.size() < fileName.size()) {
        std::copy(name.begin(), name.end(), fileName.begin());
    }
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = fileName.data();
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
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
