#include "web/web_service.h"

#include <algorithm>
#include <charconv>

namespace palvo {

std::optional<WebCommandLine> ReadWebCommandLine(const std::vector<std::string_view>& arguments)
{
    WebCommandLine wanted;
    constexpr std::string_view kWithPort = "--web=";
    for (const std::string_view argument : arguments) {
        if (argument == "--web") {
            wanted = WebCommandLine{true, 8080};
        } else if (argument.starts_with(kWithPort)) {
            const std::string_view text = argument.substr(kWithPort.size());
            std::uint32_t port = 0;
            const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
            if (error != std::errc() || end != text.data() + text.size() || port == 0 || port > 65535) {
                return std::nullopt;
            }
            wanted = WebCommandLine{true, static_cast<std::uint16_t>(port)};
        }
    }
    return wanted;
}

WebServerOptions WebCommandLine::Options() const
{
    WebServerOptions options;
    options.firstPort = firstPort;
    options.lastPort = static_cast<std::uint16_t>(std::min<std::uint32_t>(firstPort + 19u, 65535u));
    return options;
}

std::uint64_t WebSeqBase(std::int64_t wallClockMilliseconds)
{
    constexpr std::int64_t kHighest = std::int64_t{1} << 52;
    return static_cast<std::uint64_t>(std::clamp<std::int64_t>(wallClockMilliseconds, 0, kHighest));
}

WebService::WebService(const GameStatePublisher& publisher, const CardLookup* cards, WebServerOptions options,
                       std::uint64_t firstSeq)
    : publisher_(publisher),
      options_(options),
      server_(std::make_unique<WebServer>(options, cards)),
      firstSeq_(firstSeq)
{
    watch_ = publisher_.Watch(
        [this](const std::shared_ptr<const GameState>& state) { server_->Publish(Shown(state)); });
}

WebService::~WebService()
{
    publisher_.Unwatch(watch_);
}

bool WebService::TurnOn()
{
    if (IsOn()) {
        return true;
    }
    const std::optional<std::uint16_t> port = server_->Start(State());
    if (!port) {
        return false;
    }
    const bool everywhere = options_.address == "0.0.0.0";
    address_ = "http://" + (everywhere ? LocalNetworkAddress() : options_.address) + ":" +
               std::to_string(*port) + "/";
    Changed();
    return true;
}

void WebService::TurnOff()
{
    if (!IsOn()) {
        return;
    }
    server_->Stop();
    address_.clear();
    Changed();
}

bool WebService::Toggle()
{
    if (IsOn()) {
        TurnOff();
        return false;
    }
    return TurnOn();
}

void WebService::SetColumns(bool columns)
{
    if (columns == columns_) {
        return;
    }
    columns_ = columns;
    ++layoutChanges_;
    server_->Publish(State());
}

WebState WebService::State() const
{
    return Shown(publisher_.Snapshot());
}

WebState WebService::Shown(std::shared_ptr<const GameState> game) const
{
    // Both counts only grow, so their sum does: a layout switch is a change like a number.
    const std::uint64_t seq = firstSeq_ + game->seq + layoutChanges_;
    return WebState{std::move(game), columns_, seq};
}

void WebService::Watch(std::function<void()> watcher)
{
    watchers_.push_back(std::move(watcher));
}

void WebService::Changed()
{
    for (const auto& watcher : watchers_) {
        watcher();
    }
}

}  // namespace palvo
