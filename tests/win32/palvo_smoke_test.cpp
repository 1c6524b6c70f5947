// palvo.exe as a user meets it: started from a folder holding it and its pictures and sound,
// driven through its window by messages from this separate process, closed, and its settings
// file checked. Also start-ups with a damaged picture. Every wait is bounded.
//
// When PALVO_SCREENSHOT_DIR names a folder, screenshots of the screen go there as BMP files.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "config/config_store.h"
#include "display/bitmap_preparation.h"
#include "display/digit_rendering.h"
#include "display/layout_metrics.h"
#include "display/main_window_layout.h"
#include "draw/game_journal.h"
#include "imaging/bmp_file.h"
#include "imaging/working_buffers.h"
#include "platform/file_store.h"
#include "platform/headless/fake_environment.h"
#include "platform/headless/headless_main_window_view.h"
#include "platform/headless/scripted_message_boxes.h"
#include "platform/text_encoding.h"
#include "platform/win32/os/wide_text.h"
#include "platform/win32/picture_decoder.h"
#include "platform/win32/win32_picture_box.h"
#include "tests/win32/scratch_folder.h"

namespace palvo::win32 {
namespace {

using testing::CopyFolder;
using testing::HostPath;
using testing::RemoveFolder;

constexpr DWORD kStartTimeout = 30000;
constexpr DWORD kDrawTimeout = 30000;
constexpr DWORD kExitTimeout = 15000;

// A folder laid out as the zip unpacks: palvo.exe with bars/, buttons/, bg/ and wav/ beside it.
class ProgramFolder {
public:
    explicit ProgramFolder(const std::string& tag)
    {
        wchar_t base[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, base);
        path_ =
            std::wstring(base) + L"palvo-smoke-" + Widen(tag) + L"-" + std::to_wstring(GetCurrentProcessId());
        RemoveFolder(path_);
        CreateDirectoryW(path_.c_str(), nullptr);
        const std::wstring resources = HostPath(PALVO_SOURCE_DIR "/resources");
        for (const wchar_t* folder : {L"bars", L"buttons", L"bg", L"wav"}) {
            ready_ = CopyFolder(resources + L"\\" + folder, path_ + L"\\" + folder) && ready_;
        }
        ready_ = CopyFileW(HostPath(PALVO_WIN32_PROGRAM).c_str(), (path_ + L"\\palvo.exe").c_str(), FALSE) &&
                 ready_;
    }
    ~ProgramFolder() { RemoveFolder(path_); }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    bool Ready() const { return ready_; }
    const std::wstring& Path() const { return path_; }
    std::string Utf8Path() const { return Narrow(path_); }
    std::string File(const std::string& relative) const { return Utf8Path() + "\\" + relative; }

private:
    std::wstring path_;
    bool ready_ = true;
};

// palvo.exe running; ended by force if a test leaves it behind.
class RunningProgram {
public:
    explicit RunningProgram(const ProgramFolder& folder)
    {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        std::wstring commandLine = L"\"" + folder.Path() + L"\\palvo.exe\"";
        started_ = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  folder.Path().c_str(), &startup, &process_) != FALSE;
    }
    ~RunningProgram()
    {
        if (started_) {
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(process_.hProcess, 99);
                WaitForSingleObject(process_.hProcess, kExitTimeout);
            }
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool Started() const { return started_; }
    DWORD Id() const { return process_.dwProcessId; }
    // Ends the program at once, as a crash or a power cut would.
    void Kill() const
    {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, kExitTimeout);
    }

    // The exit code once the program has ended within `timeout`, or nullopt.
    std::optional<DWORD> WaitForExit(DWORD timeout) const
    {
        if (WaitForSingleObject(process_.hProcess, timeout) != WAIT_OBJECT_0) {
            return std::nullopt;
        }
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

std::wstring ClassOf(HWND window)
{
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring TextOf(HWND window)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) {
        return {};
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 5000, &copied);
    text.resize(copied);
    return text;
}

// Polls `condition` every 50 ms until it holds or `timeout` passes.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeout)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeout) {
            return false;
        }
        Sleep(50);
    }
    return true;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

// A visible top-level window of process `id` and window class `windowClass`, or null.
HWND FindTopLevel(DWORD id, const std::wstring& windowClass, const std::wstring& title = {})
{
    std::vector<HWND> windows;
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == id && IsWindowVisible(window) && ClassOf(window) == windowClass &&
            (title.empty() || TextOf(window) == title)) {
            return window;
        }
    }
    return nullptr;
}

