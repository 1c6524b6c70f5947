#include "platform/win32/win32_main_window_view.h"

#include <utility>

namespace palvo::win32 {

Win32MainWindowView::Win32MainWindowView(HINSTANCE instance, std::string applicationDirectory)
    : form_(instance, std::move(applicationDirectory)),
      missingPicture_(nullptr, 0, 0, 0, PictureFit::AutoSize)
{
    form_.SetQuitOnClose(true);
}

PictureSurface& Win32MainWindowView::Picture(std::string_view name)
{
    Win32PictureBox* picture = form_.Picture(name);
    if (picture == nullptr) {
        return missingPicture_;
    }
    return *picture;
}

}  // namespace palvo::win32
