#include "app/main_window.h"

#include <string>

#include "app/auxiliary_controls.h"
#include "app/game_resume.h"
#include "app/settings_refresh.h"
#include "display/main_window_layout.h"
#include "draw/history_board.h"

namespace palvo {
namespace {

constexpr std::string_view kNumMaxNextGameNotice =
    "最大値の変更は、次のゲーム（リセットの後）から有効になります。";

constexpr std::string_view kGameCompleteNotice = "サイシュウパルボデス！ オツカレサマデシタ．";

std::string CloseWriteFailureMessage(const std::string& iniFilePath)
{
    return "設定ファイルに書き込めませんでした。\n" + iniFilePath +
           "\n\n今回の設定は保存されずに終了します。";
}

std::string TooLargeSettingsMessage(const std::string& iniFilePath)
{
    return "設定ファイルを読み込めませんでした。\n" + iniFilePath +
           "\n\n既定の設定で起動します。このファイルは書き換えられません。";
}

}  // namespace

MainWindow::MainWindow(MainWindowView& view, PlatformServices& services) : view_(view), services_(services)
{
    view_.SetEvents(this);
    listeners_.Add(journal_);
    listeners_.Add(state_);
}

MainWindow::~MainWindow()
{
    view_.SetEvents(nullptr);
}

BitmapPreparation MainWindow::Images()
{
    return BitmapPreparation(view_, services_.messages, buffers_, *gShared, *gConfig, BackGroundPixels);
}

DigitRenderer MainWindow::Renderer()
{
    return DigitRenderer(buffers_, *gShared, *gConfig);
}

std::string MainWindow::SettingsFolder() const
{
    return services_.environment.SettingsDirectory();
}

bool MainWindow::FormLoad()
{
    loading_ = true;
    const bool loaded = LoadAndShow();
    // Ended from outside while starting: the settings are written as at any close.
    if (sessionEnding_) {
        FormUnload();
        FinishHandler();
    }
    loading_ = false;
    return loaded;
}

bool MainWindow::LoadAndShow()
{
    gConfig.emplace(SettingsFolder(), services_.environment.DataDirectory());
    gShared.emplace();
    settingsTooLarge_ = gConfig->ReadConfig() == IniFileState::TooLarge;
    if (settingsTooLarge_) {
        // Said once, before anything else: the defaults are in use and the file stays as it is.
        services_.messages.Show(TooLargeSettingsMessage(gConfig->IniFilePath()), MessageStyle::Warning);
    }
    layout_ = SetControlLayout(view_, services_.environment);

    BitmapPreparation images = Images();
    const std::optional<BackgroundChoice> background = images.PrepareAtStartUp();
    if (!background) {
        FormUnload();
        return false;
    }
    if (*background == BackgroundChoice::ShippedDefault) {
        backgroundStandIn_ = gConfig->BackGroundImageFile();
    }

    view_.Show();
    record_.Create(gConfig->NumMax());
    state_.OnRecordChanged(record_);
    if (record_.IsComplete()) {
        view_.SetEnabled(Control::cmdStart, false);
    }
    DigitRenderer renderer = Renderer();
    AuxiliaryControls(view_, services_.clock, images, renderer, TimerCount).DrawAllSegments();
    TimerCount = 0;
    ResumeLastGame();
    view_.SetFocus(Control::cmdStart);
    return true;
}

void MainWindow::ResumeLastGame()
{
    journal_.SetFolder(PathFromUtf8(SettingsFolder()));
    ++busy_;
    // An ending session answers no question: the journal stays as it is for the next start.
    const std::optional<JournalGame> game =
        sessionEnding_ ? std::nullopt
                       : SettleLastGame(journal_, services_.messages, [this] { return sessionEnding_; });
    --busy_;
    if (game && !life_.closed) {
        record_.Create(game->numMax);
        for (std::size_t i = 0; i < game->numbers.size(); ++i) {
            record_.Append(game->numbers[i]);
            view_.ListAddItem(Control::lstHistory,
                              HistoryListItem(static_cast<std::int16_t>(i + 1), game->numbers[i]));
        }
        view_.ListSelect(Control::lstHistory, view_.ListCount(Control::lstHistory) - 1);
        BitmapPreparation images = Images();
        DigitRenderer renderer = Renderer();
        HistoryBoard board(view_, services_.messages, record_, images);
        board.ShowNewest();
        StartSequence(view_, services_, *gConfig, record_, picker_, images, renderer, board, life_, listeners_)
            .ShowNumber(record_.NewestFirst(0));
        view_.SetEnabled(Control::cmdStart, !record_.IsComplete());
        listeners_.OnGameResumed(record_);
    }
    ReportJournalTroubles();
    FinishHandler();
}

void MainWindow::ReportJournalTroubles()
{
    for (const JournalTrouble trouble : journal_.TakeTroubles()) {
        if (!life_.closed) {
            services_.messages.Show(JournalTroubleText(trouble), MessageStyle::Warning);
        }
    }
}

bool MainWindow::MayClick(ControlId button) const
{
    // A keyboard shortcut reaches a handler even when its button is locked; the lock must hold.
    return IsEnabledWithContainers(layout_, button, [this](ControlId id) { return view_.IsEnabled(id); });
}

void MainWindow::OnClick(ControlId button)
{
    if (!gConfig || unloaded_ || !MayClick(button)) {
        return;
    }
    ++busy_;
    const bool answered = Dispatch(button);
    ReportJournalTroubles();
    --busy_;
    if (!life_.closed && answered) {
        ReturnFocusToStart();
    }
    FinishHandler();
}

void MainWindow::ReturnFocusToStart()
{
    // After a question, a dialog or the closing notice the operator's next Space or Enter means
    // Start: a second Space on Reset would ask again, with Yes as its default. A locked Start
    // takes the focus when it opens again; until then no button has it, so those keys press
    // nothing (after the last number they would page the board back). Paging keeps its button's
    // focus: Space pages on, one press one meaning.
    view_.SetFocus(Control::cmdStart);
}

bool MainWindow::Dispatch(ControlId button)
{
    BitmapPreparation images = Images();
    DigitRenderer renderer = Renderer();
    HistoryBoard board(view_, services_.messages, record_, images);
    AuxiliaryControls auxiliary(view_, services_.clock, images, renderer, TimerCount);

    switch (button.control()) {
        case Control::cmdStart:
            return cmdStart_Click(images, renderer, board);
        case Control::cmdHistBack:
            board.PageBack();
            break;
        case Control::cmdHistForward:
            board.PageForward();
            break;
        case Control::cmdReset:
            if (board.Reset(gConfig->NumMax())) {
                listeners_.OnGameReset(record_);
            }
            return true;
        case Control::cmdSetting:
            cmdSetting_Click(images, auxiliary, board);
            return true;
        case Control::Command1:
            auxiliary.Command1_Click();
            break;
        case Control::Command2:
            auxiliary.Command2_Click();
            break;
        case Control::Command3:
            auxiliary.Command3_Click();
            break;
        case Control::Command4:
            auxiliary.Command4_Click();
            break;
        default:
            break;  // pictures, labels and the list take no click
    }
    return false;
}

bool MainWindow::cmdStart_Click(BitmapPreparation& images, DigitRenderer& renderer, HistoryBoard& board)
{
    StartSequence sequence(view_, services_, *gConfig, record_, picker_, images, renderer, board, life_,
                           listeners_);
    switch (sequence.Run()) {
        case SequenceEnd::GameComplete:
            // A window about to close spares the operator the closing message.
            if (!life_.closeRequested && !life_.closed) {
                services_.messages.Show(kGameCompleteNotice, MessageStyle::Notice);
            }
            return true;
        case SequenceEnd::Drawn:
        case SequenceEnd::Refused:
        case SequenceEnd::Abandoned:
            break;
    }
    return false;
}

void MainWindow::cmdSetting_Click(BitmapPreparation& images, AuxiliaryControls& auxiliary,
                                  HistoryBoard& board)
{
    const std::int16_t numMaxBefore = gConfig->NumMax();
    RunSettingsAndRefresh(services_.settingsDialog, *gConfig, images, auxiliary, board, life_,
                          backgroundStandIn_);
    if (!life_.closed) {
        // With nothing drawn there is nothing to lose: a new highest number starts its game now.
        if (record_.DrawnCount() == 0 && gConfig->NumMax() != record_.NumMax()) {
            record_.Create(gConfig->NumMax());
            view_.SetEnabled(Control::cmdStart, !record_.IsComplete());
            listeners_.OnGameReset(record_);
        }
        listeners_.OnSettingsRefreshed();
        // The game keeps the highest number it began with; the operator must hear that.
        if (gConfig->NumMax() != numMaxBefore && gConfig->NumMax() != record_.NumMax()) {
            services_.messages.Show(kNumMaxNextGameNotice, MessageStyle::Notice);
        }
    }
}

void MainWindow::FinishHandler()
{
    if (busy_ > 0) {
        return;
    }
    if (life_.closed) {
        Release();
        // Start-up leaves closing to the platform, whose event loop is not running yet.
        if (sessionEnding_ && !windowClosed_ && !loading_) {
            view_.Close();
        }
    } else if (life_.closeRequested) {
        life_.closeRequested = false;
        view_.Close();
    }
}

void MainWindow::OnActivate()
{
    if (!gConfig || unloaded_) {
        return;
    }
    Images().RefreshPicNum();
}

void MainWindow::OnTimer(ControlId timer)
{
    if (!gConfig || unloaded_ || timer != Control::Timer1) {
        return;
    }
    BitmapPreparation images = Images();
    DigitRenderer renderer = Renderer();
    AuxiliaryControls(view_, services_.clock, images, renderer, TimerCount).Timer1_Timer();
}

bool MainWindow::OnCloseRequest()
{
    if (busy_ > 0) {
        life_.closeRequested = true;
        return false;
    }
    return true;
}

void MainWindow::OnClosed()
{
    windowClosed_ = true;
    FormUnload();
}

void MainWindow::OnSessionEnd()
{
    sessionEnding_ = true;
    if (!gConfig || unloaded_ || loading_) {
        return;
    }
    FormUnload();
    FinishHandler();
}

void MainWindow::FormUnload()
{
    if (unloaded_ || !gConfig) {
        return;
    }
    unloaded_ = true;
    life_.closed = true;
    // A settings file refused at start-up was announced then as never written.
    if (!gConfig->WriteConfig() && !settingsTooLarge_) {
        closeSaveFailure_ = CloseWriteFailureMessage(gConfig->IniFilePath());
        if (!sessionEnding_) {
            services_.messages.Show(*closeSaveFailure_, MessageStyle::Warning);
        }
    }
    // A handler still on the stack holds references to both objects; it releases them when it returns.
    if (busy_ == 0) {
        Release();
    }
}

void MainWindow::Release()
{
    gConfig.reset();
    gShared.reset();
}

}  // namespace palvo