// The first window among all descendants of `parent` that `matches`, or null.
HWND FindChild(HWND parent, const std::function<bool(HWND)>& matches)
{
    std::vector<HWND> windows;
    EnumChildWindows(parent, &CollectWindow, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows) {
        if (matches(window)) {
            return window;
        }
    }
    return nullptr;
}

HWND FindButton(HWND parent, const std::wstring& caption)
{
    return FindChild(parent,
                     [&](HWND window) { return ClassOf(window) == L"Button" && TextOf(window) == caption; });
}

// The screen's pixels from (left, top), width x height. Another process's window can only be
// read where it shows on the screen.
PixelBuffer CaptureScreen(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height)
{
    PixelBuffer shown;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP copy = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, copy);
    BitBlt(memory, 0, 0, width, height, screen, left, top, SRCCOPY);
    std::int32_t readWidth = 0;
    std::int32_t readHeight = 0;
    GetDibPixels(memory, shown, readWidth, readHeight);
    SelectObject(memory, old);
    DeleteObject(copy);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return shown;
}

// What `window` shows from its top-left corner.
PixelBuffer Capture(HWND window, std::int32_t width, std::int32_t height)
{
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    return CaptureScreen(origin.x, origin.y, width, height);
}

void SaveScreenshot(const std::string& name)
{
    const char* folder = std::getenv("PALVO_SCREENSHOT_DIR");
    if (folder == nullptr || *folder == '\0') {
        return;
    }
    const PixelBuffer screen =
        CaptureScreen(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    if (!screen.Empty()) {
        WriteBmp24File(Narrow(HostPath(folder)) + "\\" + name + ".bmp", screen);
    }
}

// The display image the core composes for `number` (88 lights every segment) from the pictures
// in `folder` with its settings: the same bitmap preparation and digit rendering, in memory.
std::optional<PixelBuffer> ExpectedDisplay(const ProgramFolder& folder, std::int16_t number)
{
    CConfig config(folder.Utf8Path());
    config.ReadConfig();
    HeadlessMainWindowView view(folder.Utf8Path());
    const std::optional<PixelBuffer> background = DecodePictureFile(config.BackGroundImageFile());
    if (!background) {
        return std::nullopt;
    }
    view.RegisterPicture(config.BackGroundImageFile(), *background);
    FakeEnvironment environment(folder.Utf8Path());
    SetControlLayout(view, environment);
    ScriptedMessageBoxes messages;
    WorkingBuffers buffers;
    CShared shared;
    PixelBuffer backGroundPixels;
    BitmapPreparation images(view, messages, buffers, shared, config, backGroundPixels);
    if (!images.SetNumBarBmp(config.NumSizeIndex()) || !images.SetHistNumBmp() ||
        !images.SetBackGroundBmp()) {
        return std::nullopt;
    }
    buffers.PicNumPixels = backGroundPixels;
    DigitRenderer renderer(buffers, shared, config);
    renderer.DrawNumber(DigitTarget::Display, number);
    return buffers.PicNumPixels;
}

// Compares the colour bytes of the top-left columns x rows of two images.
::testing::AssertionResult SameRegion(const PixelBuffer& shown, const PixelBuffer& expected,
                                      std::int32_t columns, std::int32_t rows)
{
    if (shown.Width() < columns || shown.Height() < rows || expected.Width() < columns ||
        expected.Height() < rows) {
        return ::testing::AssertionFailure() << "an image is smaller than " << columns << "x" << rows;
    }
    int differing = 0;
    std::string first;
    for (std::int32_t y = 0; y < rows; ++y) {
        for (std::int32_t x = 0; x < columns; ++x) {
            const Pixel& a = shown.At(x, y);
            const Pixel& e = expected.At(x, y);
            if (a.red != e.red || a.green != e.green || a.blue != e.blue) {
                if (differing++ == 0) {
                    first = "(" + std::to_string(x) + ", " + std::to_string(y) + ") shows " +
                            std::to_string(a.red) + "/" + std::to_string(a.green) + "/" +
                            std::to_string(a.blue) + ", expected " + std::to_string(e.red) + "/" +
                            std::to_string(e.green) + "/" + std::to_string(e.blue);
                }
            }
        }
    }
    if (differing == 0) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << differing << " pixels differ, first " << first;
}

TEST(PalvoSmoke, StartDrawsANumberShownPixelForPixelAndClosingWritesTheSettings)
{
    ProgramFolder folder("draw");
    ASSERT_TRUE(folder.Ready());
    // A short roll keeps the test quick; everything else is left to the defaults.
    ASSERT_TRUE(ReplaceFileBytes(folder.File("palvo.ini"), "[PALVO]\r\nRhythmFast=5\r\nRhythmSlow=1\r\n"));

    RunningProgram program(folder);
    ASSERT_TRUE(program.Started());
    HWND window = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (window = FindTopLevel(program.Id(), L"PalvoForm")) != nullptr; },
                          kStartTimeout))
        << "no main window";
    HWND start = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (start = FindButton(window, L"スタート")) != nullptr; }, kStartTimeout));
    HWND list = FindChild(window, [](HWND child) { return ClassOf(child) == L"ListBox"; });
    HWND display = FindChild(window, [](HWND child) {
        RECT area{};
        GetClientRect(child, &area);
        return ClassOf(child) == L"PalvoContainer" && area.right == 800 && area.bottom == 600;
    });
    ASSERT_NE(list, nullptr);
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(TextOf(window), L"PALVO  ~パルボ~");

    // What is visible of the display above the history board and the Start button.
    RECT client{};
    GetClientRect(window, &client);
    RECT startArea{};
    GetWindowRect(start, &startArea);
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&startArea), 2);
    const std::int32_t columns = client.right < 800 ? client.right : 800;
    const std::int32_t rows = startArea.top;
    ASSERT_GT(rows, 300);

    Sleep(500);  // the idle display is painted right after start-up
    SaveScreenshot("win32-main");
    const std::optional<PixelBuffer> idle = ExpectedDisplay(folder, 88);
    ASSERT_TRUE(idle.has_value());
    EXPECT_TRUE(SameRegion(Capture(display, 800, 600), *idle, columns, rows)) << "idle display";

    PostMessageW(start, BM_CLICK, 0, 0);
    auto drawn = [&] {
        DWORD_PTR count = 0;
        SendMessageTimeoutW(list, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &count);
        return count == 1 && IsWindowEnabled(start);
    };
    ASSERT_TRUE(WaitUntil(drawn, kDrawTimeout)) << "the draw did not finish";

    DWORD_PTR length = 0;
    SendMessageTimeoutW(list, LB_GETTEXTLEN, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
    std::wstring item(length + 1, L'\0');
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(item.data()), SMTO_ABORTIFHUNG, 5000,
                        &ignored);
    item.resize(length);
    ASSERT_EQ(item.size(), 5u) << Narrow(item);
    EXPECT_EQ(item.substr(0, 3), L"1: ");
    const int number = _wtoi(item.substr(3).c_str());
    ASSERT_GE(number, 1);
    ASSERT_LE(number, 72);
    EXPECT_NE(
        FindChild(window, [](HWND child) { return ClassOf(child) == L"Static" && TextOf(child) == L"1"; }),
        nullptr)
        << "the newest history cell's label";

    const std::optional<PixelBuffer> expected = ExpectedDisplay(folder, static_cast<std::int16_t>(number));
    ASSERT_TRUE(expected.has_value());
    EXPECT_TRUE(SameRegion(Capture(display, 800, 600), *expected, columns, rows))
        << "after drawing " << number;
    SaveScreenshot("win32-draw");

    // The settings dialog opens over the window and closes again without saving.
    PostMessageW(FindButton(window, L"設定"), BM_CLICK, 0, 0);
    HWND dialog = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (dialog = FindTopLevel(program.Id(), L"PalvoForm", L"設定")) != nullptr; },
                  kStartTimeout))
        << "no settings dialog";
    EXPECT_FALSE(IsWindowEnabled(window));
    Sleep(500);
    SaveScreenshot("win32-settings");
    PostMessageW(FindButton(dialog, L"閉じる"), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog) && IsWindowEnabled(window); }, kStartTimeout));

    PostMessageW(window, WM_CLOSE, 0, 0);
    const std::optional<DWORD> exitCode = program.WaitForExit(kExitTimeout);
    ASSERT_TRUE(exitCode.has_value()) << "still running after WM_CLOSE";
    EXPECT_EQ(*exitCode, 0u);
    const std::optional<std::string> settings = ReadFileBytes(folder.File("palvo.ini"));
    ASSERT_TRUE(settings.has_value());
    EXPECT_EQ(*settings, "[PALVO]\r\nRhythmFast=5\r\nRhythmSlow=1\r\nBackGroundImageFile=" +
                             Utf8ToCp932(folder.File("bg\\bg01.jpg")) +
                             "\r\nNumColor=33023\r\nNumSizeIndex=2\r\nNumPosIndex=4\r\nNumMax=72\r\n");
}

