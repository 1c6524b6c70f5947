// The Win32 window layer against a real window system (Wine on a virtual display in CI):
// persistent images, picture loading, controls, timers, closing and the event pump.
#include "platform/win32/win32_form.h"

#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <wincodec.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/headless/recording_main_window_events.h"
#include "platform/win32/os/wide_text.h"
#include "platform/win32/picture_decoder.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_event_pump.h"
#include "tests/support/picture_surface_contract.h"

namespace palvo::win32 {
namespace {

// The test window borrows controls of the program's windows for what it needs: a shape and a
// label inside a picture box, and two option buttons of one group.
const ControlId kFrame(Control::spHistNum, 0);
const ControlId kLabel(Control::lblistNum, 0);
const ControlId kOptionA(Control::opNumSize, 0);
const ControlId kOptionB(Control::opNumSize, 1);

WindowLayout TestLayout()
{
    WindowLayout layout;
    layout.caption = "試験";
    layout.outerWidth = 400;
    layout.outerHeight = 300;
    layout.backColor = 0x00404040;
    ControlLayout base = MakeControl(Control::picBase, ControlKind::PictureBox, std::nullopt, 0, 0, 40, 30);
    base.backColor = 0;
    layout.controls.push_back(base);
    ControlLayout hist =
        MakeControl(Control::picHist, ControlKind::PictureBox, std::nullopt, 0, 100, 300, 80);
    hist.backColor = 0x00C00000;
    layout.controls.push_back(hist);
    ControlLayout start =
        MakeControl(Control::cmdStart, ControlKind::CommandButton, Control::picHist, 10, 10, 90, 40);
    start.caption = "スタート";
    start.graphicalStyle = true;
    start.backColor = 0x00FFFFFF;
    layout.controls.push_back(start);
    ControlLayout frame = MakeControl(kFrame, ControlKind::Shape, Control::picHist, 0, -1, 20, 10);
    frame.borderColor = 0x00202020;
    layout.controls.push_back(frame);
    layout.controls.push_back(MakeControl(kLabel, ControlKind::Label, Control::picHist, 120, 10, 60, 16));
    layout.controls.push_back(
        MakeControl(Control::lstHistory, ControlKind::ListBox, std::nullopt, 300, 0, 80, 90));
    layout.controls.push_back(
        MakeControl(Control::txtNum, ControlKind::TextBox, std::nullopt, 200, 0, 80, 24));
    layout.controls.push_back(
        MakeControl(kOptionA, ControlKind::OptionButton, std::nullopt, 200, 40, 60, 20));
    layout.controls.push_back(
        MakeControl(kOptionB, ControlKind::OptionButton, std::nullopt, 200, 60, 60, 20));
    ControlLayout timer = MakeControl(Control::Timer1, ControlKind::Timer, std::nullopt, 0, 0, 0, 0);
    timer.timerInterval = 20;
    timer.enabled = false;
    layout.controls.push_back(timer);
    return layout;
}

// A fresh file path under the user's temporary folder, deleted afterwards.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::wstring& extension)
    {
        wchar_t base[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, base);
        path_ = std::wstring(base) + L"palvo-form-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(counter_++) + extension;
    }
    ~TemporaryFile() { DeleteFileW(path_.c_str()); }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    std::string Path() const { return Narrow(path_); }
    const std::wstring& WidePath() const { return path_; }

private:
    std::wstring path_;
    static inline int counter_ = 0;
};

// Writes a 24-bit bottom-up BMP of `image` (the form bitmap editors save).
bool WriteBmp(const std::wstring& path, const PixelBuffer& image)
{
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(image.Width()) * 3u + 3u) & ~3u;
    const std::uint32_t dataBytes = rowBytes * static_cast<std::uint32_t>(image.Height());
    std::string bytes(54 + dataBytes, '\0');
    auto put16 = [&](std::size_t at, std::uint32_t value) {
        bytes[at] = static_cast<char>(value & 0xFF);
        bytes[at + 1] = static_cast<char>((value >> 8) & 0xFF);
    };
    auto put32 = [&](std::size_t at, std::uint32_t value) {
        put16(at, value & 0xFFFF);
        put16(at + 2, value >> 16);
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, 54 + dataBytes);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(image.Width()));
    put32(22, static_cast<std::uint32_t>(image.Height()));
    put16(26, 1);
    put16(28, 24);
    put32(34, dataBytes);
    for (std::int32_t y = 0; y < image.Height(); ++y) {
        const std::size_t row = 54 + static_cast<std::size_t>(image.Height() - 1 - y) * rowBytes;
        for (std::int32_t x = 0; x < image.Width(); ++x) {
            const Pixel& pixel = image.At(x, y);
            bytes[row + static_cast<std::size_t>(x) * 3] = static_cast<char>(pixel.blue);
            bytes[row + static_cast<std::size_t>(x) * 3 + 1] = static_cast<char>(pixel.green);
            bytes[row + static_cast<std::size_t>(x) * 3 + 2] = static_cast<char>(pixel.red);
        }
    }
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

