#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace palvo {

// The settings file engine: the behaviour of the Windows profile functions
// (GetPrivateProfileStringA, GetPrivateProfileIntA, WritePrivateProfileStringA) on the raw
// bytes of a code page 932 file. Nothing here converts encodings: sections, keys and values
// are code page 932 bytes, file paths are UTF-8 (as platform/file_store.h takes them).
//
// Reading rules: section and key names match ignoring ASCII case (never inside a double-byte
// character); blanks and tabs around names and values are ignored; one outer pair of matching
// quotes around a value is removed; a line whose first non-blank byte is ';' is a comment; a
// line without '=' is no key; only the first section of a name and the first key of a name in
// it count; lines before the first section header belong to no section; CRLF, LF and CR line
// endings all read the same. A '[' line without a closing ']' is not a section header.
// NUL bytes are ordinary bytes.

// A value is copied into a buffer of this many bytes, so at most one byte less comes back.
inline constexpr std::size_t kIniValueBufferBytes = 256;

// A settings file larger than this is not read (it would cost seconds and memory at every
// start): it counts as unreadable, and so is never replaced by a write either.
inline constexpr std::uint64_t kIniLargestFileBytes = 1024 * 1024;

// What is at a settings file's path.
enum class IniFileState {
    Missing,     // nothing: reads give defaults, a write creates the file
    Readable,    // a regular file of at most kIniLargestFileBytes that could be read
    TooLarge,    // a file above kIniLargestFileBytes: reads give defaults, writes fail
    Unreadable,  // anything else that cannot be read: reads give defaults, writes fail
};

// One key and its value for IniWriteStrings.
struct IniEntry {
    std::string key;
    std::string value;
};

// ---- Pure functions on a document's bytes ----

// The value of `key` in the first section named `section`, trimmed and unquoted, as a view
// into `document`; nullopt when the section or the key is missing. A present key with an
// empty value gives an empty view.
std::optional<std::string_view> IniFindValue(std::string_view document, std::string_view section,
                                             std::string_view key);

// The first bytes of `value` that fit a 256-byte buffer with its terminating NUL (at most 255),
// stopping before a double-byte character that would be split.
std::string IniCutToBuffer(std::string_view value);

// The leading number of `value`: optional blanks, optional sign, decimal digits, stopping at
// the first other byte; wraps modulo 2^32. A value without a leading number gives 0.
std::int32_t IniParseLeadingInteger(std::string_view value);

// `document` with `key` of `section` set to `value`, every other byte kept: an existing key
// line is rewritten in place (key as spelled in the file); a new key goes after the section's
// last key line and ends as that line does; a new section goes at the end. Other inserted
// line endings are the document's first (CRLF when it has none). Returns nullopt when the
// names or the value cannot be written as one line: an empty section or key, a line break or
// NUL anywhere, '=' in the key or ']' in the section, a key or section that begins or ends
// with a blank or tab, or a key that begins with ';' or '['.
std::optional<std::string> IniSetValue(std::string_view document, std::string_view section,
                                       std::string_view key, std::string_view value);

// ---- File functions (paths in UTF-8) ----

[[nodiscard]] IniFileState IniFileStateOf(const std::string& file);

// The key's value cut to fit the 256-byte buffer, or `defaultValue` (cut the same way) when the
// file, the section or the key is missing. The count of bytes copied is the result's size.
std::string IniReadString(std::string_view section, std::string_view key, std::string_view defaultValue,
                          const std::string& file);

// The key's leading number (see IniParseLeadingInteger), or `defaultValue` when the file, the
// section or the key is missing or the value is empty.
std::int32_t IniReadInt(std::string_view section, std::string_view key, std::int32_t defaultValue,
                        const std::string& file);

// Sets one key in the file with one crash-safe replacement; a missing file (in an existing
// folder) is created. Returns false, leaving the file as it was, when the file cannot be read
// or written or the value cannot be written (see IniSetValue). A value equal to the stored
// text may leave the file untouched.
bool IniWriteString(std::string_view section, std::string_view key, std::string_view value,
                    const std::string& file);

// Sets several keys of one section, in order, with one crash-safe replacement whose result
// equals that of one IniWriteString per key. An entry that cannot be written is skipped and
// makes the result false; the others are still written. Returns false when the file cannot be
// read or written, leaving it as it was.
bool IniWriteStrings(std::string_view section, const std::vector<IniEntry>& entries, const std::string& file);

}  // namespace palvo
