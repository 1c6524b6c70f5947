// Timing of the Qt program, printed as plain numbers (run by scripts/bench.sh):
//   palvo_qt_benchmark startup    start-up until the idle display is on screen, and memory after it
//   palvo_qt_benchmark paint      the timing probe's paint (restore, fourteen bars, transfer to picBase)
//   palvo_qt_benchmark sequence   whole Start sequences (RhythmFast 20, RhythmSlow 3) against their schedule
//   palvo_qt_benchmark sequence audience   the same with the players' window open at 1920x1080
//   palvo_qt_benchmark sequence web   the same with the web service off, then on with 1,000 phones
//                                     following /events on loopback (same run)
//   palvo_qt_benchmark audience   one rolling frame of the players' window at 1920x1080 and 3840x2160,
//                                 composed and painted, against a plain copy of the frame's bytes,
//                                 and the memory held after one resize to 32767 x 32767
// Each mode runs in a fresh process, so start-up is measured from the process's own beginning.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <boost/asio/connect.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/read_until.hpp>
#include <boost/asio/write.hpp>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "benchmarks/resident_memory.h"
#include "app/audience_display.h"
#include "app/auxiliary_controls.h"
#include "app/main_window.h"
#include "config/config_store.h"
#include "display/bitmap_preparation.h"
#include "display/digit_rendering.h"
#include "platform/qt/qt_audience_window.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_entropy.h"
#include "platform/qt/qt_environment.h"
#include "platform/qt/qt_event_pump.h"
#include "platform/qt/qt_main_window_view.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_sound.h"
#include "web/web_service.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

double ProcessCpuMilliseconds()
{
    timespec time{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
    return static_cast<double>(time.tv_sec) * 1000.0 + static_cast<double>(time.tv_nsec) / 1e6;
}

using palvo::bench::ResidentKilobytes;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

class NoSettingsDialog : public palvo::SettingsDialogHost {
public:
    void RunSettingsDialog(palvo::CConfig&) override {}
};

// The shipped folder copied aside, with fixed settings, so that the operator's palvo.ini is neither
// read nor changed.
bool PrepareApplicationFolder(const QTemporaryDir& folder)
{
    const QDir shipped(QStringLiteral(PALVO_APP_DIR));
    for (const QString& sub : {QStringLiteral("bg"), QStringLiteral("bars"), QStringLiteral("buttons")}) {
        QDir(folder.path()).mkpath(sub);
        const QDir source(shipped.filePath(sub));
        for (const QString& file : source.entryList(QDir::Files)) {
            if (!QFile::copy(source.filePath(file), folder.filePath(sub + QLatin1Char('/') + file))) {
                return false;
            }
        }
    }
    QFile ini(folder.filePath(QStringLiteral("palvo.ini")));
    if (!ini.open(QIODevice::WriteOnly)) {
        return false;
    }
    ini.write("[PALVO]\r\nRhythmFast=20\r\nRhythmSlow=3\r\n");
    return true;
}

// The program's objects, built the way main() builds them.
struct Program {
    explicit Program(const std::string& folder)
        : environment(folder, std::nullopt),
          view(environment),
          services{clock, events, messages, sound, environment, entropy, settings},
          window(view, services)
    {
        messages.SetOwner(&view.Window());
    }

    palvo::QtEnvironment environment;
    palvo::QtClock clock;
    palvo::QtEventPump events;
    palvo::QtMessageBoxes messages;
    palvo::QtSound sound;  // the real beep: it must not slow the roll
    palvo::QtEntropy entropy;
    NoSettingsDialog settings;
    palvo::QtMainWindowView view;
    palvo::PlatformServices services;
    palvo::MainWindow window;
};

// The program started in `folder`, filled with the shipped files; null when either failed.
std::unique_ptr<Program> StartProgram(QTemporaryDir& folder)
{
    if (!PrepareApplicationFolder(folder)) {
        return nullptr;
    }
    auto program = std::make_unique<Program>(folder.path().toStdString());
    if (!program->window.FormLoad()) {
        return nullptr;
    }
    return program;
}

// Handles events until `widget` has been painted at least once more.
void WaitForPaint(QWidget& widget)
{
    bool painted = false;
    struct Watch : QObject {
        bool* painted;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint) {
                *painted = true;
            }
            return false;
        }
    } watch;
    watch.painted = &painted;
    widget.installEventFilter(&watch);
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (!painted && Clock::now() < deadline) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    widget.removeEventFilter(&watch);
}

