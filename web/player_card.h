#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace palvo {

// One card of this installation as a player's phone sees it: its cells row by row, nothing in
// a free cell.
struct PlayerCard {
    std::string code;
    std::int32_t columns = 0;
    std::int32_t rows = 0;
    std::vector<std::optional<std::int16_t>> cells;  // columns * rows, row by row
};

// Finds the cards the installation printed. The web service calls it from its own thread, so an
// implementation must be safe to call from any thread.
class CardLookup {
public:
    virtual ~CardLookup() = default;
    // The card of `code`; nothing for a code no card carries.
    virtual std::optional<PlayerCard> Find(std::string_view code) const = 0;
};

}  // namespace palvo
