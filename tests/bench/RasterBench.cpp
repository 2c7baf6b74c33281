// Speed of the drawing operations the dialog's face is composed with, against a plain copy of the
// canvas's bytes, and of making the fixed pictures.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "requester/FixedImages.hpp"
#include "requester/Raster.hpp"

namespace tintgrab {
namespace {

constexpr std::int32_t canvasWidth = 372, canvasHeight = 368; // the alpha build's canvas

const RequesterImages& alphaImages()
{
    static const RequesterImages images = [] {
        RequesterImages made;
        makeFixedImages(made, 1);
        makeHueStripImage(made, 1);
        return made;
    }();
    return images;
}

void copyCanvasBytes(benchmark::State& state)
{
    std::vector<std::uint8_t> from(std::size_t{canvasWidth} * canvasHeight * 4, 1), to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(from.size()));
}
BENCHMARK(copyCanvasBytes);

void blendOverlayOnOpaque(benchmark::State& state)
{
    const Image& overlay = alphaImages().svOverlayImage;
    Image canvas(canvasWidth, canvasHeight, PixelFormat::rgba32);
    Painter painter(canvas);
    painter.setMode(DrawMode::blend);
    for (auto _ : state) {
        painter.fillBox(44, 12, 256, 256, 0xFF00A0FFu); // keeps the region opaque and fresh
        painter.drawImage(overlay, 44, 12);
        benchmark::DoNotOptimize(canvas.data());
    }
}
BENCHMARK(blendOverlayOnOpaque);

void fillOpaqueBox(benchmark::State& state)
{
    Image canvas(canvasWidth, canvasHeight, PixelFormat::rgba32);
    Painter painter(canvas);
    painter.setMode(DrawMode::blend);
    for (auto _ : state) {
        painter.fillBox(44, 12, 256, 256, 0xFF00A0FFu);
        benchmark::DoNotOptimize(canvas.data());
    }
}
BENCHMARK(fillOpaqueBox);

void drawOpaqueImage(benchmark::State& state)
{
    const Image source(256, 256, PixelFormat::rgba32);
    Image canvas(canvasWidth, canvasHeight, PixelFormat::rgba32);
    Painter painter(canvas);
    painter.setMode(DrawMode::blend);
    for (auto _ : state) {
        painter.drawImage(source, 44, 12);
        benchmark::DoNotOptimize(canvas.data());
    }
}
BENCHMARK(drawOpaqueImage);

// The background boxes of the face, opaque, then the frames in outline blend.
void fillFaceBoxes(benchmark::State& state)
{
    Image canvas(canvasWidth, canvasHeight, PixelFormat::rgba32);
    Painter painter(canvas);
    for (auto _ : state) {
        painter.setMode(DrawMode::blend);
        painter.fillBox(32, 0, 280, 280, 0xFFF0F0F0u);
        painter.fillBox(0, 0, 44, 368, 0xFFF0F0F0u);
        painter.fillBox(300, 0, 72, 77, 0xFFF0F0F0u);
        for (std::int32_t y = 268; y <= 334; y += 22) painter.fillBox(32, y, 280, 34, 0xFFF0F0F0u);
        painter.setMode(DrawMode::outlineBlend);
        painter.fillBox(43, 11, 258, 258, 0x60000000u);
        painter.fillBox(11, 11, 22, 346, 0x60000000u);
        benchmark::DoNotOptimize(canvas.data());
    }
}
BENCHMARK(fillFaceBoxes);

void makeAllFixedImages(benchmark::State& state)
{
    const auto alphaMode = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state) {
        RequesterImages images;
        makeFixedImages(images, alphaMode);
        makeHueStripImage(images, alphaMode);
        benchmark::DoNotOptimize(images.svOverlayImage.data());
    }
}
BENCHMARK(makeAllFixedImages)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tintgrab
