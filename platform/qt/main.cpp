// Palvo for Linux: the number caller's main window on Qt 6 Widgets.

#include <QApplication>
#include <QShortcut>
#include <QTimer>
#include <chrono>
#include <iostream>

#include "app/audience_display.h"
#include "app/main_window.h"
#include "app/operator_panel.h"
#include "app/players_web.h"
#include "app/settings_folder_claim.h"
#include "platform/paths.h"
#include "platform/platform_services.h"
#include "platform/program_folders.h"
#include "platform/qt/qt_audience_window.h"
#include "platform/qt/qt_card_command.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_common_dialogs.h"
#include "platform/qt/qt_entropy.h"
#include "platform/qt/qt_environment.h"
#include "platform/qt/qt_event_pump.h"
#include "platform/qt/qt_instance_lock.h"
#include "platform/qt/qt_main_window_view.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_operator_panel.h"
#include "platform/qt/qt_panel_sections.h"
#include "platform/qt/qt_program_icon.h"
#include "platform/qt/qt_settings_dialog_host.h"
#include "platform/qt/qt_sound.h"
#include "platform/qt/qt_termination_signal.h"
#include "texts/japanese.h"
#include "web/web_service.h"

int main(int argc, char* argv[])
{
    // palvo --cards ...: cards printed to a file, no window.
    if (const std::optional<int> exitCode = palvo::RunCardCommandLine(argc, argv)) {
        return *exitCode;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Palvo"));
    const std::optional<palvo::WebCommandLine> webWanted =
        palvo::ReadWebCommandLine(std::vector<std::string_view>(argv + 1, argv + argc));
    if (!webWanted) {
        std::cerr << palvo::texts::kWebBadPort << std::endl;
        return 2;
    }
    QApplication::setWindowIcon(palvo::ProgramIcon());

    // Checked before anything is read or written: a folder the program cannot name as text.
    if (const std::optional<std::string> problem =
            palvo::ProgramFolderProblem(palvo::ProgramDirectoryBytes())) {
        std::cerr << *problem << std::endl;
        palvo::QtMessageBoxes().Show(*problem, palvo::MessageStyle::Warning);
        return 1;
    }
    palvo::QtEnvironment environment;
    palvo::QtClock clock;
    palvo::QtEventPump events;
    palvo::QtMessageBoxes messages;
    palvo::QtSound sound;
    palvo::QtEntropy entropy;
    palvo::QtMainWindowView view(environment);
    messages.SetOwner(&view.Window());
    palvo::QtCommonDialogs commonDialogs;
    commonDialogs.SetOwner(&view.Window());
    palvo::QtSettingsDialogHost settingsDialog(commonDialogs, messages, environment);
    settingsDialog.SetOwner(&view.Window());

    palvo::PlatformServices services{clock, events, messages, sound, environment, entropy, settingsDialog};
    palvo::MainWindow mainWindow(view, services);
    // Ended by the session or a script: the settings are written and the window closes. Installed
    // before start-up, so that a signal during a start-up warning or question closes it and
    // start-up ends its own way (which writes the settings too).
    palvo::QtTerminationSignal termination([&mainWindow] { mainWindow.OnSessionEnd(); });

    // A second start on the same settings folder would write the same journal.
    palvo::QtInstanceLock instanceLock([&view] {
        QWidget& window = view.Window();
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
        window.raise();
        window.activateWindow();
    });
    if (!palvo::ClaimSettingsFolder(instanceLock, messages, environment.SettingsDirectory())) {
        std::cerr << palvo::AlreadyRunningMessage(environment.SettingsDirectory()) << std::endl;
        return 1;
    }

    if (!mainWindow.FormLoad()) {
        return 1;
    }
    // F5 opens and closes the players' display; it closes with the operator's window.
    palvo::QtAudienceWindow audienceWindow(view.Window());
    palvo::AudienceDisplay audience(audienceWindow, mainWindow, clock, environment.SettingsDirectory());
    mainWindow.AddListener(audience);
    QShortcut audienceKey(QKeySequence(Qt::Key_F5), &view.Window());
    QObject::connect(&audienceKey, &QShortcut::activated, [&audience] { audience.Toggle(); });
    // F2 opens and closes the operator's panel, from either window.
    palvo::QtOperatorPanel panelWindow(view.Window());
    palvo::OperatorPanel panel(panelWindow, mainWindow, messages, clock, environment.SettingsDirectory());
    mainWindow.AddListener(panel);
    mainWindow.SetStartObserver([&panel] { panel.OnOperatorStart(); });
    palvo::AddPanelKey(view.Window(), [&panel] { panel.Toggle(); });
    palvo::AddPanelKey(audienceWindow, [&panel] { panel.Toggle(); });
    // The players' phones: F6 turns the read-only web service on and off.
    // The wall clock starts the phones' seq, so it grows across restarts too.
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    palvo::PlayersWeb playersWeb(mainWindow.State(), audience,
                                 palvo::PathFromUtf8(environment.SettingsDirectory()), webWanted->Options(),
                                 std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count());
    palvo::WebService& web = playersWeb.Service();
    const auto reportTurnOn = [&web, &messages](bool started) {
        if (started) {
            std::cout << palvo::texts::kWebStarted << web.Address() << std::endl;
        } else {
            messages.Show(palvo::texts::kWebCannotStart, palvo::MessageStyle::Warning);
        }
    };
    if (webWanted->on) {
        reportTurnOn(web.TurnOn());
    }
    // F6 and the panel's 「スマホ表示」 box.
    const auto toggleWeb = [&web, &reportTurnOn] {
        if (web.IsOn()) {
            web.TurnOff();
        } else {
            reportTurnOn(web.TurnOn());
        }
    };
    QShortcut webKey(QKeySequence(Qt::Key_F6), &view.Window());
    QObject::connect(&webKey, &QShortcut::activated, toggleWeb);
    palvo::AddPanelSections(
        panelWindow, mainWindow.State(), palvo::PathFromUtf8(environment.SettingsDirectory()), entropy,
        [&mainWindow] { return palvo::DigitColour(mainWindow); },
        [&audience](const palvo::CardVerdict& verdict) { return audience.ShowCardProof(verdict); }, messages,
        web, toggleWeb);
    if (termination.Received()) {
        QTimer::singleShot(0, &view.Window(), [&view] { view.Window().close(); });
    }
    const int exitCode = QApplication::exec();
    panel.Close();  // its place and choices are kept for the next run
    mainWindow.SetStartObserver(nullptr);
    // The warning may have been closed unread by a signal: a failed save is never a success.
    if (const std::optional<std::string>& failure = mainWindow.CloseSaveFailure()) {
        std::cerr << *failure << std::endl;
        return exitCode != 0 ? exitCode : 1;
    }
    return exitCode;
}
