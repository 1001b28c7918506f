// Whole frames and the primitives they are made of.
#include <benchmark/benchmark.h>

#include <vector>

#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "host/presenter.h"
#include "ui/page.h"

static void BM_MainScreenFrame(benchmark::State& state) {
    buildTrigTables();
    for (auto _ : state) {
        mainScreenPage();
        benchmark::DoNotOptimize(frameBuffer);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MainScreenFrame);

static void BM_FillScreen(benchmark::State& state) {
    for (auto _ : state) {
        fillScreen(15);
        benchmark::DoNotOptimize(frameBuffer);
    }
}
BENCHMARK(BM_FillScreen);

static void BM_ClearScreen(benchmark::State& state) {
    for (auto _ : state) {
        clearScreen();
        benchmark::DoNotOptimize(frameBuffer);
    }
}
BENCHMARK(BM_ClearScreen);

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
    mainScreenPage();
    for (auto _ : state) {
        frameToArgb(frameBuffer, out.data());
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_PresenterConversion);
