#pragma once

// Shared by the game tests: a temporary application folder with an INI file, pictures for every
// picture source of the main window, the headless platform, and readers that decode the
// seven-segment digits from what the surfaces show.

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>

#include "app/main_window.h"
#include "platform/headless/headless_platform.h"
#include "platform/paths.h"
#include "platform/pixel_buffer.h"

namespace palvo::testing {

inline constexpr Pixel kDigitPixel{0x00, 0x80, 0xFF, 0};  // the default colour 33023 as a pixel
inline const std::string kEndOfGame = "サイシュウパルボデス！ オツカレサマデシタ．";
inline const std::string kResetQuestion = "リセットします。よろしいですか？";

// A bar of one colour on black, as the shipped artwork (without its tapered tips).
inline PixelBuffer SolidBar(std::int32_t width, std::int32_t height)
{
    PixelBuffer bar(width, height);
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            bar.At(x, y) = Pixel{0, 180, 255, 0};
        }
    }
    return bar;
}

// A background whose every pixel differs from black and from the digit colour.
inline PixelBuffer Background(std::int32_t width, std::int32_t height, std::uint8_t blue = 0x40)
{
    PixelBuffer picture(width, height);
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            picture.At(x, y) =
                Pixel{blue, static_cast<std::uint8_t>(y % 64), static_cast<std::uint8_t>(x % 64), 0};
        }
    }
    return picture;
}

struct DigitGeometry {
    std::int32_t barLength;
    std::int32_t barThickness;
    std::int32_t space;
};

// Which of the seven bars (H0 H1 H2 V0 V1 V2 V3) are lit in the digit whose origin is (x0, y0),
// tested at each bar's centre; decoded to "0" ... "9", " " for none, "?" otherwise.
inline std::string ReadDigit(const PixelBuffer& image, std::int32_t x0, std::int32_t y0,
                             const DigitGeometry& g, const Pixel& lit = kDigitPixel)
{
    const std::int32_t half = g.barThickness / 2;
    const std::int32_t hx = x0 + half + g.space + g.barLength / 2;
    const std::int32_t vxLeft = x0 + half;
    const std::int32_t vxRight = x0 + g.barLength + 2 * g.space + half;
    const std::int32_t vyUpper = y0 + half + g.space + g.barLength / 2;
    const std::int32_t vyLower = vyUpper + g.barLength + 2 * g.space;
    const std::array<std::pair<std::int32_t, std::int32_t>, 7> centres = {{
        {hx, y0 + half},
        {hx, y0 + g.barLength + 2 * g.space + half},
        {hx, y0 + 2 * g.barLength + 4 * g.space + half},
        {vxLeft, vyUpper},
        {vxLeft, vyLower},
        {vxRight, vyUpper},
        {vxRight, vyLower},
    }};
    std::string mask;
    for (const auto& [x, y] : centres) {
        const bool inside = x >= 0 && y >= 0 && x < image.Width() && y < image.Height();
        mask += inside && image.At(x, y) == lit ? '1' : '0';
    }
    static const std::map<std::string, std::string> digits = {
        {"1011111", "0"}, {"0000011", "1"}, {"1110110", "2"}, {"1110011", "3"},
        {"0101011", "4"}, {"1111001", "5"}, {"1111101", "6"}, {"1001011", "7"},
        {"1111111", "8"}, {"1111011", "9"}, {"0000000", " "}};
    const auto it = digits.find(mask);
    return it == digits.end() ? "?" : it->second;
}

// The big number on picBase for the default size 2 at the centre position: tens then ones.
inline std::string ReadBigNumber(const PixelBuffer& shown, const Pixel& lit = kDigitPixel)
{
    const DigitGeometry large{150, 30, 2};
    return ReadDigit(shown, 211, 107, large, lit) + ReadDigit(shown, 406, 107, large, lit);
}

// The number in a history cell: tens then ones.
inline std::string ReadCellNumber(const PixelBuffer& shown, const Pixel& lit = kDigitPixel)
{
    const DigitGeometry history{20, 3, 1};
    return ReadDigit(shown, 12, 7, history, lit) + ReadDigit(shown, 39, 7, history, lit);
}

