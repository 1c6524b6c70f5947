#pragma once

#include <string>

#include "draw/game_state.h"
#include "web/player_card.h"

namespace palvo {

// The game as the web service's JSON: {"game","seq","numMax","called","newest","count","over"}.
// `newest` is null before the first number. The candidate of a running roll is not part of it:
// phones show settled numbers only.
std::string StateJson(const GameState& state);

// One Server-Sent Event carrying `state`: its id is the state's seq, its data the JSON above.
std::string StateEvent(const GameState& state);

// True when the two states show the same thing to a player (everything of StateJson but seq).
bool SameForPlayers(const GameState& a, const GameState& b);

// A card as {"code","columns","rows","cells"}, a free cell as null.
std::string CardJson(const PlayerCard& card);

}  // namespace palvo
