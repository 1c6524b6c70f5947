#include "platform/qt/qt_card_check_section.h"

#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "draw/time_text.h"
#include "platform/qt/qt_conversions.h"
#include "texts/japanese.h"

namespace palvo {

QtCardCheckSection::QtCardCheckSection(const GameStatePublisher& game, std::filesystem::path settingsFolder,
                                       EntropySource& entropy, std::function<ColorTriple()> digitColour,
                                       HallProof hall, MessageBoxes& messages, QWidget* parent)
    : QWidget(parent),
      code_(new QLineEdit(this)),
      verdict_(new QLabel(this)),
      picture_(new QLabel(this)),
      proof_(new QPushButton(ToQString(texts::kPanelCardProof), this)),
      check_(*this, game, std::move(settingsFolder), entropy),
      digitColour_(std::move(digitColour)),
      hall_(std::move(hall)),
      messages_(messages)
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
    proof_->setObjectName(QStringLiteral("cmdCardProof"));
    proof_->setEnabled(false);  // until a code names a card
    words->addWidget(proof_, 0, Qt::AlignLeft);
    layout->addLayout(words, 1);
    picture_->setObjectName(QStringLiteral("picCard"));
    picture_->setFixedSize(kPictureWidth, kPictureHeight);
    layout->addWidget(picture_, 0, Qt::AlignTop);
    connect(code_, &QLineEdit::returnPressed, this, [this] {
        check_.Check(code_->text().toStdString(), LocalTimeText(), kPictureWidth, kPictureHeight,
                     digitColour_());
        proof_->setEnabled(check_.CanShowHall());
        code_->selectAll();  // the next code replaces this one
    });
    connect(proof_, &QPushButton::clicked, this, [this] {
        const std::string_view problem = check_.ShowHall(hall_);
        if (!problem.empty()) {
            messages_.Show(problem, MessageStyle::Notice);
        }
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
