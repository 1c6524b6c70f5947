#pragma once

#include <string>
#include <string_view>

namespace palvo::win32 {

// UTF-8 to UTF-16 for the wide Windows API; invalid UTF-8 becomes U+FFFD.
std::wstring Widen(std::string_view utf8);

// UTF-16 from the wide Windows API back to UTF-8; unpaired surrogates become U+FFFD.
std::string Narrow(std::wstring_view utf16);

}  // namespace palvo::win32
