// The game journal through the whole main window: a run that ends without warning, the next
// run's question, and what the window and the files show afterwards.

#include <gtest/gtest.h>

#ifndef _WIN32
#include <dlfcn.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <csignal>
#include <ctime>
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
    const std::shared_ptr<const GameState> resumed = window().State().Snapshot();
    EXPECT_EQ(resumed->numMax, 9) << "the other views see the continued game, not the settings";
    ASSERT_EQ(resumed->called.size(), drawn.size());
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_EQ(HistoryListItem(static_cast<std::int16_t>(i + 1), resumed->called[i]), drawn[i]);
    }

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

// A question shut without a choice (its close box, Escape, the end of the program) is no No: the
// game comes back, and the journal is as the last run left it. Only No files it, ending at its
// last draw rather than at the moment of declining.
TEST_F(GameResume, OnlyAnExplicitNoFilesTheGameAndItEndsAtItsLastDraw)
{
    WriteIni({{"NumMax", "20"}, {"RhythmFast", "5"}, {"RhythmSlow", "1"}});
    const std::string journal = "PALVO-GAME,NumMax=20,2026-12-07 10:00:00\n1,5,2026-12-07 10:01:00\n"
                                "2,17,2026-12-07 10:02:30\n";
    std::ofstream(AppPath("palvo-game.txt"), std::ios::binary) << journal;
    Restart(MessageAnswer::Closed);
    EXPECT_EQ(view().ListItems(Control::lstHistory), (std::vector<std::string>{"1:  5", "2: 17"}));
    EXPECT_EQ(FileText("palvo-game.txt"), journal);
    EXPECT_FALSE(std::filesystem::exists(AppPath("palvo-history.csv")));

    Restart(MessageAnswer::No);
    EXPECT_EQ(view().ListCount(Control::lstHistory), 0);
    EXPECT_FALSE(JournalExists());
    EXPECT_EQ(HistoryRows(), (std::vector<std::string>{"2026-12-07 10:00:00,2026-12-07 10:02:30,20,2,再開せず,5,17"}));
}

// A crash in the middle of writing a draw leaves a line cut short; the continued game must go
// on from the last whole line, or the next draw would run into the torn one.
TEST_F(GameResume, AJournalWhoseLastLineIsTornGoesOnFromItsLastWholeLine)
{
    WriteIni({{"NumMax", "20"}, {"RhythmFast", "5"}, {"RhythmSlow", "1"}});
    const std::string whole = "PALVO-GAME,NumMax=20,2026-12-07 10:00:00\n1,5,2026-12-07 10:01:00\n"
                              "2,17,2026-12-07 10:02:30\n";
    std::ofstream(AppPath("palvo-game.txt"), std::ios::binary) << whole << "3,1";
    Restart(MessageAnswer::Yes);
    EXPECT_EQ(messages().Messages().at(0).text, ResumeQuestion(2));
    EXPECT_EQ(FileText("palvo-game.txt"), whole + "3,1") << "nothing is written before the next draw";

    Start();
    const std::string after = FileText("palvo-game.txt");
    EXPECT_EQ(after.substr(0, whole.size() + 2), whole + "3,");
    const JournalReading reading = ParseJournal(after);
    ASSERT_EQ(reading.state, JournalState::Unfinished);
    ASSERT_EQ(reading.game.numbers.size(), 3u);
    EXPECT_FALSE(reading.torn);
    const std::vector<std::string> items = view().ListItems(Control::lstHistory);

    Restart(MessageAnswer::Yes);
    EXPECT_EQ(messages().Messages().at(0).text, ResumeQuestion(3));
    EXPECT_EQ(view().ListItems(Control::lstHistory), items);
}

#ifndef _WIN32
// What this process synced and removed, in order: the path and its size at the fsync, or the path
// removed. The program's own calls reach these first (a definition in the program wins over the C
// library's), so a dropped fsync shows here where a SIGKILL, which keeps the page cache, cannot.
struct FileEvent {
    std::string path;
    long long size;  // -1 for a removal, -2 for a folder
};
std::vector<FileEvent>& FileEvents()
{
    static std::vector<FileEvent> events;
    return events;
}

