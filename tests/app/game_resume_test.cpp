// The game journal through the whole main window: a run that ends without warning, the next
// run's question, and what the window and the files show afterwards.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "app/game_resume.h"
#include "draw/start_sequence.h"
#include "tests/support/game_fixture.h"

namespace palvo::testing {
namespace {

class GameResume : public GameFixture {
public:
    // The program ends without closing its window, as in a crash, and starts again.
    void Restart(std::optional<MessageAnswer> answer = std::nullopt)
    {
        window_.reset();
        platform_ = std::make_unique<HeadlessPlatform>(directoryText_);
        RegisterPictures();
        if (answer) {
            messages().QueueAnswer(*answer);
        }
        ASSERT_TRUE(Load());
    }

    std::string FileText(const std::string& name) const
    {
        std::ifstream file(AppPath(name), std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

    // The rows of palvo-history.csv after its header.
    std::vector<std::string> HistoryRows() const
    {
        std::vector<std::string> rows;
        std::istringstream lines(FileText("palvo-history.csv"));
        std::string line;
        std::getline(lines, line);
        EXPECT_EQ(line + "\n", HistoryHeader());
        while (std::getline(lines, line)) {
            rows.push_back(line.substr(0, line.size() - 1));  // without its CR
        }
        return rows;
    }

    bool JournalExists() const { return std::filesystem::exists(AppPath("palvo-game.txt")); }
};

std::vector<std::string> Split(const std::string& row)
{
    std::vector<std::string> fields;
    std::istringstream text(row);
    std::string field;
    while (std::getline(text, field, ',')) {
        fields.push_back(field);
    }
    return fields;
}

TEST_F(GameResume, AnUnfinishedGameComesBackWholeWithItsOwnNumMaxAndEndsInTheHistory)
{
    WriteIni({{"NumMax", "9"}, {"RhythmFast", "5"}, {"RhythmSlow", "1"}});
    ASSERT_TRUE(Load());
    for (int i = 0; i < 7; ++i) {
        Start();
    }
    const std::vector<std::string> drawn = view().ListItems(Control::lstHistory);
    const std::vector<std::string> cells = Cells();
    const std::string big = BigNumber();
    ASSERT_EQ(ParseJournal(FileText("palvo-game.txt")).game.numbers.size(), 7u) << "every draw is on the disk";

    // The settings change between the runs; the continued game keeps its own highest number.
    WriteIni({{"NumMax", "30"}, {"RhythmFast", "5"}, {"RhythmSlow", "1"}});
    Restart(MessageAnswer::Yes);
    ASSERT_EQ(messages().Messages().size(), 1u);
    EXPECT_EQ(messages().Messages()[0].text, "前回のゲームの続きから始めますか？ (7 個抽選済み)");
    EXPECT_EQ(messages().Messages()[0].style, MessageStyle::Question);
    EXPECT_EQ(view().ListItems(Control::lstHistory), drawn);
    EXPECT_EQ(view().ListSelection(Control::lstHistory), 6);
    EXPECT_EQ(Cells(), cells);
    EXPECT_EQ(Labels(), (std::vector<std::string>{"7", "6", "5", "4", "3"}));
    EXPECT_EQ(BigNumber(), big);
    EXPECT_TRUE(view().IsEffectivelyEnabled(Control::cmdStart));
    EXPECT_EQ(view().Focus(), Control::cmdStart);

    Start();
    Restart(MessageAnswer::Yes);
    Start();
    EXPECT_FALSE(view().IsEnabled(Control::cmdStart)) << "the game of nine numbers is complete";
    EXPECT_EQ(messages().Messages().back().text, kEndOfGame);
    EXPECT_FALSE(JournalExists());

    const std::vector<std::string> rows = HistoryRows();
    ASSERT_EQ(rows.size(), 1u);
    const std::vector<std::string> fields = Split(rows[0]);
    ASSERT_EQ(fields.size(), 5u + 9u);
    EXPECT_EQ(fields[2], "9");
    EXPECT_EQ(fields[3], "9");
    EXPECT_EQ(fields[4], "完了");
    std::set<std::string> numbers;
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(
            view().ListItems(Control::lstHistory)[static_cast<std::size_t>(i)],
            HistoryListItem(static_cast<std::int16_t>(i + 1),
                            static_cast<std::int16_t>(std::stoi(fields[5 + static_cast<std::size_t>(i)]))));
        numbers.insert(fields[5 + static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(numbers.size(), 9u) << "no number twice";
    view().RequestClose();
    EXPECT_EQ(IniText(), "[PALVO]\r\nNumMax=30\r\nRhythmFast=5\r\nRhythmSlow=1\r\nBackGroundImageFile=" +
                             AppPath("bg/bg01.jpg") + "\r\nNumColor=33023\r\nNumSizeIndex=2\r\nNumPosIndex=4\r\n")
        << "palvo.ini keeps its seven keys";
}

TEST_F(GameResume, DecliningAndResettingArchiveEachGameExactlyOnce)
{
    WriteIni({{"NumMax", "20"}, {"RhythmFast", "5"}, {"RhythmSlow", "1"}});
    ASSERT_TRUE(Load());
    Start();
    Start();
    Restart(MessageAnswer::No);
    EXPECT_FALSE(JournalExists());
    EXPECT_EQ(view().ListCount(Control::lstHistory), 0);
    EXPECT_EQ(BigNumber(), "88") << "a fresh game shows the idle display";

    Start();
    messages().QueueAnswer(MessageAnswer::Yes);
    view().ClickWithMouse(Control::cmdReset);
    EXPECT_FALSE(JournalExists());
    std::vector<std::string> rows = HistoryRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(Split(rows[0])[3], "2");
    EXPECT_EQ(Split(rows[0])[4], "再開せず");
    EXPECT_EQ(Split(rows[1])[3], "1");
    EXPECT_EQ(Split(rows[1])[4], "リセット");

    // A crash after the game went into the history but before its journal was removed.
    const JournalGame game{20, Split(rows[1])[0], {static_cast<std::int16_t>(std::stoi(Split(rows[1])[5]))},
                           GameEnd::Reset, Split(rows[1])[1]};
    std::ofstream(AppPath("palvo-game.txt"), std::ios::binary)
        << JournalHeaderLine(20, game.startTime) << JournalDrawLine(1, game.numbers[0], game.startTime)
        << JournalEndLine(GameEnd::Reset, game.endTime);
    Restart();
    EXPECT_TRUE(messages().Messages().empty()) << "a closed game is not offered";
    EXPECT_FALSE(JournalExists());
    EXPECT_EQ(HistoryRows(), rows) << "nor archived twice";
}

TEST_F(GameResume, BadJournalsAreReportedAndTheProgramStillStartsAndDraws)
{
    WriteIni({{"RhythmFast", "5"}, {"RhythmSlow", "1"}});
    struct Case {
        const char* what;
        std::function<void(const std::filesystem::path&)> make;
        std::string notice;      // the start of the notice shown at start-up
        bool savesAfterwards;    // whether the next draw is journaled
    };
    const std::string damaged = "前回のゲームの記録（palvo-game.txt）が壊れているため";
    const std::vector<Case> cases = {
        {"garbage", [](const auto& path) { std::ofstream(path) << "PALVO-GAME,NumMax=72,x\n1,5,y\n"; }, damaged,
         true},
        {"100 MB", [](const auto& path) {
             std::ofstream(path) << "PALVO-GAME,NumMax=72,2026-12-07 10:00:00\n";
             std::filesystem::resize_file(path, 100u << 20);
         },
         damaged, true},
        {"a folder in its place", [](const auto& path) {
             std::filesystem::create_directories(path / "inside");
         },
         "前回のゲームの記録（palvo-game.txt）を読めません。", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::filesystem::path journal = directory_ / "palvo-game.txt";
        std::filesystem::remove_all(journal);
        std::ofstream(AppPath("palvo-history.csv"), std::ios::binary) << "kept\r\n";
        c.make(journal);
        const std::string ini = IniText();
        Restart();
        ASSERT_FALSE(messages().Messages().empty());
        EXPECT_EQ(messages().Messages()[0].text.rfind(c.notice, 0), 0u) << messages().Messages()[0].text;
        EXPECT_EQ(messages().Messages()[0].style, MessageStyle::Notice);
        messages().ClearMessages();

        Start();
        Start();
        EXPECT_EQ(view().ListCount(Control::lstHistory), 2);
        if (c.savesAfterwards) {
            EXPECT_TRUE(messages().Messages().empty());
            EXPECT_EQ(ParseJournal(FileText("palvo-game.txt")).game.numbers.size(), 2u);
        } else {
            ASSERT_EQ(messages().Messages().size(), 1u) << "told once, not at every draw";
            EXPECT_EQ(messages().Messages()[0].text, kJournalSaveFailed);
        }
        EXPECT_EQ(FileText("palvo-history.csv"), "kept\r\n");
        EXPECT_EQ(IniText(), ini);
        window_.reset();
        std::filesystem::remove_all(journal);
    }
    int keptAside = 0;
    for (const auto& entry : std::filesystem::directory_iterator(directory_)) {
        keptAside += entry.path().filename().string().starts_with("palvo-game-damaged-") ? 1 : 0;
    }
    EXPECT_GE(keptAside, 1) << "a damaged journal is moved aside, not deleted";
}

}  // namespace
}  // namespace palvo::testing