// Encodes `image` with the Windows Imaging Component in the given container format.
bool WriteWithCodec(const std::wstring& path, const PixelBuffer& image, const GUID& container)
{
    IWICImagingFactory* factory = nullptr;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(&factory)))) {
        return false;
    }
    bool ok = false;
    IWICStream* stream = nullptr;
    IWICBitmapEncoder* encoder = nullptr;
    IWICBitmapFrameEncode* frame = nullptr;
    if (SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
        SUCCEEDED(factory->CreateEncoder(container, nullptr, &encoder)) &&
        SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
        SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
        SUCCEEDED(frame->SetSize(static_cast<UINT>(image.Width()), static_cast<UINT>(image.Height())))) {
        WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
        frame->SetPixelFormat(&format);
        // Whatever format the codec settled on, hand it the pixels as 24-bit rows.
        std::vector<BYTE> rows(static_cast<std::size_t>(image.Width()) * 3 *
                               static_cast<std::size_t>(image.Height()));
        for (std::int32_t y = 0; y < image.Height(); ++y) {
            for (std::int32_t x = 0; x < image.Width(); ++x) {
                const std::size_t at =
                    (static_cast<std::size_t>(y) * static_cast<std::size_t>(image.Width()) +
                     static_cast<std::size_t>(x)) *
                    3;
                rows[at] = image.At(x, y).blue;
                rows[at + 1] = image.At(x, y).green;
                rows[at + 2] = image.At(x, y).red;
            }
        }
        ok = IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) &&
             SUCCEEDED(frame->WritePixels(static_cast<UINT>(image.Height()),
                                          static_cast<UINT>(image.Width()) * 3,
                                          static_cast<UINT>(rows.size()), rows.data())) &&
             SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    }
    if (frame != nullptr) {
        frame->Release();
    }
    if (encoder != nullptr) {
        encoder->Release();
    }
    if (stream != nullptr) {
        stream->Release();
    }
    factory->Release();
    return ok;
}

PixelBuffer Pattern(std::int32_t width, std::int32_t height)
{
    PixelBuffer image(width, height);
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            image.At(x, y) = Pixel{static_cast<std::uint8_t>(x * 7), static_cast<std::uint8_t>(y * 11),
                                   static_cast<std::uint8_t>(200 - x - y), 0};
        }
    }
    return image;
}

using contract::SameColours;
using contract::Solid;

// The headless recorder, listening to a form.
class RecordingFormEvents : public RecordingMainWindowEvents, public Win32FormEvents {
public:
    void OnClick(ControlId button) override { RecordingMainWindowEvents::OnClick(button); }
    void OnActivate() override { RecordingMainWindowEvents::OnActivate(); }
    void OnTimer(ControlId timer) override { RecordingMainWindowEvents::OnTimer(timer); }
    bool OnCloseRequest() override { return RecordingMainWindowEvents::OnCloseRequest(); }
    void OnClosed() override { RecordingMainWindowEvents::OnClosed(); }
};

