#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>

#include "cards/card_check.h"
#include "platform/message_boxes.h"
#include "platform/win32/win32_operator_panel.h"

namespace palvo {
class WebService;
}

namespace palvo::win32 {

// The 「カード確認」, 「カード印刷」 and 「スマホ表示」 sections of the operator's panel on Windows.
// Ctrl+K anywhere in the panel puts the focus in the card code field, Enter there checks; the
// phones' check box calls `toggleWeb` as F6 does and follows `web`. A checked card is drawn in
// `digitColour()` and shown to the hall through `hall`.
class Win32PanelSections final : public Win32PanelSection, public CardCheckView {
public:
    Win32PanelSections(Win32OperatorPanel& panel, const GameStatePublisher& game,
                       const std::filesystem::path& settingsFolder, EntropySource& entropy,
                       std::function<ColorTriple()> digitColour, HallProof hall, MessageBoxes& messages,
                       WebService& web, std::function<void()> toggleWeb);
    ~Win32PanelSections() override;

    Win32PanelSections(const Win32PanelSections&) = delete;
    Win32PanelSections& operator=(const Win32PanelSections&) = delete;

    bool OnCommand(int id, int code) override;
    void OnPaint(HDC target) override;
    bool OnKey(const MSG& message) override;

    void ShowVerdict(const CardVerdict& verdict, const std::string& text,
                     const PixelBuffer& picture) override;
    void ShowProblem(std::string_view text) override;

private:
    void Print();
    void FollowWeb();
    HWND Item(int id) const { return GetDlgItem(panel_.Window(), id); }
    std::string Text(int id) const;

    Win32OperatorPanel& panel_;
    const GameStatePublisher& game_;
    std::filesystem::path settingsFolder_;
    EntropySource& entropy_;
    // Asked at every check: the card shows the colour the settings give the digits now.
    std::function<ColorTriple()> digitColour_;
    HallProof hall_;
    MessageBoxes& messages_;
    WebService& web_;
    std::function<void()> toggleWeb_;
    CardCheck check_;
    PixelBuffer picture_;
    RECT pictureArea_{};
    std::size_t watch_ = 0;
};

}  // namespace palvo::win32