TEST(PalvoSmoke, ACloseDuringTheRollWaitsForTheDrawAndThenEnds)
{
    ProgramFolder folder("close");
    ASSERT_TRUE(folder.Ready());
    // About three seconds of rolling: long enough to close the window in the middle of it.
    ASSERT_TRUE(ReplaceFileBytes(folder.File("palvo.ini"), "[PALVO]\r\nRhythmFast=12\r\nRhythmSlow=4\r\n"));

    RunningProgram program(folder);
    ASSERT_TRUE(program.Started());
    HWND window = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (window = FindTopLevel(program.Id(), L"PalvoForm")) != nullptr; },
                          kStartTimeout));
    HWND start = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (start = FindButton(window, L"スタート")) != nullptr; }, kStartTimeout));

    PostMessageW(start, BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowEnabled(start); }, kDrawTimeout)) << "the roll did not begin";
    // While it rolls the window keeps answering messages.
    DWORD_PTR ignored = 0;
    EXPECT_NE(SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &ignored), 0);
    PostMessageW(window, WM_CLOSE, 0, 0);
    Sleep(300);
    EXPECT_FALSE(program.WaitForExit(0).has_value()) << "closed in the middle of the draw";

    const std::optional<DWORD> exitCode = program.WaitForExit(kDrawTimeout);
    ASSERT_TRUE(exitCode.has_value()) << "still running after the draw";
    EXPECT_EQ(*exitCode, 0u);
    const std::optional<std::string> settings = ReadFileBytes(folder.File("palvo.ini"));
    ASSERT_TRUE(settings.has_value());
    EXPECT_NE(settings->find("NumMax=72\r\n"), std::string::npos);
}

