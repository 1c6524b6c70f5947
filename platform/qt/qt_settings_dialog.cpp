#include "platform/qt/qt_settings_dialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <optional>

#include "platform/qt/qt_control_widgets.h"
#include "platform/qt/qt_conversions.h"
#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_picture_file.h"

namespace palvo {

QtSettingsDialog::QtSettingsDialog(QWidget* owner, double twipsPerPixelY)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint),
      twipsPerPixelY_(twipsPerPixelY),
      controls_(*this, QtFormLook::Dialog, [twipsPerPixelY](const FontChoice& choice) {
          return TwipsScaledFont(choice, twipsPerPixelY);
      })
{
    setModal(true);
    setObjectName(QStringLiteral("frmSetting"));
    controls_.SetHandlers(
        [this](ControlId button) {
            if (events_ != nullptr) {
                events_->OnClick(button);
            }
        },
        {});
}

QtSettingsDialog::~QtSettingsDialog() = default;

void QtSettingsDialog::ApplyLayout(const WindowLayout& layout)
{
    setWindowTitle(ToQString(layout.caption));
    setFont(TwipsScaledFont(FontChoice{"MS UI Gothic", 9, false}, twipsPerPixelY_));
    const int width = layout.clientWidth > 0 ? layout.clientWidth : layout.outerWidth;
    const int height = layout.clientHeight > 0 ? layout.clientHeight : layout.outerHeight;
    setFixedSize(width, height);
    if (layout.backColor.has_value()) {
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, ToQColor(*layout.backColor));
        setPalette(palette);
        setAutoFillBackground(true);
    }
    // The dialog's layout names no picture files.
    controls_.Apply(layout.controls, {});
}

bool QtSettingsDialog::ShowPreview(const std::string& path)
{
    auto* preview = qobject_cast<QLabel*>(Widget(Control::imgBgCap));
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
    auto* preview = qobject_cast<QLabel*>(Widget(Control::imgBgCap));
    return preview != nullptr && !preview->pixmap().isNull();
}

void QtSettingsDialog::SetImagePathCaption(std::string_view path)
{
    if (auto* caption = qobject_cast<QLabel*>(Widget(Control::lbBgImgFile))) {
        // A long path keeps its beginning and its file name; the whole path shows on hovering.
        const QString text = ToQString(path);
        const int room = caption->contentsRect().width() - 2;
        caption->setText(caption->fontMetrics().elidedText(text, Qt::ElideMiddle, room));
        caption->setToolTip(text);
    }
}

void QtSettingsDialog::SetColorSwatch(std::int32_t color)
{
    if (auto* swatch = dynamic_cast<ShapeWidget*>(Widget(Control::spNumColor))) {
        swatch->SetColors(std::nullopt, color);
    }
}

void QtSettingsDialog::SelectSizeOption(int index)
{
    SelectOption(Control::opNumSize, index);
}

void QtSettingsDialog::SelectPositionOption(int index)
{
    SelectOption(Control::opNumPos, index);
}

void QtSettingsDialog::SelectOption(Control group, int index)
{
    if (index >= 0 && index < ElementCount(group)) {
        if (auto* option = qobject_cast<QAbstractButton*>(Widget(ControlId(group, index)))) {
            option->setChecked(true);
            return;
        }
    }
    // No such option: clear the whole group.
    for (int each = 0; each < ElementCount(group); ++each) {
        if (auto* option = qobject_cast<QAbstractButton*>(Widget(ControlId(group, each)))) {
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
    if (auto* edit = qobject_cast<QLineEdit*>(Widget(Control::txtNumMax))) {
        edit->setText(ToQString(text));
    }
}

std::string QtSettingsDialog::NumMaxText() const
{
    if (auto* edit = qobject_cast<QLineEdit*>(Widget(Control::txtNumMax))) {
        return edit->text().toStdString();
    }
    return {};
}

void QtSettingsDialog::ShowRhythm(RhythmCount count, std::string_view digits, std::int32_t barWidth)
{
    const bool fast = count == RhythmCount::Fast;
    if (auto* label = qobject_cast<QLabel*>(Widget(fast ? Control::lbRhythmFast : Control::lbRhythmSlow))) {
        label->setText(ToQString(digits));
        FitLabel(label);
    }
    if (QWidget* bar = Widget(fast ? Control::spRhythmFast : Control::spRhythmSlow)) {
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

QWidget* QtSettingsDialog::Widget(ControlId id) const
{
    return controls_.Widget(id);
}

}  // namespace palvo
