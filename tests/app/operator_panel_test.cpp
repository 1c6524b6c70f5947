// The operator's panel through the whole main window on the headless platform: typed numbers,
// take-backs with a crash after them, and the automatic caller on the virtual clock.

#include "app/operator_panel.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "draw/game_journal.h"
#include "draw/game_state.h"
#include "draw/start_sequence.h"
#include "platform/headless/headless_operator_panel_view.h"
#include "tests/support/game_fixture.h"

namespace palvo::testing {
namespace {

TEST(EntryRules, EachRuleIsNamedAndOnlyAFreeNumberInRangePasses)
{
    DrawRecord record;
    record.Create(72);
    record.Append(5);
    record.Append(72);
    const struct {
        const char* typed;
        EntryRule rule;
        std::int16_t number;
        const char* message;
    } cases[] = {
        {"7", EntryRule::Accepted, 7, ""},
        {" 12 ", EntryRule::Accepted, 12, ""},
        {"\xE3\x80\x80"
         "13",
         EntryRule::Accepted, 13, ""},                              // an ideographic space before it
        {"\xEF\xBC\x91\xEF\xBC\x94", EntryRule::Accepted, 14, ""},  // full-width 14
        {"007", EntryRule::Accepted, 7, ""},
        {"1", EntryRule::Accepted, 1, ""},
        {"71", EntryRule::Accepted, 71, ""},
        {"", EntryRule::Empty, 0, "番号を入力してください。"},
        {"   ", EntryRule::Empty, 0, "番号を入力してください。"},
        {"0", EntryRule::OutOfRange, 0, "番号は 1 から 72 までです。"},
        {"000", EntryRule::OutOfRange, 0, "番号は 1 から 72 までです。"},
        {"73", EntryRule::OutOfRange, 73, "番号は 1 から 72 までです。"},
        {"999", EntryRule::OutOfRange, 999, "番号は 1 から 72 までです。"},
        {"12345678901234567890", EntryRule::OutOfRange, 0, "番号は 1 から 72 までです。"},
        {"5", EntryRule::AlreadyCalled, 5, "5 はもう出ています。"},
        {"72", EntryRule::AlreadyCalled, 72, "72 はもう出ています。"},
        {"abc", EntryRule::NotANumber, 0, "番号は数字だけで入力してください。"},
        {"3a", EntryRule::NotANumber, 0, "番号は数字だけで入力してください。"},
        {"-5", EntryRule::NotANumber, 0, "番号は数字だけで入力してください。"},
        {"+5", EntryRule::NotANumber, 0, "番号は数字だけで入力してください。"},
        {"3.5", EntryRule::NotANumber, 0, "番号は数字だけで入力してください。"},
        {"1 2", EntryRule::NotANumber, 0, "番号は数字だけで入力してください。"},
        {"\xEF\xBC", EntryRule::NotANumber, 0, "番号は数字だけで入力してください。"},      // cut short
        {"\xEF\xBC\x9A", EntryRule::NotANumber, 0, "番号は数字だけで入力してください。"},  // full-width colon
    };
    for (const auto& c : cases) {
        const EntryCheck check = CheckEntry(c.typed, record);
        EXPECT_EQ(check.rule, c.rule) << c.typed;
        if (c.rule == EntryRule::Accepted || c.rule == EntryRule::AlreadyCalled) {
            EXPECT_EQ(check.number, c.number) << c.typed;
        }
        EXPECT_EQ(EntryMessage(check, record.NumMax()), c.message) << c.typed;
    }
}

TEST(AutoCaller, CountsFromTheLastRestartStandsStillWhileBlockedAndClampsItsInterval)
{
    // Near the tick counter's wrap, so that a comparison without modular arithmetic would fail.
    VirtualTime time(0xFFFFFFFFu - 7000u);
    AutoCaller caller(time);
    EXPECT_FALSE(caller.Poll(false)) << "off";
    EXPECT_EQ(caller.SecondsLeft(), std::nullopt);
    caller.Start(5);
    time.Advance(4999);
    EXPECT_FALSE(caller.Poll(false));
    EXPECT_EQ(caller.SecondsLeft(), 1);
    time.Advance(1);
    EXPECT_TRUE(caller.Poll(false));
    EXPECT_TRUE(caller.Poll(false)) << "due until the next sequence restarts the count";

    caller.Restart();
    time.Advance(2000);
    EXPECT_FALSE(caller.Poll(true));
    EXPECT_EQ(caller.CurrentState(), AutoCaller::State::Paused);
    time.Advance(60000);  // a dialog stays open for a minute
    EXPECT_FALSE(caller.Poll(true));
    EXPECT_EQ(caller.SecondsLeft(), 3);
    EXPECT_FALSE(caller.Poll(false));
    time.Advance(2999);
    EXPECT_FALSE(caller.Poll(false));
    time.Advance(1);
    EXPECT_FALSE(caller.Poll(true)) << "never while blocked, even when due";
    EXPECT_TRUE(caller.Poll(false));

    caller.Stop();
    caller.Restart();
    EXPECT_EQ(caller.CurrentState(), AutoCaller::State::Off) << "a sequence does not switch it on";
    for (const auto& [asked, used] : {std::pair{4, 5}, {5, 5}, {20, 20}, {600, 600}, {601, 600}, {-1, 5}}) {
        caller.Start(asked);
        EXPECT_EQ(caller.IntervalSeconds(), used) << asked;
        EXPECT_EQ(caller.SecondsLeft(), used) << asked;
    }
}

class OperatorPanelGame : public GameFixture {
public:
    void SetUp() override
    {
        GameFixture::SetUp();
        WriteIni({{"NumMax", "20"}, {"RhythmFast", "5"}, {"RhythmSlow", "1"}});
        Open();
    }
    void TearDown() override
    {
        panel_.reset();
        GameFixture::TearDown();
    }

