#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini_file.h"

namespace palvo {

// The program's INI routines: UTF-8 text in and out, code page 932 in the file. Section, key
// and file path come first; a character code page 932 cannot hold is written as "?".

// The key's text, or `defaultValue` when the key is missing or its value reads as empty.
std::string ReadIniString(std::string_view section, std::string_view key, const std::string& file,
                          std::string_view defaultValue);

// The key's text as read into a 256-byte buffer (at most 255 bytes in code page 932, cut
// before a double-byte character that does not fit, and ended at a NUL byte), or "" when the
// key is missing or holds exactly "DEFAULT_FAILED".
std::string GetIniString(std::string_view section, std::string_view key, const std::string& file);

// The code page 932 bytes of `text` from byte `start` (counted from 1) on, `length` bytes in
// all, turned back into text. Returns "" when start is below 1 or past the end, or length is
// not positive; a double-byte character cut in half becomes U+FFFD.
std::string MidAnsi(std::string_view text, int start, int length);

// The key's leading number wrapped to 32 bits, or `defaultValue` when the key is missing or
// its value is empty.
std::int32_t ReadIniInt(std::string_view section, std::string_view key, const std::string& file,
                        std::int32_t defaultValue);

// The characters of `text` (each once, in order of appearance) that do not come back unchanged
// from code page 932; "" when the whole text does.
std::string CharactersOutsideCp932(std::string_view text);

// True when `text` is stored in the file and read back exactly: every character survives code
// page 932 and the value fits the 255 bytes a text value may have.
bool FitsIniText(std::string_view text);

// Writes the text as the key's value. Returns false when the file could not be written.
[[nodiscard]] bool WriteIni(std::string_view section, std::string_view key, std::string_view value,
                            const std::string& file);

// Writes the decimal text of the number ("-5", "33023") as the key's value.
[[nodiscard]] bool WriteIni(std::string_view section, std::string_view key, std::int32_t value,
                            const std::string& file);

// Writes several keys of one section in order with one crash-safe replacement; the file ends
// up as one WriteIni per key would leave it. Returns false when any key was not written.
[[nodiscard]] bool WriteIniValues(std::string_view section, const std::vector<IniEntry>& utf8Entries,
                                  const std::string& file);

}  // namespace palvo
