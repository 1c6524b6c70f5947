#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace palvo {

// `time` (seconds since 1970) in local time as "YYYY-MM-DD hh:mm:ss"; a clock outside the years 1000 to 9999
// gives the nearest end of that range, so that what is written always reads back.
std::string TimeText(std::int64_t time);
// The local time now, as TimeText.
std::string LocalTimeText();

// True for "YYYY-MM-DD hh:mm:ss"; the year may have more or fewer digits and a sign, as an earlier
// version wrote for a clock far off: a date must never make a file unreadable.
[[nodiscard]] bool IsTimeText(std::string_view text);

// A TimeText as a part of a file name: "YYYYMMDD-hhmmss".
std::string CompactTimeText(std::string_view time);

}  // namespace palvo
