#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "draw/game_state.h"
#include "web/player_card.h"

namespace palvo {

// What the phones are shown: the game and the hall's board layout (the audience display's
// choice, not the game's), numbered by `seq`, which grows with every change of either.
struct WebState {
    std::shared_ptr<const GameState> game;  // never null
    bool columns = false;                   // the hall's board in the five columns of the cards
    std::uint64_t seq = 0;
};

// The state as the web service's JSON:
// {"game","seq","numMax","called","newest","count","over","columns"}. `newest` is null before
// the first number. The candidate of a running roll is not part of it: phones show settled
// numbers only.
std::string StateJson(const WebState& state);

// One Server-Sent Event carrying `state`: its id is the state's seq, its data the JSON above.
std::string StateEvent(const WebState& state);

// True when the two states show the same thing to a player (everything of StateJson but seq).
bool SameForPlayers(const WebState& a, const WebState& b);

// A card as {"code","columns","rows","cells"}, a free cell as null.
std::string CardJson(const PlayerCard& card);

}  // namespace palvo
