// Palvo for Linux: the number caller's main window on Qt 6 Widgets.

#include <QApplication>
#include <QShortcut>
#include <QTimer>

#include "app/audience_display.h"
#include "app/main_window.h"
#include "platform/platform_services.h"
#include "platform/qt/qt_audience_window.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_common_dialogs.h"
#include "platform/qt/qt_entropy.h"
#include "platform/qt/qt_environment.h"
#include "platform/qt/qt_event_pump.h"
#include "platform/qt/qt_main_window_view.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_program_icon.h"
#include "platform/qt/qt_settings_dialog_host.h"
#include "platform/qt/qt_sound.h"
#include "platform/qt/qt_termination_signal.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Palvo"));
    QApplication::setWindowIcon(palvo::ProgramIcon());

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
    // Ended by the session or a script: close like the window's close button, saving the
    // settings. Installed before start-up, so that a signal during a start-up warning closes the
    // warning and start-up ends its own way (which writes the settings too).
    bool started = false;
    palvo::QtTerminationSignal termination([&view, &started] {
        if (started) {
            view.Window().close();
        }
    });
    if (!mainWindow.FormLoad()) {
        return 1;
    }
    // F5 opens and closes the players' display; it closes with the operator's window.
    palvo::QtAudienceWindow audienceWindow(view.Window());
    palvo::AudienceDisplay audience(audienceWindow, mainWindow);
    mainWindow.AddListener(audience);
    QShortcut audienceKey(QKeySequence(Qt::Key_F5), &view.Window());
    QObject::connect(&audienceKey, &QShortcut::activated, [&audience] { audience.Toggle(); });
    started = true;
    if (termination.Received()) {
        QTimer::singleShot(0, &view.Window(), [&view] { view.Window().close(); });
    }
    return QApplication::exec();
}
