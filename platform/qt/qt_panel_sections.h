#pragma once

#include <filesystem>
#include <functional>

#include "cards/card_check.h"
#include "platform/entropy_source.h"
#include "platform/message_boxes.h"
#include "platform/pixel_buffer.h"

namespace palvo {

class GameStatePublisher;
class QtOperatorPanel;
class WebService;

// Adds the 「カード確認」, 「カード印刷」 and 「スマホ表示」 sections to the operator's panel.
// Ctrl+K anywhere in the panel puts the focus in the card code field; the phones' check box
// calls `toggleWeb` as F6 does and follows `web`. A checked card is drawn in `digitColour()`
// and shown to the hall through `hall`.
void AddPanelSections(QtOperatorPanel& panel, const GameStatePublisher& game,
                      const std::filesystem::path& settingsFolder, EntropySource& entropy,
                      std::function<ColorTriple()> digitColour, HallProof hall, MessageBoxes& messages,
                      WebService& web, std::function<void()> toggleWeb);

}  // namespace palvo
