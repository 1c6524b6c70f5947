#include "platform/win32/win32_main_window_view.h"

#include <utility>

namespace palvo::win32 {

Win32MainWindowView::Win32MainWindowView(HINSTANCE instance, std::string applicationDirectory)
    : form_(instance, std::move(applicationDirectory)),
      missingPicture_(nullptr, 0, 0, 0, PictureFit::AutoSize)
{
    form_.SetQuitOnClose(true);
    form_.SetEvents(this);
}

PictureSurface& Win32MainWindowView::Picture(ControlId id)
{
    Win32PictureBox* picture = form_.Picture(id);
    if (picture == nullptr) {
        return missingPicture_;
    }
    return *picture;
}

bool Win32MainWindowView::TranslateKeyboard(const MSG& message)
{
    const HWND window = form_.Window();
    if (message.message == WM_KEYDOWN && message.wParam == VK_NEXT && window != nullptr &&
        (message.hwnd == window || IsChild(window, message.hwnd) != FALSE)) {
        // Page Down (a presentation clicker) presses Start wherever the focus is; the logic keeps
        // Start's lock. Bit 30 marks the auto-repeat of a held key, which presses nothing.
        if ((message.lParam & (1 << 30)) == 0 && events_ != nullptr) {
            events_->OnClick(Control::cmdStart);
        }
        return true;
    }
    return form_.TranslateKeyboard(message);
}

void Win32MainWindowView::OnClick(ControlId id)
{
    if (events_ != nullptr) {
        events_->OnClick(id);
    }
}

void Win32MainWindowView::OnActivate()
{
    if (events_ != nullptr) {
        events_->OnActivate();
    }
}

void Win32MainWindowView::OnTimer(ControlId id)
{
    if (events_ != nullptr) {
        events_->OnTimer(id);
    }
}

bool Win32MainWindowView::OnCloseRequest()
{
    return events_ == nullptr || events_->OnCloseRequest();
}

void Win32MainWindowView::OnClosed()
{
    if (events_ != nullptr) {
        events_->OnClosed();
    }
}

void Win32MainWindowView::OnSessionEnd()
{
    if (events_ != nullptr) {
        events_->OnSessionEnd();
    }
}

}  // namespace palvo::win32
