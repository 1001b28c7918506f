// The main screen: ten layouts of flight and engine instruments chosen by displayPage, soft keys
// 1 and 5 stepping through the enabled ones, the knob setting the altimeter or scrolling a
// list, and the quick menu opened by a push.
#pragma once
#include <cstdint>

constexpr uint8_t layoutCount = 10;  // displayPage runs 0..9

enum : uint8_t {
    layoutEfis = 0,
    layoutEfisEms = 1,
    layoutEfisHsi = 2,
    layoutVfr = 3,
    layoutVfrEms = 4,
    layoutEms = 5,
    layoutEcuStatus = 6,
    layoutEcuFaults = 7,
    layoutGps = 8,
    layoutInfo = 9,
};

// One drawer per layout; each draws the whole frame (clearing it first). A layout whose drawer
// is still missing shows a black screen. The issue that builds a layout puts its drawer here.
using LayoutDrawer = void (*)();
extern LayoutDrawer layoutDrawers[layoutCount];

extern uint8_t egtScanIndex;    // thermocouple channel shown by a scanning EGT display, 0..11
extern uint8_t chtScanIndex;    // thermocouple channel shown by a scanning CHT display, 0..11
extern uint8_t scanPhase;       // group a combined display is stepping: 0 EGT, 1 CHT
extern uint8_t leanMode;        // 1 while the EMS lean mode is on
extern uint8_t cruiseMode;      // 1 while the EMS cruise mode is on
extern uint8_t faultListIndex;  // page of the ECU fault list shown
extern uint8_t faultListCount;  // pages of the ECU fault list

// Altimeter setting limits and steps (0.001 mb): the setting stays strictly between the limits.
constexpr int32_t baroUpperLimit = 1080250;
constexpr int32_t baroLowerLimit = 940250;
constexpr int32_t baroStepMb = 1000;   // 1 mb
constexpr int32_t baroStepInHg = 338;  // 0.01 inHg

// 1 when the layout's settings flag enables it; 0 for any value above 9.
uint8_t layoutEnabled(uint8_t layout);
// The first enabled layout among ten candidates from `from`, stepping by direction (-1 or +1)
// and wrapping within 0..9; `from` itself when none is enabled.
uint8_t nearestEnabledLayout(uint8_t from, int8_t direction);
// The first channel of the CHT group, kept on the twelve thermocouple channels.
uint8_t firstChtChannel();
