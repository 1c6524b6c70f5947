#include "platform/qt/qt_control_factory.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <optional>
#include <utility>

#include "platform/paths.h"
#include "platform/qt/qt_control_widgets.h"
#include "platform/qt/qt_conversions.h"
#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_picture_file.h"
#include "platform/qt/qt_picture_surface.h"

namespace palvo {

namespace {

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

// Frames draw their line through the middle of their caption, where the layouts place their
// contents (a control at the frame's top edge crosses the line).
QString FrameStyle(int captionHeight)
{
    return QStringLiteral(
               "QGroupBox { border: 1px solid #a0a0a0; margin-top: %1px; }"
               "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
               " left: 6px; padding: 0px 2px; }")
        .arg(captionHeight / 2);
}

void FillBackground(QWidget* widget, std::int32_t color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ToQColor(color));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

}  // namespace

QtControlFactory::QtControlFactory(QWidget& window, QtFormLook look,
                                   std::function<QFont(const FontChoice&)> font)
    : window_(window), look_(look), font_(std::move(font))
{
}

QtControlFactory::~QtControlFactory()
{
    ReleaseTimers();
}

void QtControlFactory::SetHandlers(ControlHandler clicked, ControlHandler timerFired)
{
    clicked_ = std::move(clicked);
    timerFired_ = std::move(timerFired);
}

void QtControlFactory::ReleaseTimers()
{
    for (auto& entry : controls_) {
        entry.second.timer.reset();
    }
}

const QtControlFactory::Entry* QtControlFactory::Find(ControlId id) const
{
    const auto found = controls_.find(id);
    return found != controls_.end() ? &found->second : nullptr;
}

QWidget* QtControlFactory::Widget(ControlId id) const
{
    const Entry* control = Find(id);
    return control != nullptr ? control->widget.data() : nullptr;
}

QWidget* QtControlFactory::ParentOf(const ControlLayout& placement)
{
    if (placement.parent) {
        const Entry* parent = Find(*placement.parent);
        if (parent != nullptr && parent->widget) {
            return parent->widget.data();
        }
    }
    return &window_;
}

void QtControlFactory::Apply(const std::vector<ControlLayout>& controls, const std::string& dataDirectory)
{
    for (const ControlLayout& placement : controls) {
        const auto found = controls_.find(placement.id);
        Entry* control = found != controls_.end() ? &found->second : nullptr;
        if (control == nullptr || control->kind != placement.kind) {
            if (control != nullptr && control->widget) {
                delete control->widget.data();
            }
            control = &Create(placement);
        }
        Apply(placement, *control, dataDirectory);
    }
}

QtControlFactory::Entry& QtControlFactory::Create(const ControlLayout& placement)
{
    Entry& control = controls_[placement.id];
    control = Entry{};
    control.kind = placement.kind;
    QWidget* parent = ParentOf(placement);
    const ControlId id = placement.id;
    const auto click = [this, id] {
        if (clicked_) {
            clicked_(id);
        }
    };
    switch (placement.kind) {
        case ControlKind::PictureBox:
            if (look_ == QtFormLook::MainWindow) {
                control.picture = new QtPictureSurface(parent);
                control.widget = control.picture;
            } else {
                auto* box = new QFrame(parent);
                box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                box->setLineWidth(1);
                control.widget = box;
            }
            break;
        case ControlKind::CommandButton: {
            QPushButton* button = nullptr;
            if (look_ == QtFormLook::MainWindow) {
                button = new CommandButton(parent);
            } else {
                button = new QPushButton(parent);
                button->setAutoDefault(false);
            }
            QObject::connect(button, &QPushButton::clicked, button, click);
            control.widget = button;
            break;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(parent);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            label->setWordWrap(look_ == QtFormLook::MainWindow);
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
            QObject::connect(control.timer.get(), &QTimer::timeout, control.timer.get(), [this, id] {
                if (timerFired_) {
                    timerFired_(id);
                }
            });
            break;
        case ControlKind::Shape:
            control.widget = new ShapeWidget(parent);
            break;
        case ControlKind::Frame: {
            auto* frame = new QGroupBox(parent);
            frame->setStyleSheet(FrameStyle(QFontMetrics(window_.font()).height()));
            control.widget = frame;
            break;
        }
        case ControlKind::OptionButton: {
            auto* option = new QRadioButton(parent);
            QButtonGroup*& group = optionGroups_[placement.parent];
            if (group == nullptr) {
                group = new QButtonGroup(&window_);
                group->setExclusive(true);
            }
            group->addButton(option);
            // `clicked` comes from the user only, never from setChecked.
            QObject::connect(option, &QRadioButton::clicked, option, click);
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
        control.widget->setObjectName(QString::fromStdString(ControlName(placement.id)));
    }
    return control;
}

void QtControlFactory::Apply(const ControlLayout& placement, Entry& control, const std::string& dataDirectory)
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
    const QString pictureFile = placement.picture.empty()
                                    ? QString()
                                    : QString::fromStdString(Utf8PathIn(dataDirectory, placement.picture));
    if (placement.font.pointSize > 0 || !placement.font.family.empty() || placement.font.bold) {
        widget->setFont(font_(placement.font));
    }
    QPalette palette = widget->palette();
    if (placement.backColor.has_value()) {
        palette.setColor(QPalette::Window, ToQColor(*placement.backColor));
        palette.setColor(QPalette::Base, ToQColor(*placement.backColor));
    }
    if (placement.foreColor.has_value()) {
        palette.setColor(QPalette::WindowText, ToQColor(*placement.foreColor));
        palette.setColor(QPalette::Text, ToQColor(*placement.foreColor));
    }

    switch (placement.kind) {
        case ControlKind::PictureBox: {
            QtPictureSurface* picture = control.picture;
            if (picture == nullptr) {
                // A sunken panel holding other controls.
                widget->setGeometry(placement.x, placement.y, placement.width, placement.height);
                if (placement.backColor) {
                    FillBackground(widget, *placement.backColor);
                }
                break;
            }
            picture->move(placement.x, placement.y);
            if (placement.backColor.has_value()) {
                picture->SetBackColor(ToQColor(*placement.backColor));
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
                const QColor back =
                    placement.backColor ? ToQColor(*placement.backColor) : QColor(0xF0, 0xF0, 0xF0);
                const QColor text = placement.foreColor ? ToQColor(*placement.foreColor) : QColor(Qt::black);
                button->setStyleSheet(GraphicalButtonStyle(back, text));
                if (auto* command = dynamic_cast<CommandButton*>(button)) {
                    command->SetFaceColor(back);
                }
            }
            break;
        }
        case ControlKind::Label: {
            auto* label = static_cast<QLabel*>(widget);
            label->setGeometry(placement.x, placement.y, placement.width, placement.height);
            label->setText(caption);
            if (look_ == QtFormLook::MainWindow) {
                label->setFont(FittingFont(label->font(), placement.height));
            }
            label->setAutoFillBackground(placement.backColor.has_value());
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
            frame->setAutoFillBackground(placement.backColor.has_value());
            frame->setPalette(palette);
            break;
        }
        case ControlKind::OptionButton: {
            auto* option = static_cast<QRadioButton*>(widget);
            option->setGeometry(placement.x, placement.y, placement.width, placement.height);
            option->setText(caption);
            option->setAutoFillBackground(placement.backColor.has_value());
            option->setPalette(palette);
            break;
        }
        case ControlKind::Image: {
            auto* image = static_cast<QLabel*>(widget);
            QRect geometry(placement.x, placement.y, placement.width, placement.height);
            // An image inside a framed box fills the box inside its border.
            if (const auto* box = qobject_cast<const QFrame*>(parent)) {
                geometry = box->contentsRect();
            }
            image->setGeometry(geometry);
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
    if (parent == &window_ && !inView.intersects(widget->geometry())) {
        widget->setFocusPolicy(Qt::NoFocus);
    }
    widget->raise();
    if (look_ == QtFormLook::Dialog && placement.kind == ControlKind::Label) {
        FitLabel(static_cast<QLabel*>(widget));
    }
}

}  // namespace palvo
