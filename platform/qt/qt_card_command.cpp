#include "platform/qt/qt_card_command.h"

#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <iostream>
#include <vector>

#include "cards/card_command.h"
#include "cards/card_page.h"
#include "config/config_store.h"
#include "platform/paths.h"
#include "platform/program_folders.h"
#include "platform/qt/qt_card_printer.h"
#include "platform/qt/qt_entropy.h"
#include "platform/qt/qt_environment.h"

namespace palvo {

bool QtPdfDocumentWriter::Write(const std::string& path, int pageCount,
                                const std::function<PixelBuffer(int page)>& page)
{
    QPdfWriter writer(QString::fromStdString(path));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(300);
    writer.setCreator(QStringLiteral("Palvo"));
    return PaintInkPages(writer, pageCount, page);
}

std::optional<int> RunCardCommandLine(int argc, char* argv[])
{
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.emplace_back(argv[i]);
    }
    const CardCommandLine line = ParseCardCommandLine(arguments);
    if (line.kind == CardCommandLine::Kind::NotCards) {
        return std::nullopt;
    }
    if (line.kind == CardCommandLine::Kind::Invalid) {
        std::cerr << line.problem << std::endl;
        return 2;
    }
    // No window: the offscreen platform lets it run where there is no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Palvo"));
    if (const std::optional<std::string> problem = ProgramFolderProblem(ProgramDirectoryBytes())) {
        std::cerr << *problem << std::endl;
        return 1;
    }
    QtEnvironment environment;
    CConfig config(environment.SettingsDirectory(), environment.DataDirectory());
    static_cast<void>(config.ReadConfig());
    QtEntropy entropy;
    QtPdfDocumentWriter pdf;
    const CardCommandResult result = RunCardCommand(
        line.request, PathFromUtf8(environment.SettingsDirectory()), config.NumMax(), entropy, &pdf);
    if (!result.message.empty()) {
        std::cerr << result.message << std::endl;
    }
    return result.exitCode;
}

}  // namespace palvo
