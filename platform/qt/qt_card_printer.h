#pragma once

#include <functional>

#include "platform/pixel_buffer.h"

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace palvo {

// Paints `pageCount` page pictures onto `device` (a PDF writer, a printer), each filling its page
// as black ink on white (a one-bit mask: an eighth of the bytes, sharp edges); false when the
// device could not be painted on.
[[nodiscard]] bool PaintInkPages(QPagedPaintDevice& device, int pageCount,
                                 const std::function<PixelBuffer(int page)>& page);

// 「カード印刷」 on Linux: Qt's print dialog (a printer, or a PDF file), then the pages the core
// composed, A4 portrait.
class QtCardPrinter {
public:
    explicit QtCardPrinter(QWidget* owner) : owner_(owner) {}

    // Shows the print dialog and prints; false when the operator cancelled or printing failed.
    [[nodiscard]] bool Print(int pageCount, const std::function<PixelBuffer(int page)>& page);

    // Prints to `printer` as it is set up, A4 portrait over the whole sheet.
    [[nodiscard]] static bool PrintTo(QPrinter& printer, int pageCount,
                                      const std::function<PixelBuffer(int page)>& page);

private:
    QWidget* owner_;
};

}  // namespace palvo