int Startup(int argc, char* argv[], Clock::time_point processStart)
{
    QApplication application(argc, argv);
    const auto applicationReady = Clock::now();
    QTemporaryDir folder;
    if (!PrepareApplicationFolder(folder)) {
        return 1;
    }
    const auto logicStart = Clock::now();
    Program program(folder.path().toStdString());
    if (!program.window.FormLoad()) {
        return 1;
    }
    WaitForPaint(*program.view.Widget(palvo::Control::picBase));
    const auto shown = Clock::now();
    // Copying the test folder is not part of the program's start-up.
    const double total = Milliseconds(applicationReady - processStart) + Milliseconds(shown - logicStart);
    std::printf("startup_ms %.1f (QApplication %.1f, window and idle display %.1f)\n", total,
                Milliseconds(applicationReady - processStart), Milliseconds(shown - logicStart));
    std::printf("resident_mb %.1f\n", static_cast<double>(ResidentKilobytes()) / 1024.0);
    return 0;
}

int Paint(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QTemporaryDir folder;
    const std::unique_ptr<Program> started = StartProgram(folder);
    if (!started) {
        return 1;
    }
    Program& program = *started;
    WaitForPaint(*program.view.Widget(palvo::Control::picBase));

    // A second set of the probe's pieces over the same window, as the logic builds them.
    palvo::CConfig config(folder.path().toStdString());
    config.ReadConfig();
    palvo::CShared shared;
    palvo::WorkingBuffers buffers;
    palvo::PixelBuffer background;
    palvo::BitmapPreparation images(program.view, program.messages, buffers, shared, config, background);
    if (!images.PrepareAtStartUp()) {
        return 1;
    }
    palvo::DigitRenderer renderer(buffers, shared, config);
    std::int32_t timerCount = 0;
    palvo::AuxiliaryControls probe(program.view, program.clock, images, renderer, timerCount);
    QWidget& base = *program.view.Widget(palvo::Control::picBase);

    constexpr int kRounds = 200;
    std::vector<double> composed;
    std::vector<double> onScreen;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = Clock::now();
        probe.DrawAllSegments();
        const auto drawn = Clock::now();
        base.repaint();  // the paint the event loop would do next, done at once
        const auto painted = Clock::now();
        composed.push_back(Milliseconds(drawn - start));
        onScreen.push_back(Milliseconds(painted - start));
    }
    std::printf("probe_paint_median_ms %.3f (restore, 14 bars, transfer into picBase's image)\n",
                Median(composed));
    std::printf("probe_paint_on_screen_median_ms %.3f (the same plus the widget's repaint)\n",
                Median(onScreen));
    return 0;
}

// The players' window of `program` opened at width x height.
struct Audience {
    Audience(Program& program, int width, int height) : window(program.view.Window()), display(window, program.window, program.clock, program.environment.SettingsDirectory())
    {
        display.Toggle();
        window.resize(width, height);
        WaitForPaint(window);
    }
    palvo::QtAudienceWindow window;
    palvo::AudienceDisplay display;
};

int AudienceFrames(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QTemporaryDir folder;
    const std::unique_ptr<Program> started = StartProgram(folder);
    if (!started) {
        return 1;
    }
    Program& program = *started;
    for (const auto& [width, height] : {std::pair{1920, 1080}, std::pair{3840, 2160}}) {
        Audience audience(program, width, height);
        const int frameWidth = audience.window.ClientWidth();
        const int frameHeight = audience.window.ClientHeight();
        const palvo::PixelBuffer source(frameWidth, frameHeight);
        palvo::PixelBuffer target(frameWidth, frameHeight);
        constexpr int kRounds = 60;
        std::vector<double> frames;
        std::vector<double> copies;
        for (int round = 0; round < kRounds; ++round) {
            auto start = Clock::now();
            audience.display.OnNumberShown(static_cast<std::int16_t>(10 + round % 60));
            audience.window.repaint();  // the paint the event loop would do next, done at once
            frames.push_back(Milliseconds(Clock::now() - start));
            start = Clock::now();
            std::memcpy(target.Data(), source.Data(), source.ByteCount());
            copies.push_back(Milliseconds(Clock::now() - start));
        }
        const double frame = Median(frames);
        const double copy = Median(copies);
        std::printf("audience_%dx%d rolling_frame_ms %.3f plain_copy_ms %.3f ratio %.2f (goal <= 4: %s)\n",
                    frameWidth, frameHeight, frame, copy, frame / copy, frame / copy <= 4.0 ? "met" : "missed");
    }
    // The largest window a system allows: what it holds must not grow with it.
    const long before = ResidentKilobytes();
    {
        Audience audience(program, 32767, 32767);
        audience.display.OnNumberShown(42);
        audience.window.repaint();
        std::printf("audience_huge window %dx%d image %dx%d resident_mb %ld (before %ld, goal <= +200: %s)\n",
                    audience.window.ClientWidth(), audience.window.ClientHeight(),
                    audience.window.Image().width(), audience.window.Image().height(),
                    ResidentKilobytes() / 1024, before / 1024,
                    ResidentKilobytes() - before <= 200 * 1024 ? "met" : "missed");
    }
    return 0;
}

