// Message boxes of the Windows program (Wine on a virtual display in CI): centred over the
// operator's window wherever that stands, not on the screen.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/win32_message_boxes.h"

namespace palvo::win32 {
namespace {

// Where the box stood when the timer found it; the timer then answers it.
RECT seenBox{};

BOOL CALLBACK FindBox(HWND window, LPARAM found)
{
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (IsWindowVisible(window) && lstrcmpW(className, L"#32770") == 0) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK AnswerBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
    if (box == nullptr) {
        return;
    }
    KillTimer(nullptr, timer);
    GetWindowRect(box, &seenBox);
    PostMessageW(box, WM_COMMAND, IDNO, 0);
}

TEST(Win32MessageBoxes, BoxesOpenCentredOverTheOperatorsWindowWhereverItStands)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const POINT place : {POINT{20, 30}, POINT{420, 260}}) {
        HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, place.x,
                                     place.y, 800, 630, nullptr, nullptr, instance, nullptr);
        ASSERT_NE(owner, nullptr);
        Win32MessageBoxes boxes;
        boxes.SetOwner([owner] { return owner; });
        seenBox = RECT{};
        SetTimer(nullptr, 0, 100, AnswerBox);
        EXPECT_EQ(boxes.Show("前回のゲームの続きから始めますか？", MessageStyle::Question),
                  MessageAnswer::No);
        ASSERT_GT(seenBox.right, seenBox.left) << "the box was seen";
        RECT frame{};
        GetWindowRect(owner, &frame);
        EXPECT_NEAR((seenBox.left + seenBox.right) / 2, (frame.left + frame.right) / 2, 2) << place.x;
        EXPECT_NEAR((seenBox.top + seenBox.bottom) / 2, (frame.top + frame.bottom) / 2, 2) << place.x;
        DestroyWindow(owner);
    }
}

}  // namespace
}  // namespace palvo::win32