std::string DescriptorPath(int descriptor)
{
    char target[4096];
    const ssize_t length =
        ::readlink(("/proc/self/fd/" + std::to_string(descriptor)).c_str(), target, sizeof target);
    return length > 0 ? std::string(target, static_cast<std::size_t>(length)) : std::string();
}

// Checks, as each draw and reset is announced (after the journal, the first listener), that every
// byte of the journal and the history was synced, and the folder after each new name.
class DurabilityProbe : public GameListener {
public:
    explicit DurabilityProbe(const std::filesystem::path& folder) : folder_(std::filesystem::canonical(folder)) {}

    void OnNumberDrawn(const DrawRecord& record) override
    {
        const std::filesystem::path journal = folder_ / "palvo-game.txt";
        EXPECT_EQ(LastSyncedSize(journal), static_cast<long long>(std::filesystem::file_size(journal)))
            << "draw " << record.DrawnCount() << " announced before it was synced";
        if (record.DrawnCount() == 1) {
            EXPECT_TRUE(FolderSynced()) << "the new journal's name was not synced";
        }
        ++announced_;
    }
    void OnGameReset(const DrawRecord&) override
    {
        const std::filesystem::path history = folder_ / "palvo-history.csv";
        EXPECT_EQ(LastSyncedSize(history), static_cast<long long>(std::filesystem::file_size(history)));
        const auto synced = std::find_if(FileEvents().begin(), FileEvents().end(), [&](const FileEvent& event) {
            return event.path == history.string() && event.size > 0;
        });
        const auto removed = std::find_if(FileEvents().begin(), FileEvents().end(), [&](const FileEvent& event) {
            return event.path == (folder_ / "palvo-game.txt").string() && event.size == -1;
        });
        EXPECT_TRUE(synced < removed && removed != FileEvents().end()) << "the journal went before its game was filed";
        FileEvents().clear();
        ++announced_;
    }
    int Announced() const { return announced_; }

private:
    long long LastSyncedSize(const std::filesystem::path& path) const
    {
        for (auto event = FileEvents().rbegin(); event != FileEvents().rend(); ++event) {
            if (event->path == path.string() && event->size >= 0) {
                return event->size;
            }
        }
        return -1;
    }
    bool FolderSynced() const
    {
        return std::any_of(FileEvents().begin(), FileEvents().end(), [this](const FileEvent& event) {
            return event.path == folder_.string() && event.size == -2;
        });
    }

    std::filesystem::path folder_;
    int announced_ = 0;
};

TEST_F(GameResume, EveryDrawAndFiledGameIsSyncedBeforeItIsAnnounced)
{
    WriteIni({{"NumMax", "20"}, {"RhythmFast", "5"}, {"RhythmSlow", "1"}});
    ASSERT_TRUE(Load());
    DurabilityProbe probe(directory_);
    window().AddListener(probe);
    FileEvents().clear();
    Start();
    Start();
    Start();
    messages().QueueAnswer(MessageAnswer::Yes);
    view().ClickWithMouse(Control::cmdReset);
    Start();
    EXPECT_EQ(probe.Announced(), 5);
}
#endif

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
    const JournalGame game{20,
                           Split(rows[1])[0],
                           {static_cast<std::int16_t>(std::stoi(Split(rows[1])[5]))},
                           GameEnd::Reset,
                           Split(rows[1])[1],
                           {}};
    std::ofstream(AppPath("palvo-game.txt"), std::ios::binary)
        << JournalHeaderLine(20, game.startTime) << JournalDrawLine(1, game.numbers[0], game.startTime)
        << JournalEndLine(GameEnd::Reset, game.endTime);
    Restart();
    EXPECT_TRUE(messages().Messages().empty()) << "a closed game is not offered";
    EXPECT_FALSE(JournalExists());
    EXPECT_EQ(HistoryRows(), rows) << "nor archived twice";
}

#ifndef _WIN32
// Permissions bind root only under another identity: while this lives the test folder belongs to
// an ordinary user, as whom this thread reaches the files.
class OrdinaryUser {
public:
    explicit OrdinaryUser(const std::filesystem::path& folder) : root_(::geteuid() == 0)
    {
        if (root_) {
            Own(folder, kNobody);
            ::setfsuid(kNobody);
        }
    }
    ~OrdinaryUser()
    {
        if (root_) {
            ::setfsuid(0);
        }
    }
    OrdinaryUser(const OrdinaryUser&) = delete;
    OrdinaryUser& operator=(const OrdinaryUser&) = delete;

private:
    static constexpr uid_t kNobody = 65534;
    static void Own(const std::filesystem::path& folder, uid_t user)
    {
        ::lchown(folder.c_str(), user, user);
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
            ::lchown(entry.path().c_str(), user, user);
        }
    }
    bool root_;
};

