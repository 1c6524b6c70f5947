#pragma once

// One table of key sequences for the operator's keys, played by the Qt and the Win32 program
// alike (tests/qt/operator_keys_test.cpp, tests/win32/operator_keys_win32_test.cpp): each row
// sets a game up, presses, repeats and releases keys in the operator's or the players' window,
// and says what the operator must then see. Names of controls are written out, not made.

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace palvo::testing {

enum class Key { Space, Enter, KeypadEnter, PageDown, Tab, F11, Escape };
// Repeat is one auto-repeat of a key held down.
enum class Stroke { Press, Repeat, Release };
enum class Place { Operator, Audience };

struct KeyStep {
    Place place;
    Key key;
    Stroke stroke;
};

struct KeyCase {
    std::string name;
    std::int16_t numMax = 9;
    std::vector<std::int16_t> resumed;  // a game brought back at start-up, in drawing order
    int mouseStarts = 0;                // Start clicked with the mouse before the keys
    std::string mouseClick;             // then this control clicked with the mouse ("" none)
    bool audienceOpen = false;
    std::vector<KeyStep> keys;
    // What follows.
    int draws = 0;              // numbers drawn by the keys
    std::string newestOrdinal;  // the caption of lblistNum(0): the ordinal in the board's first cell
    int questions = 0;          // Reset's question asked
    std::string focus;          // the operator's control with the focus, "" for none
    bool audienceFullScreen = false;
};

// A row reads as its name in a test's report.
inline void PrintTo(const KeyCase& row, std::ostream* out)
{
    *out << row.name;
}

inline std::vector<KeyStep> Hold(Key key, int repeats, Place place = Place::Operator)
{
    std::vector<KeyStep> steps{{place, key, Stroke::Press}};
    for (int i = 0; i < repeats; ++i) {
        steps.push_back({place, key, Stroke::Repeat});
    }
    steps.push_back({place, key, Stroke::Release});
    return steps;
}

inline std::vector<KeyStep> Taps(std::initializer_list<Key> keys, Place place = Place::Operator)
{
    std::vector<KeyStep> steps;
    for (const Key key : keys) {
        steps.push_back({place, key, Stroke::Press});
        steps.push_back({place, key, Stroke::Release});
    }
    return steps;
}

inline std::vector<KeyStep> Then(std::vector<KeyStep> first, const std::vector<KeyStep>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// Eight of nine numbers out: the ninth press of Start ends the game.
inline const std::vector<std::int16_t> kEightOfNine{3, 7, 1, 9, 4, 2, 8, 5};
inline const std::vector<std::int16_t> kSevenDrawn{3, 7, 1, 9, 4, 2, 8};

inline const std::vector<KeyCase>& OperatorKeyCases()
{
    static const std::vector<KeyCase> cases = [] {
        std::vector<KeyCase> all;
        // A held key is one press: auto-repeat never starts another draw.
        for (const Key key : {Key::Space, Key::Enter, Key::KeypadEnter, Key::PageDown}) {
            KeyCase held;
            held.name = key == Key::Space         ? "HeldSpaceDrawsOnce"
                        : key == Key::Enter       ? "HeldEnterDrawsOnce"
                        : key == Key::KeypadEnter ? "HeldKeypadEnterDrawsOnce"
                                                  : "HeldPageDownDrawsOnce";
            held.keys = Hold(key, 25);
            held.draws = 1;
            held.newestOrdinal = "1";
            held.focus = "cmdStart";
            all.push_back(held);
        }
        // Paging keeps the focus on its button, so the next Space pages again instead of drawing.
        KeyCase clicked;
        clicked.name = "SpaceAfterAClickOnBackPagesOnly";
        clicked.resumed = kSevenDrawn;
        clicked.mouseClick = "cmdHistBack";
        clicked.keys = Taps({Key::Space, Key::Space, Key::Space});
        clicked.newestOrdinal =
            "5";  // 7 shown: the click and the first Space go back to 5, where paging stops
        clicked.focus = "cmdHistBack";
        all.push_back(clicked);

        KeyCase tabbed;
        tabbed.name = "TabbedPagingButtonsKeepTheFocus";
        tabbed.resumed = kSevenDrawn;
        tabbed.keys = Taps({Key::Tab, Key::Space, Key::Space, Key::Tab, Key::Enter});
        tabbed.newestOrdinal = "6";  // back twice, forward once
        tabbed.focus = "cmdHistForward";
        all.push_back(tabbed);

        // Reset's question hands the keys back to Start.
        KeyCase question;
        question.name = "AfterResetsQuestionSpaceDraws";
        question.resumed = kSevenDrawn;
        question.keys = Taps({Key::Tab, Key::Tab, Key::Tab, Key::Space, Key::Space});
        question.questions = 1;  // answered No
        question.draws = 1;
        question.newestOrdinal = "8";
        question.focus = "cmdStart";
        all.push_back(question);

        // Once the game has ended, the clicker's keys page nothing and ask nothing, in either window.
        KeyCase over;
        over.name = "AfterTheLastNumberKeysDoNothing";
        over.resumed = kEightOfNine;
        over.mouseStarts = 1;
        over.audienceOpen = true;
        over.keys =
            Then(Taps({Key::Space, Key::Space, Key::Enter, Key::KeypadEnter, Key::PageDown, Key::Space}),
                 Taps({Key::PageDown, Key::Space, Key::Enter}, Place::Audience));
        over.newestOrdinal = "9";
        over.focus = "";
        all.push_back(over);

        // The players' window takes the clicker's keys for Start, a held key once.
        KeyCase audience;
        audience.name = "TheAudienceWindowPressesStart";
        audience.audienceOpen = true;
        audience.keys = Then(Hold(Key::PageDown, 25, Place::Audience),
                             Taps({Key::Space, Key::Enter, Key::KeypadEnter}, Place::Audience));
        audience.draws = 4;
        audience.newestOrdinal = "4";
        audience.focus = "cmdStart";
        all.push_back(audience);

        KeyCase screen;
        screen.name = "EscapeLeavesFullScreenOnly";
        screen.audienceOpen = true;
        screen.keys = Taps({Key::F11, Key::Escape, Key::Escape}, Place::Audience);
        screen.focus = "cmdStart";
        all.push_back(screen);

        KeyCase full;
        full.name = "F11EntersFullScreen";
        full.audienceOpen = true;
        full.keys = Taps({Key::Escape, Key::F11}, Place::Audience);
        full.focus = "cmdStart";
        full.audienceFullScreen = true;
        all.push_back(full);
        return all;
    }();
    return cases;
}

}  // namespace palvo::testing
