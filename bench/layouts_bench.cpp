// One whole main-screen frame of every flight layout and sub-view, in a climbing right turn off
// north with a GPS fix, next to the floor every frame stands on: clearing the screen. Each layout
// reports its CPU time as a multiple of that floor measured in the same run (counter "xClear").
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>

#include "flight_scene.h"

namespace {

void setUpFlight() {
    instrumentsAtRest();
    layoutFieldsQuiet();
    showMainScreen();
    alarmsEnabled = 0;
    fly(climbingTurnOffNorth);
    oat = oatCelsius = 12;
    altitudeBugShown = 1;
    altitudeBug = 5000;
    volts = 138;
}

// CPU time of this thread: the machine is shared, so wall time would count the others' work.
double threadCpuNs() {
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return (double)t.tv_sec * 1e9 + (double)t.tv_nsec;
}

// CPU nanoseconds of one clearScreen, the best of a few runs.
double clearFloorNs() {
    double best = 1e30;
    for (int run = 0; run < 5; run++) {
        double start = threadCpuNs();
        for (int i = 0; i < 2000; i++) {
            clearScreen();
            benchmark::DoNotOptimize(frameBuffer);
        }
        best = std::min(best, (threadCpuNs() - start) / 2000);
    }
    return best;
}

void BM_ClearScreenFloor(benchmark::State& state) {
    for (auto _ : state) {
        clearScreen();
        benchmark::DoNotOptimize(frameBuffer);
    }
}
BENCHMARK(BM_ClearScreenFloor);

// Argument 0: the layout; argument 1: its sub-view.
void BM_FlightLayoutFrame(benchmark::State& state) {
    setUpFlight();
    displayPage = (uint8_t)state.range(0);
    vfrSubView = vfrEmsSubView = (uint8_t)state.range(1);
    double floor = clearFloorNs();
    double start = threadCpuNs();
    for (auto _ : state) {
        mainScreenPage();
        benchmark::DoNotOptimize(frameBuffer);
    }
    double ns = threadCpuNs() - start;
    if (state.iterations() > 0) state.counters["xClear"] = ns / (double)state.iterations() / floor;
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FlightLayoutFrame)
    ->ArgNames({"layout", "view"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({3, 0})
    ->Args({3, 1})
    ->Args({3, 2})
    ->Args({4, 0})
    ->Args({4, 1})
    ->Args({4, 2})
    ->Args({4, 3})
    ->Args({4, 4})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
