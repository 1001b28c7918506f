// Text as the screens draw it every frame: a full page of checklist lines and digit drums.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

#include "gfx/primitives.h"
#include "gfx/text.h"
#include "host/unit.h"

static void BM_DrawTextLine(benchmark::State& state) {
    for (auto _ : state) {
        drawText(240, 100, "ALT 12345 FT  QNH 1013  OIL 85\xB0" "C", (uint8_t)state.range(0), alignCentre, 15);
        benchmark::DoNotOptimize(frameBuffer);
    }
}
BENCHMARK(BM_DrawTextLine)->Arg(8)->Arg(10)->Arg(20);

static void BM_InfoDisplayFullPage(benchmark::State& state) {
    sdCardMounted = 1;
    infoViewMode = 2;
    for (int n = 0; n < infoMaxLines; n++) std::memset(infoLines[n], 'A' + n % 26, infoLineLength);
    infoLineCount = infoMaxLines;
    infoCurrentLine = 6;
    for (auto _ : state) {
        drawInfoDisplay();
        benchmark::DoNotOptimize(frameBuffer);
    }
}
BENCHMARK(BM_InfoDisplayFullPage);

static void BM_RollerDigits(benchmark::State& state) {
    for (auto _ : state) {
        for (int k = 0; k < 16; k++) drawRollerDigitsTall(65, (int16_t)(202 - 25 * k), "90");
        drawRollerDigitsLarge(20, 122, "12");
        benchmark::DoNotOptimize(frameBuffer);
    }
}
BENCHMARK(BM_RollerDigits);
