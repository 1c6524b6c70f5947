#include "config/settings_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "platform/headless/fake_environment.h"
#include "platform/headless/fixed_entropy.h"
#include "platform/headless/headless_main_window_view.h"
#include "platform/headless/headless_settings_dialog_view.h"
#include "platform/headless/recording_sound.h"
#include "platform/headless/scripted_common_dialogs.h"
#include "platform/headless/scripted_message_boxes.h"
#include "platform/headless/virtual_time.h"
#include "platform/paths.h"
#include "texts/japanese.h"

namespace palvo {
namespace {

namespace fs = std::filesystem;

// The seven settings, for comparing a store before and after.
struct Settings {
    std::string backGroundImageFile;
    std::int32_t numColor;
    std::int16_t numSizeIndex, numPosIndex, numMax, rhythmFast, rhythmSlow;
    bool operator==(const Settings&) const = default;
};

Settings Snapshot(const CConfig& config)
{
    return {config.BackGroundImageFile(), config.NumColor(), config.NumSizeIndex(),
            config.NumPosIndex(),         config.NumMax(),   config.RhythmFast(),
            config.RhythmSlow()};
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream file(PathFromUtf8(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

const std::string kBlankMessage = "数字 最大値 設定値が空白です。";
const std::string kNotNumberMessage = "数字 最大値 数値を入力してください。";
const std::string kConversionMessage = "数字 最大値 設定値が不正です。  (許容範囲エラー)";
const std::string kRangeMessage = "数字 最大値 設定範囲を超えています。   range : 1～99";

class SettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        directory_ = fs::temp_directory_path() / "palvo_settings_dialog_test" / info->name();
        fs::remove_all(directory_);
        fs::create_directories(directory_);
        environment_ = std::make_unique<FakeEnvironment>(Utf8FromPath(directory_));
        config_ = std::make_unique<CConfig>(Utf8FromPath(directory_));
        config_->ReadConfig();
        ASSERT_TRUE(config_->WriteConfig());
    }

    void TearDown() override { fs::remove_all(directory_); }

    // Opens the dialog over the current configuration.
    SettingsDialog& Open()
    {
        dialog_.reset();  // before the view it refers to
        view_ = std::make_unique<HeadlessSettingsDialogView>(
            [this](const std::string& path) { return loadable_.count(path) > 0; });
        dialog_ = std::make_unique<SettingsDialog>(*config_, *view_, dialogs_, messages_, *environment_);
        dialog_->FormLoad();
        return *dialog_;
    }

    void Press(ControlId button, int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            view_->Click(button);
        }
    }

    // Types the highest number and presses the save button.
    void SaveWith(const std::string& numMax)
    {
        view_->TypeNumMax(numMax);
        Press(Control::cmdSaveSetting);
    }

    fs::path directory_;
    std::unique_ptr<FakeEnvironment> environment_;
    std::unique_ptr<CConfig> config_;
    std::set<std::string> loadable_;
    ScriptedCommonDialogs dialogs_;
    ScriptedMessageBoxes messages_;
    std::unique_ptr<HeadlessSettingsDialogView> view_;
    std::unique_ptr<SettingsDialog> dialog_;
};

TEST_F(SettingsDialogTest, LoadShowsTheDefaults)
{
    Open();
    EXPECT_EQ(view_->ImagePathCaption(), config_->DefaultBackGroundImageFile());
    EXPECT_EQ(view_->PreviewPath(), "");  // the default picture does not exist here
    EXPECT_EQ(view_->ColorSwatch(), 0x000080FF);
    EXPECT_EQ(view_->SizeOption(), 2);
    EXPECT_EQ(view_->PositionOption(), 4);
    EXPECT_EQ(view_->NumMaxText(), "72");
    EXPECT_FLOAT_EQ(dialog_->RhythmFastBarTwips(), 1050.0F);
    EXPECT_FLOAT_EQ(dialog_->RhythmSlowBarTwips(), 472.5F);
    EXPECT_EQ(view_->RhythmDigits(RhythmCount::Fast), "20");
    EXPECT_EQ(view_->RhythmDigits(RhythmCount::Slow), "3");
    EXPECT_EQ(view_->RhythmBarWidth(RhythmCount::Fast), 70);
    EXPECT_EQ(view_->RhythmBarWidth(RhythmCount::Slow), 32);  // 31.5 pixels, half to even
    EXPECT_FALSE(view_->IsClosed());
}

TEST_F(SettingsDialogTest, LoadCorrectsValuesTheDialogCannotOffer)
{
    struct Case {
        std::int16_t size, position, fast, slow;
        int shownSize, shownPosition;
        const char* fastDigits;
        const char* slowDigits;
    };
    const Case cases[] = {
        {0, 0, 5, 1, 0, 0, "5", "1"},
        {7, 3, 40, 0, 2, 4, "30", "1"},  // lower right is not offered: centre
        {-1, 5, -3, 11, 2, 4, "5", "10"},
    };
    for (const Case& c : cases) {
        config_->SetNumSizeIndex(c.size);
        config_->SetNumPosIndex(c.position);
        config_->SetRhythmFast(c.fast);
        config_->SetRhythmSlow(c.slow);
        Open();
        SCOPED_TRACE(c.fastDigits);
        EXPECT_EQ(view_->SizeOption(), c.shownSize);
        EXPECT_EQ(view_->PositionOption(), c.shownPosition);
        EXPECT_EQ(view_->RhythmDigits(RhythmCount::Fast), c.fastDigits);
        EXPECT_EQ(view_->RhythmDigits(RhythmCount::Slow), c.slowDigits);
    }
}

TEST_F(SettingsDialogTest, ArrowsStopAtTheEndsOfTheirRanges)
{
    Open();
    Press(Control::cmdRhythmFastUp, 15);
    EXPECT_EQ(dialog_->SelRhythmFast(), 30);
    EXPECT_FLOAT_EQ(dialog_->RhythmFastBarTwips(), 1575.0F);
    EXPECT_EQ(view_->RhythmBarWidth(RhythmCount::Fast), 105);
    Press(Control::cmdRhythmFastDown);
    EXPECT_FLOAT_EQ(dialog_->RhythmFastBarTwips(), 1575.0F - 52.5F);
    Press(Control::cmdRhythmFastDown, 40);
    EXPECT_EQ(dialog_->SelRhythmFast(), 5);
    EXPECT_EQ(view_->RhythmDigits(RhythmCount::Fast), "5");
    EXPECT_FLOAT_EQ(dialog_->RhythmFastBarTwips(), 262.5F);

    Press(Control::cmdRhythmSlowUp, 12);
    EXPECT_EQ(dialog_->SelRhythmSlow(), 10);
    EXPECT_FLOAT_EQ(dialog_->RhythmSlowBarTwips(), 1575.0F);
    Press(Control::cmdRhythmSlowDown, 12);
    EXPECT_EQ(dialog_->SelRhythmSlow(), 1);
    EXPECT_EQ(view_->RhythmDigits(RhythmCount::Slow), "1");
    EXPECT_FLOAT_EQ(dialog_->RhythmSlowBarTwips(), 157.5F);
}

TEST_F(SettingsDialogTest, RefusedHighestNumberKeepsTheDialogOpenAndStoresNothing)
{
    const struct {
        const char* text;
        const std::string& message;
    } cases[] = {
        {"", kBlankMessage},           {" ", kNotNumberMessage}, {"abc", kNotNumberMessage},
        {"40000", kConversionMessage}, {"0", kRangeMessage},     {"100", kRangeMessage},
        {"0.5", kRangeMessage},        {"-1", kRangeMessage},
    };
    const Settings before = Snapshot(*config_);
    const std::string iniBefore = ReadBytes(config_->IniFilePath());
    Open();
    dialogs_.QueueColor(0x00FF0000);
    Press(Control::cmdSelNumColor);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        messages_.ClearMessages();
        SaveWith(c.text);
        ASSERT_EQ(messages_.Messages().size(), 1U);
        EXPECT_EQ(messages_.Messages()[0].text, c.message);
        EXPECT_EQ(messages_.Messages()[0].style, MessageStyle::Notice);
        EXPECT_FALSE(view_->IsClosed());
        EXPECT_EQ(view_->NumMaxText(), c.text);  // the user's text stays as typed
    }
    EXPECT_EQ(dialog_->Result(), SettingsDialog::Outcome::Open);
    EXPECT_EQ(Snapshot(*config_), before);
    EXPECT_EQ(ReadBytes(config_->IniFilePath()), iniBefore);
}

TEST_F(SettingsDialogTest, AcceptedHighestNumberIsStoredRounded)
{
    const struct {
        const char* text;
        std::int16_t stored;
    } cases[] = {{"72.5", 72}, {"73.5", 74}, {" 5 ", 5}, {"1", 1}, {"99", 99}, {"0.6", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Open();
        SaveWith(c.text);
        EXPECT_TRUE(messages_.Messages().empty());
        EXPECT_EQ(dialog_->Result(), SettingsDialog::Outcome::Saved);
        EXPECT_EQ(config_->NumMax(), c.stored);
    }
}

TEST_F(SettingsDialogTest, SlowCountMustStayBelowTheFastCount)
{
    config_->SetRhythmFast(5);
    config_->SetRhythmSlow(5);
    const Settings before = Snapshot(*config_);
    Open();
    SaveWith("72");
    ASSERT_EQ(messages_.Messages().size(), 1U);
    EXPECT_EQ(messages_.Messages()[0].text, texts::kRhythmOrder);
    EXPECT_EQ(messages_.Messages()[0].style, MessageStyle::Notice);
    EXPECT_FALSE(view_->IsClosed());
    EXPECT_EQ(Snapshot(*config_), before);

    Press(Control::cmdRhythmFastUp);  // 6 over 5 may be saved
    Press(Control::cmdSaveSetting);
    EXPECT_EQ(messages_.Messages().size(), 1U);
    EXPECT_TRUE(view_->IsClosed());
    EXPECT_EQ(config_->RhythmFast(), 6);
    EXPECT_EQ(config_->RhythmSlow(), 5);
}

TEST_F(SettingsDialogTest, HighestNumberIsCheckedBeforeTheRhythmCounts)
{
    config_->SetRhythmFast(5);
    config_->SetRhythmSlow(8);
    Open();
    SaveWith("");
    ASSERT_EQ(messages_.Messages().size(), 1U);
    EXPECT_EQ(messages_.Messages()[0].text, kBlankMessage);
}

TEST_F(SettingsDialogTest, SaveStoresEveryValueAndWritesTheIniFile)
{
    // u8: on Windows a plain narrow file name would be read in the ANSI code page.
    const std::string picture = Utf8FromPath(directory_ / u8"新しい背景.jpg");
    environment_->AddFile(picture);
    loadable_.insert(picture);
    Open();
    dialogs_.QueueImageFile(picture);
    dialogs_.QueueColor(0x00FFFFFF);
    const std::string before = dialog_->SelBackGroundImageFile();
    Press(Control::cmdSelBgImage);
    EXPECT_EQ(dialogs_.ImageFileStart(), before) << "the chooser opens beside the picture in use";
    EXPECT_EQ(view_->PreviewPath(), picture);
    EXPECT_EQ(view_->ImagePathCaption(), picture);
    Press(Control::cmdSelNumColor);
    EXPECT_EQ(view_->ColorSwatch(), 0x00FFFFFF);
    Press(ControlId(Control::opNumSize, 0));
    Press(ControlId(Control::opNumPos, 1));
    Press(Control::cmdRhythmFastUp, 2);
    Press(Control::cmdRhythmSlowDown);
    SaveWith("75");

    EXPECT_TRUE(messages_.Messages().empty());
    EXPECT_EQ(view_->CloseCount(), 1);
    EXPECT_EQ(dialog_->Result(), SettingsDialog::Outcome::Saved);
    const Settings expected{picture, 0x00FFFFFF, 0, 1, 75, 22, 2};
    EXPECT_EQ(Snapshot(*config_), expected);

    CConfig reread(Utf8FromPath(directory_));
    reread.ReadConfig();
    EXPECT_EQ(Snapshot(reread), expected);
}

TEST_F(SettingsDialogTest, PictureThatCannotBeShownIsRefusedAndThePreviousStays)
{
    const std::string previous = config_->BackGroundImageFile();
    loadable_.insert(previous);
    const std::string broken = Utf8FromPath(directory_ / "broken.jpg");
    std::ofstream(PathFromUtf8(broken)) << "not a picture";
    for (const std::string& chosen : {Utf8FromPath(directory_ / "gone.bmp"), broken}) {
        SCOPED_TRACE(chosen);
        messages_.ClearMessages();
        Open();
        dialogs_.QueueImageFile(chosen);
        Press(Control::cmdSelBgImage);
        ASSERT_EQ(messages_.Messages().size(), 1U);
        EXPECT_EQ(messages_.Messages()[0].text, "背景画像の取得ができませんでした。");
        EXPECT_EQ(messages_.Messages()[0].style, MessageStyle::Warning);
        EXPECT_FALSE(view_->IsClosed());
        EXPECT_EQ(view_->PreviewPath(), previous);
        EXPECT_EQ(view_->ImagePathCaption(), previous);
        dialogs_.QueueColor(0x00123456);
        Press(Control::cmdSelNumColor);
        SaveWith("72");
        EXPECT_TRUE(view_->IsClosed());
        EXPECT_EQ(config_->BackGroundImageFile(), previous);
        EXPECT_EQ(config_->NumColor(), 0x00123456);
    }
}

// palvo.ini keeps code page 932 and 255 bytes a value: a path it cannot hold would come back as
// another path at the next start. Such a path is refused when chosen, naming the characters (each
// once) or the length; a path the file holds is taken and comes back from the file exactly.
TEST_F(SettingsDialogTest, PicturePathThatTheSettingsFileCannotHoldIsRefused)
{
    const std::string previous = config_->BackGroundImageFile();
    loadable_.insert(previous);
    const std::string deep = std::string(120, 'd') + "/" + std::string(120, 'e');
    const struct {
        std::string relative;
        std::string refusedCharacters;  // empty: refused for its length, or taken
        bool refused;
    } cases[] = {
        {"Fotos Über/bild.bmp", "Ü", true}, {"写真_Ğ😀/my.jpg", "Ğ😀", true},
        {"한글/ü/한Ü.jpg", "한글üÜ", true}, {deep + "/bg.jpg", "", true},
        {"背景①ｶﾅ/写真.jpg", "", false},    {"plain/bg01.bmp", "", false},
    };
    for (const auto& each : cases) {
        const std::string path = Utf8FromPath(directory_ / PathFromUtf8(each.relative));
        SCOPED_TRACE(path);
        // A refused path never reaches the disk (nor could the long one on Windows).
        if (!each.refused) {
            fs::create_directories(PathFromUtf8(path).parent_path());
            std::ofstream(PathFromUtf8(path)) << "picture";
        }
        loadable_.insert(path);
        // The reference: what the settings file gives back for the path.
        CConfig probe(Utf8FromPath(directory_ / "probe"));
        fs::create_directories(directory_ / "probe");
        probe.SetBackGroundImageFile(path);
        ASSERT_TRUE(probe.WriteConfig());
        probe.ReadConfig();
        ASSERT_EQ(probe.BackGroundImageFile() != path, each.refused);

        messages_.ClearMessages();
        Open();
        dialogs_.QueueImageFile(path);
        Press(Control::cmdSelBgImage);
        SaveWith("72");
        CConfig stored(Utf8FromPath(directory_));
        stored.ReadConfig();
        if (!each.refused) {
            EXPECT_TRUE(messages_.Messages().empty());
            EXPECT_EQ(stored.BackGroundImageFile(), path);
            config_->SetBackGroundImageFile(previous);
            continue;
        }
        ASSERT_EQ(messages_.Messages().size(), 1U);
        const std::string& text = messages_.Messages()[0].text;
        EXPECT_EQ(messages_.Messages()[0].style, MessageStyle::Warning);
        EXPECT_NE(text.find("palvo.ini"), std::string::npos) << text;
        EXPECT_NE(text.find("\n" + path + "\n"), std::string::npos) << text;
        EXPECT_NE(text.find(each.refusedCharacters.empty() ? "255 バイト"
                                                           : ": 「" + each.refusedCharacters + "」\n"),
                  std::string::npos)
            << text;
        EXPECT_EQ(view_->PreviewPath(), previous);
        EXPECT_EQ(view_->ImagePathCaption(), previous);
        EXPECT_EQ(stored.BackGroundImageFile(), previous);
    }
}

TEST_F(SettingsDialogTest, CancelledDialogsChangeNothing)
{
    Open();
    const std::string caption = view_->ImagePathCaption();
    Press(Control::cmdSelBgImage);
    Press(Control::cmdSelNumColor);
    EXPECT_EQ(dialogs_.ImageFileRequests(), 1);
    EXPECT_EQ(dialogs_.ColorRequests(), 1);
    EXPECT_EQ(view_->ImagePathCaption(), caption);
    EXPECT_EQ(view_->PreviewLoads(), 1);  // only the load's
    EXPECT_EQ(view_->ColorSwatch(), 0x000080FF);
    EXPECT_EQ(dialog_->SelNumColor(), 0x000080FF);
}

TEST_F(SettingsDialogTest, LowerRightCannotBeChosen)
{
    Open();
    const ControlLayout* lowerRight = view_->Layout().Find(ControlId(Control::opNumPos, 3));
    ASSERT_NE(lowerRight, nullptr);
    EXPECT_FALSE(lowerRight->enabled);
    Press(ControlId(Control::opNumPos, 3));
    dialog_->opNumPos_Click(3);  // even if a window let the click through
    EXPECT_EQ(dialog_->SelNumPosIndex(), 4);
    EXPECT_EQ(view_->PositionOption(), 4);
}

TEST_F(SettingsDialogTest, ClosingWithoutSavingStoresNothing)
{
    const std::string picture = Utf8FromPath(directory_ / "other.jpg");
    environment_->AddFile(picture);
    loadable_.insert(picture);
    const Settings before = Snapshot(*config_);
    const std::string iniBefore = ReadBytes(config_->IniFilePath());
    for (const bool byCloseBox : {false, true}) {
        SCOPED_TRACE(byCloseBox ? "close box" : "cmdClose");
        Open();
        dialogs_.QueueImageFile(picture);
        dialogs_.QueueColor(0x00FFFFFF);
        Press(Control::cmdSelBgImage);
        Press(Control::cmdSelNumColor);
        Press(ControlId(Control::opNumSize, 1));
        Press(ControlId(Control::opNumPos, 0));
        Press(Control::cmdRhythmFastDown, 3);
        Press(Control::cmdRhythmSlowUp, 3);
        view_->TypeNumMax("50");
        if (byCloseBox) {
            view_->PressCloseBox();
        } else {
            Press(Control::cmdClose);
        }
        EXPECT_TRUE(view_->IsClosed());
        EXPECT_EQ(dialog_->Result(), SettingsDialog::Outcome::Closed);
        Press(Control::cmdSaveSetting);  // a closed window takes no clicks
        EXPECT_EQ(Snapshot(*config_), before);
        EXPECT_EQ(ReadBytes(config_->IniFilePath()), iniBefore);
    }
    EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(SettingsDialogTest, ReopeningForgetsUnsavedEdits)
{
    Open();
    Press(Control::cmdRhythmFastUp, 4);
    Press(ControlId(Control::opNumSize, 0));
    Press(Control::cmdClose);
    Open();
    EXPECT_EQ(view_->RhythmDigits(RhythmCount::Fast), "20");
    EXPECT_EQ(view_->SizeOption(), 2);
}

TEST_F(SettingsDialogTest, FailedWriteWarnsAndKeepsTheValues)
{
    // A configuration whose folder does not exist cannot be written.
    const fs::path missing = directory_ / "missing";
    config_ = std::make_unique<CConfig>(Utf8FromPath(missing));
    config_->ReadConfig();
    Open();
    dialogs_.QueueColor(0x00AABBCC);
    Press(Control::cmdSelNumColor);
    SaveWith("30");
    ASSERT_EQ(messages_.Messages().size(), 1U);
    EXPECT_EQ(messages_.Messages()[0].style, MessageStyle::Warning);
    EXPECT_NE(messages_.Messages()[0].text.find("設定ファイルに書き込めませんでした。"), std::string::npos);
    EXPECT_NE(messages_.Messages()[0].text.find(config_->IniFilePath()), std::string::npos);
    EXPECT_EQ(dialog_->Result(), SettingsDialog::Outcome::SavedNotWritten);
    EXPECT_TRUE(view_->IsClosed());
    EXPECT_EQ(config_->NumColor(), 0x00AABBCC);
    EXPECT_EQ(config_->NumMax(), 30);
    EXPECT_FALSE(fs::exists(missing));
}

// Runs the real dialog logic on a headless window and acts as the operator through `script`;
// a script that leaves the window open ends with the close box.
class ScriptedSettingsDialogHost : public SettingsDialogHost {
public:
    ScriptedSettingsDialogHost(CommonDialogs& dialogs, MessageBoxes& messages, const Environment& environment)
        : dialogs_(dialogs), messages_(messages), environment_(environment)
    {
    }

    void RunSettingsDialog(CConfig& config) override
    {
        HeadlessSettingsDialogView view;
        SettingsDialog dialog(config, view, dialogs_, messages_, environment_);
        dialog.FormLoad();
        if (script) {
            script(view);
        }
        if (!view.IsClosed()) {
            view.PressCloseBox();
        }
    }

    std::function<void(HeadlessSettingsDialogView&)> script;

private:
    CommonDialogs& dialogs_;
    MessageBoxes& messages_;
    const Environment& environment_;
};

// Where the display shows pixels of one colour (0x00BBGGRR).
struct ColorArea {
    int count = 0;
    int left = 1 << 30, right = -1;
};

ColorArea FindColor(const PixelBuffer& image, std::int32_t color)
{
    ColorArea area;
    for (std::int32_t y = 0; y < image.Height(); ++y) {
        for (std::int32_t x = 0; x < image.Width(); ++x) {
            const Pixel& pixel = image.At(x, y);
            if (pixel.red == (color & 0xFF) && pixel.green == ((color >> 8) & 0xFF) &&
                pixel.blue == ((color >> 16) & 0xFF)) {
                ++area.count;
                area.left = std::min(area.left, static_cast<int>(x));
                area.right = std::max(area.right, static_cast<int>(x));
            }
        }
    }
    return area;
}

TEST(SettingsDialogWithMainWindowTest, SavedColourAndSizeShowOnTheDisplayAtOnce)
{
    const fs::path directory = fs::temp_directory_path() / "palvo_settings_dialog_main_window_test";
    fs::remove_all(directory);
    fs::create_directories(directory);
    FakeEnvironment environment(Utf8FromPath(directory));
    HeadlessMainWindowView view(Utf8FromPath(directory));
    for (const auto& entry : fs::directory_iterator(fs::path(PALVO_SOURCE_DIR) / "resources" / "bars")) {
        std::optional<PixelBuffer> bar = MemoryPictureSurface::ReadBmpPicture(Utf8FromPath(entry.path()));
        ASSERT_TRUE(bar.has_value());
        view.RegisterPicture(Utf8FromPath(directory / "bars" / entry.path().filename()), *bar);
    }
    PixelBuffer background(800, 600);
    for (std::int32_t y = 0; y < 600; ++y) {
        for (std::int32_t x = 0; x < 800; ++x) {
            background.At(x, y) = Pixel{40, 40, 40, 0};
        }
    }
    view.RegisterPicture(CConfig(Utf8FromPath(directory)).DefaultBackGroundImageFile(), background);

    VirtualTime time;
    ScriptedMessageBoxes messages;
    RecordingSound sound(time);
    FixedEntropy entropy;
    ScriptedCommonDialogs dialogs;
    ScriptedSettingsDialogHost host(dialogs, messages, environment);
    PlatformServices services{time, time, messages, sound, environment, entropy, host};
    MainWindow window(view, services);
    ASSERT_TRUE(window.FormLoad());
    ASSERT_NE(view.Surface(Control::picBase), nullptr);

    constexpr std::int32_t kOrange = 0x000080FF;
    constexpr std::int32_t kBlue = 0x00FF0000;
    const ColorArea before = FindColor(view.Surface(Control::picBase)->Shown(), kOrange);
    ASSERT_GT(before.count, 0);

    dialogs.QueueColor(kBlue);
    host.script = [](HeadlessSettingsDialogView& dialog) {
        dialog.Click(Control::cmdSelNumColor);
        dialog.Click(ControlId(Control::opNumSize, 0));
        dialog.Click(Control::cmdSaveSetting);
    };
    view.Click(Control::cmdSetting);
    EXPECT_TRUE(messages.Messages().empty());
    const ColorArea after = FindColor(view.Surface(Control::picBase)->Shown(), kBlue);
    EXPECT_EQ(FindColor(view.Surface(Control::picBase)->Shown(), kOrange).count, 0);
    EXPECT_GT(after.count, 0);
    EXPECT_LT(after.right - after.left, before.right - before.left);  // the small digits

    // Opening again and closing leaves the new look in place.
    host.script = {};
    view.Click(Control::cmdSetting);
    EXPECT_EQ(FindColor(view.Surface(Control::picBase)->Shown(), kBlue).count, after.count);
    fs::remove_all(directory);
}

}  // namespace
}  // namespace palvo
