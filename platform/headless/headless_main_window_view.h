#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "imaging/pixel_buffer.h"
#include "platform/window_layout.h"
#include "platform/headless/memory_picture_surface.h"
#include "platform/main_window_view.h"

namespace palvo {

// The main window held in memory: every control of the applied layout with its enabled state,
// text and list items, and a MemoryPictureSurface per picture box. Tests drive it like an
// operator (Click, RequestClose, FireTimer) and read back what the logic left on it.
//
// Pictures load from memory first (RegisterPicture, by full path) and otherwise from BMP files
// on disk; a picture box whose layout names a picture file loads it at ApplyLayout.
class HeadlessMainWindowView : public MainWindowView {
public:
    // applicationDirectory: the folder that layout picture names are relative to.
    explicit HeadlessMainWindowView(std::string applicationDirectory);

    void SetEvents(MainWindowEvents* events) override { events_ = events; }
    void ApplyLayout(const WindowLayout& layout) override;
    PictureSurface& Picture(ControlId id) override;
    void SetEnabled(ControlId id, bool enabled) override;
    bool IsEnabled(ControlId id) const override;
    void SetText(ControlId id, std::string_view text) override;
    std::string Text(ControlId id) const override;
    void ListAddItem(ControlId id, std::string_view item) override;
    void ListClear(ControlId id) override;
    int ListCount(ControlId id) const override;
    void ListSelect(ControlId id, int index) override;
    void SetTimerEnabled(ControlId id, bool enabled) override;
    void SetFocus(ControlId id) override;
    void Show() override;
    void Close() override;

    // --- for tests ---

    // Makes `picture` loadable under `path` (full path, as the logic will ask for it).
    void RegisterPicture(const std::string& path, PixelBuffer picture);
    // Makes the picture under `path` unloadable, even when a file exists there.
    void ForgetPicture(const std::string& path);

    // Makes the picture box `box` unreadable, now or as soon as the layout creates it.
    void FailReadsOf(ControlId box);

    // The memory surface of a picture box (nullptr when the layout has no such box).
    MemoryPictureSurface* Surface(ControlId id);

    // Delivers a click to the logic unconditionally, as a keyboard shortcut would.
    void Click(ControlId id);
    // Delivers a click only when the control and every container around it are enabled, as the mouse does.
    bool ClickWithMouse(ControlId id);
    // Delivers the window's activation.
    void Activate();
    // Delivers a timer tick when that timer is switched on; returns whether it was delivered.
    bool FireTimer(ControlId id);
    // The operator closes the window: asks the logic, and closes when it agrees.
    bool RequestClose();

    // True when the control and every container around it are enabled.
    bool IsEffectivelyEnabled(ControlId id) const;
    bool IsTimerEnabled(ControlId id) const;
    bool IsShown() const { return shown_; }
    bool IsClosed() const { return closed_; }
    int ShowCount() const { return showCount_; }
    int CloseCount() const { return closeCount_; }
    // The control with the keyboard focus; none before the logic gave it, and none while the
    // control that should have it is disabled.
    std::optional<ControlId> Focus() const { return focus_; }
    const std::vector<std::string>& ListItems(ControlId id) const;
    int ListSelection(ControlId id) const;
    bool HasLayout() const { return layout_.has_value(); }
    const WindowLayout& Layout() const { return *layout_; }
    int LayoutCount() const { return layoutCount_; }

private:
    struct Widget {
        ControlLayout placement;
        bool enabled = true;
        bool timerEnabled = false;
        std::string text;
        std::vector<std::string> items;
        int selected = -1;
    };

    Widget* Find(ControlId id);
    const Widget* Find(ControlId id) const;
    std::optional<PixelBuffer> LoadPictureFile(const std::string& path) const;

    std::string applicationDirectory_;
    MainWindowEvents* events_ = nullptr;
    std::optional<WindowLayout> layout_;
    int layoutCount_ = 0;
    std::map<ControlId, Widget> controls_;
    std::map<ControlId, std::unique_ptr<MemoryPictureSurface>> surfaces_;
    std::map<std::string, PixelBuffer> registered_;
    std::vector<std::string> forgotten_;
    std::vector<ControlId> failingReads_;
    MemoryPictureSurface missing_;
    std::optional<ControlId> focus_;
    std::optional<ControlId> waitingFocus_;  // takes the focus once it is enabled
    bool shown_ = false;
    bool closed_ = false;
    int showCount_ = 0;
    int closeCount_ = 0;
};

}  // namespace palvo
