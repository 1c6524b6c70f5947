#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>

#include "platform/audience_window.h"

namespace palvo {

// The players' window on Qt: a top-level window owned by the operator's window (so it closes
// with it and never keeps the program alive), showing each frame pixel for pixel. F11 or a
// double-click toggles full screen, Escape leaves it, F5 closes the window as in the operator's;
// Page Down, Space and Enter are reported as Start's keys, every other key as it is.
class QtAudienceWindow final : public QWidget, public AudienceWindow {
public:
    explicit QtAudienceWindow(QWidget& owner);

    void SetEvents(AudienceWindowEvents* events) override { events_ = events; }
    void Open() override;
    void Close() override;
    bool IsOpen() const override;
    std::int32_t ClientWidth() const override;
    std::int32_t ClientHeight() const override;
    void Invalidate(PixelRect area) override;
    void Present(const PixelBuffer& frame, PixelRect changed, std::int32_t scale = 1) override;
    void WakeAfter(std::uint32_t milliseconds) override;

    // What is on screen, for checks and screenshots (enlarged by its device pixel ratio's inverse).
    const QImage& Image() const { return image_; }

    static const QString& Title();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void ToggleFullScreen();
    void KeepWithinDesktop();

    QWidget& owner_;
    AudienceWindowEvents* events_ = nullptr;
    QImage image_;
    QTimer wake_;
};

}  // namespace palvo
