#pragma once

#include <functional>
#include <string>

#include "platform/pixel_buffer.h"

namespace palvo {

// A document of whole-page pictures the platform writes (a PDF file on Linux): each page is one
// picture the core composed, filling an A4 page.
class PageDocumentWriter {
public:
    virtual ~PageDocumentWriter() = default;

    // Writes `pageCount` pages to `path` (UTF-8), asking `page` for each in order; false when the
    // file could not be written.
    [[nodiscard]] virtual bool Write(const std::string& path, int pageCount,
                                     const std::function<PixelBuffer(int page)>& page) = 0;
};

}  // namespace palvo
