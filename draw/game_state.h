#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "draw/draw_record.h"
#include "draw/game_listener.h"

namespace palvo {

// The game as every view sees it, frozen at one moment: what a panel, a card check or the web
// service needs without reaching into the operator's window.
struct GameState {
    std::uint64_t game = 0;  // changes when a new game begins (Reset, a resumed game)
    std::uint64_t seq = 0;   // grows with every change, across games
    std::int16_t numMax = 0;
    std::vector<std::int16_t> called;     // in the order they were called
    std::optional<std::int16_t> rolling;  // the candidate on the big display while a Start sequence runs
    bool over = false;                    // every number of the game is out

    std::optional<std::int16_t> Newest() const
    {
        return called.empty() ? std::nullopt : std::optional<std::int16_t>(called.back());
    }
    std::int32_t Count() const { return static_cast<std::int32_t>(called.size()); }

    bool operator==(const GameState&) const = default;
};

// Publishes the game's state as immutable snapshots. It follows the game as a listener on the
// window thread; Snapshot() may be called from any thread and never waits for the game.
class GameStatePublisher final : public GameListener {
public:
    GameStatePublisher();

    // The state now; the pointer stays valid however the game moves on.
    std::shared_ptr<const GameState> Snapshot() const { return current_.load(std::memory_order_acquire); }

    using Watcher = std::function<void(const std::shared_ptr<const GameState>&)>;

    // `watcher` is called on the publishing (window) thread after every change with the new
    // snapshot; it must not re-enter the game. Watchers that live on other threads hand the
    // snapshot over themselves. Watching changes nothing of the game, so a view that may only
    // read the state watches it too. Returns what Unwatch() takes.
    std::size_t Watch(Watcher watcher) const;
    // Stops the watcher that Watch() returned `id` for (a view that goes before the game does);
    // not from inside a watcher call.
    void Unwatch(std::size_t id) const;

    void OnNumberShown(std::int16_t number) override;
    void OnNumberDrawn(const DrawRecord& record) override;
    void OnNumberTakenBack(const DrawRecord& record, std::int16_t /*number*/) override
    {
        OnRecordChanged(record);
    }
    void OnGameReset(const DrawRecord& record) override;
    void OnSettingsRefreshed() override {}
    void OnGameResumed(const DrawRecord& record) override;
    // The game's record changed in a way the calls above do not name (a number taken back).
    void OnRecordChanged(const DrawRecord& record);

private:
    void Publish(const DrawRecord& record, bool newGame);
    void Publish(GameState next);

    std::atomic<std::shared_ptr<const GameState>> current_;
    mutable std::vector<std::pair<std::size_t, Watcher>> watchers_;
    mutable std::size_t nextWatch_ = 0;
};

}  // namespace palvo
