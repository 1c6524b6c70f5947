#include "config/ini_routines.h"

#include <algorithm>

#include "platform/text_encoding.h"

namespace palvo {
namespace {

// What the reader is handed for a missing key, so that a missing key and an empty one can be
// told apart from the text alone.
constexpr std::string_view kMissingMarker = "DEFAULT_FAILED";

}  // namespace

std::string ReadIniString(std::string_view section, std::string_view key, const std::string& file,
                          std::string_view defaultValue)
{
    std::string value = GetIniString(section, key, file);
    if (value.empty()) return std::string(defaultValue);
    return value;
}

std::string GetIniString(std::string_view section, std::string_view key, const std::string& file)
{
    std::string bytes = IniReadString(Utf8ToCp932(section), Utf8ToCp932(key), kMissingMarker, file);
    // The buffer is a C string: whatever follows a NUL byte is not part of the text.
    if (const std::size_t nul = bytes.find('\0'); nul != std::string::npos) bytes.resize(nul);
    if (bytes.empty()) return "";
    std::string text = Cp932ToUtf8(bytes);
    if (text == kMissingMarker) return "";
    return text;
}

std::string MidAnsi(std::string_view text, int start, int length)
{
    if (start < 1 || length <= 0) return "";
    const std::string bytes = Utf8ToCp932(text);
    const auto offset = static_cast<std::size_t>(start - 1);
    if (offset >= bytes.size()) return "";
    return Cp932ToUtf8(std::string_view(bytes).substr(offset, static_cast<std::size_t>(length)));
}

std::int32_t ReadIniInt(std::string_view section, std::string_view key, const std::string& file,
                        std::int32_t defaultValue)
{
    return IniReadInt(Utf8ToCp932(section), Utf8ToCp932(key), defaultValue, file);
}

bool WriteIni(std::string_view section, std::string_view key, std::string_view value, const std::string& file)
{
    return IniWriteString(Utf8ToCp932(section), Utf8ToCp932(key), Utf8ToCp932(value), file);
}

bool WriteIni(std::string_view section, std::string_view key, std::int32_t value, const std::string& file)
{
    return WriteIni(section, key, std::to_string(value), file);
}

bool WriteIniValues(std::string_view section, const std::vector<IniEntry>& utf8Entries,
                    const std::string& file)
{
    std::vector<IniEntry> entries;
    entries.reserve(utf8Entries.size());
    for (const IniEntry& entry : utf8Entries) {
        entries.push_back(IniEntry{Utf8ToCp932(entry.key), Utf8ToCp932(entry.value)});
    }
    return IniWriteStrings(Utf8ToCp932(section), entries, file);
}

std::string CharactersOutsideCp932(std::string_view text)
{
    std::string outside;
    std::size_t at = 0;
    while (at < text.size()) {
        // One UTF-8 sequence: its length from the lead byte (a stray byte counts as one).
        const auto lead = static_cast<unsigned char>(text[at]);
        std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        length = std::min(length, text.size() - at);
        const std::string_view character = text.substr(at, length);
        at += length;
        if (Cp932ToUtf8(Utf8ToCp932(character)) != character &&
            outside.find(character) == std::string::npos) {
            outside += character;
        }
    }
    return outside;
}

bool FitsIniText(std::string_view text)
{
    const std::string bytes = Utf8ToCp932(text);
    return bytes.size() < kIniValueBufferBytes && Cp932ToUtf8(bytes) == text;
}

}  // namespace palvo
