#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "config/config_store.h"
#include "display/bitmap_preparation.h"
#include "display/digit_rendering.h"
#include "draw/draw_record.h"
#include "draw/game_listener.h"
#include "draw/history_board.h"
#include "draw/number_picker.h"
#include "platform/main_window_view.h"
#include "platform/platform_services.h"

namespace palvo {

// Returns after more than `milliseconds` have passed on `clock`, handling window events meanwhile
// without spinning; safe across the clock's wrap-around.
void WaitMsec(Clock& clock, EventPump& events, std::uint32_t milliseconds);

// The item the history list gets for a draw: "3:  7" for the 3rd draw of 7, "12: 45".
std::string HistoryListItem(std::int16_t ordinal, std::int16_t number);

// What the window learns about closing while a sequence waits.
struct WindowLife {
    bool closeRequested = false;  // the operator asked to close; the window closes after the sequence
    bool closed = false;          // the window has closed; the sequence must stop touching it
};

enum class SequenceEnd {
    Drawn,         // a number was drawn, the game goes on
    GameComplete,  // the last number of the game was drawn
    Refused,       // the game had no number left; nothing happened
    Abandoned,     // the window closed during a wait; the sequence stopped there
};

// One press of Start: locks the controls, rolls random numbers with a beep before each (fast
// steps, then slow ones), settles on a number not drawn yet, records it, lists it, shows it on
// the history board, plays the chime, unlocks, and keeps Start locked after the game's last number.
class StartSequence {
public:
    // The chime played after every draw, inside the data folder.
    static constexpr std::string_view kChimeFile = "wav/ユートピア - Windows の終了.WAV";

    StartSequence(MainWindowView& view, PlatformServices& services, const CConfig& config, DrawRecord& record,
                  NumberPicker& picker, BitmapPreparation& images, DigitRenderer& renderer,
                  HistoryBoard& board, const WindowLife& life, GameListener& listener)
        : view_(view),
          services_(services),
          config_(config),
          record_(record),
          picker_(picker),
          images_(images),
          renderer_(renderer),
          board_(board),
          life_(life),
          listener_(listener)
    {
    }

    // Runs one sequence (the rhythm counts are read from the settings at every step); the game's
    // highest number is the record's own. The caller closes a completed game with its notice.
    // With `ending` (a number the record accepts) the roll settles on it instead of a random one.
    [[nodiscard]] SequenceEnd Run(std::optional<std::int16_t> ending = std::nullopt);

    // Records `number` (one the record accepts) as the next draw at once, without a roll: shown,
    // listed, on the board, followed, with the chime. Refused when the record does not accept it.
    [[nodiscard]] SequenceEnd Enter(std::int16_t number);

    // Paints `number` in big digits over the bare background: no tens digit below 10, only the
    // last digit of a number beyond two digits.
    void ShowNumber(std::int16_t number);

private:
    SequenceEnd Settle(std::int16_t number);

    MainWindowView& view_;
    PlatformServices& services_;
    const CConfig& config_;
    DrawRecord& record_;
    NumberPicker& picker_;
    BitmapPreparation& images_;
    DigitRenderer& renderer_;
    HistoryBoard& board_;
    const WindowLife& life_;
    GameListener& listener_;
};

}  // namespace palvo