class Win32FormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        form.SetEvents(&events);
        form.ApplyLayout(TestLayout());
        ASSERT_NE(form.Window(), nullptr);
    }
    void TearDown() override
    {
        form.SetEvents(nullptr);
        form.Close();
        CoUninitialize();
    }

    RecordingFormEvents events;
    Win32Form form{GetModuleHandleW(nullptr), "."};
    Win32EventPump pump;
};

// What a picture box keeps and shows is the contract suite's; here, that the form builds its
// boxes from the layout and sizes their windows with their images.
TEST_F(Win32FormTest, FormPictureBoxesFollowTheLayoutAndTheirImagesSize)
{
    PictureSurface& base = *form.Picture(Control::picBase);
    ASSERT_EQ(base.ImageWidth(), 40);
    ASSERT_EQ(base.ImageHeight(), 30);
    PixelBuffer read;
    ASSERT_TRUE(base.ReadImage(read));
    EXPECT_TRUE(SameColours(read, Solid(40, 30, Pixel{0, 0, 0, 0})));

    TemporaryFile file(L".bmp");
    ASSERT_TRUE(WriteBmp(file.WidePath(), Pattern(5, 4)));
    PictureSurface& hist = *form.Picture(Control::picHist);
    ASSERT_TRUE(hist.LoadPicture(file.Path()));
    RECT bounds = *form.Bounds(Control::picHist);
    EXPECT_EQ(bounds.right - bounds.left, 5);
    EXPECT_EQ(bounds.bottom - bounds.top, 4);
    hist.RemovePicture();
    ASSERT_TRUE(hist.ReadImage(read));
    EXPECT_TRUE(SameColours(read, Solid(5, 4, Pixel{0xC0, 0x00, 0x00, 0})));  // back colour 0x00C00000

    hist.SetImageSize(12, 9);
    bounds = *form.Bounds(Control::picHist);
    EXPECT_EQ(bounds.right - bounds.left, 12);
    EXPECT_EQ(bounds.bottom - bounds.top, 9);
}

