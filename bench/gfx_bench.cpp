// What a frame costs: the background copy, keyed sprites, blurred text faces, text.
#include "gfx/canvas.h"
#include "gfx/surface.h"

#include <benchmark/benchmark.h>

namespace {

gfx::PixelLayout LayoutArg(const benchmark::State& state) {
    return static_cast<gfx::PixelLayout>(state.range(0));
}

void FullScreenOpaqueCopy(benchmark::State& state) {
    gfx::Surface back, background;
    back.Create(LayoutArg(state), 1024, 768);
    background.Create(LayoutArg(state), 1024, 768);
    for (auto _ : state) {
        gfx::CopyOpaque(back, 0, 0, 1024, 768, background, 0, 0);
        benchmark::DoNotOptimize(back.bits);
    }
}

void KeyedSpriteCopy(benchmark::State& state) {
    gfx::Surface back, sprite;
    back.Create(LayoutArg(state), 1024, 768);
    sprite.Create(LayoutArg(state), 200, 100);
    sprite.keyColor = static_cast<int32_t>(gfx::kKeyColor);
    gfx::Canvas(sprite).FillRect({0, 0, 100, 100}, gfx::kKeyColor);
    for (auto _ : state) {
        gfx::BlitKeyed(back, 300, 300, sprite, {0, 0, 200, 100});
        benchmark::DoNotOptimize(back.bits);
    }
}

void BlurAnswerFace(benchmark::State& state) {
    gfx::Surface face;
    face.Create(LayoutArg(state), 490, 80);
    for (auto _ : state) gfx::BlurSurface(face);
}

void QuestionTextLine(benchmark::State& state) {
    gfx::Surface face;
    face.Create(LayoutArg(state), 500, 110);
    gfx::Canvas canvas(face);
    const gfx::Font font({"Arial", 26, 700, 238});
    canvas.SelectFont(&font);
    canvas.SetBackgroundMode(gfx::BackgroundMode::Transparent);
    for (auto _ : state) canvas.DrawText("Kter\xE9 m\xECsto je\n\rhlavn\xEDm m\xECstem?", {0, 0, 500, 110});
}

// 0..3: 5-6-5, 5-5-5, 24-bit, 32-bit.
BENCHMARK(FullScreenOpaqueCopy)->DenseRange(0, 3);
BENCHMARK(KeyedSpriteCopy)->DenseRange(0, 3);
BENCHMARK(BlurAnswerFace)->DenseRange(0, 3);
BENCHMARK(QuestionTextLine)->DenseRange(0, 3);

}  // namespace
