#include "web/installation_cards.h"

#include "cards/bingo_card.h"
#include "cards/card_key.h"

namespace palvo {

std::optional<PlayerCard> InstallationCards::Find(std::string_view code) const
{
    const CardKeyReading key = ReadCardKey(settingsFolder_);
    if (!key.Usable()) {
        return std::nullopt;
    }
    const std::int16_t numMax = game_.Snapshot()->numMax;
    const CardMaker::Lookup lookup = CardMaker(key.key).Find(code, numMax);
    // A card of another highest number cannot win this game: the phone should not mark it.
    if (lookup.kind != CardMaker::Lookup::Kind::Card || !lookup.card) {
        return std::nullopt;
    }
    PlayerCard card;
    card.code = CardCodeText(lookup.card->code);
    card.columns = kCardSide;
    card.rows = kCardSide;
    card.cells.reserve(kCardSide * kCardSide);
    for (const auto& row : lookup.card->cells) {
        for (const std::int16_t cell : row) {
            card.cells.push_back(cell == 0 ? std::nullopt : std::optional<std::int16_t>(cell));
        }
    }
    return card;
}

}  // namespace palvo
