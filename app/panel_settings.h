#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/auto_caller.h"
#include "platform/operator_panel_view.h"

namespace palvo {

// The panel's own choices and place, kept in a file of their own beside palvo.ini (never in
// palvo.ini, whose bytes stay the operator window's).
struct PanelSettings {
    static constexpr std::string_view kFileName = "palvo-panel.ini";

    std::optional<PanelPlace> place;  // nullopt: beside the operator's window
    bool withRoll = false;
    std::int32_t intervalSeconds = AutoCaller::kDefaultSeconds;

    bool operator==(const PanelSettings&) const = default;

    // The settings in `folder`'s file; the defaults for anything missing or unreadable, an
    // interval brought into its range.
    [[nodiscard]] static PanelSettings Read(const std::string& folder);
    // Replaces the file as a whole (never half-written); false when it could not be written.
    [[nodiscard]] bool Write(const std::string& folder) const;
};

}  // namespace palvo
