#include "platform/qt/qt_card_printer.h"

#include <QImage>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace palvo {

bool PaintInkPages(QPagedPaintDevice& device, int pageCount, const std::function<PixelBuffer(int page)>& page)
{
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    // Never JPEG: its smears would blur the digits' edges.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    const QRect sheet = painter.viewport();
    for (int i = 0; i < pageCount; ++i) {
        if (i > 0 && !device.newPage()) {
            return false;
        }
        const PixelBuffer picture = page(i);
        // Pixel's byte order (blue, green, red, reserved) is Qt's RGB32 on a little-endian machine.
        const QImage colour(reinterpret_cast<const uchar*>(picture.Data()), picture.Width(), picture.Height(),
                            picture.Width() * static_cast<qsizetype>(sizeof(Pixel)), QImage::Format_RGB32);
        // A two-colour picture with black first goes into a PDF as a one-bit mask inked with the pen.
        QImage ink = colour.convertToFormat(QImage::Format_Mono, Qt::MonoOnly | Qt::ThresholdDither);
        if (ink.color(0) != qRgb(0, 0, 0)) {
            ink.invertPixels();
        }
        ink.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        painter.setPen(Qt::black);
        painter.drawImage(sheet, ink);
    }
    return painter.end();
}

bool QtCardPrinter::PrintTo(QPrinter& printer, int pageCount,
                            const std::function<PixelBuffer(int page)>& page)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    return PaintInkPages(printer, pageCount, page);
}

bool QtCardPrinter::Print(int pageCount, const std::function<PixelBuffer(int page)>& page)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFromTo(1, pageCount);
    QPrintDialog dialog(&printer, owner_);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    return PrintTo(printer, pageCount, page);
}

}  // namespace palvo
