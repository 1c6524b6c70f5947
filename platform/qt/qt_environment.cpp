#include "platform/qt/qt_environment.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <cerrno>
#include <filesystem>
#include <optional>

#include "platform/paths.h"
#include "platform/program_folders.h"

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

std::optional<std::filesystem::path> Variable(const char* name)
{
    const QString value = qEnvironmentVariable(name);
    if (value.isEmpty()) {
        return std::nullopt;
    }
    return PathFromUtf8(value.toStdString());
}

bool IsFolder(const std::filesystem::path& path)
{
    return QFileInfo(QString::fromStdString(Utf8FromPath(path))).isDir();
}

ProgramFolderFacts LookAround(const std::filesystem::path& program)
{
    ProgramFolderFacts facts;
    facts.programDirectory = program;
    // The bars are what the program cannot start without.
    facts.dataBesideProgram = IsFolder(program / "bars");
    facts.dataInstalled = IsFolder(InstalledDataDirectory(program) / "bars");
    // access() also answers for a read-only mount, which the permission bits do not show.
    facts.programDirectoryWritable = ::access(program.c_str(), W_OK) == 0;
    facts.settingsBesideProgram =
        QFileInfo::exists(QString::fromStdString(Utf8FromPath(program / "palvo.ini")));
    facts.configHome = Variable("XDG_CONFIG_HOME");
    facts.home = Variable("HOME");
    return facts;
}

}  // namespace

std::optional<std::string> ProgramDirectoryBytes()
{
    std::string path(4096, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
    if (length < 0) {
        if (errno == ENAMETOOLONG) {
            return std::nullopt;
        }
        // Without /proc only Qt's own answer is left.
        return QCoreApplication::applicationDirPath().toStdString();
    }
    if (static_cast<std::size_t>(length) >= path.size()) {
        return std::nullopt;
    }
    path.resize(static_cast<std::size_t>(length));
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos || slash == 0 ? std::string("/") : path.substr(0, slash);
}

QtEnvironment::QtEnvironment()
{
    const std::filesystem::path program =
        PathFromUtf8(QDir::cleanPath(QCoreApplication::applicationDirPath()).toStdString());
    const ProgramFolderFacts facts = LookAround(program);
    dataDirectory_ = Utf8FromPath(ChooseDataDirectory(facts));
    settingsDirectory_ = Utf8FromPath(ChooseSettingsDirectory(facts));
    const QString settings = QString::fromStdString(settingsDirectory_);
    if (!QFileInfo(settings).isDir() && QDir().mkpath(settings)) {
        // The user's own settings are for the user alone.
        QFile::setPermissions(settings,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
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
