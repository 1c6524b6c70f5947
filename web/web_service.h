#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "draw/game_state.h"
#include "web/state_json.h"
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

// The first seq of a run from the wall clock (milliseconds since 1970): a restarted program goes
// on above what the last run published, since the game changes far less often than once a
// millisecond. Kept within [0, 2^52], so seq stays exact in a JavaScript number for 2^52 changes.
std::uint64_t WebSeqBase(std::int64_t wallClockMilliseconds);

// The players' web service as the operator turns it on and off (F6, the panel's 「スマホ表示」,
// the command line). It follows the game through the publisher; it lives and is called on the
// window thread.
class WebService {
public:
    // `cards` may be null; `publisher` and `cards` must outlive the service. The phones' seq
    // starts at `firstSeq` (WebSeqBase) and grows with every change of the game or the layout.
    WebService(const GameStatePublisher& publisher, const CardLookup* cards, WebServerOptions options = {},
               std::uint64_t firstSeq = 0);
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

    // The hall's board layout, which the phones follow: the five columns of the cards, or rows.
    void SetColumns(bool columns);
    // What the phones are shown now (and get while the service is on).
    [[nodiscard]] WebState State() const;

private:
    void Changed();
    [[nodiscard]] WebState Shown(std::shared_ptr<const GameState> game) const;

    const GameStatePublisher& publisher_;
    WebServerOptions options_;
    std::unique_ptr<WebServer> server_;
    std::string address_;
    std::uint64_t firstSeq_;
    bool columns_ = false;
    std::uint64_t layoutChanges_ = 0;  // each one is a change the phones' seq counts
    std::vector<std::function<void()>> watchers_;
    std::size_t watch_ = 0;  // the publisher's id for this service's watcher
};

}  // namespace palvo
