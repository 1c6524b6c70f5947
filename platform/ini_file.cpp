#include "platform/ini_file.h"

#include <filesystem>
#include <system_error>

#include "platform/file_store.h"
#include "platform/paths.h"

namespace palvo {
namespace {

// Code page 932 lead and trail byte ranges. '[', ']' and '\' fall in the trail range, so every
// search for them has to step over double-byte characters; '=', ';', quotes, blank and tab
// do not, and can be found byte by byte.
bool IsLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsTrailByte(unsigned char byte)
{
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

// 2 for a lead byte followed by a trail byte, else 1 (a stray lead byte stands alone).
std::size_t CharacterLength(std::string_view text, std::size_t position)
{
    if (IsLeadByte(static_cast<unsigned char>(text[position])) && position + 1 < text.size() &&
        IsTrailByte(static_cast<unsigned char>(text[position + 1]))) {
        return 2;
    }
    return 1;
}

bool IsBlank(char byte)
{
    return byte == ' ' || byte == '\t';
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view RemoveOuterQuotes(std::string_view text)
{
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front()) {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

char FoldAscii(char byte)
{
    return (byte >= 'A' && byte <= 'Z') ? static_cast<char>(byte - 'A' + 'a') : byte;
}

// Equality ignoring ASCII case; both bytes of a double-byte character must match exactly.
bool NamesEqual(std::string_view left, std::string_view right)
{
    if (left.size() != right.size()) return false;
    std::size_t position = 0;
    while (position < left.size()) {
        const std::size_t length = CharacterLength(left, position);
        if (length == 2) {
            if (left.substr(position, 2) != right.substr(position, 2)) return false;
        } else if (FoldAscii(left[position]) != FoldAscii(right[position])) {
            return false;
        }
        position += length;
    }
    return true;
}

// Offset of the first ']' that is not the second half of a double-byte character.
std::optional<std::size_t> FindClosingBracket(std::string_view text)
{
    std::size_t position = 0;
    while (position < text.size()) {
        if (text[position] == ']') return position;
        position += CharacterLength(text, position);
    }
    return std::nullopt;
}

enum class LineKind { Header, Key, Comment, Blank, Other };

struct Line {
    std::size_t start = 0;
    std::size_t contentEnd = 0;  // where the line ending begins
    std::size_t end = 0;         // after the line ending
    LineKind kind = LineKind::Other;
    std::string_view name;   // section name of a header, key name of a key line
    std::string_view value;  // trimmed and unquoted value of a key line
};

Line ReadLine(std::string_view document, std::size_t start)
{
    Line line;
    line.start = start;
    const std::size_t breakAt = document.find_first_of("\r\n", start);
    if (breakAt == std::string_view::npos) {
        line.contentEnd = document.size();
        line.end = document.size();
    } else {
        line.contentEnd = breakAt;
        const bool crlf =
            document[breakAt] == '\r' && breakAt + 1 < document.size() && document[breakAt + 1] == '\n';
        line.end = breakAt + (crlf ? 2 : 1);
    }

    const std::string_view content = TrimBlanks(document.substr(start, line.contentEnd - start));
    if (content.empty()) {
        line.kind = LineKind::Blank;
        return line;
    }
    if (content.front() == ';') {
        line.kind = LineKind::Comment;
        return line;
    }
    if (content.front() == '[') {
        const std::string_view inside = content.substr(1);
        if (const auto closing = FindClosingBracket(inside)) {
            line.kind = LineKind::Header;
            line.name = TrimBlanks(inside.substr(0, *closing));
            return line;
        }
    }
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos) {
        line.kind = LineKind::Other;
        return line;
    }
    line.kind = LineKind::Key;
    line.name = TrimBlanks(content.substr(0, equals));
    line.value = RemoveOuterQuotes(TrimBlanks(content.substr(equals + 1)));
    return line;
}

// Where a section and a key sit in a document.
struct KeyLocation {
    std::optional<Line> header;   // header of the first section of that name
    std::optional<Line> lastKey;  // last key line of that section
    std::optional<Line> key;      // first line of that key in that section
};

KeyLocation LocateKey(std::string_view document, std::string_view section, std::string_view key)
{
    KeyLocation location;
    bool inside = false;
    std::size_t position = 0;
    while (position < document.size()) {
        const Line line = ReadLine(document, position);
        position = line.end;
        if (line.kind == LineKind::Header) {
            if (inside) break;  // only the first section of the name counts
            if (NamesEqual(line.name, section)) {
                inside = true;
                location.header = line;
            }
            continue;
        }
        if (!inside || line.kind != LineKind::Key) continue;
        location.lastKey = line;
        if (!location.key && NamesEqual(line.name, key)) location.key = line;
    }
    return location;
}

std::string_view FirstLineEnding(std::string_view document)
{
    const std::size_t breakAt = document.find_first_of("\r\n");
    if (breakAt == std::string_view::npos) return "\r\n";
    if (document[breakAt] == '\n') return "\n";
    if (breakAt + 1 < document.size() && document[breakAt + 1] == '\n') return "\r\n";
    return "\r";
}

bool HasForbiddenByte(std::string_view text)
{
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool IsWritableName(std::string_view name)
{
    return !name.empty() && !HasForbiddenByte(name) && !IsBlank(name.front()) && !IsBlank(name.back());
}

bool IsWritableSection(std::string_view section)
{
    return IsWritableName(section) && !FindClosingBracket(section);
}

bool IsWritableKey(std::string_view key)
{
    return IsWritableName(key) && key.find('=') == std::string_view::npos && key.front() != ';' &&
           key.front() != '[';
}

// True only when nothing at all exists at the path, so that a file that exists but cannot be
// read is never replaced by a new one holding a single key.
bool NothingAt(const std::string& file)
{
    std::error_code error;
    const auto status = std::filesystem::status(PathFromUtf8(file), error);
    return status.type() == std::filesystem::file_type::not_found;
}

}  // namespace

IniFileState IniFileStateOf(const std::string& file)
{
    if (ReadFileBytes(file, kIniLargestFileBytes)) return IniFileState::Readable;
    if (NothingAt(file)) return IniFileState::Missing;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(PathFromUtf8(file), error);
    return !error && size > kIniLargestFileBytes ? IniFileState::TooLarge : IniFileState::Unreadable;
}

std::optional<std::string_view> IniFindValue(std::string_view document, std::string_view section,
                                             std::string_view key)
{
    const KeyLocation location = LocateKey(document, section, key);
    if (!location.key) return std::nullopt;
    return location.key->value;
}

std::string IniCutToBuffer(std::string_view value)
{
    const std::size_t limit = kIniValueBufferBytes - 1;
    std::size_t length = 0;
    while (length < value.size()) {
        const std::size_t next = length + CharacterLength(value, length);
        if (next > limit) break;
        length = next;
    }
    return std::string(value.substr(0, length));
}

std::int32_t IniParseLeadingInteger(std::string_view value)
{
    std::size_t position = 0;
    while (position < value.size() && IsBlank(value[position])) ++position;
    bool negative = false;
    if (position < value.size() && (value[position] == '+' || value[position] == '-')) {
        negative = value[position] == '-';
        ++position;
    }
    // Unsigned arithmetic wraps modulo 2^32 without undefined behaviour.
    std::uint32_t number = 0;
    while (position < value.size() && value[position] >= '0' && value[position] <= '9') {
        number = number * 10u + static_cast<std::uint32_t>(value[position] - '0');
        ++position;
    }
    if (negative) number = 0u - number;
    return static_cast<std::int32_t>(number);
}

std::optional<std::string> IniSetValue(std::string_view document, std::string_view section,
                                       std::string_view key, std::string_view value)
{
    if (!IsWritableSection(section) || !IsWritableKey(key) || HasForbiddenByte(value)) return std::nullopt;

    const std::string_view lineEnding = FirstLineEnding(document);
    const KeyLocation location = LocateKey(document, section, key);
    std::string result;
    result.reserve(document.size() + section.size() + key.size() + value.size() + 8);

    if (location.key) {
        const Line& line = *location.key;
        result.append(document.substr(0, line.start));
        result.append(line.name);
        result.push_back('=');
        result.append(value);
        if (line.end > line.contentEnd) {
            result.append(document.substr(line.contentEnd));
        } else {
            result.append(lineEnding);
        }
        return result;
    }

    if (location.header) {
        const Line& after = location.lastKey ? *location.lastKey : *location.header;
        result.append(document.substr(0, after.end));
        if (after.end == after.contentEnd) result.append(lineEnding);
        result.append(key);
        result.push_back('=');
        result.append(value);
        // The new line ends as the line before it does: a bare CR taken from elsewhere in the
        // file would join a following LF into one CRLF and swallow a blank line.
        const std::string_view ownEnding = document.substr(after.contentEnd, after.end - after.contentEnd);
        result.append(ownEnding.empty() ? lineEnding : ownEnding);
        result.append(document.substr(after.end));
        return result;
    }

    result.append(document);
    if (!document.empty() && document.back() != '\r' && document.back() != '\n') result.append(lineEnding);
    result.push_back('[');
    result.append(section);
    result.push_back(']');
    result.append(lineEnding);
    result.append(key);
    result.push_back('=');
    result.append(value);
    result.append(lineEnding);
    return result;
}

std::string IniReadString(std::string_view section, std::string_view key, std::string_view defaultValue,
                          const std::string& file)
{
    const std::optional<std::string> document = ReadFileBytes(file, kIniLargestFileBytes);
    if (document) {
        if (const auto value = IniFindValue(*document, section, key)) return IniCutToBuffer(*value);
    }
    return IniCutToBuffer(defaultValue);
}

std::int32_t IniReadInt(std::string_view section, std::string_view key, std::int32_t defaultValue,
                        const std::string& file)
{
    const std::optional<std::string> document = ReadFileBytes(file, kIniLargestFileBytes);
    if (!document) return defaultValue;
    const auto value = IniFindValue(*document, section, key);
    if (!value || value->empty()) return defaultValue;
    return IniParseLeadingInteger(*value);
}

bool IniWriteString(std::string_view section, std::string_view key, std::string_view value,
                    const std::string& file)
{
    return IniWriteStrings(section, {IniEntry{std::string(key), std::string(value)}}, file);
}

bool IniWriteStrings(std::string_view section, const std::vector<IniEntry>& entries, const std::string& file)
{
    std::optional<std::string> original = ReadFileBytes(file, kIniLargestFileBytes);
    const bool existed = original.has_value();
    if (!existed) {
        if (!NothingAt(file)) return false;
        original.emplace();
    }

    std::string document = *original;
    bool everyEntryWritten = true;
    for (const IniEntry& entry : entries) {
        if (auto changed = IniSetValue(document, section, entry.key, entry.value)) {
            document = std::move(*changed);
        } else {
            everyEntryWritten = false;
        }
    }

    if (existed && document == *original) return everyEntryWritten;
    if (!existed && document.empty()) return everyEntryWritten;
    if (!ReplaceFileBytes(file, document)) return false;
    return everyEntryWritten;
}

}  // namespace palvo