int Sequence(int argc, char* argv[], bool withAudience, bool withWeb)
{
    QApplication application(argc, argv);
    QTemporaryDir folder;
    const std::unique_ptr<Program> started = StartProgram(folder);
    if (!started) {
        return 1;
    }
    Program& program = *started;
    WaitForPaint(*program.view.Widget(palvo::Control::picBase));
    std::optional<Audience> audience;
    if (withAudience) {
        audience.emplace(program, 1920, 1080);
        program.window.AddListener(audience->display);
    }

    constexpr double kScheduleMs = 17 * 60.0 + 3 * 560.0;
    constexpr int kRuns = 3;
    const auto runs = [&](const char* label) {
        for (int run = 0; run < kRuns; ++run) {
            const auto start = Clock::now();
            program.window.OnClick(palvo::Control::cmdStart);
            const double wall = Milliseconds(Clock::now() - start);
            std::printf("%s sequence_ms %.1f over_percent %.2f\n", label, wall,
                        (wall - kScheduleMs) / kScheduleMs * 100.0);
        }
    };
    if (withWeb) {
        runs("web_off");
        palvo::WebServerOptions options;
        options.address = "127.0.0.1";
        options.firstPort = 18500;
        options.lastPort = 18599;
        palvo::WebService web(program.window.State(), nullptr, options);
        if (!web.TurnOn()) {
            return 1;
        }
        // The phones live on a thread of their own, as they would on their own devices.
        namespace asio = boost::asio;
        asio::io_context phones;
        std::vector<std::unique_ptr<asio::ip::tcp::socket>> sockets;
        std::vector<std::string> buffers(1000);
        long events = 0;
        const auto port =
            static_cast<std::uint16_t>(std::stoi(web.Address().substr(web.Address().rfind(':') + 1)));
        std::function<void(std::size_t)> follow = [&](std::size_t i) {
            asio::async_read_until(*sockets[i], asio::dynamic_buffer(buffers[i]), "\n\n",
                                   [&, i](const boost::system::error_code& error, std::size_t size) {
                                       if (error) {
                                           return;
                                       }
                                       events += buffers[i].compare(0, 3, "id:") == 0 ? 1 : 0;
                                       buffers[i].erase(0, size);
                                       follow(i);
                                   });
        };
        for (std::size_t i = 0; i < buffers.size(); ++i) {
            sockets.push_back(std::make_unique<asio::ip::tcp::socket>(phones));
            boost::system::error_code error;
            sockets.back()->connect(asio::ip::tcp::endpoint(asio::ip::make_address_v4("127.0.0.1"), port),
                                    error);
            asio::write(*sockets.back(), asio::buffer(std::string("GET /events HTTP/1.1\r\n\r\n")), error);
            follow(i);
        }
        auto guard = asio::make_work_guard(phones);
        std::thread phoneThread([&] { phones.run(); });
        std::this_thread::sleep_for(std::chrono::seconds(1));
        runs("web_on_1000_phones");
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        guard.reset();
        phones.stop();
        phoneThread.join();
        std::printf("web_on events received %ld (1,000 phones x (1 + %d draws) expected %d)\n", events, kRuns,
                    1000 * (1 + kRuns));
        runs("web_off_again");
        return 0;
    }
    for (int run = 0; run < kRuns; ++run) {
        const double cpuStart = ProcessCpuMilliseconds();
        const auto start = Clock::now();
        program.window.OnClick(palvo::Control::cmdStart);
        const double wall = Milliseconds(Clock::now() - start);
        const double cpu = ProcessCpuMilliseconds() - cpuStart;
        std::printf("sequence_ms %.1f schedule_ms %.0f over_percent %.2f cpu_ms %.1f cpu_percent %.2f\n",
                    wall, kScheduleMs, (wall - kScheduleMs) / kScheduleMs * 100.0, cpu, cpu / wall * 100.0);
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    const auto processStart = Clock::now();
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "startup") {
        return Startup(argc, argv, processStart);
    }
    if (mode == "paint") {
        return Paint(argc, argv);
    }
    if (mode == "sequence") {
        return Sequence(argc, argv, argc > 2 && std::string(argv[2]) == "audience",
                        argc > 2 && std::string(argv[2]) == "web");
    }
    if (mode == "audience") {
        return AudienceFrames(argc, argv);
    }
    std::fprintf(stderr, "usage: palvo_qt_benchmark startup|paint|sequence [audience|web]|audience\n");
    return 2;
}
