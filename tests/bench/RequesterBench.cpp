// Whole-dialog figures on the scripted toolkit: what a burst of pointer moves costs, and one
// magnifier update of the eyedropper.

#include <benchmark/benchmark.h>

#include "launcher/BuildVariants.hpp"
#include "requester/ColorRequester.hpp"
#include "requester/RequesterLoop.hpp"
#include "tests/support/FakeToolkit.hpp"

namespace tintgrab {
namespace {

// 1000 moves of a square drag arrive together: they are handled in one pass, which composes once.
void dragBurst(benchmark::State& state)
{
    std::int64_t passes = 0, compositions = 0;
    for (auto _ : state) {
        fake::reset();
        fake::press(100, 100);
        for (int i = 0; i < 1000; ++i) {
            fake::moveTo(44 + i % 256, 12 + (i * 7) % 256);
            fake::samePass();
        }
        fake::release(50, 50);
        fake::clickButtonAt(312, 188);
        std::int32_t drawsBefore = 0;
        runRequester(0xFF336699u, alphaFormatText, 1, nullptr, [&](const RequesterState&) {
            ++passes;
            drawsBefore = fake::dialog()->drawCount;
        });
        compositions += drawsBefore;
    }
    state.counters["passesPerDialog"] = benchmark::Counter(static_cast<double>(passes), benchmark::Counter::kAvgIterations);
    state.counters["compositionsPerDialog"] =
        benchmark::Counter(static_cast<double>(compositions), benchmark::Counter::kAvgIterations);
}
BENCHMARK(dragBurst)->Unit(benchmark::kMillisecond);

// The eyedropper with one 1920 x 1080 monitor and 1000 pointer moves: per move one 17 x 17 grab,
// one enlargement to 119 x 119 and one draw on the magnifier.
void magnifierUpdates(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        fake::reset();
        fake::state().screen.monitors = {MonitorRect{0, 0, 1920, 1080}};
        fake::state().screen.monitorPixels = {Image(1920, 1080, PixelFormat::rgb24)};
        fake::clickButtonAt(312, 136);
        for (int i = 0; i < 1000; ++i) fake::moveOnScreen((i * 37) % 1920, (i * 11) % 1080);
        fake::pressEscape();
        fake::clickButtonAt(312, 188);
        state.ResumeTiming();
        ColorRequester(0xFF336699u, opaqueFormatText, 0, nullptr);
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(magnifierUpdates)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tintgrab
