#pragma once

#include <optional>

#include "platform/page_document.h"

namespace palvo {

// Pages written as a PDF file with Qt: A4 portrait, each picture filling its page.
class QtPdfDocumentWriter : public PageDocumentWriter {
public:
    [[nodiscard]] bool Write(const std::string& path, int pageCount,
                             const std::function<PixelBuffer(int page)>& page) override;
};

// `palvo --cards ...`: prints cards to a file without a window (no display needed) and gives the
// exit status; nullopt when the arguments ask for no cards, so the program starts as usual.
std::optional<int> RunCardCommandLine(int argc, char* argv[]);

}  // namespace palvo
