#pragma once

#include <QWidget>
#include <filesystem>
#include <functional>

#include "cards/card_check.h"
#include "platform/message_boxes.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace palvo {

// The 「カード確認」 section as a widget the operator's panel hosts: the code field (Enter checks),
// the verdict in words, the card's picture and the button that shows the card to the hall.
class QtCardCheckSection : public QWidget, public CardCheckView {
public:
    QtCardCheckSection(const GameStatePublisher& game, std::filesystem::path settingsFolder,
                       EntropySource& entropy, std::function<ColorTriple()> digitColour, HallProof hall,
                       MessageBoxes& messages, QWidget* parent = nullptr);

    // Where Ctrl+K in the panel puts the focus.
    QLineEdit& CodeField() { return *code_; }
    const CardCheck& Check() const { return check_; }

    void ShowVerdict(const CardVerdict& verdict, const std::string& text,
                     const PixelBuffer& picture) override;
    void ShowProblem(std::string_view text) override;

private:
    static constexpr int kPictureWidth = 200;
    static constexpr int kPictureHeight = 222;

    QLineEdit* code_;
    QLabel* verdict_;
    QLabel* picture_;
    QPushButton* proof_;
    CardCheck check_;
    // Asked at every check: the card shows the colour the settings give the digits now.
    std::function<ColorTriple()> digitColour_;
    HallProof hall_;
    MessageBoxes& messages_;
};

}  // namespace palvo
