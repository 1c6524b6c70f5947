#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "web/player_card.h"
#include "web/state_json.h"

namespace palvo {

// Limits on what a client may send: the request line and headers together, and the path.
inline constexpr std::size_t kWebHeadLimit = 8 * 1024;
inline constexpr std::size_t kWebTargetLimit = 1024;

// One request as the service routes it.
struct WebRequest {
    std::string method;  // as sent, e.g. "GET"
    std::string target;  // as sent, never decoded
    std::optional<std::string> lastEventId;
    bool keepAlive = false;
};

enum class HeadOutcome {
    Complete,   // `request` holds the request; `consumed` bytes belong to it
    NeedMore,   // the head is not complete yet (and still within the limit)
    TooLarge,   // the request line and headers exceed kWebHeadLimit
    Malformed,  // not HTTP/1.x
    HasBody,    // a request that carries a body (none of the routes takes one)
};

struct ParsedHead {
    HeadOutcome outcome = HeadOutcome::NeedMore;
    WebRequest request;
    std::size_t consumed = 0;
};

// Reads one request head from the start of `bytes` (which may hold more, pipelined requests).
ParsedHead ParseRequestHead(std::string_view bytes);

// What the service answers. An event stream gets its head here and its events from the server.
struct WebResponse {
    enum class Kind { Plain, EventStream };
    Kind kind = Kind::Plain;
    std::int32_t status = 200;
    std::string contentType;
    std::string body;
    bool cacheable = false;  // the page's fixed files; the game's state is never cached
    std::string allow;       // for 405
};

// Answers `request` from `state`; `cards` may be null (no card of this installation is found then).
// Only GET and HEAD on the service's routes answer 200; nothing in the target names a file.
WebResponse Respond(const WebRequest& request, const WebState& state, const CardLookup* cards);

// The answer's bytes: status line, the security headers, and the body unless `withBody` is false
// (HEAD). An event stream's head is followed by the events the server writes.
std::string ResponseBytes(const WebResponse& response, bool withBody, bool keepAlive);

// The answer to a head that could not be read (TooLarge, Malformed, HasBody); the connection closes.
std::string RefusalBytes(HeadOutcome outcome);

// The first event an /events client gets: the state now, unless `lastEventId` is the state's own
// seq. Any other id (older, from an earlier run, larger, not a number) gets the state: it is
// complete, so whatever the client missed is in it.
std::optional<std::string> CatchUpEvent(const std::optional<std::string>& lastEventId, const WebState& state);

}  // namespace palvo
