#include "platform/qt/qt_sound.h"

#include <QApplication>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace palvo {

QtSound::QtSound() = default;

QtSound::~QtSound() = default;

void QtSound::Beep()
{
    QApplication::beep();
}

void QtSound::PlayAsync(const std::string& path)
{
    const QString file = QString::fromStdString(path);
    if (effect_) {
        effect_->stop();
    }
    if (!QFileInfo(file).isFile()) {
        return;
    }
    if (!effect_) {
        effect_ = std::make_unique<QSoundEffect>();
    }
    const QUrl source = QUrl::fromLocalFile(file);
    if (effect_->source() != source) {
        effect_->setSource(source);
    }
    // play() before the asynchronous load has finished starts the sound once it is loaded.
    effect_->play();
}

}  // namespace palvo
