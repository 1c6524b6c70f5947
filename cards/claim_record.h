#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "cards/card_verdict.h"
#include "platform/paths.h"

namespace palvo {

// palvo-claims.csv beside the history: every checked claim, so that a dispute over who was first
// can be settled afterwards. A spreadsheet opens it (a byte order mark, then the header).
class ClaimRecord {
public:
    static constexpr std::string_view kName = "palvo-claims.csv";

    void SetFolder(const std::filesystem::path& folder) { folder_ = folder; }

    // The row of one check, without its line end: time, code, verdict, numbers called so far.
    // The code is written as printed for a card, as typed (made safe for the file) otherwise.
    static std::string Row(std::string_view time, std::string_view typed, const CardVerdict& verdict);

    // Appends the row of a check at `time` and flushes it to the disk, with the header when the
    // file is new; false when it could not be written.
    [[nodiscard]] bool Append(std::string_view time, std::string_view typed,
                              const CardVerdict& verdict) const;

    std::filesystem::path Path() const { return folder_ / PathFromUtf8(kName); }

private:
    std::filesystem::path folder_;
};

}  // namespace palvo
