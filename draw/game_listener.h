#pragma once

#include <cstdint>
#include <vector>

#include "draw/draw_record.h"

namespace palvo {

// What else wants to follow the game besides the operator's window (a journal on disk, a
// display for the players). Every call comes on the window thread, after the operator's window
// has been updated; a listener must not re-enter the game.
class GameListener {
public:
    virtual ~GameListener() = default;

    // A number is on the big display: a rolling candidate, or the settled number just before it
    // is recorded.
    virtual void OnNumberShown(std::int16_t /*number*/) {}
    // `record` has just gained its newest number; the chime has not played yet.
    virtual void OnNumberDrawn(const DrawRecord& /*record*/) {}
    // The operator took `number` back: it was the newest and `record` no longer holds it.
    virtual void OnNumberTakenBack(const DrawRecord& /*record*/, std::int16_t /*number*/) {}
    // A new game has begun (Reset answered Yes); `record` holds no numbers.
    virtual void OnGameReset(const DrawRecord& /*record*/) {}
    // The settings dialog closed and every image was rebuilt from the settings now in force.
    virtual void OnSettingsRefreshed() {}
    // At start-up an unfinished game of an earlier run was put back: `record` holds its numbers
    // and the big display shows the newest.
    virtual void OnGameResumed(const DrawRecord& /*record*/) {}
};

// Passes every call on to each listener added, in the order they were added.
class GameListeners final : public GameListener {
public:
    void Add(GameListener& listener) { listeners_.push_back(&listener); }

    void OnNumberShown(std::int16_t number) override
    {
        for (GameListener* listener : listeners_) {
            listener->OnNumberShown(number);
        }
    }
    void OnNumberDrawn(const DrawRecord& record) override
    {
        for (GameListener* listener : listeners_) {
            listener->OnNumberDrawn(record);
        }
    }
    void OnNumberTakenBack(const DrawRecord& record, std::int16_t number) override
    {
        for (GameListener* listener : listeners_) {
            listener->OnNumberTakenBack(record, number);
        }
    }
    void OnGameReset(const DrawRecord& record) override
    {
        for (GameListener* listener : listeners_) {
            listener->OnGameReset(record);
        }
    }
    void OnSettingsRefreshed() override
    {
        for (GameListener* listener : listeners_) {
            listener->OnSettingsRefreshed();
        }
    }
    void OnGameResumed(const DrawRecord& record) override
    {
        for (GameListener* listener : listeners_) {
            listener->OnGameResumed(record);
        }
    }

private:
    std::vector<GameListener*> listeners_;
};

}  // namespace palvo
