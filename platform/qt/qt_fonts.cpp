#include "platform/qt/qt_fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>
#include <cmath>

namespace palvo {

namespace {

constexpr double kDefaultPointSize = 9.0;

// Japanese fonts in the order they are tried.
constexpr const char* kGothicStandIns[] = {"IPAGothic", "IPAPGothic", "Noto Sans CJK JP", "VL Gothic",
                                           "TakaoGothic"};
constexpr const char* kFixedPitchStandIns[] = {"IPAGothic", "Noto Sans Mono CJK JP", "VL Gothic",
                                               "TakaoGothic"};
constexpr const char* kProportionalStandIns[] = {"IPAPGothic", "Noto Sans CJK JP", "VL PGothic",
                                                 "TakaoPGothic", "IPAGothic"};

template <std::size_t N>
QString FirstInstalled(const QStringList& installed, const char* const (&candidates)[N])
{
    for (const char* candidate : candidates) {
        if (installed.contains(QLatin1String(candidate), Qt::CaseInsensitive)) {
            return QLatin1String(candidate);
        }
    }
    return {};
}

}  // namespace

QString JapaneseFamily(const std::string& wanted, FontStandIn standIn)
{
    const QStringList installed = QFontDatabase::families();
    const QString family = QString::fromStdString(wanted);
    if (!wanted.empty() && installed.contains(family, Qt::CaseInsensitive)) {
        return family;
    }
    if (standIn == FontStandIn::OneGothic) {
        return FirstInstalled(installed, kGothicStandIns);
    }
    // "ＭＳ ゴシック" is fixed pitch; "ＭＳ Ｐゴシック" and "MS UI Gothic" are proportional.
    if (family.contains(QStringLiteral("ＭＳ ゴシック"))) {
        if (QString fixed = FirstInstalled(installed, kFixedPitchStandIns); !fixed.isEmpty()) {
            return fixed;
        }
    }
    return FirstInstalled(installed, kProportionalStandIns);
}

QFont PointFont(const FontChoice& choice)
{
    const QString family = JapaneseFamily(choice.family, FontStandIn::OneGothic);
    QFont font(family.isEmpty() ? QApplication::font().family() : family);
    font.setPointSizeF(choice.pointSize > 0 ? choice.pointSize : kDefaultPointSize);
    font.setBold(choice.bold);
    return font;
}

QFont TwipsScaledFont(const FontChoice& choice, double twipsPerPixel)
{
    const QString family = JapaneseFamily(choice.family, FontStandIn::MatchingPitch);
    QFont font = family.isEmpty() ? QFont() : QFont(family);
    const double points = choice.pointSize > 0 ? choice.pointSize : kDefaultPointSize;
    font.setPixelSize(static_cast<int>(std::lround(points * 20.0 / twipsPerPixel)));
    font.setBold(choice.bold);
    return font;
}

QFont FittingFont(QFont font, int height)
{
    constexpr double kSmallestPointSize = 6.0;
    while (height > 0 && QFontMetrics(font).ascent() > height && font.pointSizeF() > kSmallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    return font;
}

}  // namespace palvo
