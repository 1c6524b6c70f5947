#include "platform/headless/headless_main_window_view.h"

#include <algorithm>
#include <utility>

#include "imaging/bmp_file.h"
#include "platform/paths.h"

namespace palvo {

HeadlessMainWindowView::HeadlessMainWindowView(std::string applicationDirectory)
    : applicationDirectory_(std::move(applicationDirectory))
{
}

HeadlessMainWindowView::Widget* HeadlessMainWindowView::Find(ControlId id)
{
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
}

const HeadlessMainWindowView::Widget* HeadlessMainWindowView::Find(ControlId id) const
{
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
}

std::optional<PixelBuffer> HeadlessMainWindowView::LoadPictureFile(const std::string& path) const
{
    if (std::find(forgotten_.begin(), forgotten_.end(), path) != forgotten_.end()) {
        return std::nullopt;
    }
    const auto it = registered_.find(path);
    if (it != registered_.end()) {
        return it->second;
    }
    PixelBuffer picture;
    if (ReadBmpFile(path, picture) != BmpFileResult::Ok) {
        return std::nullopt;
    }
    return picture;
}

void HeadlessMainWindowView::ApplyLayout(const WindowLayout& layout)
{
    layout_ = layout;
    ++layoutCount_;
    const PictureLoader loader = [this](const std::string& path) { return LoadPictureFile(path); };
    for (const ControlLayout& placement : layout.controls) {
        Widget& control = controls_[placement.id];
        control.placement = placement;
        control.enabled = placement.enabled;
        control.text = placement.caption;
        if (placement.kind == ControlKind::Timer) {
            control.timerEnabled = placement.enabled;
        }
        if (placement.kind != ControlKind::PictureBox) {
            continue;
        }
        // Every picture box of the program's layouts names its colour; a test's own box is black.
        const std::int32_t backColor = placement.backColor.value_or(0);
        auto& surface = surfaces_[placement.id];
        if (!surface) {
            surface =
                std::make_unique<MemoryPictureSurface>(placement.width, placement.height, backColor, loader);
        } else {
            surface->SetBackColor(backColor);
        }
        if (std::find(failingReads_.begin(), failingReads_.end(), placement.id) != failingReads_.end()) {
            surface->SetReadFails(true);
        }
        if (!placement.picture.empty()) {
            surface->LoadPicture(Utf8PathIn(applicationDirectory_, placement.picture));
        }
    }
}

PictureSurface& HeadlessMainWindowView::Picture(ControlId id)
{
    MemoryPictureSurface* surface = Surface(id);
    return surface != nullptr ? *surface : missing_;
}

MemoryPictureSurface* HeadlessMainWindowView::Surface(ControlId id)
{
    const auto it = surfaces_.find(id);
    return it == surfaces_.end() ? nullptr : it->second.get();
}

void HeadlessMainWindowView::SetEnabled(ControlId id, bool enabled)
{
    Widget* control = Find(id);
    if (control == nullptr) {
        return;
    }
    control->enabled = enabled;
    if (!enabled && focus_ && !IsEffectivelyEnabled(*focus_)) {
        waitingFocus_ = std::exchange(focus_, std::nullopt);
    } else if (enabled && !focus_ && waitingFocus_ && IsEffectivelyEnabled(*waitingFocus_)) {
        focus_ = std::exchange(waitingFocus_, std::nullopt);
    }
}

void HeadlessMainWindowView::SetFocus(ControlId id)
{
    if (layout_ && !IsEffectivelyEnabled(id)) {
        focus_.reset();
        waitingFocus_ = id;
        return;
    }
    focus_ = id;
    waitingFocus_.reset();
}

bool HeadlessMainWindowView::IsEnabled(ControlId id) const
{
    const Widget* control = Find(id);
    return control != nullptr && control->enabled;
}

bool HeadlessMainWindowView::IsEffectivelyEnabled(ControlId id) const
{
    return layout_ &&
           IsEnabledWithContainers(*layout_, id, [this](ControlId each) { return IsEnabled(each); });
}

void HeadlessMainWindowView::SetText(ControlId id, std::string_view text)
{
    if (Widget* control = Find(id)) {
        control->text = std::string(text);
    }
}

std::string HeadlessMainWindowView::Text(ControlId id) const
{
    const Widget* control = Find(id);
    return control != nullptr ? control->text : std::string();
}

void HeadlessMainWindowView::ListAddItem(ControlId id, std::string_view item)
{
    if (Widget* control = Find(id)) {
        control->items.emplace_back(item);
    }
}

void HeadlessMainWindowView::ListClear(ControlId id)
{
    if (Widget* control = Find(id)) {
        control->items.clear();
        control->selected = -1;
    }
}

int HeadlessMainWindowView::ListCount(ControlId id) const
{
    const Widget* control = Find(id);
    return control != nullptr ? static_cast<int>(control->items.size()) : 0;
}

void HeadlessMainWindowView::ListSelect(ControlId id, int index)
{
    Widget* control = Find(id);
    if (control != nullptr && index >= -1 && index < static_cast<int>(control->items.size())) {
        control->selected = index;
    }
}

const std::vector<std::string>& HeadlessMainWindowView::ListItems(ControlId id) const
{
    static const std::vector<std::string> none;
    const Widget* control = Find(id);
    return control != nullptr ? control->items : none;
}

int HeadlessMainWindowView::ListSelection(ControlId id) const
{
    const Widget* control = Find(id);
    return control != nullptr ? control->selected : -1;
}

void HeadlessMainWindowView::SetTimerEnabled(ControlId id, bool enabled)
{
    if (Widget* control = Find(id)) {
        control->timerEnabled = enabled;
    }
}

bool HeadlessMainWindowView::IsTimerEnabled(ControlId id) const
{
    const Widget* control = Find(id);
    return control != nullptr && control->timerEnabled;
}

void HeadlessMainWindowView::Show()
{
    shown_ = true;
    ++showCount_;
    Activate();
}

void HeadlessMainWindowView::Close()
{
    if (closed_) {
        return;
    }
    closed_ = true;
    shown_ = false;
    ++closeCount_;
    if (events_ != nullptr) {
        events_->OnClosed();
    }
}

void HeadlessMainWindowView::RegisterPicture(const std::string& path, PixelBuffer picture)
{
    forgotten_.erase(std::remove(forgotten_.begin(), forgotten_.end(), path), forgotten_.end());
    registered_[path] = std::move(picture);
}

void HeadlessMainWindowView::ForgetPicture(const std::string& path)
{
    registered_.erase(path);
    forgotten_.push_back(path);
}

void HeadlessMainWindowView::FailReadsOf(ControlId box)
{
    failingReads_.push_back(box);
    if (MemoryPictureSurface* surface = Surface(box)) {
        surface->SetReadFails(true);
    }
}

void HeadlessMainWindowView::Click(ControlId id)
{
    if (events_ != nullptr && !closed_) {
        events_->OnClick(id);
    }
}

bool HeadlessMainWindowView::ClickWithMouse(ControlId id)
{
    if (!IsEffectivelyEnabled(id)) {
        return false;
    }
    Click(id);
    return true;
}

void HeadlessMainWindowView::Activate()
{
    if (events_ != nullptr && !closed_) {
        events_->OnActivate();
    }
}

bool HeadlessMainWindowView::FireTimer(ControlId id)
{
    if (events_ == nullptr || closed_ || !IsTimerEnabled(id)) {
        return false;
    }
    events_->OnTimer(id);
    return true;
}

bool HeadlessMainWindowView::RequestClose()
{
    if (closed_ || events_ == nullptr) {
        return false;
    }
    if (!events_->OnCloseRequest()) {
        return false;
    }
    Close();
    return true;
}

}  // namespace palvo
