#include "platform/qt/qt_audience_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace palvo {

namespace {

// The size the window first takes where it has no screen of its own.
constexpr int kFirstWidth = 960;
constexpr int kFirstHeight = 540;

// Behind the frame while a resize is on its way.
const QColor kBackground(0x10, 0x10, 0x14);

}  // namespace

const QString& QtAudienceWindow::Title()
{
    static const QString title = QStringLiteral("PALVO ～表示～");
    return title;
}

QtAudienceWindow::QtAudienceWindow(QWidget& owner) : QWidget(&owner, Qt::Window), owner_(owner)
{
    setWindowTitle(Title());
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The operator keeps the keyboard: Start and Space stay with the operator's window.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMinimumSize(320, 180);
    resize(kFirstWidth, kFirstHeight);
    owner_.installEventFilter(this);
}

bool QtAudienceWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A window of its own is not hidden with its parent; it goes when the operator's window
    // closes (not when that is merely minimised).
    if (watched == &owner_ && event->type() == QEvent::Hide && !owner_.isVisible()) {
        hide();
    }
    return QWidget::eventFilter(watched, event);
}

void QtAudienceWindow::Open()
{
    QScreen* ownerScreen = owner_.screen();
    QScreen* other = nullptr;
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen != ownerScreen) {
            other = screen;
            break;
        }
    }
    if (other != nullptr) {
        setGeometry(other->geometry());
        if (QWindow* handle = windowHandle()) {
            handle->setScreen(other);
        }
        showFullScreen();
        return;
    }
    // One screen: beside the operator's window where there is room, over it otherwise.
    const QRect available =
        ownerScreen != nullptr ? ownerScreen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QRect operatorFrame = owner_.frameGeometry();
    QRect place(0, 0, std::min(kFirstWidth, available.width()), std::min(kFirstHeight, available.height()));
    if (available.right() - operatorFrame.right() >= place.width()) {
        place.moveTopLeft(QPoint(operatorFrame.right() + 1, std::max(available.top(), operatorFrame.top())));
    } else {
        place.moveTopLeft(QPoint(operatorFrame.left() + 40, operatorFrame.top() + 40));
    }
    place.moveRight(std::min(place.right(), available.right()));
    place.moveBottom(std::min(place.bottom(), available.bottom()));
    place.moveTopLeft(
        QPoint(std::max(place.left(), available.left()), std::max(place.top(), available.top())));
    setGeometry(place);
    showNormal();
}

void QtAudienceWindow::Close()
{
    hide();
}

bool QtAudienceWindow::IsOpen() const
{
    return isVisible();
}

std::int32_t QtAudienceWindow::ClientWidth() const
{
    return static_cast<std::int32_t>(std::lround(width() * devicePixelRatioF()));
}

std::int32_t QtAudienceWindow::ClientHeight() const
{
    return static_cast<std::int32_t>(std::lround(height() * devicePixelRatioF()));
}

void QtAudienceWindow::Present(const PixelBuffer& frame, PixelRect changed)
{
    if (frame.Empty()) {
        return;
    }
    if (image_.width() != frame.Width() || image_.height() != frame.Height()) {
        image_ = QImage(frame.Width(), frame.Height(), QImage::Format_RGB32);
        changed = PixelRect{0, 0, frame.Width(), frame.Height()};
    }
    const std::int32_t left = std::max(changed.x, 0);
    const std::int32_t right = std::min(changed.Right(), frame.Width());
    const std::int32_t top = std::max(changed.y, 0);
    const std::int32_t bottom = std::min(changed.Bottom(), frame.Height());
    if (left >= right || top >= bottom) {
        return;
    }
    const std::size_t bytes = static_cast<std::size_t>(right - left) * sizeof(Pixel);
    for (std::int32_t y = top; y < bottom; ++y) {
        std::memcpy(image_.scanLine(y) + static_cast<std::size_t>(left) * sizeof(Pixel), &frame.At(left, y),
                    bytes);
    }
    // The frame has the window's device pixels: drawn 1:1, never smoothed.
    image_.setDevicePixelRatio(devicePixelRatioF());
}

void QtAudienceWindow::Invalidate(PixelRect area)
{
    const double ratio = devicePixelRatioF();
    update(QRect(static_cast<int>(std::floor(area.x / ratio)), static_cast<int>(std::floor(area.y / ratio)),
                 static_cast<int>(std::ceil(area.width / ratio)) + 1,
                 static_cast<int>(std::ceil(area.height / ratio)) + 1));
}

void QtAudienceWindow::paintEvent(QPaintEvent* event)
{
    if (events_ != nullptr) {
        events_->OnAudiencePaint();
    }
    QPainter painter(this);
    const QRect area = event->rect();
    const QRect imageArea = area.intersected(
        image_.isNull() ? QRect() : QRect(QPoint(0, 0), image_.deviceIndependentSize().toSize()));
    if (!imageArea.isEmpty()) {
        painter.drawImage(imageArea, image_,
                          QRectF(imageArea.topLeft() * image_.devicePixelRatio(),
                                 imageArea.size() * image_.devicePixelRatio()));
    }
    for (const QRect& part : QRegion(area).subtracted(QRegion(imageArea))) {
        painter.fillRect(part, kBackground);
    }
}

void QtAudienceWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (events_ != nullptr && isVisible()) {
        events_->OnAudienceResized();
    }
}

void QtAudienceWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (events_ != nullptr) {
        events_->OnAudienceClosed();
    }
}

void QtAudienceWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
        case Qt::Key_F11:
            ToggleFullScreen();
            return;
        case Qt::Key_Escape:
            if (isFullScreen()) {
                showNormal();
            }
            return;
        case Qt::Key_F5:
            close();
            return;
        case Qt::Key_PageDown:
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!event->isAutoRepeat() && events_ != nullptr) {
                events_->OnAudienceStartKey();
            }
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void QtAudienceWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    static_cast<void>(event);
    ToggleFullScreen();
}

void QtAudienceWindow::ToggleFullScreen()
{
    if (isFullScreen()) {
        showNormal();
    } else {
        showFullScreen();
    }
}

}  // namespace palvo
