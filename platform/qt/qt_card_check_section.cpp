#include "platform/qt/qt_card_check_section.h"

#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QVBoxLayout>

#include "draw/time_text.h"
#include "platform/qt/qt_conversions.h"
#include "texts/japanese.h"

namespace palvo {

QtCardCheckSection::QtCardCheckSection(const GameStatePublisher& game, std::filesystem::path settingsFolder,
                                       EntropySource& entropy, ColorTriple digitColour, QWidget* parent)
    : QWidget(parent),
      code_(new QLineEdit(this)),
      verdict_(new QLabel(this)),
      picture_(new QLabel(this)),
      check_(*this, game, std::move(settingsFolder), entropy),
      digitColour_(digitColour)
{
    // The code and the verdict beside the card: the panel stays short enough for a small screen.
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);  // the panel's group box frames it
    auto* words = new QVBoxLayout;
    words->addWidget(new QLabel(ToQString(texts::kPanelCardCode), this));
    code_->setPlaceholderText(ToQString(texts::kCardCodePlaceholder));
    words->addWidget(code_);
    verdict_->setWordWrap(true);
    verdict_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    words->addWidget(verdict_, 1);
    layout->addLayout(words, 1);
    picture_->setFixedSize(kPictureWidth, kPictureHeight);
    layout->addWidget(picture_, 0, Qt::AlignTop);
    connect(code_, &QLineEdit::returnPressed, this, [this] {
        check_.Check(code_->text().toStdString(), LocalTimeText(), kPictureWidth, kPictureHeight,
                     digitColour_);
        code_->selectAll();  // the next code replaces this one
    });
}

void QtCardCheckSection::ShowVerdict(const CardVerdict& /*verdict*/, const std::string& text,
                                     const PixelBuffer& picture)
{
    verdict_->setText(ToQString(text));
    if (picture.Empty()) {
        picture_->clear();
        return;
    }
    const QImage image(reinterpret_cast<const uchar*>(picture.Data()), picture.Width(), picture.Height(),
                       picture.Width() * static_cast<qsizetype>(sizeof(Pixel)), QImage::Format_RGB32);
    picture_->setPixmap(QPixmap::fromImage(image.copy()));
}

void QtCardCheckSection::ShowProblem(std::string_view text)
{
    verdict_->setText(ToQString(text));
    picture_->clear();
}

}  // namespace palvo