TEST_F(Win32FormTest, LoadPictureRefusesMissingBrokenAndHugeFilesAndKeepsTheBox)
{
    PictureSurface& base = *form.Picture(Control::picBase);
    const PixelBuffer pattern = Pattern(40, 30);
    base.WriteImage(pattern);

    TemporaryFile broken(L".bmp");
    HANDLE file =
        CreateFileW(broken.WidePath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, "BM not a bitmap", 15, &written, nullptr);
    CloseHandle(file);
    TemporaryFile huge(L".bmp");
    ASSERT_TRUE(WriteBmp(huge.WidePath(), Solid(kMaximumPictureSide + 1, 1, Pixel{})));
    TemporaryFile largest(L".bmp");
    ASSERT_TRUE(WriteBmp(largest.WidePath(), Solid(kMaximumPictureSide, 1, Pixel{})));

    // A bar-sized header claiming 800 x 600 pixels over 1,000 bytes: decoded only partly, refused.
    TemporaryFile truncated(L".bmp");
    ASSERT_TRUE(WriteBmp(truncated.WidePath(), Solid(800, 600, Pixel{})));
    file = CreateFileW(truncated.WidePath().c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    SetFilePointer(file, 1000, nullptr, FILE_BEGIN);
    SetEndOfFile(file);
    CloseHandle(file);
    // A named pipe as the picture: refused at once, never waited on.
    const std::wstring pipeName = L"\\\\.\\pipe\\palvo-picture-" + std::to_wstring(GetCurrentProcessId());
    HANDLE pipe =
        CreateNamedPipeW(pipeName.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1, 0, 0, 0, nullptr);
    ASSERT_NE(pipe, INVALID_HANDLE_VALUE);

    EXPECT_FALSE(base.LoadPicture("C:\\no such folder\\bg01.jpg"));
    EXPECT_FALSE(base.LoadPicture(broken.Path()));
    EXPECT_FALSE(base.LoadPicture(huge.Path()));
    EXPECT_FALSE(base.LoadPicture(truncated.Path()));
    EXPECT_FALSE(base.LoadPicture(win32::Narrow(pipeName)));
    EXPECT_FALSE(base.LoadPicture("CON"));
    CloseHandle(pipe);
    PixelBuffer read;
    ASSERT_TRUE(base.ReadImage(read));
    EXPECT_TRUE(SameColours(read, pattern));

    EXPECT_TRUE(DecodePictureFile(largest.Path()).has_value());
}

TEST_F(Win32FormTest, DecodesJpegAndGifPictures)
{
    const PixelBuffer flat = Solid(16, 8, Pixel{0x20, 0x80, 0xF0, 0});
    TemporaryFile jpeg(L".jpg");
    ASSERT_TRUE(WriteWithCodec(jpeg.WidePath(), flat, GUID_ContainerFormatJpeg));
    // A one-pixel red GIF, byte by byte: header, two-colour table, one image, LZW data.
    static const unsigned char kRedDot[] = {'G', 'I',  'F', '8', '9', 'a', 1, 0,    1,    0, 0x80, 0,
                                            0,   0xFF, 0,   0,   0,   0,   0, 0x2C, 0,    0, 0,    0,
                                            1,   0,    1,   0,   0,   2,   2, 0x44, 0x01, 0, 0x3B};
    TemporaryFile gif(L".gif");
    HANDLE file = CreateFileW(gif.WidePath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, kRedDot, sizeof(kRedDot), &written, nullptr);
    CloseHandle(file);

    const std::optional<PixelBuffer> fromJpeg = DecodePictureFile(jpeg.Path());
    ASSERT_TRUE(fromJpeg.has_value());
    ASSERT_EQ(fromJpeg->Width(), 16);
    ASSERT_EQ(fromJpeg->Height(), 8);
    // Lossy, so only close: a flat colour survives within a few steps.
    EXPECT_NEAR(fromJpeg->At(5, 5).red, 0xF0, 8);
    EXPECT_NEAR(fromJpeg->At(5, 5).green, 0x80, 8);
    EXPECT_NEAR(fromJpeg->At(5, 5).blue, 0x20, 8);

    const std::optional<PixelBuffer> fromGif = DecodePictureFile(gif.Path());
    ASSERT_TRUE(fromGif.has_value());
    ASSERT_EQ(fromGif->Width(), 1);
    ASSERT_EQ(fromGif->Height(), 1);
    EXPECT_EQ(fromGif->At(0, 0), (Pixel{0, 0, 0xFF, 0}));
}

TEST_F(Win32FormTest, RefreshPutsThePersistentImageOnScreen)
{
    form.Show();
    pump.ProcessEventsFor(50);
    PictureSurface& base = *form.Picture(Control::picBase);
    const PixelBuffer pattern = Pattern(40, 30);
    base.WriteImage(pattern);
    base.Refresh();

    HWND window = form.ControlWindow(Control::picBase);
    HDC screen = GetDC(window);
    PixelBuffer shown;
    std::int32_t width = 0;
    std::int32_t height = 0;
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP copy = CreateCompatibleBitmap(screen, 40, 30);
    HGDIOBJ old = SelectObject(memory, copy);
    BitBlt(memory, 0, 0, 40, 30, screen, 0, 0, SRCCOPY);
    ASSERT_TRUE(GetDibPixels(memory, shown, width, height));
    SelectObject(memory, old);
    DeleteObject(copy);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    EXPECT_TRUE(SameColours(shown, pattern));
}

TEST_F(Win32FormTest, ControlsKeepTextsListsOptionsAndEnabledStates)
{
    form.SetText(kLabel, "第12回");
    EXPECT_EQ(form.Text(kLabel), "第12回");
    EXPECT_EQ(form.Text(Control::cmdStart), "スタート");
    form.SetText(Control::txtNum, "72");
    EXPECT_EQ(form.Text(Control::txtNum), "72");
    EXPECT_EQ(form.Text(Control::cmdClose), "");  // the settings dialog's, not in this layout

    form.ListAddItem(Control::lstHistory, "1:  5");
    form.ListAddItem(Control::lstHistory, "2: 45");
    form.ListSelect(Control::lstHistory, 1);
    EXPECT_EQ(form.ListCount(Control::lstHistory), 2);
    EXPECT_EQ(form.ListItem(Control::lstHistory, 0), "1:  5");
    EXPECT_EQ(form.ListSelectedIndex(Control::lstHistory), 1);
    form.ListClear(Control::lstHistory);
    EXPECT_EQ(form.ListCount(Control::lstHistory), 0);

    form.SetChecked(kOptionA, true);
    form.SetChecked(kOptionB, true);
    EXPECT_FALSE(form.IsChecked(kOptionA));
    EXPECT_TRUE(form.IsChecked(kOptionB));

    form.SetEnabled(Control::cmdStart, false);
    EXPECT_FALSE(form.IsEnabled(Control::cmdStart));
    form.SetEnabled(Control::cmdStart, true);
    EXPECT_TRUE(form.IsEnabled(Control::cmdStart));
}

TEST_F(Win32FormTest, ClicksOfButtonsInsideAContainerReachTheEvents)
{
    SendMessageW(form.ControlWindow(Control::cmdStart), BM_CLICK, 0, 0);
    SendMessageW(form.ControlWindow(kOptionA), BM_CLICK, 0, 0);
    ASSERT_EQ(events.clicks.size(), 2u);
    EXPECT_EQ(events.clicks[0], Control::cmdStart);
    EXPECT_EQ(events.clicks[1], kOptionA);

    // A disabled container passes no mouse click on.
    form.SetEnabled(Control::picHist, false);
    EXPECT_FALSE(IsWindowEnabled(form.ControlWindow(Control::picHist)));
}

TEST_F(Win32FormTest, TabMovesTheFocusAndEnterClicksTheFocusedButton)
{
    form.Show();
    pump.ProcessEventsFor(50);
    form.SetFocus(Control::cmdStart);
    ASSERT_EQ(GetFocus(), form.ControlWindow(Control::cmdStart));

    MSG enter{form.ControlWindow(Control::cmdStart), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_TRUE(form.TranslateKeyboard(enter));
    pump.ProcessEventsFor(50);
    ASSERT_EQ(events.clicks.size(), 1u);
    EXPECT_EQ(events.clicks[0], Control::cmdStart);

    MSG tab{form.ControlWindow(Control::cmdStart), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(form.TranslateKeyboard(tab));
    EXPECT_NE(GetFocus(), form.ControlWindow(Control::cmdStart));
    EXPECT_NE(GetFocus(), nullptr);

    MSG letter{form.ControlWindow(Control::txtNum), WM_KEYDOWN, 'A', 0, 0, {}};
    EXPECT_FALSE(form.TranslateKeyboard(letter));  // typing stays with the control
}

TEST(Win32FormFocus, APictureButtonWithTheFocusShowsADottedRectangleInBlack)
{
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    const std::wstring folder = std::wstring(base) + L"palvo-focus-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    CreateDirectoryW((folder + L"\\buttons").c_str(), nullptr);
    PixelBuffer arrow(39, 38);
    for (std::int32_t y = 0; y < 38; ++y) {
        for (std::int32_t x = 0; x < 39; ++x) {
            arrow.At(x, y) = Pixel{0xFF, 0xFF, 0xFF, 0};
        }
    }
    ASSERT_TRUE(WriteBmp(folder + L"\\buttons\\back.bmp", arrow));

    WindowLayout layout;
    layout.caption = "試験";
    layout.outerWidth = 300;
    layout.outerHeight = 200;
    ControlLayout back = MakeControl(Control::cmdHistBack, ControlKind::CommandButton, std::nullopt, 10, 10, 49, 75);
    back.backColor = 0x00787878;
    back.graphicalStyle = true;
    back.picture = "buttons/back.bmp";
    ControlLayout start = MakeControl(Control::cmdStart, ControlKind::CommandButton, std::nullopt, 100, 10, 90, 40);
    start.caption = "スタート";
    start.backColor = 0x00FFFFFF;
    start.graphicalStyle = true;
    layout.controls = {back, start};
    Win32Form form(GetModuleHandleW(nullptr), Narrow(folder));
    form.ApplyLayout(layout);
    form.Show();
    Win32EventPump pump;
    const auto pixel = [&](int x, int y) {
        pump.ProcessEventsFor(50);
        HDC screen = GetDC(form.ControlWindow(Control::cmdHistBack));
        const COLORREF shown = GetPixel(screen, x, y);
        ReleaseDC(form.ControlWindow(Control::cmdHistBack), screen);
        return shown;
    };
    const COLORREF face = RGB(0x78, 0x78, 0x78);
    form.SetFocus(Control::cmdStart);
    EXPECT_EQ(pixel(4, 4), face);

    // Inverted, as DrawFocusRect has it, the grey face would hardly change.
    form.SetFocus(Control::cmdHistBack);
    EXPECT_EQ(pixel(4, 4), RGB(0, 0, 0));
    EXPECT_EQ(pixel(5, 4), face);
    EXPECT_EQ(pixel(44, 70), RGB(0, 0, 0)) << "the bottom right corner, 4 pixels inside";
    EXPECT_EQ(pixel(4, 40), RGB(0, 0, 0));
    EXPECT_EQ(pixel(6, 6), face);
    form.Close();
    DeleteFileW((folder + L"\\buttons\\back.bmp").c_str());
    RemoveDirectoryW((folder + L"\\buttons").c_str());
    RemoveDirectoryW(folder.c_str());
}

TEST_F(Win32FormTest, TimerFiresOnlyWhileEnabled)
{
    pump.ProcessEventsFor(80);
    EXPECT_TRUE(events.timers.empty());
    form.SetTimerEnabled(Control::Timer1, true);
    pump.ProcessEventsFor(200);
    form.SetTimerEnabled(Control::Timer1, false);
    ASSERT_FALSE(events.timers.empty());
    EXPECT_EQ(events.timers.front(), Control::Timer1);
    const std::size_t fired = events.timers.size();
    pump.ProcessEventsFor(80);
    EXPECT_EQ(events.timers.size(), fired);
}

TEST_F(Win32FormTest, CloseRequestCanBeRefusedAndActivationIsReported)
{
    form.Show();
    pump.ProcessEventsFor(50);
    EXPECT_GE(events.activations, 1);

    events.allowClose = false;
    SendMessageW(form.Window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(events.closeRequests, 1);
    EXPECT_TRUE(form.IsOpen());
    EXPECT_EQ(events.closed, 0);

    events.allowClose = true;
    SendMessageW(form.Window(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(form.IsOpen());
    EXPECT_EQ(events.closed, 1);
    EXPECT_EQ(form.ControlWindow(Control::cmdStart), nullptr);
}

TEST(Win32EventPumpTest, WaitsItsTimeDispatchingMessagesAndPassesQuitOn)
{
    Win32EventPump pump;
    Win32Clock clock;
    const std::uint32_t start = clock.TickCount();
    pump.ProcessEventsFor(120);
    EXPECT_GE(clock.TickCount() - start, 120u);

    PostQuitMessage(7);
    const std::uint32_t quitStart = clock.TickCount();
    pump.ProcessEventsFor(2000);
    EXPECT_LT(clock.TickCount() - quitStart, 1000u);  // ends at once for the outer loop
    MSG message{};
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 7u);
}

struct Win32Maker {
    static std::unique_ptr<PictureSurface> Make(std::int32_t width, std::int32_t height,
                                                std::int32_t backColor)
    {
        // The picture decoder needs COM on this thread; the test program never leaves it.
        static const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        static_cast<void>(com);
        return std::make_unique<Win32PictureBox>(nullptr, width, height, backColor, PictureFit::AutoSize);
    }
};

}  // namespace
}  // namespace palvo::win32

namespace palvo::contract {
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, PictureSurfaceContract, win32::Win32Maker);
}  // namespace palvo::contract
