// The players' window on Win32 (Wine on a virtual display in CI): frames and partial repaints
// reach the screen pixel for pixel; F11 and Escape; F5 hides it and leaves its owner; it goes
// with its owner.
#include <gtest/gtest.h>
#include <windows.h>

#include <utility>
#include <vector>

#include "display/audience_placement.h"
#include "platform/win32/win32_audience_window.h"
#include "tests/support/enlarging_audience_events.h"

namespace palvo::win32 {
namespace {

void PumpMessages()
{
    for (int round = 0; round < 20; ++round) {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
}

// Paints a frame whose pixels tell their place, the number area in `shade`.
class PaintingEvents : public AudienceWindowEvents {
public:
    explicit PaintingEvents(Win32AudienceWindow& window) : window_(window) {}
    void OnAudienceResized() override {}
    void OnAudienceClosed() override { ++closes; }
    void OnAudienceStartKey() override { ++starts; }
    bool OnAudienceKey(AudienceKey key) override
    {
        keys.push_back(key);
        return useKeys;
    }
    void OnAudienceWake() override { ++wakes; }
    void OnAudiencePaint() override
    {
        PixelBuffer frame(window_.ClientWidth(), window_.ClientHeight());
        for (std::int32_t y = 0; y < frame.Height(); ++y) {
            for (std::int32_t x = 0; x < frame.Width(); ++x) {
                frame.At(x, y) = Pixel{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), shade, 0};
            }
        }
        window_.Present(frame, changed.Empty() ? PixelRect{0, 0, frame.Width(), frame.Height()} : changed);
    }
    // Where the display logic would put it, with no operator's controls to keep free.
    PixelRect OnAudiencePlace(const SharedScreen& screen, std::int32_t clientWidth,
                              std::int32_t clientHeight) override
    {
        return PlaceAudienceWindow(screen, {}, clientWidth, clientHeight);
    }

    std::uint8_t shade = 0;
    PixelRect changed;
    int closes = 0;
    int starts = 0;
    int wakes = 0;
    std::vector<AudienceKey> keys;
    bool useKeys = false;

private:
    Win32AudienceWindow& window_;
};

COLORREF Expected(int x, int y, std::uint8_t shade)
{
    return RGB(shade, y & 0xFF, x & 0xFF);
}

TEST(Win32AudienceWindow, FramesAndPartialRepaintsShowPixelForPixelFullScreenAndF5AndItGoesWithItsOwner)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300,
                                 nullptr, nullptr, instance, nullptr);
    ASSERT_NE(owner, nullptr);
    Win32AudienceWindow window(instance, owner);
    PaintingEvents events(window);
    window.SetEvents(&events);
    window.Open();
    PumpMessages();
    ASSERT_TRUE(window.IsOpen());
    const int width = window.ClientWidth();
    const int height = window.ClientHeight();
    ASSERT_GT(width, 300);
    ASSERT_GT(height, 200);
    wchar_t title[64] = {};
    GetWindowTextW(window.Window(), title, 64);
    EXPECT_STREQ(title, L"PALVO \xFF5E\x8868\x793A\xFF5E");

    // A second frame changes only rows 100 ... 149, columns 50 ... 249.
    events.shade = 0x80;
    events.changed = PixelRect{50, 100, 200, 50};
    window.Invalidate(events.changed);
    PumpMessages();
    HDC screen = GetDC(window.Window());
    struct Probe {
        int x, y;
        std::uint8_t shade;
    };
    for (const Probe probe :
         {Probe{0, 0, 0}, Probe{width - 1, height - 1, 0}, Probe{50, 100, 0x80}, Probe{249, 149, 0x80},
          Probe{120, 130, 0x80}, Probe{250, 130, 0}, Probe{120, 99, 0}, Probe{120, 150, 0}}) {
        EXPECT_EQ(GetPixel(screen, probe.x, probe.y), Expected(probe.x, probe.y, probe.shade))
            << probe.x << "," << probe.y;
    }
    ReleaseDC(window.Window(), screen);

