#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "web/player_card.h"
#include "web/state_json.h"

namespace palvo {

struct WebServerOptions {
    std::string address = "0.0.0.0";  // every network of the machine: the hall's phones
    std::uint16_t firstPort = 8080;
    std::uint16_t lastPort = 8099;  // the next free port up to this one
    std::size_t maxConnections = 2000;
    std::chrono::milliseconds headTimeout{10'000};   // a request's head must arrive within this
    std::chrono::milliseconds idleTimeout{30'000};   // a kept-alive connection waiting for its next request
    std::chrono::milliseconds writeTimeout{20'000};  // a client that reads nothing for this long is dropped
    std::chrono::milliseconds pingInterval{15'000};  // keeps event streams alive through idle Wi-Fi
};

// The read-only web service on a thread of its own. It learns the game only through Publish and
// never calls back into the program; every public call may come from any thread.
class WebServer {
public:
    // `cards` may be null; else it must outlive the server.
    WebServer(WebServerOptions options, const CardLookup* cards);
    ~WebServer();

    WebServer(const WebServer&) = delete;
    WebServer& operator=(const WebServer&) = delete;

    // Listens on the first free port of the options' range and serves `state`; the port, or
    // nothing when none was free. Does nothing but return the port when already running.
    [[nodiscard]] std::optional<std::uint16_t> Start(WebState state);
    // Closes every connection and ends the thread.
    void Stop();
    [[nodiscard]] bool Running() const { return impl_ != nullptr; }

    // The game or the board layout moved on; cheap for the caller, the work happens on the
    // server's thread.
    void Publish(WebState state);

    // Connections open now (an estimate while they change), for tests and benchmarks.
    [[nodiscard]] std::size_t Connections() const;

private:
    class Impl;
    WebServerOptions options_;
    const CardLookup* cards_;
    std::unique_ptr<Impl> impl_;
    std::uint16_t port_ = 0;
};

// The address phones on the hall's network reach this machine by, e.g. "192.168.1.20";
// "127.0.0.1" when the machine has no network.
std::string LocalNetworkAddress();

}  // namespace palvo
