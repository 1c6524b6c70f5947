#pragma once

#include <string>
#include <string_view>

namespace palvo {

// Conversions between the program's UTF-8 text and code page 932 (Shift-JIS), the encoding
// of the settings file. One implementation per operating system is linked beside the core.

// A character code page 932 cannot hold becomes its default character "?".
std::string Utf8ToCp932(std::string_view utf8);

// Bytes that are not valid code page 932 become U+FFFD; never fails.
std::string Cp932ToUtf8(std::string_view cp932);

}  // namespace palvo
