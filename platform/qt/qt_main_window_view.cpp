#include "platform/qt/qt_main_window_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <functional>
#include <optional>
#include <utility>

#include "platform/paths.h"
#include "platform/qt/qt_picture_file.h"

namespace palvo {

namespace {

// The button a presentation clicker's Page Down presses.
constexpr std::string_view kStartButtonName = "cmdStart";

// Fonts the design names are Windows fonts; these Japanese fonts stand in for them, in order.
constexpr const char* kJapaneseFallbackFamilies[] = {"IPAGothic", "IPAPGothic", "Noto Sans CJK JP",
                                                     "VL Gothic", "TakaoGothic"};
constexpr double kDefaultPointSize = 9.0;

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor ToQColor(std::int32_t color)
{
    const auto value = static_cast<std::uint32_t>(color);
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

QString JapaneseFamily(const std::string& wanted)
{
    const QStringList families = QFontDatabase::families();
    if (!wanted.empty() && families.contains(QString::fromStdString(wanted), Qt::CaseInsensitive)) {
        return QString::fromStdString(wanted);
    }
    for (const char* family : kJapaneseFallbackFamilies) {
        if (families.contains(QString::fromLatin1(family), Qt::CaseInsensitive)) {
            return QString::fromLatin1(family);
        }
    }
    return QApplication::font().family();
}

QFont MakeFont(const FontChoice& placement)
{
    QFont font(JapaneseFamily(placement.family));
    font.setPointSizeF(placement.pointSize > 0 ? placement.pointSize : kDefaultPointSize);
    font.setBold(placement.bold);
    return font;
}

// The font made smaller, if need be, until its letters (ascent) fit `height` pixels: the design's
// fonts are as tall as their labels, and the substitute Japanese fonts are a little taller.
// The label centres the line, so only the unused space above and below the letters is cut.
QFont FittingFont(QFont font, int height)
{
    constexpr double kSmallestPointSize = 6.0;
    while (height > 0 && QFontMetrics(font).ascent() > height && font.pointSizeF() > kSmallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    return font;
}

// Stylesheet of a flat-coloured ("graphical") button: a classic raised bevel around the back
// colour, sunken while pressed, a dark frame while it has the keyboard focus.
QString GraphicalButtonStyle(const QColor& back, const QColor& text)
{
    return QStringLiteral(
               "QPushButton { background-color: %1; color: %2; border-width: 2px;"
               " border-style: solid; border-color: #ffffff #707070 #707070 #ffffff; padding: 0px; }"
               "QPushButton:focus { border-color: #202020; }"
               "QPushButton:pressed { border-color: #707070 #ffffff #ffffff #707070; }"
               "QPushButton:disabled { color: #8c8c8c; }")
        .arg(back.name(), text.name());
}

// A command button that Enter presses as well as Space.
class CommandButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
            event->accept();
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

// A rectangle shape: its border and, with a back colour, its filling; never takes input.
class ShapeWidget : public QWidget {
public:
    explicit ShapeWidget(QWidget* parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

    void SetColors(std::int32_t border, std::int32_t fill)
    {
        border_ = border;
        fill_ = fill;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        if (fill_ != kDefaultColor) {
            painter.fillRect(rect(), ToQColor(fill_));
        }
        const QColor border = border_ != kDefaultColor ? ToQColor(border_) : QColor(Qt::black);
        painter.setPen(QPen(border, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(0, 0, width() - 1, height() - 1));
    }

private:
    std::int32_t border_ = kDefaultColor;
    std::int32_t fill_ = kDefaultColor;
};

}  // namespace

// The top-level window: forwards close requests and activation to the view.
class QtFormWidget : public QWidget {
public:
    std::function<bool()> allowClose;  // true: the window may close now
    std::function<void()> closed;
    std::function<void()> activated;
    QSize outerSize;  // 0 x 0: the client size is fixed instead
    bool closeGranted = false;

    void FocusFirstChild() { focusNextChild(); }

    void KeepOuterSize()
    {
        if (outerSize.isEmpty() || !isVisible()) {
            return;
        }
        const QSize frame = frameGeometry().size() - geometry().size();
        const QSize client = outerSize - frame;
        if (client != size() && client.isValid()) {
            setFixedSize(client);
        }
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        if (!closeGranted && allowClose && !allowClose()) {
            event->ignore();
            return;
        }
        event->accept();
        if (closed) {
            closed();
        }
    }

    bool event(QEvent* event) override
    {
        switch (event->type()) {
            case QEvent::WindowActivate:
                KeepOuterSize();
                if (activated) {
                    activated();
                }
                break;
            case QEvent::Move:
            case QEvent::Show:
                KeepOuterSize();
                break;
            default:
                break;
        }
        return QWidget::event(event);
    }
};

QtMainWindowView::QtMainWindowView(const Environment& environment)
    : environment_(environment), window_(std::make_unique<QtFormWidget>())
{
    window_->setObjectName(QStringLiteral("frmMain"));
    window_->setAutoFillBackground(true);
    window_->setFont(MakeFont(FontChoice{}));
    window_->allowClose = [this] { return events_ == nullptr || events_->OnCloseRequest(); };
    window_->closed = [this] {
        if (events_ != nullptr) {
            events_->OnClosed();
        }
    };
    window_->activated = [this] {
        if (events_ != nullptr) {
            events_->OnActivate();
        }
    };
    auto* clicker = new QShortcut(QKeySequence(Qt::Key_PageDown), window_.get());
    clicker->setContext(Qt::WindowShortcut);
    clicker->setAutoRepeat(false);
    QObject::connect(clicker, &QShortcut::activated, window_.get(), [this] { PressStartFromKeyboard(); });
}

QtMainWindowView::~QtMainWindowView()
{
    // Timers stop before the widgets and the events they would reach go away.
    for (auto& entry : controls_) {
        entry.second.timer.reset();
    }
    events_ = nullptr;
}

QWidget& QtMainWindowView::Window()
{
    return *window_;
}

QWidget* QtMainWindowView::Widget(std::string_view name) const
{
    const Control* control = Find(name);
    return control != nullptr ? control->widget.data() : nullptr;
}

void QtMainWindowView::SetEvents(MainWindowEvents* events)
{
    events_ = events;
}

const QtMainWindowView::Control* QtMainWindowView::Find(std::string_view name) const
{
    const auto found = controls_.find(name);
    return found != controls_.end() ? &found->second : nullptr;
}

QWidget* QtMainWindowView::ParentOf(const ControlLayout& placement)
{
    if (!placement.parent.empty()) {
        const Control* parent = Find(placement.parent);
        if (parent != nullptr && parent->widget) {
            return parent->widget.data();
        }
    }
    return window_.get();
}

QtMainWindowView::Control& QtMainWindowView::Create(const ControlLayout& placement)
{
    Control& control = controls_[placement.name];
    control.kind = placement.kind;
    QWidget* parent = ParentOf(placement);
    const std::string name = placement.name;
    switch (placement.kind) {
        case ControlKind::PictureBox:
            control.picture = new QtPictureSurface(parent);
            control.widget = control.picture;
            break;
        case ControlKind::CommandButton: {
            auto* button = new CommandButton(parent);
            QObject::connect(button, &QPushButton::clicked, button, [this, name] {
                if (events_ != nullptr) {
                    events_->OnClick(name);
                }
            });
            control.widget = button;
            break;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(parent);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            label->setWordWrap(true);
            control.widget = label;
            break;
        }
        case ControlKind::ListBox:
            control.widget = new QListWidget(parent);
            break;
        case ControlKind::TextBox:
            control.widget = new QLineEdit(parent);
            break;
        case ControlKind::Timer:
            control.timer = std::make_unique<QTimer>();
            QObject::connect(control.timer.get(), &QTimer::timeout, control.timer.get(), [this, name] {
                if (events_ != nullptr) {
                    events_->OnTimer(name);
                }
            });
            break;
        case ControlKind::Shape:
            control.widget = new ShapeWidget(parent);
            break;
        case ControlKind::Frame:
            control.widget = new QGroupBox(parent);
            break;
        case ControlKind::OptionButton: {
            auto* option = new QRadioButton(parent);
            QObject::connect(option, &QRadioButton::clicked, option, [this, name] {
                if (events_ != nullptr) {
                    events_->OnClick(name);
                }
            });
            control.widget = option;
            break;
        }
        case ControlKind::Image: {
            auto* image = new QLabel(parent);
            image->setScaledContents(true);
            control.widget = image;
            break;
        }
    }
    if (control.widget) {
        control.widget->setObjectName(QString::fromStdString(placement.name));
    }
    return control;
}

void QtMainWindowView::Apply(const ControlLayout& placement, Control& control)
{
    if (control.timer) {
        control.timer->setTimerType(Qt::PreciseTimer);
        control.timer->setInterval(placement.timerInterval);
        if (placement.enabled && placement.timerInterval > 0) {
            control.timer->start();
        } else {
            control.timer->stop();
        }
        return;
    }
    QWidget* widget = control.widget.data();
    if (widget == nullptr) {
        return;
    }
    QWidget* parent = ParentOf(placement);
    if (widget->parentWidget() != parent) {
        widget->setParent(parent);
    }
    const QString caption = QString::fromStdString(placement.caption);
    const QString pictureFile =
        placement.picture.empty()
            ? QString()
            : QString::fromStdString(environment_.DataDirectory() + kPathSeparator + placement.picture);
    if (placement.font.pointSize > 0 || !placement.font.family.empty() || placement.font.bold) {
        widget->setFont(MakeFont(placement.font));
    }
    QPalette palette = widget->palette();
    if (placement.backColor != kDefaultColor) {
        palette.setColor(QPalette::Window, ToQColor(placement.backColor));
        palette.setColor(QPalette::Base, ToQColor(placement.backColor));
    }
    if (placement.foreColor != kDefaultColor) {
        palette.setColor(QPalette::WindowText, ToQColor(placement.foreColor));
        palette.setColor(QPalette::Text, ToQColor(placement.foreColor));
    }

    switch (placement.kind) {
        case ControlKind::PictureBox: {
            QtPictureSurface* picture = control.picture;
            picture->move(placement.x, placement.y);
            if (placement.backColor != kDefaultColor) {
                picture->SetBackColor(ToQColor(placement.backColor));
            }
            picture->SetBoxSize(placement.width, placement.height);
            // A box whose picture file is missing or broken has no image at all, so that reading it
            // fails (and start-up reports it) instead of yielding a blank picture.
            if (!pictureFile.isEmpty() && !picture->LoadPicture(pictureFile.toStdString())) {
                picture->SetBoxSize(0, 0);
            }
            break;
        }
        case ControlKind::CommandButton: {
            auto* button = static_cast<QPushButton*>(widget);
            button->setGeometry(placement.x, placement.y, placement.width, placement.height);
            button->setText(caption);
            if (!pictureFile.isEmpty()) {
                const std::optional<QImage> picture = LoadPictureFile(pictureFile.toStdString());
                const QPixmap pixmap = picture ? QPixmap::fromImage(*picture) : QPixmap();
                button->setIcon(QIcon(pixmap));
                button->setIconSize(pixmap.size());
            }
            if (placement.graphicalStyle || !pictureFile.isEmpty()) {
                const QColor back = placement.backColor != kDefaultColor ? ToQColor(placement.backColor)
                                                                         : QColor(0xF0, 0xF0, 0xF0);
                const QColor text =
                    placement.foreColor != kDefaultColor ? ToQColor(placement.foreColor) : QColor(Qt::black);
                button->setStyleSheet(GraphicalButtonStyle(back, text));
            }
            break;
        }
        case ControlKind::Label: {
            auto* label = static_cast<QLabel*>(widget);
            label->setGeometry(placement.x, placement.y, placement.width, placement.height);
            label->setText(caption);
            label->setFont(FittingFont(label->font(), placement.height));
            label->setAutoFillBackground(placement.backColor != kDefaultColor);
            label->setPalette(palette);
            break;
        }
        case ControlKind::ListBox:
        case ControlKind::TextBox:
            widget->setGeometry(placement.x, placement.y, placement.width, placement.height);
            widget->setPalette(palette);
            if (placement.kind == ControlKind::TextBox) {
                static_cast<QLineEdit*>(widget)->setText(caption);
            }
            break;
        case ControlKind::Shape:
            widget->setGeometry(placement.x, placement.y, placement.width, placement.height);
            static_cast<ShapeWidget*>(widget)->SetColors(placement.borderColor, placement.backColor);
            break;
        case ControlKind::Frame: {
            auto* frame = static_cast<QGroupBox*>(widget);
            frame->setGeometry(placement.x, placement.y, placement.width, placement.height);
            frame->setTitle(caption);
            frame->setAutoFillBackground(placement.backColor != kDefaultColor);
            frame->setPalette(palette);
            break;
        }
        case ControlKind::OptionButton: {
            auto* option = static_cast<QRadioButton*>(widget);
            option->setGeometry(placement.x, placement.y, placement.width, placement.height);
            option->setText(caption);
            option->setAutoFillBackground(placement.backColor != kDefaultColor);
            option->setPalette(palette);
            break;
        }
        case ControlKind::Image: {
            auto* image = static_cast<QLabel*>(widget);
            image->setGeometry(placement.x, placement.y, placement.width, placement.height);
            const std::optional<QImage> picture =
                pictureFile.isEmpty() ? std::nullopt : LoadPictureFile(pictureFile.toStdString());
            image->setPixmap(picture ? QPixmap::fromImage(*picture) : QPixmap());
            break;
        }
        case ControlKind::Timer:
            break;
    }
    widget->setEnabled(placement.enabled);
    widget->setVisible(placement.visible);
    // Controls placed out of the window's view are not reachable with Tab either.
    const QRect inView = QRect(QPoint(0, 0), parent->size());
    if (parent == window_.get() && !inView.intersects(widget->geometry())) {
        widget->setFocusPolicy(Qt::NoFocus);
    }
    widget->raise();
}

void QtMainWindowView::ApplyLayout(const WindowLayout& layout)
{
    QtFormWidget& window = *window_;
    window.setWindowTitle(QString::fromStdString(layout.caption));
    if (layout.backColor != kDefaultColor) {
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, ToQColor(layout.backColor));
        window.setPalette(palette);
    }
    if (layout.clientWidth > 0 && layout.clientHeight > 0) {
        window.outerSize = QSize();
        window.setFixedSize(layout.clientWidth, layout.clientHeight);
    } else {
        // Until the window manager reports its frame, the outer size is all client area.
        window.outerSize = QSize(layout.outerWidth, layout.outerHeight);
        window.setFixedSize(window.outerSize);
        window.KeepOuterSize();
    }
    for (const ControlLayout& placement : layout.controls) {
        Control* control = controls_.count(placement.name) != 0 ? &controls_[placement.name] : nullptr;
        if (control == nullptr || control->kind != placement.kind) {
            if (control != nullptr && control->widget) {
                delete control->widget.data();
            }
            control = &Create(placement);
        }
        Apply(placement, *control);
    }
}

PictureSurface& QtMainWindowView::Picture(std::string_view name)
{
    const Control* control = Find(name);
    if (control != nullptr && control->picture != nullptr) {
        return *control->picture;
    }
    // Outside the contract; an empty detached box keeps a wrong name harmless.
    if (!missingPicture_) {
        missingPicture_ = std::make_unique<QtPictureSurface>();
    }
    return *missingPicture_;
}

void QtMainWindowView::SetEnabled(std::string_view name, bool enabled)
{
    const Control* control = Find(name);
    if (control == nullptr) {
        return;
    }
    if (control->timer) {
        SetTimerEnabled(name, enabled);
        return;
    }
    QWidget* widget = control->widget.data();
    if (widget == nullptr) {
        return;
    }
    QWidget* focus = QApplication::focusWidget();
    // The focus a disabled control loses comes back when it is enabled again, so that the
    // operator's Space or Enter keeps working; a control locked in a row after it (the focus
    // having moved there meanwhile) does not take over that memory.
    const bool rememberedStillLocked = focusBeforeDisable_ && !focusBeforeDisable_->isEnabled();
    if (!enabled && !rememberedStillLocked && focus != nullptr &&
        (focus == widget || widget->isAncestorOf(focus))) {
        focusBeforeDisable_ = focus;
    }
    widget->setEnabled(enabled);
    if (enabled && focusBeforeDisable_ && focusBeforeDisable_->isEnabled() &&
        focusBeforeDisable_->isVisible() &&
        (focusBeforeDisable_ == widget || widget->isAncestorOf(focusBeforeDisable_))) {
        focusBeforeDisable_->setFocus(Qt::OtherFocusReason);
        focusBeforeDisable_ = nullptr;
    }
}

bool QtMainWindowView::IsEnabled(std::string_view name) const
{
    const Control* control = Find(name);
    if (control == nullptr) {
        return false;
    }
    if (control->timer) {
        return control->timer->isActive();
    }
    return control->widget && control->widget->isEnabled();
}

void QtMainWindowView::SetText(std::string_view name, std::string_view text)
{
    const Control* control = Find(name);
    if (control == nullptr || !control->widget) {
        return;
    }
    const QString value = ToQString(text);
    QWidget* widget = control->widget.data();
    switch (control->kind) {
        case ControlKind::CommandButton:
        case ControlKind::OptionButton:
            static_cast<QAbstractButton*>(widget)->setText(value);
            break;
        case ControlKind::Label:
            static_cast<QLabel*>(widget)->setText(value);
            break;
        case ControlKind::TextBox:
            static_cast<QLineEdit*>(widget)->setText(value);
            break;
        case ControlKind::Frame:
            static_cast<QGroupBox*>(widget)->setTitle(value);
            break;
        default:
            break;
    }
}

std::string QtMainWindowView::Text(std::string_view name) const
{
    const Control* control = Find(name);
    if (control == nullptr || !control->widget) {
        return {};
    }
    const QWidget* widget = control->widget.data();
    switch (control->kind) {
        case ControlKind::CommandButton:
        case ControlKind::OptionButton:
            return static_cast<const QAbstractButton*>(widget)->text().toStdString();
        case ControlKind::Label:
            return static_cast<const QLabel*>(widget)->text().toStdString();
        case ControlKind::TextBox:
            return static_cast<const QLineEdit*>(widget)->text().toStdString();
        case ControlKind::Frame:
            return static_cast<const QGroupBox*>(widget)->title().toStdString();
        default:
            return {};
    }
}

void QtMainWindowView::ListAddItem(std::string_view name, std::string_view item)
{
    const Control* control = Find(name);
    if (control != nullptr && control->kind == ControlKind::ListBox && control->widget) {
        static_cast<QListWidget*>(control->widget.data())->addItem(ToQString(item));
    }
}

void QtMainWindowView::ListClear(std::string_view name)
{
    const Control* control = Find(name);
    if (control != nullptr && control->kind == ControlKind::ListBox && control->widget) {
        static_cast<QListWidget*>(control->widget.data())->clear();
    }
}

int QtMainWindowView::ListCount(std::string_view name) const
{
    const Control* control = Find(name);
    if (control != nullptr && control->kind == ControlKind::ListBox && control->widget) {
        return static_cast<int>(static_cast<const QListWidget*>(control->widget.data())->count());
    }
    return 0;
}

void QtMainWindowView::ListSelect(std::string_view name, int index)
{
    const Control* control = Find(name);
    if (control != nullptr && control->kind == ControlKind::ListBox && control->widget) {
        static_cast<QListWidget*>(control->widget.data())->setCurrentRow(index);
    }
}

void QtMainWindowView::SetTimerEnabled(std::string_view name, bool enabled)
{
    const Control* control = Find(name);
    if (control == nullptr || !control->timer) {
        return;
    }
    if (enabled && control->timer->interval() > 0) {
        control->timer->start();
    } else {
        control->timer->stop();
    }
}

void QtMainWindowView::SetFocus(std::string_view name)
{
    const Control* control = Find(name);
    if (control == nullptr || !control->widget) {
        return;
    }
    if (!window_->isVisible()) {
        pendingFocus_ = std::string(name);
        return;
    }
    control->widget->setFocus(Qt::OtherFocusReason);
}

void QtMainWindowView::FocusFirstButton()
{
    // The start button is what the operator works with; otherwise the first button that can take focus.
    const Control* start = Find(kStartButtonName);
    if (start != nullptr && start->widget && start->widget->isEnabled() && start->widget->isVisible()) {
        start->widget->setFocus(Qt::OtherFocusReason);
        return;
    }
    window_->FocusFirstChild();
}

void QtMainWindowView::Show()
{
    window_->show();
    window_->raise();
    window_->activateWindow();
    if (!pendingFocus_.empty()) {
        const std::string name = std::exchange(pendingFocus_, std::string());
        SetFocus(name);
    } else {
        FocusFirstButton();
    }
}

void QtMainWindowView::Close()
{
    window_->closeGranted = true;
    window_->close();
}

void QtMainWindowView::PressStartFromKeyboard()
{
    const Control* start = Find(kStartButtonName);
    if (start == nullptr || !start->widget || !start->widget->isEnabled() || !start->widget->isVisible() ||
        events_ == nullptr) {
        return;
    }
    events_->OnClick(kStartButtonName);
}

}  // namespace palvo
