#include "platform/qt/qt_settings_dialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>
#include <optional>

#include "platform/qt/qt_picture_file.h"

namespace palvo {

namespace {

// The design's fonts are Windows fonts; these Japanese fonts stand in for them, in order.
constexpr const char* kFixedPitchFallbacks[] = {"IPAGothic", "Noto Sans Mono CJK JP", "VL Gothic",
                                                "TakaoGothic"};
constexpr const char* kProportionalFallbacks[] = {"IPAPGothic", "Noto Sans CJK JP", "VL PGothic",
                                                  "TakaoPGothic", "IPAGothic"};

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

QFont MakeFont(const FontChoice& placement, double twipsPerPixel)
{
    const QString wanted = QString::fromStdString(placement.family);
    const QStringList installed = QFontDatabase::families();
    QString family = wanted;
    if (!installed.contains(wanted, Qt::CaseInsensitive)) {
        // "ＭＳ ゴシック" is fixed pitch; "ＭＳ Ｐゴシック" and "MS UI Gothic" are proportional.
        const bool fixedPitch = wanted.contains(QStringLiteral("ＭＳ ゴシック"));
        family = QString();
        if (fixedPitch) {
            for (const char* candidate : kFixedPitchFallbacks) {
                if (installed.contains(QLatin1String(candidate), Qt::CaseInsensitive)) {
                    family = QLatin1String(candidate);
                    break;
                }
            }
        }
        for (const char* candidate : kProportionalFallbacks) {
            if (family.isEmpty() && installed.contains(QLatin1String(candidate), Qt::CaseInsensitive)) {
                family = QLatin1String(candidate);
            }
        }
    }
    QFont font = family.isEmpty() ? QFont() : QFont(family);
    // A point is 20 twips: the fonts scale with the layout.
    const double points = placement.pointSize > 0 ? placement.pointSize : 9.0;
    font.setPixelSize(static_cast<int>(std::lround(points * 20.0 / twipsPerPixel)));
    font.setBold(placement.bold);
    return font;
}

void FillBackground(QWidget* widget, std::int32_t color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ToQColor(color));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// Frames draw their line through the middle of their caption, as the design places their
// contents (a control at the frame's top edge crosses the line).
QString FrameStyle(int captionHeight)
{
    return QStringLiteral(
               "QGroupBox { border: 1px solid #a0a0a0; margin-top: %1px; }"
               "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
               " left: 6px; padding: 0px 2px; }")
        .arg(captionHeight / 2);
}

// A label of a short text shows all of it: the stand-in fonts are wider than the design's.
// Labels with a background of their own (boxes) keep their size.
void FitLabel(QLabel* label)
{
    if (label->autoFillBackground()) {
        return;
    }
    const int needed = label->sizeHint().width();
    if (needed > label->width()) {
        label->resize(needed, label->height());
    }
}

// "opNumSize(2)" gives "opNumSize"; a name without an index gives "".
std::string ArrayPrefix(const std::string& name)
{
    const std::size_t open = name.find('(');
    return open == std::string::npos ? std::string() : name.substr(0, open);
}

}  // namespace

QtSettingsDialog::QtSettingsDialog(QWidget* owner, double twipsPerPixelY)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint),
      twipsPerPixelY_(twipsPerPixelY)
{
    setModal(true);
    setObjectName(QStringLiteral("frmSetting"));
}

QtSettingsDialog::~QtSettingsDialog() = default;

void QtSettingsDialog::ApplyLayout(const WindowLayout& layout)
{
    setWindowTitle(ToQString(layout.caption));
    setFont(MakeFont(FontChoice{"MS UI Gothic", 9, false}, twipsPerPixelY_));
    const int width = layout.clientWidth > 0 ? layout.clientWidth : layout.outerWidth;
    const int height = layout.clientHeight > 0 ? layout.clientHeight : layout.outerHeight;
    setFixedSize(width, height);
    if (layout.backColor != kDefaultColor) {
        FillBackground(this, layout.backColor);
    }
    for (const ControlLayout& control : layout.controls) {
        CreateControl(control);
    }
}

