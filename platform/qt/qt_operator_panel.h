#pragma once

#include <QWidget>
#include <functional>

#include "platform/operator_panel_view.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTimer;
class QVBoxLayout;

namespace palvo {

// F2 in `window` calls `toggle` (the panel's key in the operator's and the players' windows).
void AddPanelKey(QWidget& window, std::function<void()> toggle);

// The operator's panel on Qt: a window owned by the operator's window (it closes with it and
// stays above it), a column of sections with a message line and a close button below. F2 or the
// close box closes it, Ctrl+Z takes back, Page Down means Start wherever the focus is.
class QtOperatorPanel final : public QWidget, public OperatorPanelView {
public:
    explicit QtOperatorPanel(QWidget& owner);
    ~QtOperatorPanel() override;

    // Adds `section` (a group box of another feature) below the others; Tab reaches it in order.
    void AddSection(QWidget* section);

    void SetEvents(OperatorPanelEvents* events) override { events_ = events; }
    void Open(std::optional<PanelPlace> place) override;
    void Close() override;
    bool IsOpen() const override { return open_; }
    std::optional<PanelPlace> Place() const override;
    std::string NumberText() const override;
    void SetNumberText(std::string_view text) override;
    void FocusNumber() override;
    bool IsChecked(PanelCheck box) const override;
    void SetChecked(PanelCheck box, bool checked) override;
    std::int32_t Interval() const override;
    void SetInterval(std::int32_t seconds) override;
    void SetTakeBackEnabled(bool enabled) override;
    void SetMessage(std::string_view text) override;
    void SetCountdown(std::string_view text) override;

    static const QString& Title();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    template <typename Call>
    void Report(Call call)
    {
        if (events_ != nullptr) {
            (events_->*call)();
        }
    }

    QWidget& owner_;
    OperatorPanelEvents* events_ = nullptr;
    bool open_ = false;
    bool closing_ = false;  // Close() is closing the window: not the operator's request
    QVBoxLayout* sections_ = nullptr;
    QLineEdit* number_ = nullptr;
    QPushButton* show_ = nullptr;
    QCheckBox* withRoll_ = nullptr;
    QPushButton* takeBack_ = nullptr;
    QCheckBox* auto_ = nullptr;
    QSpinBox* interval_ = nullptr;
    QLabel* countdown_ = nullptr;
    QLabel* message_ = nullptr;
    QTimer* tick_ = nullptr;
};

}  // namespace palvo
