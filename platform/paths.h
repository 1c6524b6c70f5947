#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace palvo {

// Paths travel through the program as UTF-8 text; these two are its only conversions to and
// from std::filesystem::path (on Windows a path holds UTF-16, elsewhere the bytes as they are).
inline std::filesystem::path PathFromUtf8(std::string_view text)
{
    return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(text.data()), text.size()));
}
inline std::string Utf8FromPath(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

// The file `relative` (written with '/') inside `folder`, with the system's separators
// ("C:\Palvo\bg\bg01.jpg" on Windows): the text palvo.ini stores and the messages show. Always
// folder, one separator, relative: a program at a drive's root ("C:") gets "C:\palvo.ini", never
// the drive-relative "C:palvo.ini" that joining with / alone would give.
[[nodiscard]] inline std::string Utf8PathIn(std::string_view folder, std::string_view relative)
{
    std::filesystem::path joined = PathFromUtf8(folder);
    joined += std::filesystem::path::preferred_separator;
    joined /= PathFromUtf8(relative).make_preferred();
    return Utf8FromPath(joined);
}

}  // namespace palvo
