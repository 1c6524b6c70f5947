#pragma once

#include <filesystem>

#include "draw/game_state.h"
#include "web/player_card.h"

namespace palvo {

// The cards this installation printed, for the players' phones: a code answers when its card
// belongs to the current game's highest number, as the operator's check would accept it.
// The key is read at every question and never made here (no key, no printed card); safe from
// any thread.
class InstallationCards final : public CardLookup {
public:
    InstallationCards(const GameStatePublisher& game, std::filesystem::path settingsFolder)
        : game_(game), settingsFolder_(std::move(settingsFolder))
    {
    }

    std::optional<PlayerCard> Find(std::string_view code) const override;

private:
    const GameStatePublisher& game_;
    const std::filesystem::path settingsFolder_;
};

}  // namespace palvo
