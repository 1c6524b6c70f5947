#pragma once

#include <cstdint>
#include <filesystem>

#include "app/audience_display.h"
#include "web/installation_cards.h"
#include "web/web_service.h"

namespace palvo {

// The players' phones beside the hall's display, as both programs assemble them: the web service
// answers with this installation's cards, its seq starts from the wall clock (so it grows across
// restarts too), its board follows the players' display's layout (F8), and while it is on the
// players' display shows where the phones find it. Turning it on and off stays with the caller.
class PlayersWeb {
public:
    PlayersWeb(const GameStatePublisher& game, AudienceDisplay& audience,
               const std::filesystem::path& settingsFolder, WebServerOptions options,
               std::int64_t wallClockMilliseconds);
    // The players' display stops following first: the service goes before it.
    ~PlayersWeb();

    // The watchers hold this object's address.
    PlayersWeb(const PlayersWeb&) = delete;
    PlayersWeb& operator=(const PlayersWeb&) = delete;

    WebService& Service() { return web_; }

private:
    AudienceDisplay& audience_;
    // The phones find their cards with the same key the panel prints and checks with.
    InstallationCards cards_;
    WebService web_;
};

}  // namespace palvo