class GameFixture : public ::testing::Test {
public:
    void SetUp() override
    {
        static std::atomic<int> serial{0};
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        directory_ = std::filesystem::temp_directory_path() /
                     (std::string("palvo-") + info->name() + "-" + std::to_string(std::random_device{}()) +
                      "-" + std::to_string(serial++));
        std::filesystem::remove_all(directory_);
        std::filesystem::create_directories(directory_);
        directoryText_ = Utf8FromPath(directory_);
        platform_ = std::make_unique<HeadlessPlatform>(directoryText_);
        RegisterPictures();
    }

    void TearDown() override
    {
        window_.reset();
        platform_.reset();
        std::error_code error;
        std::filesystem::remove_all(directory_, error);
    }

    // A file beside the program, `relative` written with "/".
    std::string AppPath(const std::string& relative) const
    {
        return Utf8FromPath(directory_ / PathFromUtf8(relative).make_preferred());
    }

    // Pictures in memory for every picture source; `bars` false leaves the bars to the files.
    void RegisterPictures(bool bars = true)
    {
        const std::array<std::pair<int, int>, 4> sizes = {{{92, 18}, {121, 24}, {150, 30}, {20, 3}}};
        for (int i = 0; bars && i < 4; ++i) {
            const auto [length, thickness] = sizes[static_cast<std::size_t>(i)];
            view().RegisterPicture(AppPath(std::string("bars/horizontal") + std::to_string(i) + ".bmp"),
                                   SolidBar(length, thickness));
            view().RegisterPicture(AppPath(std::string("bars/vertical") + std::to_string(i) + ".bmp"),
                                   SolidBar(thickness, length));
        }
        view().RegisterPicture(AppPath("buttons/back.bmp"), SolidBar(39, 38));
        view().RegisterPicture(AppPath("buttons/forward.bmp"), SolidBar(39, 38));
        view().RegisterPicture(AppPath("bg/bg01.jpg"), Background(800, 600));
    }

    // Writes the settings file; keys not given take their defaults.
    void WriteIni(const std::map<std::string, std::string>& values)
    {
        std::ofstream file(AppPath("palvo.ini"), std::ios::binary);
        file << "[PALVO]\r\n";
        for (const auto& [key, value] : values) {
            file << key << "=" << value << "\r\n";
        }
    }

    std::string IniText() const
    {
        std::ifstream file(AppPath("palvo.ini"), std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

    bool IniExists() const { return std::filesystem::exists(AppPath("palvo.ini")); }

    bool Load()
    {
        window_ = std::make_unique<MainWindow>(view(), services());
        return window_->FormLoad();
    }

    // One press of Start, as the operator's mouse would deliver it.
    void Start() { view().ClickWithMouse(Control::cmdStart); }

    const PixelBuffer& BaseShown() { return view().Surface(Control::picBase)->Shown(); }
    const PixelBuffer& CellShown(int i) { return view().Surface(ControlId(Control::picHistNum, i))->Shown(); }
    std::string BigNumber() { return ReadBigNumber(BaseShown()); }
    std::string CellNumber(int i) { return ReadCellNumber(CellShown(i)); }
    std::string Label(int i) { return view().Text(ControlId(Control::lblistNum, i)); }
    std::vector<std::string> Labels()
    {
        std::vector<std::string> labels;
        for (int i = 0; i < 5; ++i) {
            labels.push_back(Label(i));
        }
        return labels;
    }
    std::vector<std::string> Cells()
    {
        std::vector<std::string> cells;
        for (int i = 0; i < 5; ++i) {
            cells.push_back(CellNumber(i));
        }
        return cells;
    }

    HeadlessMainWindowView& view() { return platform_->view; }
    PlatformServices& services() { return platform_->services; }
    VirtualTime& time() { return platform_->time; }
    ScriptedMessageBoxes& messages() { return platform_->messages; }
    RecordingSound& sound() { return platform_->sound; }
    RecordingSettingsDialogHost& dialog() { return platform_->settingsDialog; }
    MainWindow& window() { return *window_; }

    std::filesystem::path directory_;
    std::string directoryText_;
    std::unique_ptr<HeadlessPlatform> platform_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace palvo::testing
