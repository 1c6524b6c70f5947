// Cost of the heaviest display: the all-segments "88" frame the timing probe paints (background
// copy plus fourteen bar compositions, large bars, centre position), set against one plain copy
// of the frame's bytes. The goal is a frame within 1.5 times the plain copy.

#include <benchmark/benchmark.h>

#include <cstring>
#include <iomanip>
#include <iostream>
#include <map>
#include <string>

#include "config/config_store.h"
#include "display/digit_rendering.h"
#include "display/layout_metrics.h"
#include "imaging/dib_access.h"
#include "imaging/segment_bar.h"
#include "imaging/working_buffers.h"

namespace {

using namespace palvo;

PixelBuffer Background()
{
    PixelBuffer background(800, 600);
    for (std::int32_t y = 0; y < 600; ++y) {
        for (std::int32_t x = 0; x < 800; ++x) {
            background.At(x, y) = Pixel{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y),
                                        static_cast<std::uint8_t>(x ^ y), 0};
        }
    }
    return background;
}

// The prepared state after start-up with size 2 ("大"), position 4 (centre), digit colour red.
struct Display {
    Display()
    {
        config.SetNumSizeIndex(2);
        config.SetNumPosIndex(4);
        const ColorTriple red{0, 0, 255};
        buffers.NumBarPixels_H =
            MakeSegmentBar(BarOrientation::Horizontal, kSegmentBarSizes[2], kSegmentBarColor);
        buffers.NumBarPixels_V =
            MakeSegmentBar(BarOrientation::Vertical, kSegmentBarSizes[2], kSegmentBarColor);
        TransmissionPixels(buffers.NumBarPixels_H, 150, 30, ColorTriple{}, red);
        TransmissionPixels(buffers.NumBarPixels_V, 30, 150, ColorTriple{}, red);
        background = Background();
        buffers.PicNumPixels = background;
    }

    WorkingBuffers buffers;
    CShared shared;
    CConfig config{"."};
    DigitRenderer renderer{buffers, shared, config};
    PixelBuffer background;
};

void FullEightyEightFrame(benchmark::State& state)
{
    Display display;
    for (auto _ : state) {
        display.buffers.PicNumPixels = display.background;
        bool drawn = true;
        for (std::int16_t segment = 0; segment < 3 && drawn; ++segment) {
            drawn = display.renderer.DrawNumBar(BarOrientation::Horizontal, segment, Place::One) &&
                    display.renderer.DrawNumBar(BarOrientation::Horizontal, segment, Place::Ten);
        }
        for (std::int16_t segment = 0; segment < 4 && drawn; ++segment) {
            drawn = display.renderer.DrawNumBar(BarOrientation::Vertical, segment, Place::One) &&
                    display.renderer.DrawNumBar(BarOrientation::Vertical, segment, Place::Ten);
        }
        if (!drawn) {
            state.SkipWithError("a bar did not fit the picture");
            break;
        }
        benchmark::DoNotOptimize(display.buffers.PicNumPixels.Data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(display.background.ByteCount()));
}

void PlainFrameCopy(benchmark::State& state)
{
    const PixelBuffer source = Background();
    PixelBuffer target(800, 600);
    for (auto _ : state) {
        std::memcpy(target.Data(), source.Data(), source.ByteCount());
        benchmark::DoNotOptimize(target.Data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(source.ByteCount()));
}

BENCHMARK(FullEightyEightFrame)->MinTime(0.5);
BENCHMARK(PlainFrameCopy)->MinTime(0.5);

// Keeps the console output and remembers each benchmark's real and CPU time per iteration.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    struct Times {
        double real = 0;
        double cpu = 0;
    };

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred && run.iterations > 0) {
                const double toNanoseconds = benchmark::GetTimeUnitMultiplier(benchmark::kNanosecond) /
                                             benchmark::GetTimeUnitMultiplier(run.time_unit);
                times[run.run_name.function_name] = {run.GetAdjustedRealTime() * toNanoseconds,
                                                     run.GetAdjustedCPUTime() * toNanoseconds};
            }
        }
    }

    std::map<std::string, Times> times;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto frame = reporter.times.find("FullEightyEightFrame");
    const auto copy = reporter.times.find("PlainFrameCopy");
    if (frame == reporter.times.end() || copy == reporter.times.end() || copy->second.real <= 0 ||
        copy->second.cpu <= 0) {
        return 0;
    }
    // CPU time is the steadier figure on a shared machine; both are shown.
    const double realRatio = frame->second.real / copy->second.real;
    const double cpuRatio = frame->second.cpu / copy->second.cpu;
    std::cout << std::fixed << std::setprecision(0) << "\n\"88\" frame: " << frame->second.real
              << " ns real, " << frame->second.cpu << " ns CPU\nplain copy: " << copy->second.real
              << " ns real, " << copy->second.cpu << " ns CPU\n"
              << std::setprecision(2) << "ratio: " << realRatio << " real, " << cpuRatio
              << " CPU (goal <= 1.50: " << (cpuRatio <= 1.5 ? "met" : "missed") << ")" << std::endl;
    return 0;
}
