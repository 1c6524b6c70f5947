#include "draw/time_text.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace palvo {

std::string TimeText(std::int64_t time)
{
    std::tm local{};
#ifdef _WIN32
    // 64 bits even in the 32-bit program, whose time_t ends in 2038.
    const __time64_t wide = time;
    const bool known = _localtime64_s(&local, &wide) == 0;
#else
    const auto narrow = static_cast<std::time_t>(time);
    const bool known = narrow == time && localtime_r(&narrow, &local) != nullptr;
#endif
    // Beyond what the system can convert the clock is far off anyway: past or future by its sign.
    const long long year = known ? local.tm_year + 1900LL : (time < 0 ? 0 : 10000);
    if (year < 1000) {
        return "1000-01-01 00:00:00";
    }
    if (year > 9999) {
        return "9999-12-31 23:59:59";
    }
    char text[64] = {};
    std::snprintf(text, sizeof text, "%04lld-%02d-%02d %02d:%02d:%02d", year, local.tm_mon + 1, local.tm_mday,
                  local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

std::string LocalTimeText()
{
#ifdef _WIN32
    return TimeText(_time64(nullptr));
#else
    return TimeText(std::time(nullptr));
#endif
}

bool IsTimeText(std::string_view text)
{
    constexpr std::string_view pattern = "-dd-dd dd:dd:dd";
    if (!text.empty() && text.front() == '-') {
        text.remove_prefix(1);
    }
    if (text.size() <= pattern.size() || text.size() > pattern.size() + 12) {
        return false;
    }
    const std::string_view year = text.substr(0, text.size() - pattern.size());
    const std::string_view rest = text.substr(year.size());
    if (!std::all_of(year.begin(), year.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const bool digit = rest[i] >= '0' && rest[i] <= '9';
        if (pattern[i] == 'd' ? !digit : rest[i] != pattern[i]) {
            return false;
        }
    }
    return true;
}

std::string CompactTimeText(std::string_view time)
{
    std::string compact;
    for (char c : time) {
        if (c >= '0' && c <= '9') {
            compact += c;
        } else if (c == ' ') {
            compact += '-';
        }
    }
    return compact;
}

}  // namespace palvo
