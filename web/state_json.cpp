#include "web/state_json.h"

namespace palvo {

namespace {

// Codes are checked to be letters, digits and '-' before they get here; anything else is escaped
// anyway, so a card store that allows more cannot break the JSON.
void AppendJsonString(std::string& out, std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || c == '<' || c == '>' || c == '&') {
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

}  // namespace

std::string StateJson(const WebState& shown)
{
    const GameState& state = *shown.game;
    std::string out;
    out.reserve(96 + state.called.size() * 4);
    out += "{\"game\":" + std::to_string(state.game);
    out += ",\"seq\":" + std::to_string(shown.seq);
    out += ",\"numMax\":" + std::to_string(state.numMax);
    out += ",\"called\":[";
    for (std::size_t i = 0; i < state.called.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        out += std::to_string(state.called[i]);
    }
    out += "],\"newest\":";
    const std::optional<std::int16_t> newest = state.Newest();
    out += newest ? std::to_string(*newest) : "null";
    out += ",\"count\":" + std::to_string(state.Count());
    out += ",\"over\":";
    out += state.over ? "true" : "false";
    out += ",\"columns\":";
    out += shown.columns ? "true" : "false";
    out += '}';
    return out;
}

std::string StateEvent(const WebState& state)
{
    return "id: " + std::to_string(state.seq) + "\ndata: " + StateJson(state) + "\n\n";
}

bool SameForPlayers(const WebState& a, const WebState& b)
{
    const GameState& x = *a.game;
    const GameState& y = *b.game;
    return x.game == y.game && x.numMax == y.numMax && x.called == y.called && x.over == y.over &&
           a.columns == b.columns;
}

std::string CardJson(const PlayerCard& card)
{
    std::string out = "{\"code\":";
    AppendJsonString(out, card.code);
    out += ",\"columns\":" + std::to_string(card.columns);
    out += ",\"rows\":" + std::to_string(card.rows);
    out += ",\"cells\":[";
    for (std::size_t i = 0; i < card.cells.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        out += card.cells[i] ? std::to_string(*card.cells[i]) : "null";
    }
    out += "]}";
    return out;
}

}  // namespace palvo
