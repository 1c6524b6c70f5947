// Request handling of the players' web service: every head the parser accepts is routed and
// answered; only the service's own paths may answer 200, and nothing may crash or read past the
// bytes it was given.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

#include "web/web_exchange.h"

namespace {

class OneCard final : public palvo::CardLookup {
public:
    std::optional<palvo::PlayerCard> Find(std::string_view code) const override
    {
        if (code != "C-1") {
            return std::nullopt;
        }
        return palvo::PlayerCard{"C-1", 1, 1, {std::nullopt}};
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::set<std::string_view> kPaths = {"/",          "/overlay",  "/state",
                                                      "/events",    "/palvo.js", "/overlay.js",
                                                      "/palvo.css", "/card/C-1", "/favicon.svg"};
    auto game = std::make_shared<palvo::GameState>();
    game->numMax = 75;
    game->seq = 9;
    game->called = {1, 75};
    const palvo::WebState state{game, true, 9};
    const OneCard cards;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // Pipelined requests, as the server reads them.
    for (int request = 0; request < 16 && !bytes.empty(); ++request) {
        const palvo::ParsedHead head = palvo::ParseRequestHead(bytes);
        if (head.outcome != palvo::HeadOutcome::Complete) {
            if (head.outcome != palvo::HeadOutcome::NeedMore && palvo::RefusalBytes(head.outcome).empty()) {
                std::abort();
            }
            break;
        }
        if (head.consumed == 0 || head.consumed > bytes.size()) {
            std::abort();
        }
        const palvo::WebResponse response = palvo::Respond(head.request, state, &cards);
        const std::string_view target = head.request.target;
        if (response.status == 200 && !kPaths.contains(target.substr(0, target.find('?')))) {
            std::abort();
        }
        if (response.status == 200 && head.request.method != "GET" && head.request.method != "HEAD") {
            std::abort();
        }
        const std::string answer =
            palvo::ResponseBytes(response, head.request.method != "HEAD", head.request.keepAlive);
        if (answer.find("X-Content-Type-Options: nosniff") == std::string::npos) {
            std::abort();
        }
        (void)palvo::CatchUpEvent(head.request.lastEventId, state);
        bytes.remove_prefix(head.consumed);
    }
    return 0;
}
