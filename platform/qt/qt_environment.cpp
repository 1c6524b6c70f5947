#include "platform/qt/qt_environment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

namespace palvo {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kStandardTwipsPerPixel = 15.0;

double TwipsPerPixel(bool horizontal)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return kStandardTwipsPerPixel;
    }
    const double dotsPerInch = horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
    return dotsPerInch > 0 ? kTwipsPerInch / dotsPerInch : kStandardTwipsPerPixel;
}

}  // namespace

std::string QtEnvironment::ApplicationDirectory() const
{
    if (!applicationDirectory_.empty()) {
        return applicationDirectory_;
    }
    return QDir::cleanPath(QCoreApplication::applicationDirPath()).toStdString();
}

double QtEnvironment::TwipsPerPixelX() const
{
    return twipsPerPixel_ ? *twipsPerPixel_ : TwipsPerPixel(true);
}

double QtEnvironment::TwipsPerPixelY() const
{
    return twipsPerPixel_ ? *twipsPerPixel_ : TwipsPerPixel(false);
}

bool QtEnvironment::FileExists(const std::string& path) const
{
    const QFileInfo info(QString::fromStdString(path));
    return info.exists() && info.isFile();
}

}  // namespace palvo
