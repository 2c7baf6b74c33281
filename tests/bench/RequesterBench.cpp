// Whole-dialog figures on the scripted toolkit: what a burst of pointer moves costs, and one
// magnifier update of the eyedropper.

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "launcher/BuildVariants.hpp"
#include "requester/ColorModel.hpp"
#include "requester/Rendering.hpp"
#include "requester/ColorRequester.hpp"
#include "requester/RequesterLoop.hpp"
#include "tests/support/FakeToolkit.hpp"

namespace tintgrab {
namespace {

// The alpha build's state after its preparation and first strip layout, mid-drag in the square so
// that the composition also reads the colour back.
RequesterState& preparedAlphaState()
{
    static RequesterState s = [] {
        RequesterState state;
        state.alphaMode = 1;
        state.currentColor = 0x80336699u;
        state.compareColor = 0xFF0000FFu;
        state.faceColor = 0x00F0F0F0u;
        state.hoverSwatch = 2;
        makeFixedImages(state.images, 1);
        state.hueTable = buildHueTable();
        makeHueStripImage(state.images, 1);
        const SquarePosition position = squarePositionOf(state.currentColor);
        state.hueColor = position.hueColor;
        state.svX = position.svX;
        state.svY = position.svY;
        layOutHueStrip(state.images.hueStripImage, state.hueTable, state.hueColor, state.hueIndex, state.huePos, 1);
        state.draggingSv = true;
        return state;
    }();
    return s;
}

// One composition of the alpha build's canvas, and next to it a plain copy of the same canvas.
void composeAlphaCanvas(benchmark::State& state)
{
    RequesterState& s = preparedAlphaState();
    for (auto _ : state) {
        composeCanvas(s);
        benchmark::DoNotOptimize(s.images.canvasImage.data());
    }
}
BENCHMARK(composeAlphaCanvas)->Unit(benchmark::kMicrosecond);

void copyAlphaCanvas(benchmark::State& state)
{
    const Image& canvas = preparedAlphaState().images.canvasImage;
    const std::size_t bytes = static_cast<std::size_t>(canvas.width()) * static_cast<std::size_t>(canvas.height()) * 4;
    std::vector<Color32> target(bytes / 4);
    for (auto _ : state) {
        std::memcpy(target.data(), canvas.data(), bytes);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(copyAlphaCanvas)->Unit(benchmark::kMicrosecond);

// Everything the requester makes before its window: the icons decoded, the fixed pictures, the hue
// table, and the first pass's strip layout.
void preparation(benchmark::State& state)
{
    const auto alphaMode = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state) {
        RequesterImages images;
        makeFixedImages(images, alphaMode);
        const std::vector<Color32> hueTable = buildHueTable();
        makeHueStripImage(images, alphaMode);
        std::int32_t hueIndex = 0, huePos = 0;
        layOutHueStrip(images.hueStripImage, hueTable, 0x00FF00FFu, hueIndex, huePos, alphaMode);
        benchmark::DoNotOptimize(images.hueStripImage.data());
    }
}
BENCHMARK(preparation)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// One strip layout (a hue sync), through a range of hues.
void stripLayout(benchmark::State& state)
{
    RequesterState& s = preparedAlphaState();
    std::size_t i = 765;
    for (auto _ : state) {
        layOutHueStrip(s.images.hueStripImage, s.hueTable, s.hueTable[i], s.hueIndex, s.huePos, 1);
        i = i == 2295 ? 765 : i + 1;
    }
}
BENCHMARK(stripLayout)->Unit(benchmark::kMicrosecond);

// One hsv sync: the hue and square position of a colour.
void hsvSync(benchmark::State& state)
{
    Color32 color = 0x00336699u;
    for (auto _ : state) {
        benchmark::DoNotOptimize(squarePositionOf(color));
        color = (color * 2654435761u) & 0x00FFFFFFu;
    }
}
BENCHMARK(hsvSync);

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
