#include "platform/text_encoding.h"

#include <windows.h>

#include <climits>

#include "platform/win32/os/wide_text.h"

namespace palvo {

namespace {

constexpr UINT kShiftJis = 932;

}  // namespace

std::string Utf8ToCp932(std::string_view utf8)
{
    std::wstring wide = win32::Widen(utf8);
    // Code page 932 holds nothing beyond the basic plane: one "?" per character, not per half.
    for (std::wstring::size_type index = 0; index < wide.size(); ++index) {
        const wchar_t unit = wide[index];
        if (unit >= 0xD800 && unit <= 0xDFFF) {
            const bool pair = unit <= 0xDBFF && index + 1 < wide.size() && wide[index + 1] >= 0xDC00 &&
                              wide[index + 1] <= 0xDFFF;
            wide.replace(index, pair ? 2 : 1, 1, L'?');
        }
    }
    if (wide.empty() || wide.size() > static_cast<std::size_t>(INT_MAX)) {
        return {};
    }
    const int length = static_cast<int>(wide.size());
    const char defaultCharacter[] = "?";
    const int size = WideCharToMultiByte(kShiftJis, 0, wide.data(), length, nullptr, 0, defaultCharacter, nullptr);
    if (size <= 0) {
        return {};
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(kShiftJis, 0, wide.data(), length, bytes.data(), size, defaultCharacter, nullptr);
    return bytes;
}

std::string Cp932ToUtf8(std::string_view cp932)
{
    // Converted one character at a time: the code page's own replacement for a bad byte pair
    // is a katakana middle dot, which would pass for real text; U+FFFD marks it honestly.
    std::wstring wide;
    wide.reserve(cp932.size());
    std::size_t position = 0;
    while (position < cp932.size()) {
        const auto lead = static_cast<BYTE>(cp932[position]);
        std::size_t width = 1;
        if (IsDBCSLeadByteEx(kShiftJis, lead) && position + 1 < cp932.size()) {
            width = 2;
        }
        wchar_t character = 0;
        const int converted = MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, cp932.data() + position,
                                                  static_cast<int>(width), &character, 1);
        // Windows passes the unassigned single bytes 0x80, 0xA0 and 0xFD to 0xFF through as
        // control or private-use characters; they are no text, so they count as invalid too.
        const bool unassigned = width == 1 && (lead == 0x80 || lead == 0xA0 || lead >= 0xFD);
        wide.push_back(converted == 1 && !unassigned ? character : L'\xFFFD');
        position += width;
    }
    return win32::Narrow(wide);
}

}  // namespace palvo
