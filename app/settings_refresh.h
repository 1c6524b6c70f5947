#pragma once

#include <optional>
#include <string>

#include "app/auxiliary_controls.h"
#include "config/config_store.h"
#include "display/bitmap_preparation.h"
#include "draw/history_board.h"
#include "draw/start_sequence.h"
#include "platform/settings_dialog_host.h"

namespace palvo {

// cmdSetting: runs the settings dialog on `config`, then rebuilds every image from what the
// settings now hold, whether saved or not: the four preparation steps (a failing step shows its
// warning and the others still run), the idle display, and the newest history cells with their
// labels (a paged board returns to the newest view, so cells and labels always agree).
// The draw record keeps its numbers. Nothing is refreshed when the window closed meanwhile.
// `standIn` is the configured background the shipped picture stands in for since start-up, if
// any: it is not warned about again.
void RunSettingsAndRefresh(SettingsDialogHost& dialog, CConfig& config, BitmapPreparation& images,
                           AuxiliaryControls& auxiliary, HistoryBoard& board, const WindowLife& life,
                           std::optional<std::string>& standIn);

}  // namespace palvo
