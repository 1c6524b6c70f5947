#pragma once

#include <filesystem>
#include <functional>

#include "platform/entropy_source.h"
#include "platform/message_boxes.h"
#include "platform/pixel_buffer.h"

namespace palvo {

class GameStatePublisher;
class QtOperatorPanel;
class WebService;

// Adds the 「カード確認」, 「カード印刷」 and 「スマホ表示」 sections to the operator's panel.
// Ctrl+K anywhere in the panel puts the focus in the card code field; the phones' check box
// calls `toggleWeb` as F6 does and follows `web`.
void AddPanelSections(QtOperatorPanel& panel, const GameStatePublisher& game,
                      const std::filesystem::path& settingsFolder, EntropySource& entropy,
                      ColorTriple digitColour, MessageBoxes& messages, WebService& web,
                      std::function<void()> toggleWeb);

}  // namespace palvo