void SetMode(const std::filesystem::path& path, std::filesystem::perms mode)
{
    std::filesystem::permissions(path, mode);
}
#endif

// Everything the program may find in its folder, where the journal and the history live, and
// what it makes of it over two games: what it says, where the draws go, where each finished game
// ends up, and what it leaves alone.
TEST_F(GameResume, JournalAndHistorySituations)
{
    using std::filesystem::perms;
    const std::string damaged = "前回のゲームの記録（palvo-game.txt）が壊れているため";
    const std::string unreadable = "前回のゲームの記録（palvo-game.txt）を読めません。";
    const std::string notAFile = "palvo-game.txt という名前の、ファイルではないもの";
    const std::string keptInPlace = "palvo-game.txt のまま残します";
    const std::string garbage = "PALVO-GAME,NumMax=72,x\n1,5,y\n";
    const std::string noJournal(JournalTroubleText(JournalTrouble::JournalNotSaved));
    const std::string noHistory(JournalTroubleText(JournalTrouble::HistoryNotWritten));
    const std::string notKept(JournalTroubleText(JournalTrouble::GameNotKept));
    const std::filesystem::path journal = directory_ / "palvo-game.txt";
    const std::filesystem::path history = directory_ / "palvo-history.csv";
    const std::filesystem::path outside = directory_.string() + "-outside";
    struct Case {
        const char* what;
        std::string journalBytes = {};  // written as palvo-game.txt before the start
        std::function<void()> prepare = [] {};
        std::vector<std::string> notice = {};  // parts of the one notice at start-up
        bool journaled = true;                 // the draws go to palvo-game.txt
        std::string keptAs = {};               // the journal is moved aside to a name beginning so
        std::vector<std::string> warnings = {};
        std::size_t pending = 0;  // finished games waiting beside the history
        std::function<void()> repair = [] {};
        std::size_t filed = 2;                    // games in the history at the next start, after the repair
        std::function<void()> unchanged = [] {};  // checks what was left alone
    };
    const auto write = [](const std::filesystem::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    };
    const auto earlierNames = [this](const std::string& label) {
        // The names the move aside would pick around now, already taken by earlier files.
        const std::time_t now = std::time(nullptr);
        for (std::time_t second = now - 1; second <= now + 3; ++second) {
            std::string stamp = TimeText(second);
            stamp.erase(
                std::remove_if(stamp.begin(), stamp.end(), [](char c) { return c == ':' || c == '-'; }),
                stamp.end());
            std::replace(stamp.begin(), stamp.end(), ' ', '-');
            std::ofstream(directory_ / ("palvo-game-" + label + "-" + stamp + ".txt"), std::ios::binary)
                << "earlier";
        }
    };
#ifndef _WIN32
    const auto readOnlyFolder = [&] { SetMode(directory_, perms::owner_read | perms::owner_exec); };
#endif
    const std::vector<Case> cases = {
        {.what = "garbage",
         .journalBytes = garbage,
         .notice = {damaged, "壊れた記録は palvo-game-damaged-"},
         .keptAs = "palvo-game-damaged-"},
        {.what = "100 MB",
         .prepare =
             [&] {
                 write(journal, "PALVO-GAME,NumMax=72,2026-12-07 10:00:00\n");
                 std::filesystem::resize_file(journal, 100u << 20);
             },
         .notice = {damaged}},
        {.what = "damaged, its dated names taken",
         .journalBytes = garbage,
         .prepare = [&] { earlierNames("damaged"); },
         .notice = {damaged},
         .keptAs = "palvo-game-damaged-"},
        {.what = "an empty folder named palvo-game.txt",
         .prepare = [&] { std::filesystem::create_directory(journal); },
         .notice = {notAFile},
         .journaled = false,
         .warnings = {noJournal},
         .unchanged = [&] { EXPECT_TRUE(std::filesystem::is_empty(journal)) << "left alone"; }},
        {.what = "the history is a folder",
         .prepare = [&] { std::filesystem::create_directory(history); },
         .warnings = {noHistory},
         .pending = 2,
         .repair = [&] { std::filesystem::remove(history); }},
#ifndef _WIN32
        {.what = "a link named palvo-game.txt",
         .prepare =
             [&] {
                 write(outside, "theirs");
                 std::filesystem::create_symlink(outside, journal);
             },
         .notice = {notAFile},
         .journaled = false,
         .warnings = {noJournal},
         .unchanged =
             [&] {
                 EXPECT_TRUE(std::filesystem::is_symlink(journal));
                 EXPECT_EQ(FileText(Utf8FromPath(outside)), "theirs");
             }},
        {.what = "the history is a link",
         .prepare =
             [&] {
                 write(outside, "theirs");
                 std::filesystem::create_symlink(outside, history);
             },
         .warnings = {noHistory},
         .pending = 2,
         .repair = [&] { std::filesystem::remove(history); },
         .unchanged =
             [&] { EXPECT_EQ(FileText(Utf8FromPath(outside)), "theirs") << "never written through"; }},
        {.what = "an unreadable journal",
         .journalBytes = garbage,
         .prepare = [&] { SetMode(journal, perms::none); },
         .notice = {unreadable, "読めなかった記録は palvo-game-unreadable-"},
         .keptAs = "palvo-game-unreadable-"},
        {.what = "an unreadable journal in a folder that cannot be written",
         .journalBytes = garbage,
         .prepare =
             [&] {
                 write(history, HistoryHeader());
                 SetMode(journal, perms::none);
                 readOnlyFolder();
             },
         .notice = {unreadable, keptInPlace},
         .journaled = false,
         .warnings = {noJournal}},
        {.what = "a damaged journal in a folder that cannot be written",
         .journalBytes = garbage,
         .prepare =
             [&] {
                 write(history, HistoryHeader());
                 readOnlyFolder();
             },
         .notice = {damaged, keptInPlace},
         .journaled = false,
         .warnings = {noJournal},
         .unchanged = [&] { EXPECT_EQ(FileText("palvo-game.txt"), garbage); }},
        {.what = "a folder that cannot be written, its files can",
         .prepare =
             [&] {
                 write(history, HistoryHeader());
                 write(journal, "");
                 readOnlyFolder();
             }},
        {.what = "no history and a folder that cannot be written",
         .prepare =
             [&] {
                 write(journal, "");
                 readOnlyFolder();
             },
         .journaled = false,
         .warnings = {noHistory, notKept, noJournal, notKept},
         .filed = 1,
         .unchanged =
             [&] {
                 EXPECT_EQ(ParseJournal(FileText("palvo-game.txt")).state, JournalState::Closed) << "kept";
             }},
        {.what = "a full disk under the history",
         .prepare =
             [&] {
                 std::string rows = HistoryHeader();
                 while (rows.size() < 48 * 1024) {
                     rows += "2026-01-01 10:00:00,2026-01-01 11:00:00,72,1,完了,5\r\n";
                 }
                 write(history, rows);
                 std::signal(SIGXFSZ, SIG_IGN);
                 const rlimit limit{32 * 1024, RLIM_INFINITY};
                 ::setrlimit(RLIMIT_FSIZE, &limit);
             },
         .warnings = {noHistory},
         .pending = 2,
         .repair =
             [] {
                 const rlimit limit{RLIM_INFINITY, RLIM_INFINITY};
                 ::setrlimit(RLIMIT_FSIZE, &limit);
                 std::signal(SIGXFSZ, SIG_DFL);
             }},
#endif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        window_.reset();
        std::filesystem::remove_all(outside);
        for (const auto& entry : std::filesystem::directory_iterator(directory_)) {
            std::filesystem::remove_all(entry.path());
        }
        WriteIni({{"RhythmFast", "5"}, {"RhythmSlow", "1"}});
        if (!c.journalBytes.empty()) {
            write(journal, c.journalBytes);
        }
        std::size_t historyBefore = 0;
        std::size_t earlierBefore = 0;
        {
#ifndef _WIN32
            OrdinaryUser user(directory_);
#endif
            c.prepare();
            for (const auto& entry : std::filesystem::directory_iterator(directory_)) {
                earlierBefore +=
                    entry.is_regular_file() && FileText(Utf8FromPath(entry.path().filename())) == "earlier";
            }
            if (std::filesystem::is_regular_file(std::filesystem::symlink_status(history))) {
                historyBefore = HistoryRows().size();
            }
            Restart();
            std::vector<std::string> notices;
            for (const auto& shown : messages().Messages()) {
                if (shown.style == MessageStyle::Notice) {
                    notices.push_back(shown.text);
                }
            }
            ASSERT_EQ(notices.size(), c.notice.empty() ? 0u : 1u);
            for (const std::string& part : c.notice) {
                EXPECT_NE(notices[0].find(part), std::string::npos) << notices[0] << "\nlacks " << part;
            }
            messages().ClearMessages();

            Start();
            Start();
            if (c.journaled) {
                EXPECT_EQ(ParseJournal(FileText("palvo-game.txt")).game.numbers.size(), 2u);
            }
            messages().QueueAnswer(MessageAnswer::Yes);
            view().ClickWithMouse(Control::cmdReset);
            Start();
            if (c.journaled) {
                const JournalReading second = ParseJournal(FileText("palvo-game.txt"));
                EXPECT_EQ(second.state, JournalState::Unfinished)
                    << "the next game starts a journal of its own";
                EXPECT_EQ(second.game.numbers.size(), 1u);
            }
            messages().QueueAnswer(MessageAnswer::Yes);
            view().ClickWithMouse(Control::cmdReset);
            std::vector<std::string> warnings;
            for (const auto& shown : messages().Messages()) {
                if (shown.style == MessageStyle::Warning) {
                    warnings.push_back(shown.text);
                }
            }
            EXPECT_EQ(warnings, c.warnings);
            c.unchanged();
            window_.reset();
#ifndef _WIN32
            SetMode(directory_, perms::owner_all);
#endif
        }
        const std::filesystem::path pending = directory_ / "palvo-history-pending.csv";
        EXPECT_EQ(
            std::filesystem::exists(pending) ? ParseHistory(FileText(Utf8FromPath(pending))).rows.size() : 0u,
            c.pending);
        std::size_t keptWhole = 0;
        std::size_t earlier = 0;
        for (const auto& entry : std::filesystem::directory_iterator(directory_)) {
            const std::string name = Utf8FromPath(entry.path().filename());
            if (!c.keptAs.empty() && name.starts_with(c.keptAs)) {
                const std::string bytes = FileText(name);
                keptWhole += bytes == c.journalBytes ? 1 : 0;
                earlier += bytes == "earlier" ? 1 : 0;
                EXPECT_TRUE(bytes == c.journalBytes || bytes == "earlier") << name << " replaced";
            }
        }
        EXPECT_EQ(keptWhole, c.keptAs.empty() ? 0u : 1u) << "the journal is kept whole";
        EXPECT_EQ(earlier, earlierBefore) << "no earlier file replaced";
        c.repair();
        Restart();
        EXPECT_EQ(HistoryRows().size(), historyBefore + c.filed) << "every finished game is filed once";
        EXPECT_FALSE(std::filesystem::exists(pending)) << "filed at the next start";
    }
}

}  // namespace
}  // namespace palvo::testing

#ifndef _WIN32
extern "C" int fsync(int descriptor)
{
    static const auto real = reinterpret_cast<int (*)(int)>(::dlsym(RTLD_NEXT, "fsync"));
    struct stat status {};
    const bool folder = ::fstat(descriptor, &status) == 0 && S_ISDIR(status.st_mode);
    const int result = real(descriptor);
    if (result == 0) {
        palvo::testing::FileEvents().push_back({palvo::testing::DescriptorPath(descriptor),
                                                folder ? -2 : static_cast<long long>(status.st_size)});
    }
    return result;
}

extern "C" int unlink(const char* path)
{
    static const auto real = reinterpret_cast<int (*)(const char*)>(::dlsym(RTLD_NEXT, "unlink"));
    const int result = real(path);
    if (result == 0) {
        std::error_code error;
        const std::filesystem::path folder = std::filesystem::canonical(std::filesystem::path(path).parent_path(), error);
        palvo::testing::FileEvents().push_back({(folder / std::filesystem::path(path).filename()).string(), -1});
    }
    return result;
}
#endif
