#include "platform/qt/qt_common_dialogs.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "platform/qt/qt_conversions.h"
#include "texts/japanese.h"

namespace palvo {

namespace {

void InstallJapaneseStandardTexts()
{
    static const bool installed = [] {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                              QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            delete translator;
            return false;
        }
        return QCoreApplication::installTranslator(translator);
    }();
    static_cast<void>(installed);
}

}  // namespace

QtCommonDialogs::QtCommonDialogs()
{
    InstallJapaneseStandardTexts();
}

std::optional<std::string> QtCommonDialogs::SelectImageFile(const std::string& current)
{
    QFileDialog dialog(owner_);
    // Qt's own dialog everywhere, so the filter below behaves the same on every desktop.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilter(ToQString(texts::kPictureFileFilter));
    // Qt reads the patterns of an entry as separated by blanks; the entry's caption keeps the
    // semicolons users know, so the model gets the three patterns itself.
    if (auto* model = dialog.findChild<QFileSystemModel*>()) {
        model->setNameFilters({QStringLiteral("*.bmp"), QStringLiteral("*.gif"), QStringLiteral("*.jpg")});
        model->setNameFilterDisables(false);
    }
    // Where the picture in use lies: the operator's pictures are usually side by side.
    const QFileInfo currentFile(QString::fromStdString(current));
    if (!current.empty() && currentFile.dir().exists()) {
        dialog.setDirectory(currentFile.dir());
        if (currentFile.exists()) {
            dialog.selectFile(currentFile.fileName());
        }
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) {
        return std::nullopt;
    }
    return QFileInfo(files.first()).absoluteFilePath().toStdString();
}

std::optional<std::int32_t> QtCommonDialogs::SelectColor()
{
    const QColor color = QColorDialog::getColor(Qt::white, owner_);
    if (!color.isValid()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(color.red() | (color.green() << 8) | (color.blue() << 16));
}

}  // namespace palvo
