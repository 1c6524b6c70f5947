// The real program's window and logic on Qt, pressed by a script instead of an operator, for the
// test that kills it at random moments (journal_kill_test). It answers Yes to every question,
// presses Start after a random pause of up to 0.4 s (Reset when the game is complete; now and then
// it takes the newest number back instead) and reports on standard output, one unbuffered line each:
//   RESTORED <count> <items of lstHistory ...>   after start-up
//   PRESS                                        just before each press of Start
//   TAKEBACK                                     just before each take-back
//   TAKEN <count>                                when a take-back has been announced to the listeners
//   DRAWN <ordinal> <number>                     when a draw has been announced to the listeners
//   RESET                                        when a new game has begun
//   QUESTION <text>                              every message box
// Usage: qt_journal_kill_driver <program folder>

#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <random>
#include <string>

#include "app/main_window.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_entropy.h"
#include "platform/qt/qt_environment.h"
#include "platform/qt/qt_event_pump.h"
#include "platform/qt/qt_main_window_view.h"

namespace {

void Report(const std::string& line)
{
    const std::string text = line + "\n";
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t result = ::write(STDOUT_FILENO, text.data() + written, text.size() - written);
        if (result <= 0) {
            return;
        }
        written += static_cast<std::size_t>(result);
    }
}

class YesToEverything : public palvo::MessageBoxes {
public:
    palvo::MessageAnswer Show(std::string_view text, palvo::MessageStyle style) override
    {
        Report("QUESTION " + std::string(text));
        return style == palvo::MessageStyle::Question ? palvo::MessageAnswer::Yes : palvo::MessageAnswer::Ok;
    }
};

class SilentSound : public palvo::Sound {
public:
    void Beep() override {}
    void PlayAsync(const std::string&) override {}
};

class NoSettingsDialog : public palvo::SettingsDialogHost {
public:
    void RunSettingsDialog(palvo::CConfig&) override {}
};

// Added after the journal, so a reported draw is one the journal has already saved.
class Reporter : public palvo::GameListener {
public:
    void OnNumberDrawn(const palvo::DrawRecord& record) override
    {
        Report("DRAWN " + std::to_string(record.DrawnCount()) + " " + std::to_string(record.NewestFirst(0)));
    }
    void OnNumberTakenBack(const palvo::DrawRecord& record, std::int16_t) override
    {
        Report("TAKEN " + std::to_string(record.DrawnCount()));
    }
    void OnGameReset(const palvo::DrawRecord&) override { Report("RESET"); }
};

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        return 2;
    }
    QApplication application(argc, argv);
    palvo::QtEnvironment environment(argv[1], std::nullopt);
    palvo::QtClock clock;
    palvo::QtEventPump events;
    YesToEverything messages;
    SilentSound sound;
    palvo::QtEntropy entropy;
    NoSettingsDialog settings;
    palvo::QtMainWindowView view(environment);
    palvo::PlatformServices services{clock, events, messages, sound, environment, entropy, settings};
    palvo::MainWindow window(view, services);
    Reporter reporter;
    window.AddListener(reporter);
    if (!window.FormLoad()) {
        return 1;
    }
    auto* list = static_cast<QListWidget*>(view.Widget(palvo::Control::lstHistory));
    std::string restored = "RESTORED " + std::to_string(list->count());
    for (int i = 0; i < list->count(); ++i) {
        restored += " " + list->item(i)->text().remove(QLatin1Char(' ')).toStdString();
    }
    Report(restored);

    auto* start = static_cast<QAbstractButton*>(view.Widget(palvo::Control::cmdStart));
    auto* reset = static_cast<QAbstractButton*>(view.Widget(palvo::Control::cmdReset));
    std::mt19937 random(std::random_device{}());
    QElapsedTimer lifetime;
    lifetime.start();
    // A safety net: a driver nobody kills ends by itself.
    while (lifetime.elapsed() < 120000) {
        QElapsedTimer idle;
        idle.start();
        const int pause = std::uniform_int_distribution<int>(0, 400)(random);
        while (idle.elapsed() < pause) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        if (start->isEnabled() && window.Record().DrawnCount() > 0 &&
            std::uniform_int_distribution<int>(0, 3)(random) == 0) {
            Report("TAKEBACK");
            static_cast<void>(window.TakeBackNewest());
        } else if (start->isEnabled()) {
            Report("PRESS");
            start->click();
        } else {
            reset->click();
        }
    }
    return 0;
}
