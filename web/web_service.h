#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "draw/game_state.h"
#include "web/web_server.h"

namespace palvo {

// What the command line asks of the web service: nothing, or on from the start at a port.
struct WebCommandLine {
    bool on = false;
    std::uint16_t firstPort = 8080;

    // The service's options: this port or one of the next nineteen (8080 to 8099 by default).
    [[nodiscard]] WebServerOptions Options() const;
};

// Reads `--web` (port 8080 and up) and `--web=PORT` among `arguments`; nothing when PORT is
// not a port number (1 to 65535).
std::optional<WebCommandLine> ReadWebCommandLine(const std::vector<std::string_view>& arguments);

// The players' web service as the operator turns it on and off (F6, the panel's 「スマホ表示」,
// the command line). It follows the game through the publisher; it lives and is called on the
// window thread.
class WebService {
public:
    // `cards` may be null; `publisher` and `cards` must outlive the service.
    WebService(const GameStatePublisher& publisher, const CardLookup* cards, WebServerOptions options = {});
    ~WebService();

    WebService(const WebService&) = delete;
    WebService& operator=(const WebService&) = delete;

    // Starts the service; false when no port of the range was free (it stays off).
    bool TurnOn();
    void TurnOff();
    // Turns it on when off and off when on; true when it is on afterwards.
    bool Toggle();
    [[nodiscard]] bool IsOn() const { return server_->Running(); }
    // The address players type or scan while on, e.g. "http://192.168.1.20:8080/"; empty while off.
    [[nodiscard]] const std::string& Address() const { return address_; }

    // `watcher` learns of every turn on and off (the audience display shows the address).
    void Watch(std::function<void()> watcher);

private:
    void Changed();

    const GameStatePublisher& publisher_;
    WebServerOptions options_;
    // Shared with the publisher's watcher, which must not outlive it.
    std::shared_ptr<WebServer> server_;
    std::string address_;
    std::vector<std::function<void()>> watchers_;
    std::size_t watch_ = 0;  // the publisher's id for this service's watcher
};

}  // namespace palvo
