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

#include "display/audience_placement.h"
#include "platform/qt/qt_conversions.h"
#include "texts/japanese.h"

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
    static const QString title = ToQString(texts::kAudienceWindowTitle);
    return title;
}

QtAudienceWindow::QtAudienceWindow(QWidget& owner) : QWidget(&owner, Qt::Window), owner_(owner)
{
    setWindowTitle(Title());
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The operator keeps the keyboard: Start and Space stay with the operator's window.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMinimumSize(320, 180);
    KeepWithinDesktop();
    resize(kFirstWidth, kFirstHeight);
    owner_.installEventFilter(this);
    wake_.setSingleShot(true);
    QObject::connect(&wake_, &QTimer::timeout, this, [this] {
        if (events_ != nullptr) {
            events_->OnAudienceWake();
        }
    });
}

void QtAudienceWindow::WakeAfter(std::uint32_t milliseconds)
{
    wake_.start(static_cast<int>(std::min<std::uint32_t>(milliseconds, 0x7FFFFFFF)));
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

void QtAudienceWindow::KeepWithinDesktop()
{
    // Qt keeps a copy of the whole window for painting: a window larger than every screen
    // together shows nothing more and would hold gigabytes.
    const QScreen* screen = owner_.screen() != nullptr ? owner_.screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        setMaximumSize(screen->virtualSize().expandedTo(minimumSize()));
    }
}

void QtAudienceWindow::Open()
{
    KeepWithinDesktop();
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
    // One screen: the core chooses the place; a frame not yet shown is taken to be like the
    // operator's.
    const QRect available =
        ownerScreen != nullptr ? ownerScreen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QRect operatorFrame = owner_.frameGeometry();
    const QRect operatorClient(owner_.mapToGlobal(QPoint(0, 0)), owner_.size());
    const auto toPixels = [](const QRect& r) { return PixelRect{r.x(), r.y(), r.width(), r.height()}; };
    SharedScreen shared{toPixels(available), toPixels(operatorClient), toPixels(operatorFrame)};
    shared.frameLeft = std::max(0, operatorClient.left() - operatorFrame.left());
    shared.frameTop = std::max(0, operatorClient.top() - operatorFrame.top());
    shared.frameRight = std::max(0, operatorFrame.right() - operatorClient.right());
    shared.frameBottom = std::max(0, operatorFrame.bottom() - operatorClient.bottom());
    const PixelRect outer = events_ != nullptr ? events_->OnAudiencePlace(shared, kFirstWidth, kFirstHeight)
                                               : PlaceAudienceWindow(shared, {}, kFirstWidth, kFirstHeight);
    setGeometry(QRect(outer.x + shared.frameLeft, outer.y + shared.frameTop,
                      std::max(1, outer.width - shared.frameLeft - shared.frameRight),
                      std::max(1, outer.height - shared.frameTop - shared.frameBottom)));
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

void QtAudienceWindow::Present(const PixelBuffer& frame, PixelRect changed, std::int32_t scale)
{
    if (frame.Empty() || scale < 1) {
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
    // The frame has the window's device pixels, or one for every scale x scale of them: drawn
    // 1:1 or enlarged, never smoothed.
    image_.setDevicePixelRatio(devicePixelRatioF() / scale);
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
        // The whole image, clipped to what is painted: an enlarged frame keeps its pixel grid.
        painter.setClipRect(imageArea);
        painter.drawImage(QRectF(QPointF(0, 0), image_.deviceIndependentSize()), image_);
        painter.setClipping(false);
    }
    for (const QRect& part : QRegion(area).subtracted(QRegion(imageArea))) {
        painter.fillRect(part, kBackground);
    }
}

void QtAudienceWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // A size forced past the limit from outside goes back before anything is painted at it.
    if (width() > maximumWidth() || height() > maximumHeight()) {
        resize(size().boundedTo(maximumSize()));
        return;
    }
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
            if (!event->isAutoRepeat() && events_ != nullptr && !events_->OnAudienceKey(AudienceKey::Start)) {
                events_->OnAudienceStartKey();
            }
            return;
        default:
            // Modifier keys alone are half of a key, not one.
            if (!event->isAutoRepeat() && events_ != nullptr && event->key() != Qt::Key_Shift &&
                event->key() != Qt::Key_Control && event->key() != Qt::Key_Alt &&
                event->key() != Qt::Key_Meta &&
                events_->OnAudienceKey(event->key() == Qt::Key_F8 ? AudienceKey::Layout
                                                                  : AudienceKey::Other)) {
                return;
            }
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
