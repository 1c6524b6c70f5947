#pragma once

#include <optional>

namespace palvo::win32 {

// `palvo --cards 40 --max 75 --csv cards.csv`: the cards written as CSV without a window (PDF
// is the Linux program's). Problems go to the console the program was started from, or to a
// message box when there is none. nullopt when the command line asks for no cards.
std::optional<int> RunCardCommandLine();

}  // namespace palvo::win32