    SendMessageW(window.Window(), WM_KEYDOWN, VK_F11, 0);
    PumpMessages();
    EXPECT_TRUE(window.IsFullScreen());
    EXPECT_EQ(window.ClientWidth(), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(window.ClientHeight(), GetSystemMetrics(SM_CYSCREEN));
    SendMessageW(window.Window(), WM_KEYDOWN, VK_ESCAPE, 0);
    PumpMessages();
    EXPECT_FALSE(window.IsFullScreen());
    EXPECT_EQ(window.ClientWidth(), width);

    SendMessageW(window.Window(), WM_KEYDOWN, VK_F5, 0);
    PumpMessages();
    EXPECT_FALSE(window.IsOpen());
    EXPECT_EQ(events.closes, 1);
    EXPECT_TRUE(IsWindow(owner));

    window.Open();
    PumpMessages();
    EXPECT_TRUE(window.IsOpen());
    DestroyWindow(owner);
    PumpMessages();
    EXPECT_FALSE(window.IsOpen());
    EXPECT_EQ(window.Window(), nullptr);
    window.SetEvents(nullptr);
}

// Frames enlarged three times keep whole pixels; the window opens where the core's answer says.
TEST(Win32AudienceWindow, ReportsEveryKeyBeforeStartAndWakesOnTime)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    Win32AudienceWindow window(instance, nullptr);
    PaintingEvents events(window);
    window.SetEvents(&events);
    window.Open();
    PumpMessages();
    for (const WPARAM key : {WPARAM{VK_F8}, WPARAM{'A'}, WPARAM{VK_SHIFT}, WPARAM{VK_NEXT}}) {
        SendMessageW(window.Window(), WM_KEYDOWN, key, 0);
    }
    EXPECT_EQ(events.keys,
              (std::vector<AudienceKey>{AudienceKey::Layout, AudienceKey::Other, AudienceKey::Start}));
    EXPECT_EQ(events.starts, 1);
    events.useKeys = true;
    SendMessageW(window.Window(), WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(events.starts, 1) << "a key the display used is no Start";

    window.Close();
    window.WakeAfter(60000);
    window.WakeAfter(30);  // the later call replaces the first
    for (int i = 0; i < 10 && events.wakes == 0; ++i) {
        PumpMessages();
    }
    PumpMessages();
    EXPECT_EQ(events.wakes, 1) << "once, and while hidden";
}

TEST(Win32AudienceWindow, EnlargedFramesKeepWholePixelsAndTheWindowOpensWhereTheCoreSays)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 50, 400, 300,
                                 nullptr, nullptr, instance, nullptr);
    ASSERT_NE(owner, nullptr);
    Win32AudienceWindow window(instance, owner);
    EnlargingEvents<Win32AudienceWindow> events(window);
    window.SetEvents(&events);
    window.Open();
    PumpMessages();
    ASSERT_TRUE(window.IsOpen());
    RECT frame{};
    GetWindowRect(window.Window(), &frame);
    EXPECT_EQ(frame.left, events.asked.workArea.x + 37);
    EXPECT_EQ(frame.top, events.asked.workArea.y + 21);
    EXPECT_EQ(frame.right - frame.left, 500);
    EXPECT_EQ(frame.bottom - frame.top, 320);
    RECT ownerFrame{};
    GetWindowRect(owner, &ownerFrame);
    EXPECT_EQ(events.asked.operatorFrame, (PixelRect{ownerFrame.left, ownerFrame.top, 400, 300}));
    EXPECT_GT(events.asked.operatorClient.y, ownerFrame.top) << "below the caption";

    window.Invalidate(PixelRect{0, 0, window.ClientWidth(), window.ClientHeight()});
    PumpMessages();
    HDC screen = GetDC(window.Window());
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{2, 2}, std::pair{3, 0}, std::pair{100, 61},
                               std::pair{window.ClientWidth() - 1, window.ClientHeight() - 1}}) {
        EXPECT_EQ(GetPixel(screen, x, y), RGB(0x40, (y / 3) & 0xFF, (x / 3) & 0xFF)) << x << "," << y;
    }
    ReleaseDC(window.Window(), screen);
    window.SetEvents(nullptr);
    DestroyWindow(owner);
    PumpMessages();
}

}  // namespace
}  // namespace palvo::win32
