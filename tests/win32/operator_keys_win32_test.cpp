// The operator's keys on the Win32 program: the table of tests/support/key_sequences.h played
// with key messages posted to the window that has the focus (or the players' window), taken
// from the queue through the program's own keyboard handling, as its message loop does. A held
// key repeats WM_KEYDOWN with bit 30 set; keypad Enter is VK_RETURN with the extended-key bit.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "app/audience_display.h"
#include "app/main_window.h"
#include "draw/game_journal.h"
#include "platform/file_store.h"
#include "platform/headless/fake_environment.h"
#include "platform/headless/recording_sound.h"
#include "platform/headless/scripted_message_boxes.h"
#include "platform/win32/os/wide_text.h"
#include "platform/win32/win32_audience_window.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_entropy_source.h"
#include "platform/win32/win32_event_pump.h"
#include "platform/win32/win32_main_window_view.h"
#include "tests/support/key_sequences.h"
#include "tests/win32/scratch_folder.h"

namespace palvo::testing {
namespace {

class NoSettingsDialog : public SettingsDialogHost {
public:
    void RunSettingsDialog(CConfig&) override {}
};

// A scratch folder with the shipped bars, buttons and background; removed afterwards.
class ProgramFolder {
public:
    ProgramFolder()
    {
        wchar_t base[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, base);
        path_ = std::wstring(base) + L"palvo-keys-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(counter_++);
        CreateDirectoryW(path_.c_str(), nullptr);
        const std::wstring resources = win32::testing::HostPath(PALVO_SOURCE_DIR "/resources");
        for (const wchar_t* folder : {L"bars", L"buttons", L"bg"}) {
            ready_ = win32::testing::CopyFolder(resources + L"\\" + folder, path_ + L"\\" + folder) && ready_;
        }
    }
    ~ProgramFolder() { win32::testing::RemoveFolder(path_); }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    bool Ready() const { return ready_; }
    std::string Path() const { return win32::Narrow(path_); }
    std::string File(const std::string& name) const { return Path() + "\\" + name; }

private:
    std::wstring path_;
    bool ready_ = true;
    static inline int counter_ = 0;
};

struct Win32Key {
    WPARAM code;
    UINT scanCode;
    bool extended;
};

Win32Key ToWin32(Key key)
{
    switch (key) {
        case Key::Space:
            return {VK_SPACE, 0x39, false};
        case Key::Enter:
            return {VK_RETURN, 0x1C, false};
        case Key::KeypadEnter:
            return {VK_RETURN, 0x1C, true};
        case Key::PageDown:
            return {VK_NEXT, 0x51, true};
        case Key::Tab:
            return {VK_TAB, 0x0F, false};
        case Key::F11:
            return {VK_F11, 0x57, false};
        case Key::Escape:
            return {VK_ESCAPE, 0x01, false};
    }
    return {0, 0, false};
}

// Bits 30 (the key was down before) and 31 (released) as the keyboard driver sets them.
LPARAM KeyParameter(const Win32Key& key, Stroke stroke)
{
    auto bits = static_cast<std::uint32_t>(1u | (key.scanCode << 16) | (key.extended ? 1u << 24 : 0u));
    if (stroke != Stroke::Press) {
        bits |= 1u << 30;
    }
    if (stroke == Stroke::Release) {
        bits |= 1u << 31;
    }
    return static_cast<LPARAM>(static_cast<std::int32_t>(bits));
}

// Takes messages from the queue as the program's loop does, until it has stayed empty a while.
void Pump(win32::Win32MainWindowView& view)
{
    for (int idle = 0; idle < 5;) {
        MSG message{};
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            idle = 0;
            if (!view.TranslateKeyboard(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        } else {
            ++idle;
            Sleep(10);
        }
    }
}

// The control whose name is written `name`, looked up among every control of the program.
std::optional<ControlId> Named(const std::string& name)
{
    for (std::size_t c = 0; c < kControlCount; ++c) {
        const auto control = static_cast<Control>(c);
        for (int i = 0; i < ElementCount(control); ++i) {
            const ControlId id = ElementCount(control) == 1 ? ControlId(control) : ControlId(control, i);
            if (ControlName(id) == name) {
                return id;
            }
        }
    }
    return std::nullopt;
}

void ClickWithMouse(win32::Win32MainWindowView& view, HWND button)
{
    RECT area{};
    GetClientRect(button, &area);
    const LPARAM middle = MAKELPARAM(area.right / 2, area.bottom / 2);
    PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    PostMessageW(button, WM_LBUTTONUP, 0, middle);
    Pump(view);
}

class Win32OperatorKeys : public ::testing::TestWithParam<KeyCase> {
protected:
    ProgramFolder folder_;
    FakeEnvironment environment_{folder_.Path()};
    win32::Win32Clock clock_;
    win32::Win32EventPump pump_;
    ScriptedMessageBoxes messages_;
    RecordingSound sound_{clock_};
    win32::Win32EntropySource entropy_;
    NoSettingsDialog settings_;
    PlatformServices services_{clock_, pump_, messages_, sound_, environment_, entropy_, settings_};
};

TEST_P(Win32OperatorKeys, PlaysTheSequence)
{
    const KeyCase& c = GetParam();
    ASSERT_TRUE(folder_.Ready());
    ASSERT_TRUE(ReplaceFileBytes(
        folder_.File("palvo.ini"),
        "[PALVO]\r\nRhythmFast=5\r\nRhythmSlow=1\r\nNumMax=" + std::to_string(c.numMax) + "\r\n"));
    if (!c.resumed.empty()) {
        std::string journal = JournalHeaderLine(c.numMax, "2026-12-07 18:00:00");
        for (std::size_t i = 0; i < c.resumed.size(); ++i) {
            journal += JournalDrawLine(static_cast<int>(i + 1), c.resumed[i], "2026-12-07 18:00:01");
        }
        ASSERT_TRUE(ReplaceFileBytes(folder_.File("palvo-game.txt"), journal));
        messages_.QueueAnswer(MessageAnswer::Yes);  // continue it
    }

    const HINSTANCE instance = GetModuleHandleW(nullptr);
    win32::Win32MainWindowView view(instance, folder_.Path());
    MainWindow window(view, services_);
    ASSERT_TRUE(window.FormLoad());
    win32::Win32AudienceWindow audienceWindow(instance, view.Window());
    AudienceDisplay audience(audienceWindow, window, clock_, std::string());
    window.AddListener(audience);
    Pump(view);

    for (int i = 0; i < c.mouseStarts; ++i) {
        ClickWithMouse(view, view.Form().ControlWindow(Control::cmdStart));
    }
    if (!c.mouseClick.empty()) {
        const std::optional<ControlId> button = Named(c.mouseClick);
        ASSERT_TRUE(button.has_value());
        ClickWithMouse(view, view.Form().ControlWindow(*button));
    }
    if (c.audienceOpen) {
        audience.Toggle();
        Pump(view);
        ASSERT_TRUE(audienceWindow.IsOpen());
    }
    const int drawsBefore = view.ListCount(Control::lstHistory);
    messages_.ClearMessages();

    for (const KeyStep& step : c.keys) {
        HWND target = audienceWindow.Window();
        if (step.place == Place::Operator) {
            HWND focus = GetFocus();
            target = focus != nullptr && (focus == view.Window() || IsChild(view.Window(), focus))
                         ? focus
                         : view.Window();
        }
        const Win32Key key = ToWin32(step.key);
        PostMessageW(target, step.stroke == Stroke::Release ? WM_KEYUP : WM_KEYDOWN, key.code,
                     KeyParameter(key, step.stroke));
        Pump(view);
    }

    EXPECT_EQ(view.ListCount(Control::lstHistory) - drawsBefore, c.draws);
    EXPECT_EQ(view.Text(ControlId(Control::lblistNum, 0)), c.newestOrdinal);
    int questions = 0;
    for (const ScriptedMessageBoxes::Shown& shown : messages_.Messages()) {
        questions += shown.style == MessageStyle::Question ? 1 : 0;
    }
    EXPECT_EQ(questions, c.questions);
    std::string focus;
    for (const char* name : {"cmdStart", "cmdHistBack", "cmdHistForward", "cmdReset", "cmdSetting"}) {
        if (GetFocus() != nullptr && GetFocus() == view.Form().ControlWindow(*Named(name))) {
            focus = name;
        }
    }
    EXPECT_EQ(focus, c.focus);
    EXPECT_EQ(audienceWindow.IsFullScreen(), c.audienceFullScreen);
    view.Close();
    Pump(view);
}

INSTANTIATE_TEST_SUITE_P(Table, Win32OperatorKeys, ::testing::ValuesIn(OperatorKeyCases()),
                         [](const ::testing::TestParamInfo<KeyCase>& row) { return row.param.name; });

}  // namespace
}  // namespace palvo::testing