    // Starts the program (again, as after a crash, `answer` to the question to continue).
    void Open(std::optional<MessageAnswer> answer = std::nullopt)
    {
        panel_.reset();
        window_.reset();
        platform_ = std::make_unique<HeadlessPlatform>(directoryText_);
        RegisterPictures();
        if (answer) {
            messages().QueueAnswer(*answer);
        }
        ASSERT_TRUE(Load());
        publisher_ = std::make_unique<GameStatePublisher>();
        window().AddListener(*publisher_);
        publisher_->OnGameResumed(window().Record());
        panel_ = std::make_unique<OperatorPanel>(panelView_, window(), messages(), time(), directoryText_);
        window().AddListener(*panel_);
        window().SetStartObserver([this] { panel_->OnOperatorStart(); });
        panelView_ = HeadlessOperatorPanelView();
        panelView_.SetEvents(panel_.get());
        panel_->Toggle();
    }

    void Type(const std::string& text)
    {
        panelView_.SetNumberText(text);
        panel_->OnPanelShow();
    }

    std::string FileText(const std::string& name) const
    {
        std::ifstream file(AppPath(name), std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }
    std::vector<std::int16_t> Called() const { return publisher_->Snapshot()->called; }
    std::vector<std::int16_t> JournalNumbers() const
    {
        return ParseJournal(FileText("palvo-game.txt")).game.numbers;
    }
    // The operator's list read back into numbers.
    std::vector<std::int16_t> Listed()
    {
        std::vector<std::int16_t> numbers;
        for (const std::string& item : view().ListItems(Control::lstHistory)) {
            numbers.push_back(static_cast<std::int16_t>(std::stoi(item.substr(item.find(':') + 1))));
        }
        return numbers;
    }
    // Every view of the game agrees with `expected`.
    void ExpectEverywhere(const std::vector<std::int16_t>& expected, const char* when)
    {
        EXPECT_EQ(Listed(), expected) << when;
        EXPECT_EQ(Called(), expected) << when;
        if (!expected.empty()) {
            EXPECT_EQ(JournalNumbers(), expected) << when;
            const std::string newest = std::to_string(expected.back());
            EXPECT_EQ(BigNumber(), (newest.size() < 2 ? " " : "") + newest) << when;
            EXPECT_EQ(CellNumber(0), (newest.size() < 2 ? " " : "") + newest) << when;
            EXPECT_EQ(Label(0), std::to_string(expected.size())) << when;
        }
    }

    HeadlessOperatorPanelView panelView_;
    std::unique_ptr<GameStatePublisher> publisher_;
    std::unique_ptr<OperatorPanel> panel_;
};

TEST_F(OperatorPanelGame, TypedNumbersTakeTheDrawnPathAndRefusedOnesChangeNothing)
{
    EXPECT_TRUE(panelView_.IsOpen());
    EXPECT_GE(panelView_.NumberFocused(), 1) << "the number field has the focus on open";
    EXPECT_FALSE(panelView_.TakeBackEnabled());
    Type("17");
    EXPECT_EQ(panelView_.Message(), "17 を表示しました。");
    EXPECT_EQ(panelView_.NumberText(), "");
    EXPECT_TRUE(sound().Beeps().empty()) << "no roll by default";
    EXPECT_EQ(sound().PlayedFiles().size(), 1u) << "the chime";
    ExpectEverywhere({17}, "after 17");
    EXPECT_TRUE(panelView_.TakeBackEnabled());

    const std::string journal = FileText("palvo-game.txt");
    for (const auto& [bad, message] : {std::pair{"0", "番号は 1 から 20 までです。"},
                                       {"21", "番号は 1 から 20 までです。"},
                                       {"17", "17 はもう出ています。"},
                                       {"x", "番号は数字だけで入力してください。"},
                                       {"", "番号を入力してください。"}}) {
        Type(bad);
        EXPECT_EQ(panelView_.Message(), message) << bad;
    }
    EXPECT_EQ(FileText("palvo-game.txt"), journal) << "nothing refused reaches the journal";
    ExpectEverywhere({17}, "after the refused ones");

    panelView_.SetChecked(PanelCheck::WithRoll, true);
    Type("3");
    EXPECT_GE(sound().Beeps().size(), 3u) << "the usual roll ran";
    ExpectEverywhere({17, 3}, "after the roll");

    // A number typed while a Start sequence runs is refused.
    time().After(100, [this] { Type("4"); });
    Start();
    EXPECT_EQ(panelView_.Message(), "抽選中は入力や取り消しができません。");
    EXPECT_EQ(Listed().size(), 3u) << "only the sequence's own number";
}

TEST_F(OperatorPanelGame, TakingBackAsksNamesTheNumberAndSurvivesACrash)
{
    for (const char* number : {"1", "2", "3", "4", "5", "6"}) {
        Type(number);
    }
    messages().QueueAnswer(MessageAnswer::No);
    panel_->OnPanelTakeBack();
    ASSERT_EQ(messages().Messages().back().text, "6 を取り消しますか？");
    EXPECT_EQ(messages().Messages().back().style, MessageStyle::QuestionNoDefault);
    ExpectEverywhere({1, 2, 3, 4, 5, 6}, "after No");

    messages().QueueAnswer(MessageAnswer::Yes);
    panel_->OnPanelTakeBack();
    EXPECT_EQ(panelView_.Message(), "6 を取り消しました。");
    ExpectEverywhere({1, 2, 3, 4, 5}, "after one take-back");
    messages().QueueAnswer(MessageAnswer::Yes);
    panel_->OnPanelTakeBack();
    EXPECT_EQ(messages().Messages().back().text, "5 を取り消しますか？");
    ExpectEverywhere({1, 2, 3, 4}, "after two");
    EXPECT_EQ(Labels(), (std::vector<std::string>{"4", "3", "2", "1", ""})) << "the freed cell is blank";
    EXPECT_EQ(CellNumber(4), "  ");

    Open(MessageAnswer::Yes);  // a crash right after the take-back
    ExpectEverywhere({1, 2, 3, 4}, "after the crash");
    Type("5");
    messages().QueueAnswer(MessageAnswer::Yes);
    view().Click(Control::cmdReset);
    const std::string history = FileText("palvo-history.csv");
    EXPECT_NE(history.find(",20,5,リセット,1,2,3,4,5(取消),6(取消),5\r\n"), std::string::npos) << history;
}

TEST_F(OperatorPanelGame, AFinishedGameTakenBackRunsAgain)
{
    WriteIni({{"NumMax", "3"}, {"RhythmFast", "5"}, {"RhythmSlow", "1"}});
    Open();
    Type("2");
    Type("3");
    Type("1");
    EXPECT_EQ(messages().Messages().back().text, kEndOfGame);
    EXPECT_FALSE(view().IsEnabled(Control::cmdStart));
    EXPECT_TRUE(publisher_->Snapshot()->over);

    messages().QueueAnswer(MessageAnswer::Yes);
    panel_->OnPanelTakeBack();
    EXPECT_TRUE(view().IsEffectivelyEnabled(Control::cmdStart));
    EXPECT_FALSE(publisher_->Snapshot()->over);
    ExpectEverywhere({2, 3}, "a running game again");
    Start();
    EXPECT_EQ(Listed(), (std::vector<std::int16_t>{2, 3, 1})) << "the last number drawn again";
    EXPECT_EQ(Called(), Listed());
    EXPECT_FALSE(view().IsEnabled(Control::cmdStart));
}

TEST_F(OperatorPanelGame, TheAutomaticCallerPressesStartEveryIntervalAndStopsForTheOperator)
{
    panelView_.SetInterval(5);
    panelView_.SetChecked(PanelCheck::Auto, true);
    panel_->OnPanelAutoToggled();
    EXPECT_EQ(panelView_.Countdown(), "次の抽選まで 5 秒");
    // The panel's timer ticks four times a second, also inside a running sequence.
    int sequencesAtOnce = 0;
    int running = 0;
    auto tick = [&] {
        running = window().IsBusy() ? 1 : 0;
        panel_->OnPanelTick();
        sequencesAtOnce = std::max(sequencesAtOnce, running);
    };
    std::vector<std::uint32_t> drawnAt;
    for (int i = 0; i < 4 * 60 && Listed().size() < 10; ++i) {
        const std::size_t before = Listed().size();
        time().ProcessEventsFor(250);
        tick();
        if (Listed().size() != before) {
            drawnAt.push_back(time().TickCount());
        }
    }
    ASSERT_EQ(drawnAt.size(), 10u);
    EXPECT_EQ(Called(), Listed());
    EXPECT_EQ(JournalNumbers(), Listed());

    // Reset's question pauses the count; No keeps the game and the count goes on.
    messages().SetWhileOpen([&](const ScriptedMessageBoxes::Shown&) {
        tick();
        time().Advance(30000);
        tick();
        EXPECT_EQ(panelView_.Countdown(), "自動抽選は一時停止中です。");
    });
    messages().QueueAnswer(MessageAnswer::No);
    view().Click(Control::cmdReset);
    messages().SetWhileOpen(nullptr);
    EXPECT_EQ(Listed().size(), 10u) << "nothing drawn while the question was open";
    tick();
    EXPECT_EQ(panel_->Auto().CurrentState(), AutoCaller::State::Counting);

    Start();
    EXPECT_EQ(panel_->Auto().CurrentState(), AutoCaller::State::Off);
    EXPECT_EQ(panelView_.Message(), "スタートが押されたので自動抽選を止めました。");
    EXPECT_FALSE(panelView_.IsChecked(PanelCheck::Auto));
    time().ProcessEventsFor(20000);
    tick();
    EXPECT_EQ(Listed().size(), 11u) << "one press, one draw";

    panelView_.SetChecked(PanelCheck::Auto, true);
    panel_->OnPanelAutoToggled();
    messages().QueueAnswer(MessageAnswer::Yes);
    view().Click(Control::cmdReset);
    EXPECT_EQ(panelView_.Message(), "リセットしたので自動抽選を止めました。");
    EXPECT_EQ(panel_->Auto().CurrentState(), AutoCaller::State::Off);
}

TEST_F(OperatorPanelGame, TheAutomaticCallerStopsAtTheEndOfTheGame)
{
    WriteIni({{"NumMax", "2"}, {"RhythmFast", "5"}, {"RhythmSlow", "1"}});
    Open();
    panelView_.SetInterval(5);
    panelView_.SetChecked(PanelCheck::Auto, true);
    panel_->OnPanelAutoToggled();
    for (int i = 0; i < 4 * 30; ++i) {
        time().ProcessEventsFor(250);
        panel_->OnPanelTick();
    }
    EXPECT_EQ(Listed().size(), 2u);
    EXPECT_EQ(panelView_.Message(), "ゲームが終わったので自動抽選を止めました。");
    EXPECT_EQ(panel_->Auto().CurrentState(), AutoCaller::State::Off);
}

TEST_F(OperatorPanelGame, ItsPlaceAndChoicesLiveInAFileOfItsOwn)
{
    panelView_.MoveTo(PanelPlace{1234, 56});
    panelView_.SetChecked(PanelCheck::WithRoll, true);
    panelView_.SetInterval(900);
    panel_->Toggle();
    EXPECT_FALSE(panelView_.IsOpen());
    EXPECT_EQ(FileText("palvo-panel.ini"),
              "[Panel]\r\nLeft=1234\r\nTop=56\r\nWithRoll=1\r\nInterval=600\r\n");
    EXPECT_EQ(PanelSettings::Read(directoryText_), (PanelSettings{PanelPlace{1234, 56}, true, 600}));

    Open();  // the next run
    EXPECT_EQ(panelView_.OpenedAt(), (std::optional<PanelPlace>(PanelPlace{1234, 56})));
    EXPECT_TRUE(panelView_.IsChecked(PanelCheck::WithRoll));
    EXPECT_EQ(panelView_.Interval(), 600);
    view().RequestClose();
    EXPECT_EQ(IniText().find("Panel"), std::string::npos);
    EXPECT_EQ(IniText().find("Interval"), std::string::npos);
}

}  // namespace
}  // namespace palvo::testing