struct DamagedStart {
    const char* file;     // relative to the program's folder
    const char* warning;  // how the one warning begins
};

TEST(PalvoSmoke, ADamagedPictureShowsItsOneWarningEndsAndStillWritesTheSettings)
{
    const DamagedStart cases[] = {
        {"bg\\bg01.jpg", "背景画像の取得ができませんでした。"},
        {"bars\\horizontal2.bmp", "Error (SetNumBarBmp) : "},
        {"bars\\vertical3.bmp", "Error (SetHistNumBmp) : "},
    };
    int round = 0;
    for (const DamagedStart& damaged : cases) {
        SCOPED_TRACE(damaged.file);
        ProgramFolder folder("damaged" + std::to_string(round++));
        ASSERT_TRUE(folder.Ready());
        ASSERT_TRUE(ReplaceFileBytes(folder.File(damaged.file), "BM this is not a picture"));

        RunningProgram program(folder);
        ASSERT_TRUE(program.Started());
        HWND box = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (box = FindTopLevel(program.Id(), L"#32770")) != nullptr; },
                              kStartTimeout))
            << "no warning";
        EXPECT_EQ(TextOf(box), L"Palvo");
        if (round == 1) {
            SaveScreenshot("win32-warning");
        }
        HWND text =
            FindChild(box, [](HWND child) { return ClassOf(child) == L"Static" && !TextOf(child).empty(); });
        ASSERT_NE(text, nullptr);
        const std::string message = Narrow(TextOf(text));
        EXPECT_EQ(message.rfind(damaged.warning, 0), 0u) << message;
        EXPECT_EQ(FindTopLevel(program.Id(), L"PalvoForm"), nullptr)
            << "the window shows despite the warning";

        PostMessageW(box, WM_COMMAND, IDOK, 0);
        bool secondBox = false;
        const bool ended = WaitUntil(
            [&] {
                HWND another = FindTopLevel(program.Id(), L"#32770");
                secondBox = secondBox || (another != nullptr && another != box);
                return program.WaitForExit(0).has_value();
            },
            kExitTimeout);
        ASSERT_TRUE(ended) << "still running after the warning";
        EXPECT_FALSE(secondBox);
        EXPECT_EQ(program.WaitForExit(0), std::optional<DWORD>(1));
        const std::optional<std::string> settings = ReadFileBytes(folder.File("palvo.ini"));
        ASSERT_TRUE(settings.has_value());
        EXPECT_EQ(settings->rfind("[PALVO]\r\nBackGroundImageFile=", 0), 0u);
    }
}

