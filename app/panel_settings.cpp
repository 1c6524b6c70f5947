#include "app/panel_settings.h"

#include <vector>

#include "platform/file_store.h"
#include "platform/ini_file.h"
#include "platform/paths.h"

namespace palvo {
namespace {

constexpr std::string_view kSection = "Panel";
// A few lines are ours; anything far larger is not.
constexpr std::uint64_t kLargestFile = 64 * 1024;

std::optional<std::int32_t> ReadNumber(std::string_view document, std::string_view key)
{
    const std::optional<std::string_view> value = IniFindValue(document, kSection, key);
    if (!value || value->empty()) {
        return std::nullopt;
    }
    return IniParseLeadingInteger(*value);
}

}  // namespace

PanelSettings PanelSettings::Read(const std::string& folder)
{
    PanelSettings settings;
    const std::optional<std::string> bytes = ReadFileBytes(Utf8PathIn(folder, kFileName), kLargestFile);
    if (!bytes) {
        return settings;
    }
    const std::optional<std::int32_t> left = ReadNumber(*bytes, "Left");
    const std::optional<std::int32_t> top = ReadNumber(*bytes, "Top");
    if (left && top) {
        settings.place = PanelPlace{*left, *top};
    }
    settings.withRoll = ReadNumber(*bytes, "WithRoll").value_or(0) != 0;
    settings.intervalSeconds =
        AutoCaller::ClampInterval(ReadNumber(*bytes, "Interval").value_or(AutoCaller::kDefaultSeconds));
    return settings;
}

bool PanelSettings::Write(const std::string& folder) const
{
    std::string document = "[" + std::string(kSection) + "]\r\n";
    if (place) {
        document += "Left=" + std::to_string(place->x) + "\r\nTop=" + std::to_string(place->y) + "\r\n";
    }
    document += "WithRoll=" + std::string(withRoll ? "1" : "0") + "\r\n";
    document += "Interval=" + std::to_string(intervalSeconds) + "\r\n";
    return ReplaceFileBytes(Utf8PathIn(folder, kFileName), document);
}

}  // namespace palvo
