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
    images.SetNumBarBmp(config.NumSizeIndex());
    images.SetHistNumBmp();
    images.RefreshBackGroundBmp(standIn);
    images.SetPicHistNumBmp();
    auxiliary.DrawAllSegments();
    board.ShowNewest();
}

}  // namespace palvo
