#include "platform/qt/qt_sound.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace palvo {

QtSound::QtSound() = default;

namespace {

// Longest wait for a sound still loading when the program ends.
constexpr int kLoadingWaitMilliseconds = 2000;

}  // namespace

QtSound::~QtSound()
{
    // Qt's sample cache deadlocks at process exit when its loader thread is still decoding a
    // file, so a sound started just before the end is let finish loading first.
    if (effect_ && effect_->status() == QSoundEffect::Loading) {
        QEventLoop loop;
        QObject::connect(effect_.get(), &QSoundEffect::statusChanged, &loop, &QEventLoop::quit);
        QTimer::singleShot(kLoadingWaitMilliseconds, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

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
