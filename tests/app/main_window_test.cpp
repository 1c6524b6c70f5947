#include "app/main_window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <vector>

#include "draw/game_journal.h"
#include "platform/paths.h"
#include "tests/support/game_fixture.h"

namespace palvo::testing {
namespace {

class MainWindowStartup : public GameFixture {};

TEST_F(MainWindowStartup, WithoutSettingsFileStartsWithDefaultsAndWritesThemAtExit)
{
    ASSERT_FALSE(IniExists());
    ASSERT_TRUE(Load());
    EXPECT_TRUE(messages().Messages().empty());
    EXPECT_EQ(view().ShowCount(), 1);
    EXPECT_EQ(view().Focus(), Control::cmdStart);
    EXPECT_EQ(BigNumber(), "88") << "the idle display lights every segment";
    EXPECT_EQ(view().Text(Control::lbTime), "0 msec");
    EXPECT_FALSE(view().IsTimerEnabled(Control::Timer1));
    EXPECT_TRUE(view().IsEffectivelyEnabled(Control::cmdStart));
    EXPECT_TRUE(view().IsEffectivelyEnabled(Control::cmdReset));
    EXPECT_EQ(CellNumber(0), "  ");
    EXPECT_EQ(view().Surface(ControlId(Control::picHistNum, 0))->Image().At(5, 5), (Pixel{0xC0, 0, 0, 0}))
        << "the newest cell is dark blue";
    EXPECT_FALSE(IniExists()) << "nothing is written before the exit";

    EXPECT_TRUE(view().RequestClose());
    EXPECT_TRUE(view().IsClosed());
    ASSERT_TRUE(IniExists());
    EXPECT_NE(IniText().find("NumMax=72"), std::string::npos);
}

struct FailingStep {
    const char* what;
    std::function<void(GameFixture&)> breakIt;
    std::string warning;
};

void PrintTo(const FailingStep& step, std::ostream* out)
{
    *out << step.what;
}

class EachFailingStep : public MainWindowStartup, public ::testing::WithParamInterface<FailingStep> {};

TEST_P(EachFailingStep, WarnsOnceNeverShowsAndStillWritesSettings)
{
    const FailingStep& c = GetParam();
    WriteIni({{"NumMax", "33"}});
    c.breakIt(*this);
    EXPECT_FALSE(Load());
    ASSERT_EQ(messages().Messages().size(), 1u);
    EXPECT_EQ(messages().Messages()[0].text, c.warning);
    EXPECT_EQ(messages().Messages()[0].style, MessageStyle::Warning);
    EXPECT_EQ(view().ShowCount(), 0);
    EXPECT_NE(IniText().find("NumMax=33"), std::string::npos);
    // Nothing of the released window may react any more.
    view().Click(Control::cmdStart);
    view().Activate();
    EXPECT_TRUE(sound().Beeps().empty());
}

INSTANTIATE_TEST_SUITE_P(
    MainWindowStartup, EachFailingStep,
    ::testing::Values(
        FailingStep{"big bar",
                    [](GameFixture& f) { f.view().ForgetPicture(f.AppPath("bars/vertical2.bmp")); },
                    "Error (SetNumBarBmp) : 数値用バーBmpの取得に失敗しました"},
        FailingStep{"history bar",
                    [](GameFixture& f) { f.view().ForgetPicture(f.AppPath("bars/horizontal3.bmp")); },
                    "Error (SetHistNumBmp) : 履歴数値用バーBmpの取得に失敗しました"},
        FailingStep{"background", [](GameFixture& f) { f.view().ForgetPicture(f.AppPath("bg/bg01.jpg")); },
                    "背景画像の取得ができませんでした。"},
        FailingStep{"blank cell",
                    [](GameFixture& f) { f.view().FailReadsOf(ControlId(Control::picHistNum, 1)); },
                    "履歴数値Bmpの取得ができませんでした。"}));

TEST_F(MainWindowStartup, OversizedSettingsFileWarnsOnceAndIsNeverReplaced)
{
    const std::string tooLarge = "[PALVO]\r\nNumMax=33\r\n;" + std::string(2 * 1024 * 1024, 'x') + "\r\n";
    std::ofstream(PathFromUtf8(AppPath("palvo.ini")), std::ios::binary) << tooLarge;
    ASSERT_TRUE(Load());
    ASSERT_EQ(messages().Messages().size(), 1u);
    EXPECT_EQ(messages().Messages()[0].style, MessageStyle::Warning);
    EXPECT_EQ(messages().Messages()[0].text.rfind("設定ファイルを読み込めませんでした。", 0), 0u);
    Start();
    EXPECT_EQ(view().ListCount(Control::lstHistory), 1);
    view().RequestClose();
    EXPECT_EQ(messages().Messages().size(), 1u);
    EXPECT_EQ(IniText(), tooLarge);
}

TEST_F(MainWindowStartup, SecondRunReadsWhatTheFirstWrote)
{
    ASSERT_TRUE(Load());
    dialog().SetEdit([](CConfig& config) {
        config.SetNumMax(3);
        config.SetRhythmFast(6);
    });
    view().ClickWithMouse(Control::cmdSetting);
    view().RequestClose();
    window_.reset();
    const std::string first = IniText();

    platform_ = std::make_unique<HeadlessPlatform>(directoryText_);
    RegisterPictures();
    ASSERT_TRUE(Load());
    for (int i = 0; i < 3; ++i) {
        Start();
    }
    EXPECT_EQ(view().ListCount(Control::lstHistory), 3);
    EXPECT_FALSE(view().IsEnabled(Control::cmdStart)) << "the game of three numbers is complete";
    EXPECT_EQ(sound().Beeps().size(), 3u * 5u);
    view().RequestClose();
    EXPECT_EQ(IniText(), first);
}

TEST_F(MainWindowStartup, SettingsFolderApartFromTheShippedFilesHoldsPalvoIni)
{
    // An installed program: pictures and chime in one folder, palvo.ini in the user's own.
    const std::filesystem::path settings = directory_ / "config";
    std::filesystem::create_directories(settings);
    platform_->environment.SetSettingsDirectory(settings.string());
    std::ofstream(settings / "palvo.ini", std::ios::binary) << "[PALVO]\r\nNumMax=2\r\n";

    ASSERT_TRUE(Load());
    EXPECT_TRUE(messages().Messages().empty()) << "the shipped pictures are found in the data folder";
    Start();
    ASSERT_EQ(sound().PlayedFiles().size(), 1u);
    EXPECT_EQ(sound().PlayedFiles()[0].path.rfind(AppPath("wav/"), 0), 0u)
        << "the chime comes from the data folder";
    Start();
    EXPECT_FALSE(view().IsEnabled(Control::cmdStart)) << "NumMax=2 was read from the settings folder";
    view().RequestClose();

    EXPECT_FALSE(IniExists()) << "nothing is written beside the shipped files";
    std::ifstream file(settings / "palvo.ini", std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_NE(written.find("BackGroundImageFile=" + AppPath("bg/bg01.jpg") + "\r\n"), std::string::npos)
        << "the default background is the shipped picture:\n"
        << written;
}

TEST_F(MainWindowStartup, ShippedBarFilesDrawTheDigits)
{
    std::filesystem::copy(PathFromUtf8(PALVO_SOURCE_DIR "/resources/bars"), PathFromUtf8(AppPath("bars")));
    platform_ = std::make_unique<HeadlessPlatform>(directoryText_);
    RegisterPictures(false);
    ASSERT_TRUE(Load());
    EXPECT_TRUE(messages().Messages().empty());
    EXPECT_EQ(BigNumber(), "88");
    Start();
    EXPECT_EQ(std::stoi(BigNumber()), std::stoi(view().ListItems(Control::lstHistory)[0].substr(3)));
    EXPECT_EQ(std::stoi(CellNumber(0)), std::stoi(BigNumber()));
}

TEST_F(MainWindowStartup, ActivationRepaintsTheDisplay)
{
    ASSERT_TRUE(Load());
    MemoryPictureSurface& base = *view().Surface(Control::picBase);
    const int before = base.RefreshCount();
    view().Activate();
    EXPECT_EQ(base.RefreshCount(), before + 1);
    EXPECT_EQ(BigNumber(), "88");
}

// Follows the game as a journal or a players' display would.
class RecordingListener : public GameListener {
public:
    explicit RecordingListener(const RecordingSound& sound) : sound_(sound) {}

    void OnNumberShown(std::int16_t number) override { shown.push_back(number); }
    void OnNumberDrawn(const DrawRecord& record) override
    {
        drawn.push_back(record.NewestFirst(0));
        chimesBeforeDraw.push_back(sound_.PlayedFiles().size());
    }
    void OnGameReset(const DrawRecord& record) override { resets.push_back(record.DrawnCount()); }
    void OnSettingsRefreshed() override { ++refreshes; }

    std::vector<std::int16_t> shown;
    std::vector<std::int16_t> drawn;
    std::vector<std::int16_t> resets;
    std::vector<std::size_t> chimesBeforeDraw;
    int refreshes = 0;

private:
    const RecordingSound& sound_;
};

TEST_F(MainWindowStartup, ListenersFollowEveryShownNumberDrawResetAndRefresh)
{
    WriteIni({{"NumMax", "3"}, {"RhythmFast", "6"}, {"RhythmSlow", "2"}});
    RecordingListener listener(sound());
    ASSERT_TRUE(Load());
    window().AddListener(listener);

    Start();
    ASSERT_EQ(listener.drawn.size(), 1u);
    // Five rolling numbers, then the settled one, which is the drawn one.
    ASSERT_EQ(listener.shown.size(), 6u);
    EXPECT_EQ(listener.shown.back(), listener.drawn.back());
    EXPECT_EQ(BigNumber(), " " + std::to_string(listener.drawn.back()));
    EXPECT_EQ(listener.chimesBeforeDraw, (std::vector<std::size_t>{0}))
        << "the draw is announced before the chime";
    EXPECT_EQ(sound().PlayedFiles().size(), 1u);

    view().ClickWithMouse(Control::cmdSetting);
    EXPECT_EQ(listener.refreshes, 1);

    messages().QueueAnswer(MessageAnswer::No);
    view().ClickWithMouse(Control::cmdReset);
    EXPECT_TRUE(listener.resets.empty()) << "a declined reset keeps the game";
    messages().QueueAnswer(MessageAnswer::Yes);
    view().ClickWithMouse(Control::cmdReset);
    EXPECT_EQ(listener.resets, (std::vector<std::int16_t>{0}));
}

// What the other views read is what the operator's window shows: the numbers as the big display
// reads them, the highest number the game began with, every change told once and in order.
TEST_F(MainWindowStartup, TheGameStateFollowsWhatTheWindowShows)
{
    WriteIni({{"NumMax", "2"}, {"RhythmFast", "6"}, {"RhythmSlow", "2"}});
    ASSERT_TRUE(Load());
    const GameStatePublisher& state = window().State();
    std::vector<std::uint64_t> seqs;
    const std::size_t watch =
        state.Watch([&](const std::shared_ptr<const GameState>& s) { seqs.push_back(s->seq); });
    const auto shown = [](std::int16_t number) { return (number < 10 ? " " : "") + std::to_string(number); };
    const GameState fresh = *state.Snapshot();
    EXPECT_EQ(fresh.numMax, 2);
    EXPECT_TRUE(fresh.called.empty());
    EXPECT_FALSE(fresh.over);

    std::optional<std::int16_t> rolling;
    std::string rollingShown;
    time().After(200, [&] {
        rolling = state.Snapshot()->rolling;
        rollingShown = BigNumber();
    });
    Start();
    ASSERT_TRUE(rolling.has_value());
    EXPECT_EQ(shown(*rolling), rollingShown);
    const GameState one = *state.Snapshot();
    ASSERT_EQ(one.called.size(), 1u);
    EXPECT_EQ(shown(one.called[0]), BigNumber());
    EXPECT_FALSE(one.rolling);

    // A new highest number with a number out waits for the next game, as the game does.
    dialog().SetEdit([](CConfig& config) { config.SetNumMax(4); });
    view().ClickWithMouse(Control::cmdSetting);
    EXPECT_EQ(state.Snapshot()->numMax, 2);
    Start();
    EXPECT_TRUE(state.Snapshot()->over);
    EXPECT_EQ(state.Snapshot()->Newest(),
              std::optional<std::int16_t>(static_cast<std::int16_t>(3 - one.called[0])));
    messages().QueueAnswer(MessageAnswer::Yes);
    view().ClickWithMouse(Control::cmdReset);
    const GameState next = *state.Snapshot();
    EXPECT_EQ(next.numMax, 4);
    EXPECT_TRUE(next.called.empty());
    EXPECT_FALSE(next.over);
    EXPECT_EQ(next.game, one.game + 1);

    state.Unwatch(watch);
    Start();
    ASSERT_FALSE(seqs.empty());
    EXPECT_EQ(seqs.back(), next.seq) << "an unwatched view hears nothing more";
    for (std::size_t i = 1; i < seqs.size(); ++i) {
        EXPECT_EQ(seqs[i], seqs[i - 1] + 1);
    }
}

// The message of a stored background that cannot be loaded while the shipped one can.
const std::string kFallbackWarning = "背景画像の取得ができませんでした。\n標準の背景画像を表示します。";

struct StoredBackground {
    std::string stored;
    bool shippedLoads;
    std::vector<std::string> warnings;
};

void PrintTo(const StoredBackground& c, std::ostream* out)
{
    *out << c.stored << (c.shippedLoads ? "" : ", shipped one missing");
}

class BackgroundThatCannotBeLoaded : public MainWindowStartup,
                                     public ::testing::WithParamInterface<StoredBackground> {};

TEST_P(BackgroundThatCannotBeLoaded, GivesWayToTheShippedOneAndIsKept)
{
    const StoredBackground& c = GetParam();
    WriteIni({{"BackGroundImageFile", c.stored}});
    if (!c.shippedLoads) {
        view().ForgetPicture(AppPath("bg/bg01.jpg"));
    }
    EXPECT_EQ(Load(), c.shippedLoads);
    std::vector<std::string> shown;
    for (const auto& message : messages().Messages()) {
        EXPECT_EQ(message.style, MessageStyle::Warning);
        shown.push_back(message.text);
    }
    EXPECT_EQ(shown, c.warnings);
    if (c.shippedLoads) {
        EXPECT_EQ(BaseShown().At(5, 5), Background(800, 600).At(5, 5)) << "the shipped picture";
        EXPECT_EQ(BigNumber(), "88");
        view().ClickWithMouse(Control::cmdSetting);
        EXPECT_EQ(messages().Messages().size(), c.warnings.size()) << "warned once, not at every refresh";
        view().RequestClose();
    }
    EXPECT_NE(IniText().find("BackGroundImageFile=" + c.stored + "\r\n"), std::string::npos)
        << "the operator's choice is never dropped";
}

INSTANTIATE_TEST_SUITE_P(MainWindowStartup, BackgroundThatCannotBeLoaded,
                         ::testing::Values(
                             // The shipped picture of the folder the program was moved or copied from.
                             StoredBackground{"/home/hall/old-palvo/bg/bg01.jpg", true, {}},
                             StoredBackground{"D:\\Palvo\\BG\\BG01.JPG", true, {}},
                             // The operator's own picture on a drive that is not there today.
                             StoredBackground{"/media/usb/hall.jpg", true, {kFallbackWarning}},
                             StoredBackground{
                                 "/media/usb/hall.jpg", false, {"背景画像の取得ができませんでした。"}}));

TEST_F(MainWindowStartup, SmallPictureLiesTopLeftOnTheWindowsGreyWithTheDigitsWhole)
{
    view().RegisterPicture(AppPath("bg/small.bmp"), Background(320, 240, 0x90));
    WriteIni({{"BackGroundImageFile", AppPath("bg/small.bmp")}});
    ASSERT_TRUE(Load());
    ASSERT_EQ(BaseShown().Width(), 800);
    ASSERT_EQ(BaseShown().Height(), 600);
    EXPECT_EQ(BaseShown().At(319, 239), Background(320, 240, 0x90).At(319, 239));
    const Pixel grey{0x40, 0x40, 0x40, 0};
    EXPECT_EQ(BaseShown().At(320, 5), grey);
    EXPECT_EQ(BaseShown().At(5, 240), grey);
    EXPECT_EQ(BaseShown().At(799, 599), grey);
    EXPECT_EQ(BigNumber(), "88");
    Start();
    EXPECT_NE(BigNumber().find_first_not_of(' '), std::string::npos);
    EXPECT_EQ(BigNumber().find('?'), std::string::npos) << BigNumber();
}

TEST_F(MainWindowStartup, HighestNumberSavedMidGameIsAnnouncedForTheNextGame)
{
    const std::string notice = "最大値の変更は、次のゲーム（リセットの後）から有効になります。";
    WriteIni({{"NumMax", "10"}, {"RhythmFast", "5"}, {"RhythmSlow", "1"}});
    ASSERT_TRUE(Load());
    Start();
    struct Step {
        std::int16_t numMax;  // what the dialog saves; 0: closed without saving
        bool announced;
    };
    for (const Step& step :
         {Step{50, true}, Step{0, false}, Step{50, false}, Step{10, false}, Step{20, true}}) {
        SCOPED_TRACE(step.numMax);
        messages().ClearMessages();
        dialog().SetEdit(step.numMax == 0 ? std::function<void(CConfig&)>()
                                          : [n = step.numMax](CConfig& config) { config.SetNumMax(n); });
        view().ClickWithMouse(Control::cmdSetting);
        ASSERT_EQ(messages().Messages().size(), step.announced ? 1u : 0u);
        if (step.announced) {
            EXPECT_EQ(messages().Messages()[0].text, notice);
            EXPECT_EQ(messages().Messages()[0].style, MessageStyle::Notice);
        }
    }
    for (int i = 0; i < 9; ++i) {
        Start();
    }
    EXPECT_EQ(view().ListCount(Control::lstHistory), 10) << "the game keeps the highest number it began with";
    messages().QueueAnswer(MessageAnswer::Yes);
    view().ClickWithMouse(Control::cmdReset);
    for (int i = 0; i < 11; ++i) {
        Start();
    }
    EXPECT_EQ(view().ListCount(Control::lstHistory), 11) << "the next game has the new one";
}

TEST_F(MainWindowStartup, HighestNumberSavedBeforeTheFirstDrawAppliesAtOnceAndListenersFollow)
{
    WriteIni({{"NumMax", "10"}, {"RhythmFast", "5"}, {"RhythmSlow", "1"}});
    struct Follower : GameListener {
        void OnGameReset(const DrawRecord& record) override { numMaxes.push_back(record.NumMax()); }
        std::vector<std::int16_t> numMaxes;
    } follower;
    window_ = std::make_unique<MainWindow>(view(), services());
    window().AddListener(follower);
    ASSERT_TRUE(window().FormLoad());
    for (const std::int16_t numMax : {20, 3}) {
        dialog().SetEdit([numMax](CConfig& config) { config.SetNumMax(numMax); });
        view().ClickWithMouse(Control::cmdSetting);
    }
    dialog().SetEdit({});
    view().ClickWithMouse(Control::cmdSetting);
    EXPECT_TRUE(messages().Messages().empty()) << "nothing drawn: no notice";
    EXPECT_EQ(follower.numMaxes, (std::vector<std::int16_t>{20, 3})) << "a new empty game, told once each";
    EXPECT_EQ(window().Record().NumMax(), 3);
    for (int i = 0; i < 3; ++i) {
        Start();
    }
    EXPECT_EQ(view().ListCount(Control::lstHistory), 3);
    EXPECT_FALSE(view().IsEnabled(Control::cmdStart)) << "the game of three numbers is complete at once";
}

class MainWindowFocus : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        WriteIni({{"NumMax", "9"}, {"RhythmFast", "5"}, {"RhythmSlow", "1"}});
        ASSERT_TRUE(Load());
    }
};

TEST_F(MainWindowFocus, QuestionsAndTheDialogHandTheKeysToStartPagingKeepsThem)
{
    for (int i = 0; i < 7; ++i) {
        Start();
    }
    struct Case {
        ControlId button;
        std::optional<MessageAnswer> answer;
        ControlId focus;
    };
    for (const Case& c : {Case{Control::cmdReset, MessageAnswer::No, Control::cmdStart},
                          Case{Control::cmdSetting, std::nullopt, Control::cmdStart},
                          Case{Control::cmdHistBack, std::nullopt, Control::cmdHistBack},
                          Case{Control::cmdHistForward, std::nullopt, Control::cmdHistForward},
                          Case{Control::cmdReset, MessageAnswer::Yes, Control::cmdStart}}) {
        SCOPED_TRACE(c.button);
        if (c.answer) {
            messages().QueueAnswer(*c.answer);
        }
        view().SetFocus(c.button);  // the click leaves the focus on its button
        ASSERT_TRUE(view().ClickWithMouse(c.button));
        EXPECT_EQ(view().Focus(), c.focus);
    }
    EXPECT_EQ(view().ListCount(Control::lstHistory), 0);

    // After the last number Start is locked: no button has the keys, not even after Reset's No.
    view().SetFocus(Control::cmdHistBack);
    for (int i = 0; i < 9; ++i) {
        Start();
    }
    EXPECT_EQ(messages().Messages().back().text, kEndOfGame);
    EXPECT_EQ(view().Focus(), std::nullopt);
    view().SetFocus(Control::cmdReset);
    messages().QueueAnswer(MessageAnswer::No);
    ASSERT_TRUE(view().ClickWithMouse(Control::cmdReset));
    EXPECT_EQ(view().Focus(), std::nullopt) << "a second Space would ask again";
    messages().QueueAnswer(MessageAnswer::Yes);
    ASSERT_TRUE(view().ClickWithMouse(Control::cmdReset));
    EXPECT_EQ(view().Focus(), Control::cmdStart);
}

class MainWindowClosing : public GameFixture {};

TEST_F(MainWindowClosing, CloseDuringASequenceWaitsForItsEnd)
{
    WriteIni({{"RhythmFast", "20"}, {"RhythmSlow", "3"}});
    ASSERT_TRUE(Load());
    bool allowed = true;
    time().After(500, [&] { allowed = view().RequestClose(); });
    Start();
    EXPECT_FALSE(allowed);
    EXPECT_TRUE(view().IsClosed());
    EXPECT_EQ(view().CloseCount(), 1);
    EXPECT_EQ(view().ListCount(Control::lstHistory), 1) << "the draw was completed";
    EXPECT_EQ(sound().Beeps().size(), 19u);
    EXPECT_EQ(sound().PlayedFiles().size(), 1u);
    EXPECT_TRUE(IniExists());
}

TEST_F(MainWindowClosing, CloseAtTheLastNumberSkipsTheClosingMessage)
{
    WriteIni({{"NumMax", "1"}, {"RhythmFast", "5"}, {"RhythmSlow", "1"}});
    ASSERT_TRUE(Load());
    time().After(100, [&] { view().RequestClose(); });
    Start();
    EXPECT_TRUE(view().IsClosed());
    EXPECT_TRUE(messages().Messages().empty());
}

TEST_F(MainWindowClosing, WindowClosedUnderARunningSequenceStopsIt)
{
    ASSERT_TRUE(Load());
    time().After(300, [&] { view().Close(); });
    Start();
    EXPECT_TRUE(view().IsClosed());
    EXPECT_EQ(view().ListCount(Control::lstHistory), 0);
    EXPECT_TRUE(sound().PlayedFiles().empty());
    EXPECT_LT(sound().Beeps().size(), 19u);
    EXPECT_TRUE(IniExists());
    // Late events of the closed window are ignored.
    view().Activate();
    window().OnTimer(Control::Timer1);
    window().OnClick(Control::cmdStart);
}

TEST_F(MainWindowClosing, CloseWhileTheSettingsDialogIsOpenWaitsForIt)
{
    ASSERT_TRUE(Load());
    bool allowed = true;
    dialog().SetEdit([&](CConfig& config) {
        config.SetNumMax(12);
        allowed = view().RequestClose();
    });
    view().ClickWithMouse(Control::cmdSetting);
    EXPECT_FALSE(allowed);
    EXPECT_TRUE(view().IsClosed());
    EXPECT_NE(IniText().find("NumMax=12"), std::string::npos);
}

TEST_F(MainWindowClosing, LockedControlsIgnoreKeyboardClicksDuringASequence)
{
    ASSERT_TRUE(Load());
    for (const ControlId name :
         {ControlId(Control::cmdStart), ControlId(Control::cmdReset), ControlId(Control::cmdSetting),
          ControlId(Control::cmdHistBack), ControlId(Control::cmdHistForward)}) {
        time().After(200, [this, name] {
            EXPECT_FALSE(view().IsEffectivelyEnabled(name)) << name;
            view().Click(name);
        });
    }
    messages().QueueAnswer(MessageAnswer::Yes);
    Start();
    EXPECT_EQ(view().ListCount(Control::lstHistory), 1);
    EXPECT_EQ(sound().Beeps().size(), 19u);
    EXPECT_EQ(dialog().Runs(), 0);
    EXPECT_TRUE(messages().Messages().empty());
    EXPECT_TRUE(view().IsEffectivelyEnabled(Control::cmdStart));
    EXPECT_TRUE(view().IsEffectivelyEnabled(Control::cmdReset));
}

TEST_F(MainWindowClosing, SettingsThatCannotBeWrittenAtTheCloseAreWarnedAboutOnce)
{
    // A folder where the file should be: reading gives the defaults, writing fails.
    std::filesystem::create_directory(AppPath("palvo.ini"));
    ASSERT_TRUE(Load());
    EXPECT_TRUE(messages().Messages().empty());
    EXPECT_TRUE(view().RequestClose());
    ASSERT_EQ(messages().Messages().size(), 1u);
    EXPECT_EQ(messages().Messages()[0].style, MessageStyle::Warning);
    EXPECT_EQ(messages().Messages()[0].text.rfind(
                  "設定ファイルに書き込めませんでした。\n" + AppPath("palvo.ini"), 0),
              0u)
        << messages().Messages()[0].text;
    EXPECT_TRUE(view().IsClosed());
}

// The end of the session (logoff, shutdown, a termination signal) mid-roll: the settings are on
// the disk before the handler returns (the process may be ended then), nobody is asked or warned,
// and the window closes once the roll has stopped.
TEST_F(MainWindowClosing, SessionEndWritesTheSettingsAtOnceAsksNothingAndCloses)
{
    for (const bool writable : {true, false}) {
        SCOPED_TRACE(writable ? "palvo.ini writable" : "a folder in palvo.ini's place");
        TearDown();
        SetUp();
        if (!writable) {
            std::filesystem::create_directory(AppPath("palvo.ini"));
        }
        ASSERT_TRUE(Load());
        bool writtenAtOnce = false;
        time().After(300, [&] {
            window().OnSessionEnd();
            writtenAtOnce = IniText().find("NumMax=72") != std::string::npos;
        });
        Start();
        EXPECT_EQ(writtenAtOnce, writable);
        EXPECT_TRUE(messages().Messages().empty());
        EXPECT_TRUE(view().IsClosed());
        EXPECT_EQ(view().ListCount(Control::lstHistory), 0) << "the roll stopped";
        EXPECT_EQ(window().CloseSaveFailure().has_value(), !writable);
        if (!writable) {
            EXPECT_EQ(window().CloseSaveFailure()->rfind(
                          "設定ファイルに書き込めませんでした。\n" + AppPath("palvo.ini"), 0),
                      0u);
        }
    }
}

// Ended while the start-up question about an unfinished game is open: whatever the box answered
// as it was closed, the game stays in the journal, byte for byte, for the next start.
TEST_F(MainWindowClosing, SessionEndDuringTheResumeQuestionLeavesTheJournalUntouched)
{
    const std::string journal = JournalHeaderLine(72, "2026-01-02 10:00:00") +
                                JournalDrawLine(1, 17, "2026-01-02 10:00:05") +
                                JournalDrawLine(2, 40, "2026-01-02 10:00:09");
    for (const MessageAnswer closedAs : {MessageAnswer::No, MessageAnswer::Yes}) {
        SCOPED_TRACE(closedAs == MessageAnswer::No ? "closed as No" : "closed as Yes");
        TearDown();
        SetUp();
        std::ofstream(AppPath("palvo-game.txt"), std::ios::binary) << journal;
        messages().QueueAnswer(closedAs);
        messages().SetWhileOpen([this](const ScriptedMessageBoxes::Shown& shown) {
            if (shown.style == MessageStyle::Question) {
                window().OnSessionEnd();
            }
        });
        ASSERT_TRUE(Load());
        ASSERT_EQ(messages().Messages().size(), 1u);
        std::ifstream kept(AppPath("palvo-game.txt"), std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), journal);
        EXPECT_FALSE(std::filesystem::exists(AppPath("palvo-history.csv")));
        EXPECT_EQ(view().ListCount(Control::lstHistory), 0) << "nothing put back on a closing window";
        EXPECT_TRUE(IniExists()) << "start-up ended by writing the settings";
    }
}

}  // namespace
}  // namespace palvo::testing
