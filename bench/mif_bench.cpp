// Pictures: a menu page draws eight icons every frame; a picture page copies the background.
#include <benchmark/benchmark.h>

#include "gfx/icon_data.h"
#include "gfx/mif.h"

static void BM_DrawMenuIcons(benchmark::State& state) {
    for (auto _ : state) {
        for (int32_t k = 0; k < 8; k++)
            drawMifImage((int16_t)(23 + 128 * (k % 4)), (int16_t)(54 + 99 * (k / 4)), builtInIcons[4 + k].image);
        benchmark::DoNotOptimize(frameBuffer);
    }
    state.SetItemsProcessed(state.iterations() * 8);
}
BENCHMARK(BM_DrawMenuIcons);

static void BM_CopyBackground(benchmark::State& state) {
    for (auto _ : state) {
        copyBackground();
        benchmark::DoNotOptimize(frameBuffer);
    }
}
BENCHMARK(BM_CopyBackground);

static void BM_LoadSplashPicture(benchmark::State& state) {
    for (auto _ : state) {
        loadMifToBackground(0, 0, EFIS_SOURCE_DIR "/card/SDCARD/SPLASH.MIF");
        benchmark::DoNotOptimize(backgroundBuffer);
    }
}
BENCHMARK(BM_LoadSplashPicture);