// The lines of list box `list`.
std::vector<std::wstring> ListItems(HWND list)
{
    std::vector<std::wstring> items;
    DWORD_PTR count = 0;
    SendMessageTimeoutW(list, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &count);
    for (DWORD_PTR i = 0; i < count; ++i) {
        DWORD_PTR length = 0;
        SendMessageTimeoutW(list, LB_GETTEXTLEN, i, 0, SMTO_ABORTIFHUNG, 5000, &length);
        std::wstring item(length + 1, L'\0');
        DWORD_PTR copied = 0;
        SendMessageTimeoutW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item.data()), SMTO_ABORTIFHUNG, 5000,
                            &copied);
        item.resize(copied);
        items.push_back(item);
    }
    return items;
}

TEST(PalvoSmoke, AKilledProgramOffersItsGameAgainAndPutsItBack)
{
    ProgramFolder folder("journal");
    ASSERT_TRUE(folder.Ready());
    ASSERT_TRUE(ReplaceFileBytes(folder.File("palvo.ini"), "[PALVO]\r\nRhythmFast=5\r\nRhythmSlow=1\r\n"));

    std::vector<std::wstring> drawn;
    {
        RunningProgram program(folder);
        ASSERT_TRUE(program.Started());
        HWND window = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (window = FindTopLevel(program.Id(), L"PalvoForm")) != nullptr; },
                              kStartTimeout));
        HWND start = nullptr;
        ASSERT_TRUE(
            WaitUntil([&] { return (start = FindButton(window, L"スタート")) != nullptr; }, kStartTimeout));
        HWND list = FindChild(window, [](HWND child) { return ClassOf(child) == L"ListBox"; });
        ASSERT_NE(list, nullptr);
        for (std::size_t draws = 1; draws <= 3; ++draws) {
            PostMessageW(start, BM_CLICK, 0, 0);
            ASSERT_TRUE(WaitUntil([&] { return ListItems(list).size() == draws && IsWindowEnabled(start); },
                                  kDrawTimeout));
        }
        drawn = ListItems(list);
        program.Kill();
    }
    const std::optional<std::string> journal = ReadFileBytes(folder.File("palvo-game.txt"));
    ASSERT_TRUE(journal.has_value()) << "the journal lies beside palvo.exe";
    const JournalReading reading = ParseJournal(*journal);
    ASSERT_EQ(reading.state, JournalState::Unfinished);
    ASSERT_EQ(reading.game.numbers.size(), 3u);

    RunningProgram program(folder);
    ASSERT_TRUE(program.Started());
    HWND question = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (question = FindTopLevel(program.Id(), L"#32770")) != nullptr; }, kStartTimeout))
        << "no question at start-up";
    EXPECT_NE(FindChild(question,
                        [](HWND child) {
                            return TextOf(child) == L"前回のゲームの続きから始めますか？ (3 個抽選済み)";
                        }),
              nullptr);
    Sleep(300);
    SaveScreenshot("win32-resume-question");
    PostMessageW(question, WM_COMMAND, IDYES, 0);

    HWND window = FindTopLevel(program.Id(), L"PalvoForm");
    ASSERT_NE(window, nullptr);
    HWND start = FindButton(window, L"スタート");
    HWND list = FindChild(window, [](HWND child) { return ClassOf(child) == L"ListBox"; });
    ASSERT_TRUE(WaitUntil([&] { return ListItems(list).size() == 3u && IsWindowEnabled(start); }, kStartTimeout))
        << "the game did not come back";
    EXPECT_EQ(ListItems(list), drawn);
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_EQ(_wtoi(drawn[i].substr(drawn[i].find(L':') + 1).c_str()), reading.game.numbers[i]);
    }
    Sleep(300);
    SaveScreenshot("win32-resumed");

    PostMessageW(window, WM_CLOSE, 0, 0);
    const std::optional<DWORD> exitCode = program.WaitForExit(kExitTimeout);
    ASSERT_TRUE(exitCode.has_value());
    EXPECT_EQ(*exitCode, 0u);
}

