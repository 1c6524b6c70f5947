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

HeadlessMainWindowView::Control* HeadlessMainWindowView::Find(std::string_view name)
{
    const auto it = controls_.find(name);
    return it == controls_.end() ? nullptr : &it->second;
}

const HeadlessMainWindowView::Control* HeadlessMainWindowView::Find(std::string_view name) const
{
    const auto it = controls_.find(name);
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
        Control& control = controls_[placement.name];
        control.placement = placement;
        control.enabled = placement.enabled;
        control.text = placement.caption;
        if (placement.kind == ControlKind::Timer) {
            control.timerEnabled = placement.enabled;
        }
        if (placement.kind != ControlKind::PictureBox) {
            continue;
        }
        auto& surface = surfaces_[placement.name];
        if (!surface) {
            surface = std::make_unique<MemoryPictureSurface>(placement.width, placement.height,
                                                             placement.backColor, loader);
        } else {
            surface->SetBackColor(placement.backColor);
        }
        if (std::find(failingReads_.begin(), failingReads_.end(), placement.name) != failingReads_.end()) {
            surface->SetReadFails(true);
        }
        if (!placement.picture.empty()) {
            surface->LoadPicture(Utf8PathIn(applicationDirectory_, placement.picture));
        }
    }
}

PictureSurface& HeadlessMainWindowView::Picture(std::string_view name)
{
    MemoryPictureSurface* surface = Surface(name);
    return surface != nullptr ? *surface : missing_;
}

MemoryPictureSurface* HeadlessMainWindowView::Surface(std::string_view name)
{
    const auto it = surfaces_.find(name);
    return it == surfaces_.end() ? nullptr : it->second.get();
}

void HeadlessMainWindowView::SetEnabled(std::string_view name, bool enabled)
{
    if (Control* control = Find(name)) {
        control->enabled = enabled;
    }
}

bool HeadlessMainWindowView::IsEnabled(std::string_view name) const
{
    const Control* control = Find(name);
    return control != nullptr && control->enabled;
}

bool HeadlessMainWindowView::IsEffectivelyEnabled(std::string_view name) const
{
    const Control* control = Find(name);
    while (control != nullptr) {
        if (!control->enabled) {
            return false;
        }
        if (control->placement.parent.empty()) {
            return true;
        }
        control = Find(control->placement.parent);
    }
    return false;
}

void HeadlessMainWindowView::SetText(std::string_view name, std::string_view text)
{
    if (Control* control = Find(name)) {
        control->text = std::string(text);
    }
}

std::string HeadlessMainWindowView::Text(std::string_view name) const
{
    const Control* control = Find(name);
    return control != nullptr ? control->text : std::string();
}

void HeadlessMainWindowView::ListAddItem(std::string_view name, std::string_view item)
{
    if (Control* control = Find(name)) {
        control->items.emplace_back(item);
    }
}

void HeadlessMainWindowView::ListClear(std::string_view name)
{
    if (Control* control = Find(name)) {
        control->items.clear();
        control->selected = -1;
    }
}

int HeadlessMainWindowView::ListCount(std::string_view name) const
{
    const Control* control = Find(name);
    return control != nullptr ? static_cast<int>(control->items.size()) : 0;
}

void HeadlessMainWindowView::ListSelect(std::string_view name, int index)
{
    Control* control = Find(name);
    if (control != nullptr && index >= -1 && index < static_cast<int>(control->items.size())) {
        control->selected = index;
    }
}

const std::vector<std::string>& HeadlessMainWindowView::ListItems(std::string_view name) const
{
    static const std::vector<std::string> none;
    const Control* control = Find(name);
    return control != nullptr ? control->items : none;
}

int HeadlessMainWindowView::ListSelection(std::string_view name) const
{
    const Control* control = Find(name);
    return control != nullptr ? control->selected : -1;
}

void HeadlessMainWindowView::SetTimerEnabled(std::string_view name, bool enabled)
{
    if (Control* control = Find(name)) {
        control->timerEnabled = enabled;
    }
}

bool HeadlessMainWindowView::IsTimerEnabled(std::string_view name) const
{
    const Control* control = Find(name);
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

void HeadlessMainWindowView::FailReadsOf(const std::string& name)
{
    failingReads_.push_back(name);
    if (MemoryPictureSurface* surface = Surface(name)) {
        surface->SetReadFails(true);
    }
}

void HeadlessMainWindowView::Click(std::string_view name)
{
    if (events_ != nullptr && !closed_) {
        events_->OnClick(name);
    }
}

bool HeadlessMainWindowView::ClickWithMouse(std::string_view name)
{
    if (!IsEffectivelyEnabled(name)) {
        return false;
    }
    Click(name);
    return true;
}

void HeadlessMainWindowView::Activate()
{
    if (events_ != nullptr && !closed_) {
        events_->OnActivate();
    }
}

bool HeadlessMainWindowView::FireTimer(std::string_view name)
{
    if (events_ == nullptr || closed_ || !IsTimerEnabled(name)) {
        return false;
    }
    events_->OnTimer(name);
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
