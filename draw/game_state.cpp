#include "draw/game_state.h"

#include <utility>

namespace palvo {

GameStatePublisher::GameStatePublisher() : current_(std::make_shared<const GameState>()) {}

void GameStatePublisher::Watch(std::function<void(const std::shared_ptr<const GameState>&)> watcher)
{
    watchers_.push_back(std::move(watcher));
}

void GameStatePublisher::OnNumberShown(std::int16_t number)
{
    GameState next = *Snapshot();
    next.rolling = number;
    Publish(std::move(next));
}

void GameStatePublisher::OnNumberDrawn(const DrawRecord& record) { Publish(record, false); }

void GameStatePublisher::OnGameReset(const DrawRecord& record) { Publish(record, true); }

void GameStatePublisher::OnGameResumed(const DrawRecord& record) { Publish(record, true); }

void GameStatePublisher::OnRecordChanged(const DrawRecord& record) { Publish(record, false); }

void GameStatePublisher::Publish(const DrawRecord& record, bool newGame)
{
    GameState next;
    const std::shared_ptr<const GameState> before = Snapshot();
    next.game = before->game + (newGame ? 1 : 0);
    next.numMax = record.NumMax();
    const std::vector<std::int16_t>& nums = record.DrawnNums();
    next.called.assign(nums.begin(), nums.begin() + record.DrawnCount());
    next.over = record.NumMax() > 0 && record.IsComplete();
    Publish(std::move(next));
}

void GameStatePublisher::Publish(GameState next)
{
    next.seq = Snapshot()->seq + 1;
    auto published = std::make_shared<const GameState>(std::move(next));
    current_.store(published, std::memory_order_release);
    for (const auto& watcher : watchers_) {
        watcher(published);
    }
}

}  // namespace palvo
