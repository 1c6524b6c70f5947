#include "platform/qt/qt_card_command.h"

#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <iostream>
#include <vector>

#include "cards/card_command.h"
#include "cards/card_page.h"
#include "config/config_store.h"
#include "platform/paths.h"
#include "platform/program_folders.h"
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
    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    // Never JPEG: its smears would blur the digits' edges.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    for (int i = 0; i < pageCount; ++i) {
        if (i > 0 && !writer.newPage()) {
            return false;
        }
        const PixelBuffer picture = page(i);
        // Pixel's byte order (blue, green, red, reserved) is Qt's RGB32 on a little-endian machine.
        const QImage colour(reinterpret_cast<const uchar*>(picture.Data()), picture.Width(), picture.Height(),
                            picture.Width() * static_cast<qsizetype>(sizeof(Pixel)), QImage::Format_RGB32);
        // Ink on paper: a two-colour picture with black first goes into the PDF as a one-bit mask
        // inked with the pen, an eighth of the bytes to compress and sharp edges on the printer.
        QImage ink = colour.convertToFormat(QImage::Format_Mono, Qt::MonoOnly | Qt::ThresholdDither);
        if (ink.color(0) != qRgb(0, 0, 0)) {
            ink.invertPixels();
        }
        ink.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        painter.setPen(Qt::black);
        painter.drawImage(QRect(0, 0, writer.width(), writer.height()), ink);
    }
    return painter.end();
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
