#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace palvo::texts {

// `text` with {1} ... {9} replaced by the values in that order, so a language may place them where
// its sentence needs them. A value is taken as it is, even when it holds braces itself (a path);
// a mark without a value stays as written.
inline std::string FillIn(std::string_view text, std::initializer_list<std::string_view> values)
{
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '{' && at + 2 < text.size() && text[at + 2] == '}' && text[at + 1] >= '1' &&
            text[at + 1] <= '9') {
            const auto index = static_cast<std::size_t>(text[at + 1] - '1');
            if (index < values.size()) {
                filled += values.begin()[index];
                at += 2;
                continue;
            }
        }
        filled += text[at];
    }
    return filled;
}

}  // namespace palvo::texts
