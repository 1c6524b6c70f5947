#pragma once

#include <optional>
#include <string_view>
#include <vector>

// The plain-text pieces the journal and the history are written in, read back by both.
namespace palvo {

// The comma-separated fields of `line`, empty ones included.
std::vector<std::string_view> Fields(std::string_view line);

// Plain decimal digits only: no sign, no blanks, at most three digits.
std::optional<int> SmallNumber(std::string_view text);

// The lines of `text` without their line ends (the first may be the end of a longer one).
std::vector<std::string_view> Lines(std::string_view text);

}  // namespace palvo
