#include <windows.h>

#include <cstdint>

#include "platform/text_encoding.h"

namespace palvo {

namespace {

constexpr UINT kShiftJis = 932;
constexpr char32_t kInvalid = 0xFFFFFFFF;

// Bytes of the UTF-8 sequence that begins with `lead`; 1 for a byte that begins none.
std::size_t Utf8SequenceLength(unsigned char lead)
{
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 1;
}

// Decodes the UTF-8 character at the front of `text`: its code point, or kInvalid for a broken,
// overlong or surrogate sequence. `length` receives the bytes it spans (the bytes to skip).
char32_t DecodeUtf8(std::string_view text, std::size_t& length)
{
    const auto lead = static_cast<unsigned char>(text.front());
    if (lead < 0x80) {
        length = 1;
        return lead;
    }
    const std::size_t expected = Utf8SequenceLength(lead);
    length = 1;
    while (length < expected && length < text.size() &&
           (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) {
        ++length;
    }
    if (expected == 1 || length < expected) {
        return kInvalid;
    }
    char32_t code = lead & (expected == 2 ? 0x1F : expected == 3 ? 0x0F : 0x07);
    for (std::size_t index = 1; index < expected; ++index) {
        code = (code << 6) | (static_cast<unsigned char>(text[index]) & 0x3F);
    }
    const char32_t smallest = expected == 2 ? 0x80 : expected == 3 ? 0x800 : 0x10000;
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return kInvalid;
    }
    return code;
}

// Code points that Windows' table passes through for round trips but that are no characters
// of code page 932 proper: the single bytes 0x80, 0xA0 and 0xFD to 0xFF.
bool IsPassThroughOnly(char32_t code)
{
    return code == 0x80 || code == 0xA0 || (code >= 0xF8F0 && code <= 0xF8F3);
}

void AppendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

}  // namespace

std::string Utf8ToCp932(std::string_view utf8)
{
    std::string bytes;
    bytes.reserve(utf8.size());
    while (!utf8.empty()) {
        std::size_t length = 0;
        const char32_t code = DecodeUtf8(utf8, length);
        utf8.remove_prefix(length);
        if (code < 0x80) {
            bytes.push_back(static_cast<char>(code));
            continue;
        }
        // Code page 932 holds nothing beyond the basic plane; no best-fit look-alikes either.
        char converted[2] = {};
        BOOL usedDefault = FALSE;
        const wchar_t wide = static_cast<wchar_t>(code);
        const int size = code <= 0xFFFF && !IsPassThroughOnly(code)
                             ? WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, &wide, 1, converted,
                                                   sizeof(converted), nullptr, &usedDefault)
                             : 0;
        if (size <= 0 || usedDefault) {
            bytes.push_back('?');
        } else {
            bytes.append(converted, static_cast<std::size_t>(size));
        }
    }
    return bytes;
}

std::string Cp932ToUtf8(std::string_view cp932)
{
    std::string text;
    text.reserve(cp932.size() * 3 / 2);
    std::size_t position = 0;
    while (position < cp932.size()) {
        const auto lead = static_cast<unsigned char>(cp932[position]);
        if (lead < 0x80) {
            text.push_back(static_cast<char>(lead));
            ++position;
            continue;
        }
        const std::size_t width = IsDBCSLeadByteEx(kShiftJis, lead) ? 2 : 1;
        wchar_t character = 0;
        const int converted =
            position + width <= cp932.size()
                ? MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, cp932.data() + position,
                                      static_cast<int>(width), &character, 1)
                : 0;
        if (converted == 1 && !IsPassThroughOnly(character)) {
            AppendUtf8(text, character);
            position += width;
        } else {
            // One replacement per rejected byte; what follows is read afresh, so an ASCII byte
            // after a lone lead byte survives.
            text.append("\xEF\xBF\xBD");
            ++position;
        }
    }
    return text;
}

}  // namespace palvo
