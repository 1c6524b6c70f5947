#include "app/players_web.h"

#include "web/address_code.h"

namespace palvo {

PlayersWeb::PlayersWeb(const GameStatePublisher& game, AudienceDisplay& audience,
                       const std::filesystem::path& settingsFolder, WebServerOptions options,
                       std::int64_t wallClockMilliseconds)
    : audience_(audience),
      cards_(game, settingsFolder),
      web_(game, &cards_, std::move(options), WebSeqBase(wallClockMilliseconds))
{
    web_.SetColumns(audience_.InColumns());
    audience_.SetColumnsObserver([this](bool inColumns) { web_.SetColumns(inColumns); });
    web_.Watch([this] {
        audience_.ShowAddress(web_.IsOn() ? EncodeQr(web_.Address()) : std::nullopt,
                              web_.IsOn() ? web_.Address() : std::string());
    });
}

PlayersWeb::~PlayersWeb()
{
    audience_.SetColumnsObserver(nullptr);
}

}  // namespace palvo
