#include "app/settings_refresh.h"

namespace palvo {

void RunSettingsAndRefresh(SettingsDialogHost& dialog, CConfig& config, BitmapPreparation& images,
                           AuxiliaryControls& auxiliary, HistoryBoard& board, const WindowLife& life,
                           std::optional<std::string>& standIn)
{
    dialog.RunSettingsDialog(config);
    if (life.closed) {
        return;
    }
    images.RefreshAfterSettings(standIn);
    auxiliary.DrawAllSegments();
    board.ShowNewest();
}

}  // namespace palvo
