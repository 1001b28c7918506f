// The primitives frames are made of, and the presenter.
#include <benchmark/benchmark.h>

#include <vector>

#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "host/presenter.h"

static void BM_FillScreen(benchmark::State& state) {
    for (auto _ : state) {
        fillScreen(15);
        benchmark::DoNotOptimize(frameBuffer);
    }
}
BENCHMARK(BM_FillScreen);

static void BM_Lines100(benchmark::State& state) {
    for (auto _ : state) {
        for (int16_t i = 0; i < 100; i++) drawLine(0, (int16_t)(i * 2), 479, (int16_t)(271 - i * 2), 15);
        benchmark::DoNotOptimize(frameBuffer);
    }
    state.SetItemsProcessed(state.iterations() * 100);
}
BENCHMARK(BM_Lines100);

static void BM_PresenterConversion(benchmark::State& state) {
    std::vector<uint32_t> out(frameBufferSize);
    for (int16_t y = 0; y < screenHeight; y += 2) drawHSpan(0, 479, y, (uint8_t)y);
    for (auto _ : state) {
        frameToArgb(frameBuffer, out.data());
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_PresenterConversion);
