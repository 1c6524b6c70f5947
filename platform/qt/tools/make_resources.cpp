// Generates the pictures and the sound the program ships with:
//   bg/bg01.jpg                          800 x 600 default background
//   wav/ユートピア - Windows の終了.WAV   the chime played after every draw
//   buttons/back.bmp, buttons/forward.bmp  39 x 38 arrows of the paging buttons
// Usage: palvo_make_resources <resources folder>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <vector>

namespace {

constexpr int kBackgroundWidth = 800;
constexpr int kBackgroundHeight = 600;

// Deep navy to teal with soft translucent shapes; the middle stays calm and dark so the
// orange digits (in any of the four positions) keep a strong contrast.
QImage MakeBackground()
{
    QImage image(kBackgroundWidth, kBackgroundHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient base(0, 0, kBackgroundWidth, kBackgroundHeight);
    base.setColorAt(0.0, QColor(0x0A, 0x14, 0x2E));
    base.setColorAt(0.55, QColor(0x0B, 0x24, 0x3C));
    base.setColorAt(1.0, QColor(0x08, 0x3A, 0x44));
    painter.fillRect(image.rect(), base);

    // Large soft rings and discs, barely lighter than the ground.
    struct Disc {
        double x, y, radius;
        QColor color;
    };
    const Disc discs[] = {
        {110, 90, 210, QColor(0x2A, 0x7F, 0x9E, 26)},  {700, 140, 170, QColor(0x3B, 0x9C, 0xB0, 22)},
        {640, 520, 260, QColor(0x1E, 0x6E, 0x8A, 30)}, {220, 560, 150, QColor(0x4A, 0x5F, 0xC0, 20)},
        {400, 300, 330, QColor(0x10, 0x30, 0x5A, 40)},
    };
    painter.setPen(Qt::NoPen);
    for (const Disc& disc : discs) {
        QRadialGradient glow(disc.x, disc.y, disc.radius);
        glow.setColorAt(0.0, disc.color);
        glow.setColorAt(1.0, QColor(disc.color.red(), disc.color.green(), disc.color.blue(), 0));
        painter.setBrush(glow);
        painter.drawEllipse(QPointF(disc.x, disc.y), disc.radius, disc.radius);
    }
    painter.setBrush(Qt::NoBrush);
    const struct {
        double x, y, radius;
        int alpha;
    } rings[] = {
        {110, 90, 150, 34}, {110, 90, 185, 18}, {700, 500, 120, 30}, {700, 500, 160, 16}, {40, 420, 90, 20}};
    for (const auto& ring : rings) {
        painter.setPen(QPen(QColor(0x7F, 0xD4, 0xE6, ring.alpha), 2));
        painter.drawEllipse(QPointF(ring.x, ring.y), ring.radius, ring.radius);
    }

    // Thin diagonal lines, like light through a window.
    for (int i = 0; i < 9; ++i) {
        const double offset = -200 + i * 130;
        painter.setPen(QPen(QColor(0xA0, 0xE0, 0xF0, 10 + (i % 3) * 5), 1 + (i % 2)));
        painter.drawLine(QPointF(offset, kBackgroundHeight), QPointF(offset + 420, 0));
    }

    // A few small triangles scattered near the edges.
    const QPointF triangles[] = {{760, 40}, {30, 300}, {770, 330}, {230, 30}, {480, 575}};
    for (int i = 0; i < 5; ++i) {
        QPainterPath path;
        const QPointF centre = triangles[i];
        const double size = 14 + i * 3;
        for (int corner = 0; corner < 3; ++corner) {
            const double angle = i * 0.7 + corner * 2 * std::numbers::pi / 3;
            const QPointF point(centre.x() + size * std::cos(angle), centre.y() + size * std::sin(angle));
            corner == 0 ? path.moveTo(point) : path.lineTo(point);
        }
        path.closeSubpath();
        painter.setPen(QPen(QColor(0x9F, 0xE7, 0xF5, 60), 1.5));
        painter.setBrush(QColor(0x9F, 0xE7, 0xF5, 18));
        painter.drawPath(path);
    }

    // Darken the edges a little so the picture reads as a stage.
    QRadialGradient vignette(kBackgroundWidth / 2.0, kBackgroundHeight / 2.0, 560);
    vignette.setColorAt(0.55, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, QColor(0, 0, 0, 110));
    painter.setPen(Qt::NoPen);
    painter.setBrush(vignette);
    painter.drawRect(image.rect());

    // The title, small and quiet, above every digit position (the digits begin at y = 40).
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(20);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 12);
    painter.setFont(font);
    painter.setPen(QColor(0xCF, 0xEF, 0xF7, 70));
    painter.drawText(QRect(0, 8, kBackgroundWidth, 28), Qt::AlignCenter, QStringLiteral("PALVO"));
    painter.end();
    return image;
}

// An arrow pointing left (back) or right (forward) on the buttons' grey, 39 x 38 pixels.
QImage MakeArrow(bool pointsRight)
{
    constexpr int kWidth = 39;
    constexpr int kHeight = 38;
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(QColor(0x78, 0x78, 0x78));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    // Drawn pointing right, mirrored for back.
    arrow.moveTo(8, 14);
    arrow.lineTo(19, 14);
    arrow.lineTo(19, 7);
    arrow.lineTo(32, 19);
    arrow.lineTo(19, 31);
    arrow.lineTo(19, 24);
    arrow.lineTo(8, 24);
    arrow.closeSubpath();
    if (!pointsRight) {
        painter.translate(kWidth, 0);
        painter.scale(-1, 1);
    }
    painter.translate(0.5, 0.5);
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0xFF, 0xFF, 0xFF));
    painter.drawPath(arrow);
    painter.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

void PutLittleEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, int count)
{
    for (int i = 0; i < count; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

// A three-note rising chime (G5, C6, E6), each note a few decaying sine partials;
// 16-bit PCM, mono, 44.1 kHz, 1.2 seconds.
std::vector<std::uint8_t> MakeChime()
{
    constexpr int kRate = 44100;
    constexpr double kSeconds = 1.2;
    const int frames = static_cast<int>(kRate * kSeconds);
    std::vector<double> signal(static_cast<std::size_t>(frames), 0.0);
    const struct {
        double start, frequency, level;
    } notes[] = {{0.00, 783.99, 0.9}, {0.14, 1046.50, 0.85}, {0.28, 1318.51, 0.8}};
    const struct {
        double ratio, level, decay;
    } partials[] = {{1.0, 1.0, 0.42}, {2.0, 0.28, 0.22}, {3.01, 0.10, 0.12}, {4.2, 0.04, 0.06}};
    for (const auto& note : notes) {
        const int first = static_cast<int>(note.start * kRate);
        for (int frame = first; frame < frames; ++frame) {
            const double t = static_cast<double>(frame - first) / kRate;
            const double attack = std::min(1.0, t / 0.004);
            double value = 0;
            for (const auto& partial : partials) {
                value += partial.level * std::exp(-t / partial.decay) *
                         std::sin(2 * std::numbers::pi * note.frequency * partial.ratio * t);
            }
            signal[static_cast<std::size_t>(frame)] += note.level * attack * value;
        }
    }
    double peak = 0;
    for (double value : signal) {
        peak = std::max(peak, std::abs(value));
    }
    const double gain = peak > 0 ? 0.6 / peak : 0;
    std::vector<std::uint8_t> bytes;
    const auto dataBytes = static_cast<std::uint32_t>(frames * 2);
    bytes.insert(bytes.end(), {'R', 'I', 'F', 'F'});
    PutLittleEndian(bytes, 36 + dataBytes, 4);
    bytes.insert(bytes.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    PutLittleEndian(bytes, 16, 4);
    PutLittleEndian(bytes, 1, 2);  // PCM
    PutLittleEndian(bytes, 1, 2);  // mono
    PutLittleEndian(bytes, kRate, 4);
    PutLittleEndian(bytes, kRate * 2, 4);
    PutLittleEndian(bytes, 2, 2);
    PutLittleEndian(bytes, 16, 2);
    bytes.insert(bytes.end(), {'d', 'a', 't', 'a'});
    PutLittleEndian(bytes, dataBytes, 4);
    for (int frame = 0; frame < frames; ++frame) {
        // The last 30 ms fade to silence so the sound ends without a click.
        const double remaining = static_cast<double>(frames - frame) / kRate;
        const double fade = std::min(1.0, remaining / 0.03);
        const double sample = signal[static_cast<std::size_t>(frame)] * gain * fade;
        const auto value = static_cast<std::int16_t>(std::lround(sample * 32767));
        PutLittleEndian(bytes, static_cast<std::uint16_t>(value), 2);
    }
    return bytes;
}

bool Save(const QImage& image, const QString& path, const char* format, int quality = -1)
{
    if (!image.save(path, format, quality)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: palvo_make_resources <resources folder>\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const char* folder : {"bg", "wav", "buttons"}) {
        root.mkpath(QString::fromLatin1(folder));
    }
    bool written = Save(MakeBackground(), root.filePath(QStringLiteral("bg/bg01.jpg")), "JPG", 92);
    written = Save(MakeArrow(false), root.filePath(QStringLiteral("buttons/back.bmp")), "BMP") && written;
    written = Save(MakeArrow(true), root.filePath(QStringLiteral("buttons/forward.bmp")), "BMP") && written;

    const std::vector<std::uint8_t> chime = MakeChime();
    QFile sound(root.filePath(QStringLiteral("wav/ユートピア - Windows の終了.WAV")));
    if (!sound.open(QIODevice::WriteOnly) ||
        sound.write(reinterpret_cast<const char*>(chime.data()), static_cast<qint64>(chime.size())) !=
            static_cast<qint64>(chime.size())) {
        std::fprintf(stderr, "cannot write the chime\n");
        written = false;
    }
    return written ? 0 : 1;
}
