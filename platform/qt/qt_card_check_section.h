#pragma once

#include <QWidget>
#include <filesystem>

#include "cards/card_check.h"

class QLabel;
class QLineEdit;

namespace palvo {

// The 「カード確認」 section as a widget the operator's panel hosts: the code field (Enter checks),
// the verdict in words and the card's picture.
class QtCardCheckSection : public QWidget, public CardCheckView {
public:
    QtCardCheckSection(const GameStatePublisher& game, std::filesystem::path settingsFolder,
                       EntropySource& entropy, ColorTriple digitColour, QWidget* parent = nullptr);

    // Where Ctrl+K in the panel puts the focus.
    QLineEdit& CodeField() { return *code_; }
    const CardCheck& Check() const { return check_; }
    void SetDigitColour(ColorTriple colour) { digitColour_ = colour; }

    void ShowVerdict(const CardVerdict& verdict, const std::string& text,
                     const PixelBuffer& picture) override;
    void ShowProblem(std::string_view text) override;

private:
    static constexpr int kPictureWidth = 200;
    static constexpr int kPictureHeight = 222;

    QLineEdit* code_;
    QLabel* verdict_;
    QLabel* picture_;
    CardCheck check_;
    ColorTriple digitColour_;
};

}  // namespace palvo
