// The settings file engine on any bytes: reading never fails, and setting a key keeps every
// other line of the file byte for byte and reads back as set.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini_file.h"

namespace {

using palvo::IniFindValue;
using palvo::IniSetValue;

// The document's lines with their endings, cut as the engine cuts them (CRLF, CR or LF).
std::vector<std::string_view> Lines(std::string_view document)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < document.size()) {
        std::size_t end = document.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            end = document.size();
        } else if (document[end] == '\r' && end + 1 < document.size() && document[end + 1] == '\n') {
            end += 2;
        } else {
            end += 1;
        }
        lines.push_back(document.substr(start, end - start));
        start = end;
    }
    return lines;
}

std::string_view WithoutEnding(std::string_view line)
{
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
    return line;
}

void Require(bool condition)
{
    if (!condition) std::abort();
}

// Equal lines; the original's last line may have gained a line ending.
bool SameLine(std::string_view before, bool lastBefore, std::string_view after)
{
    return after == before ||
           (lastBefore && WithoutEnding(before) == before && WithoutEnding(after) == before);
}

// `after` is `before` with, at one place, at most `replaced` key lines swapped for new lines
// and at most two lines (a section header and a key) added: every other line byte for byte.
void RequireLinesKept(std::string_view before, std::string_view after, int replaced)
{
    const std::vector<std::string_view> old = Lines(before);
    const std::vector<std::string_view> now = Lines(after);
    std::size_t prefix = 0;
    while (prefix < old.size() && prefix < now.size() &&
           SameLine(old[prefix], prefix + 1 == old.size(), now[prefix])) {
        ++prefix;
    }
    std::size_t suffix = 0;
    while (suffix < old.size() - prefix && suffix < now.size() - prefix &&
           SameLine(old[old.size() - 1 - suffix], suffix == 0, now[now.size() - 1 - suffix])) {
        ++suffix;
    }
    const std::size_t oldMiddle = old.size() - prefix - suffix;
    const std::size_t newMiddle = now.size() - prefix - suffix;
    Require(oldMiddle <= static_cast<std::size_t>(replaced));
    if (oldMiddle == 1) Require(old[prefix].find('=') != std::string_view::npos);
    Require(newMiddle >= oldMiddle && newMiddle - oldMiddle <= 2);
}

constexpr std::string_view kSections[] = {"PALVO", "palvo", "s", "\x83\x5D", "Other"};
constexpr std::string_view kKeys[] = {"NumMax", "NUMMAX", "BackGroundImageFile", "k", "\x83\x41"};
constexpr std::string_view kValues[] = {"72", "", "C:\\bg\\bg01.jpg", "v w", "\x95\x5C"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const std::uint8_t choice = data[0];
    const std::string_view document(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string_view section = kSections[choice % 5];
    const std::string_view key = kKeys[(choice / 5) % 5];
    const std::string_view value = kValues[(choice / 25) % 5];

    const auto found = IniFindValue(document, section, key);
    if (found) {
        Require(palvo::IniCutToBuffer(*found).size() < palvo::kIniValueBufferBytes);
        static_cast<void>(palvo::IniParseLeadingInteger(*found));
    }

    const auto written = IniSetValue(document, section, key, value);
    Require(written.has_value());
    const auto readBack = IniFindValue(*written, section, key);
    Require(readBack.has_value());
    // Outer blanks and quotes of a value are not kept by a reader; these values have none.
    Require(*readBack == value);
    RequireLinesKept(document, *written, found ? 1 : 0);

    // Setting the same value again changes nothing.
    const auto again = IniSetValue(*written, section, key, value);
    Require(again.has_value() && *again == *written);
    return 0;
}