void QtSettingsDialog::CreateControl(const ControlLayout& placement)
{
    QWidget* parent = placement.parent.empty() ? this : Control(placement.parent);
    if (parent == nullptr) {
        return;
    }
    QWidget* widget = nullptr;
    QRect geometry(placement.x, placement.y, placement.width, placement.height);
    switch (placement.kind) {
        case ControlKind::Frame: {
            auto* frame = new QGroupBox(ToQString(placement.caption), parent);
            frame->setStyleSheet(FrameStyle(QFontMetrics(font()).height()));
            widget = frame;
            break;
        }
        case ControlKind::PictureBox: {
            auto* box = new QFrame(parent);
            box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            box->setLineWidth(1);
            widget = box;
            break;
        }
        case ControlKind::Image: {
            auto* image = new QLabel(parent);
            image->setScaledContents(true);
            // The preview fills the picture box inside its border.
            if (auto* box = qobject_cast<QFrame*>(parent)) {
                geometry = box->contentsRect();
            }
            widget = image;
            break;
        }
        case ControlKind::CommandButton: {
            auto* button = new QPushButton(ToQString(placement.caption), parent);
            button->setAutoDefault(false);
            const std::string name = placement.name;
            connect(button, &QPushButton::clicked, this, [this, name] {
                if (events_ != nullptr) {
                    events_->OnClick(name);
                }
            });
            widget = button;
            break;
        }
        case ControlKind::OptionButton: {
            auto* option = new QRadioButton(ToQString(placement.caption), parent);
            QButtonGroup*& group = optionGroups_[placement.parent];
            if (group == nullptr) {
                group = new QButtonGroup(this);
                group->setExclusive(true);
            }
            group->addButton(option);
            const std::string name = placement.name;
            // `clicked` comes from the user only, never from SelectOption.
            connect(option, &QRadioButton::clicked, this, [this, name] {
                if (events_ != nullptr) {
                    events_->OnClick(name);
                }
            });
            widget = option;
            break;
        }
        case ControlKind::TextBox:
            widget = new QLineEdit(ToQString(placement.caption), parent);
            break;
        case ControlKind::Shape: {
            auto* shape = new QFrame(parent);
            if (placement.borderColor != kDefaultColor && placement.backColor == kDefaultColor) {
                shape->setFrameStyle(QFrame::Box | QFrame::Plain);
                QPalette palette = shape->palette();
                palette.setColor(QPalette::WindowText, ToQColor(placement.borderColor));
                shape->setPalette(palette);
            } else {
                // A filled rectangle with a thin black border, as the swatch and the bars are drawn.
                shape->setFrameStyle(QFrame::Box | QFrame::Plain);
                shape->setLineWidth(1);
            }
            widget = shape;
            break;
        }
        case ControlKind::Label:
        case ControlKind::ListBox:
        case ControlKind::Timer:
        default: {
            auto* label = new QLabel(ToQString(placement.caption), parent);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            widget = label;
            break;
        }
    }

    widget->setObjectName(QString::fromStdString(placement.name));
    widget->setGeometry(geometry);
    if (placement.font.pointSize > 0 || placement.font.bold) {
        widget->setFont(MakeFont(placement.font, twipsPerPixelY_));
    }
    if (placement.backColor != kDefaultColor) {
        FillBackground(widget, placement.backColor);
    }
    if (placement.foreColor != kDefaultColor) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, ToQColor(placement.foreColor));
        widget->setPalette(palette);
    }
    widget->setEnabled(placement.enabled);
    widget->setVisible(placement.visible);
    if (auto* label = qobject_cast<QLabel*>(widget);
        label != nullptr && placement.kind == ControlKind::Label) {
        FitLabel(label);
    }
    controls_[placement.name] = widget;
}

bool QtSettingsDialog::ShowPreview(const std::string& path)
{
    auto* preview = qobject_cast<QLabel*>(Control("imgBgCap"));
    if (preview == nullptr) {
        return false;
    }
    preview->clear();
    // An orientation tag is ignored here as on the display, so the preview shows what will be shown.
    const std::optional<QImage> image = LoadPictureFile(path);
    if (!image) {
        return false;
    }
    preview->setPixmap(QPixmap::fromImage(*image));
    return true;
}

bool QtSettingsDialog::HasPreview() const
{
    auto* preview = qobject_cast<QLabel*>(Control("imgBgCap"));
    return preview != nullptr && !preview->pixmap().isNull();
}

void QtSettingsDialog::SetImagePathCaption(std::string_view path)
{
    if (auto* caption = qobject_cast<QLabel*>(Control("lbBgImgFile"))) {
        // A long path keeps its beginning and its file name; the whole path shows on hovering.
        const QString text = ToQString(path);
        const int room = caption->contentsRect().width() - 2;
        caption->setText(caption->fontMetrics().elidedText(text, Qt::ElideMiddle, room));
        caption->setToolTip(text);
    }
}

void QtSettingsDialog::SetColorSwatch(std::int32_t color)
{
    if (QWidget* swatch = Control("spNumColor")) {
        FillBackground(swatch, color);
    }
}

void QtSettingsDialog::SelectSizeOption(int index)
{
    SelectOption("opNumSize", index);
}

void QtSettingsDialog::SelectPositionOption(int index)
{
    SelectOption("opNumPos", index);
}

void QtSettingsDialog::SelectOption(const std::string& group, int index)
{
    if (auto* option = qobject_cast<QAbstractButton*>(Control(ArrayName(group, index)))) {
        option->setChecked(true);
        return;
    }
    // No such option: clear the whole group.
    for (const auto& [name, widget] : controls_) {
        if (ArrayPrefix(name) != group) {
            continue;
        }
        if (auto* option = qobject_cast<QAbstractButton*>(widget)) {
            QButtonGroup* buttons = option->group();
            if (buttons != nullptr) {
                buttons->setExclusive(false);
            }
            option->setChecked(false);
            if (buttons != nullptr) {
                buttons->setExclusive(true);
            }
        }
    }
}

void QtSettingsDialog::SetNumMaxText(std::string_view text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(Control("txtNumMax"))) {
        edit->setText(ToQString(text));
    }
}

std::string QtSettingsDialog::NumMaxText() const
{
    if (auto* edit = qobject_cast<QLineEdit*>(Control("txtNumMax"))) {
        return edit->text().toStdString();
    }
    return {};
}

void QtSettingsDialog::ShowRhythm(RhythmCount count, std::string_view digits, std::int32_t barWidth)
{
    const bool fast = count == RhythmCount::Fast;
    if (auto* label = qobject_cast<QLabel*>(Control(fast ? "lbRhythmFast" : "lbRhythmSlow"))) {
        label->setText(ToQString(digits));
        FitLabel(label);
    }
    if (QWidget* bar = Control(fast ? "spRhythmFast" : "spRhythmSlow")) {
        bar->resize(barWidth, bar->height());
        bar->setVisible(barWidth > 0);
    }
}

void QtSettingsDialog::Close()
{
    // Ends the modal run without passing through reject(): the logic already knows.
    done(QDialog::Accepted);
}

void QtSettingsDialog::reject()
{
    if (events_ != nullptr) {
        events_->OnCloseBox();
    }
    QDialog::reject();
}

QWidget* QtSettingsDialog::Control(std::string_view name) const
{
    const auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second;
}

}  // namespace palvo
