// The air-data and heading instruments as a flight layout draws them every frame.
#include <benchmark/benchmark.h>

#include "efis/airspeed_dial.h"
#include "efis/airspeed_tape.h"
#include "efis/altitude_dial.h"
#include "efis/altitude_tape.h"
#include "efis/heading_tape.h"
#include "efis/hsi.h"
#include "efis/vsi.h"
#include "efis/vsi_dial.h"
#include "flight_scene.h"

static void setUpInstruments() {
    instrumentsAtRest();
    fly(climbingTurnOffNorth);
}

// The EFIS tapes across the full-width layout, the altitude scan over its whole visible range.
static void BM_EfisTapes(benchmark::State& state) {
    setUpInstruments();
    for (auto _ : state) {
        drawHeadingTape(240, 60, 418, 70, 36);
        drawAltitudeTape(347);
        drawVsiTape(385);
        drawAirspeedTape();
        benchmark::DoNotOptimize(frameBuffer);
    }
}
BENCHMARK(BM_EfisTapes);

// A span and in-view setting far beyond the setup page's range: many ticks per row.
static void BM_AirspeedTapeDenseScale(benchmark::State& state) {
    setUpInstruments();
    unitSettings.asiSpan = 65535;
    unitSettings.asiInView = 255;
    for (auto _ : state) {
        drawAirspeedTape();
        benchmark::DoNotOptimize(frameBuffer);
    }
}
BENCHMARK(BM_AirspeedTapeDenseScale);

static void BM_VfrDialsAndHsi(benchmark::State& state) {
    setUpInstruments();
    for (auto _ : state) {
        drawAsiDial(87, 67);
        drawAltimeterDial(393, 67);
        drawVsiDial(1, 240, 67);
        drawHsi(320, 216);
        benchmark::DoNotOptimize(frameBuffer);
    }
}
BENCHMARK(BM_VfrDialsAndHsi);
