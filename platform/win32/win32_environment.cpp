#include "platform/win32/win32_environment.h"

#include <windows.h>

#include "platform/win32/os/wide_text.h"

namespace palvo::win32 {

namespace {

double TwipsPerPixel(int capability)
{
    HDC screen = GetDC(nullptr);
    const int dotsPerInch = GetDeviceCaps(screen, capability);
    ReleaseDC(nullptr, screen);
    return dotsPerInch > 0 ? 1440.0 / dotsPerInch : 15.0;
}

}  // namespace

std::string Win32Environment::ProgramDirectory()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);  // a long path: try a larger buffer
    }
    const std::wstring::size_type slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) {
        return {};
    }
    path.resize(slash);
    return Narrow(path);
}

double Win32Environment::TwipsPerPixelX() const
{
    return TwipsPerPixel(LOGPIXELSX);
}

double Win32Environment::TwipsPerPixelY() const
{
    return TwipsPerPixel(LOGPIXELSY);
}

bool Win32Environment::FileExists(const std::string& path) const
{
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace palvo::win32
