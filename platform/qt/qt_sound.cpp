#include "platform/qt/qt_sound.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace palvo {

namespace {

// Longest wait for a sound still loading when the program ends.
constexpr int kLoadingWaitMilliseconds = 2000;

constexpr int kBeepSampleRate = 44100;
constexpr int kBeepMilliseconds = 40;     // shorter than the 60 ms between two rolling numbers
constexpr int kBeepEdgeMilliseconds = 4;  // fade in and out, so the tone does not click
constexpr double kBeepFrequency = 1000.0;
constexpr double kBeepLevel = 0.35;  // of full scale: clearly heard, below the chime

void AppendLittleEndian(QByteArray& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i) {
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

// Qt's sample cache deadlocks at process exit when its loader thread is still decoding a
// file, so a sound started just before the end is let finish loading first.
void WaitWhileLoading(QSoundEffect* effect)
{
    if (effect == nullptr || effect->status() != QSoundEffect::Loading) {
        return;
    }
    QEventLoop loop;
    QObject::connect(effect, &QSoundEffect::statusChanged, &loop, &QEventLoop::quit);
    QTimer::singleShot(kLoadingWaitMilliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

QtSound::QtSound() : beepFile_(QDir::temp().filePath(QStringLiteral("palvo-beep-XXXXXX.wav")))
{
    // After start-up, not during it: opening the audio output may take a moment.
    QTimer::singleShot(0, [this] { PrepareBeep(); });
}

QtSound::~QtSound()
{
    WaitWhileLoading(effect_.get());
    WaitWhileLoading(beep_.get());
}

QByteArray QtSound::BeepWave()
{
    constexpr int samples = kBeepSampleRate * kBeepMilliseconds / 1000;
    constexpr int edge = kBeepSampleRate * kBeepEdgeMilliseconds / 1000;
    constexpr std::uint32_t dataBytes = samples * 2;
    QByteArray wave;
    wave.reserve(44 + static_cast<int>(dataBytes));
    wave.append("RIFF");
    AppendLittleEndian(wave, 36 + dataBytes, 4);
    wave.append("WAVEfmt ");
    AppendLittleEndian(wave, 16, 4);  // size of the format chunk
    AppendLittleEndian(wave, 1, 2);   // PCM
    AppendLittleEndian(wave, 1, 2);   // mono
    AppendLittleEndian(wave, kBeepSampleRate, 4);
    AppendLittleEndian(wave, kBeepSampleRate * 2, 4);  // bytes per second
    AppendLittleEndian(wave, 2, 2);                    // bytes per sample
    AppendLittleEndian(wave, 16, 2);                   // bits per sample
    wave.append("data");
    AppendLittleEndian(wave, dataBytes, 4);
    for (int i = 0; i < samples; ++i) {
        const double envelope =
            std::min({1.0, static_cast<double>(i) / edge, static_cast<double>(samples - 1 - i) / edge});
        const double value =
            kBeepLevel * envelope * std::sin(2.0 * std::numbers::pi * kBeepFrequency * i / kBeepSampleRate);
        const auto sample = static_cast<std::int16_t>(std::lround(value * 32767.0));
        AppendLittleEndian(wave, static_cast<std::uint16_t>(sample), 2);
    }
    return wave;
}

void QtSound::PrepareBeep()
{
    if (beepPrepared_) {
        return;
    }
    beepPrepared_ = true;
    // A folder that cannot be written leaves the roll silent, as a machine without speakers would.
    if (!beepFile_.open()) {
        return;
    }
    const QByteArray wave = BeepWave();
    if (beepFile_.write(wave) != wave.size() || !beepFile_.flush()) {
        return;
    }
    beep_ = std::make_unique<QSoundEffect>();
    beep_->setSource(QUrl::fromLocalFile(beepFile_.fileName()));
}

void QtSound::Beep()
{
    PrepareBeep();
    if (!beep_) {
        return;
    }
    // play() before the asynchronous load has finished starts the tone once it is loaded.
    beep_->stop();
    beep_->play();
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