// One copy per folder: a second start says so in a box and, once it is read, brings the running
// window to the front and ends without touching a file; a copy ended by force holds nothing.
TEST(PalvoSmoke, ASecondCopySaysSoBringsTheFirstForwardAndAKilledCopyLocksNoOneOut)
{
    ProgramFolder folder("second");
    ASSERT_TRUE(folder.Ready());
    ASSERT_TRUE(ReplaceFileBytes(folder.File("palvo.ini"), "[PALVO]\r\nNumMax=30\r\n"));
    RunningProgram first(folder);
    ASSERT_TRUE(first.Started());
    HWND window = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (window = FindTopLevel(first.Id(), L"PalvoForm")) != nullptr; },
                          kStartTimeout));
    ASSERT_TRUE(WaitUntil([&] { return FindButton(window, L"スタート") != nullptr; }, kStartTimeout));
    // Another window in front, as after the operator switched away.
    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                 nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);

    {
        RunningProgram second(folder);
        ASSERT_TRUE(second.Started());
        HWND box = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (box = FindTopLevel(second.Id(), L"#32770")) != nullptr; },
                              kStartTimeout));
        EXPECT_NE(FindChild(box,
                            [](HWND child) {
                                return TextOf(child).find(L"すでに起動しています") != std::wstring::npos;
                            }),
                  nullptr);
        EXPECT_EQ(FindTopLevel(second.Id(), L"PalvoForm"), nullptr) << "the second copy shows no window";
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        const std::optional<DWORD> exitCode = second.WaitForExit(kExitTimeout);
        ASSERT_TRUE(exitCode.has_value());
        EXPECT_NE(*exitCode, 0u);
    }
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window; }, 5000))
        << "the first copy came forward";
    DestroyWindow(other);
    EXPECT_EQ(ReadFileBytes(folder.File("palvo.ini")),
              std::optional<std::string>("[PALVO]\r\nNumMax=30\r\n"));
    EXPECT_FALSE(ReadFileBytes(folder.File("palvo-game.txt")).has_value());

    first.Kill();
    RunningProgram third(folder);
    ASSERT_TRUE(third.Started());
    EXPECT_TRUE(WaitUntil([&] { return FindTopLevel(third.Id(), L"PalvoForm") != nullptr; }, kStartTimeout))
        << "the killed copy still holds the folder";
    EXPECT_EQ(FindTopLevel(third.Id(), L"#32770"), nullptr);
}

// Logoff or shutdown mid-game: nothing asked, the settings saved before Windows may end the
// process, and the window closes.
TEST(PalvoSmoke, TheEndOfTheSessionSavesTheSettingsWithoutAQuestion)
{
    ProgramFolder folder("session");
    ASSERT_TRUE(folder.Ready());
    ASSERT_TRUE(ReplaceFileBytes(folder.File("palvo.ini"),
                                 "[PALVO]\r\nNumMax=30\r\nRhythmFast=5\r\nRhythmSlow=1\r\n"));
    RunningProgram program(folder);
    ASSERT_TRUE(program.Started());
    HWND window = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (window = FindTopLevel(program.Id(), L"PalvoForm")) != nullptr; },
                          kStartTimeout));
    HWND start = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (start = FindButton(window, L"スタート")) != nullptr; }, kStartTimeout));
    HWND list = FindChild(window, [](HWND child) { return ClassOf(child) == L"ListBox"; });
    PostMessageW(start, BM_CLICK, 0, 0);
    ASSERT_TRUE(
        WaitUntil([&] { return ListItems(list).size() == 1u && IsWindowEnabled(start); }, kDrawTimeout));

    DWORD_PTR mayEnd = 0;
    ASSERT_TRUE(SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000,
                                    &mayEnd));
    EXPECT_EQ(mayEnd, static_cast<DWORD_PTR>(TRUE));
    EXPECT_EQ(FindTopLevel(program.Id(), L"#32770"), nullptr) << "nothing asked";
    DWORD_PTR ignored = 0;
    ASSERT_TRUE(SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000,
                                    &ignored));
    // Saved by the time the message returns: Windows may end the process right then.
    const std::optional<std::string> settings = ReadFileBytes(folder.File("palvo.ini"));
    ASSERT_TRUE(settings.has_value());
    EXPECT_NE(settings->find("NumSizeIndex=2"), std::string::npos) << *settings;
    EXPECT_NE(settings->find("NumMax=30"), std::string::npos) << *settings;
    const std::optional<DWORD> exitCode = program.WaitForExit(kExitTimeout);
    ASSERT_TRUE(exitCode.has_value()) << "the window did not close";
    EXPECT_EQ(*exitCode, 0u);
    const std::optional<std::string> journal = ReadFileBytes(folder.File("palvo-game.txt"));
    ASSERT_TRUE(journal.has_value());
    EXPECT_EQ(ParseJournal(*journal).state, JournalState::Unfinished) << "the game waits for the next start";
}

}  // namespace
}  // namespace palvo::win32
