// Flight inputs shared by the tests and the benchmarks (no test framework here): the unit with
// every instrument input at rest, the layouts' data fields at quiet values (no alarm, no
// caution), the main screen showing, and a scene of attitude, air data and GPS to fly in.
#pragma once
#include <cstring>

#include "airdata/airdata.h"
#include "efis/attitude_indicator.h"
#include "efis/compass_calibration.h"
#include "efis/flight_layouts.h"
#include "efis/instrument_common.h"
#include "efis/wind.h"
#include "ems/fuel_range.h"
#include "ems/volts.h"
#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "host/clock.h"
#include "host/tick.h"
#include "host/unit.h"
#include "links/autopilot.h"
#include "links/transponder.h"
#include "nav/gps_state.h"
#include "nav/leg_progress.h"
#include "nav/navigation.h"
#include "records/flight_time.h"
#include "records/records.h"
#include "records/working_state.h"
#include "ui/fuel_arrangement.h"
#include "ui/main_screen.h"
#include "ui/page.h"
#include "ui/timer_overlay.h"

// The unit as power-on leaves it, with every sensor present and every instrument input at rest,
// on a black screen.
inline void instrumentsAtRest() {
    buildTrigTables();
    applySettingsDefaults();
    applyCalibrationDefaults();
    std::memset(&retainedState, 0, sizeof retainedState);
    baroSetting = 1013250;
    altitudeBug = 1000;
    displayPage = 0;
    clipRight = 480;
    altSensorStatus = 2;
    asiSensorStatus = 2;
    compassPresent = 1;
    fastBlink = 0;
    flightActive = 0;
    indicatedAirspeed = 0;
    trueAirspeed = 0;
    altitude = 0;
    densityAltitude = 0;
    oatCelsius = 15;
    verticalSpeed = 0;
    verticalSpeedFpm = 0;
    magneticHeading = 0;
    trueHeading = 0;
    groundSpeed = 0;
    gpsTrackTrue = 0;
    gpsTrackMagnetic = 0;
    gpsPositionValid = 0;
    navActive = 0;
    bearingToWaypoint = 0;
    magBearingToWaypoint = 0;
    crossTrackError = 0;
    compassCalActive = 0;
    fillScreen(colourBlack);
}

// Every data field of the flight layouts at a quiet value, level and unaccelerated.
inline void layoutFieldsQuiet() {
    ahrsPresent = 1;
    attitudeExceeded = 0;
    pitchAngle = bankAngle = slipValue = turnRate = 0;
    gForce = 1.0f;
    std::memset(&minMax, 0, sizeof minMax);
    oat = oatCelsius = 15;
    volts = 125;
    glideRatio = 0;
    staticPressure = 0;
    trueAirspeedMph = 0;
    gpsFixMode = 0;
    gpsSpeedMph = 0;
    timerOn = 0;
    timerSeconds = 0;
    flightTimeSeconds = 0;
    utcDateTime = DateTime{};
    localDateTime = DateTime{};
    localSeconds = 0;
    maintenanceHours = 50;
    airframeHours = 100;
    transponderMode = identActive = 0;
    transponderReply = 0;
    transponderLinkOk = 1;
    apEngaged = 0;
    fuelEnduranceMinutes = fuelRange = 0;
    fuelAtWaypoint = 0;
    fuelArrangement = 0;
    std::memset(activeWaypointName, 0, sizeof activeWaypointName);
    distanceKm = 0;
    eteSeconds = 0;
    windSpeed = 0;
    vfrSubView = vfrEmsSubView = 0;
}

// The main screen as the current page, no overlay up and no key waiting.
inline void showMainScreen() {
    currentPage = mainScreenPage;
    overlayCountdown = 0;
    keyCode = 0;
}

// A moment of flight with a GPS fix: speeds in the settings' unit, the same figure in mph.
struct FlightScene {
    int16_t pitch, bank, slip, turn;  // degrees, raw slip and turn values
    float g;
    uint16_t airspeed, trueAirspeed;  // IAS, TAS
    int32_t altitude, densityAltitude;
    int16_t verticalSpeed;            // ft/min
    int16_t heading, bug;            // degrees; the heading bug is shown
    uint16_t groundSpeed;
    int16_t track;                    // degrees, true and magnetic alike
};

// A climbing right turn off north, the benchmarks' representative frame.
inline constexpr FlightScene climbingTurnOffNorth = {5, 20, 10, 15, 1.2f, 118, 126, 4520, 5210, 700, 87, 100, 112, 95};

inline void fly(const FlightScene& s) {
    pitchAngle = s.pitch;
    bankAngle = s.bank;
    slipValue = s.slip;
    turnRate = s.turn;
    gForce = s.g;
    indicatedAirspeed = s.airspeed;
    trueAirspeed = trueAirspeedMph = s.trueAirspeed;
    altitude = s.altitude;
    densityAltitude = s.densityAltitude;
    verticalSpeed = verticalSpeedFpm = s.verticalSpeed;
    magneticHeading = trueHeading = s.heading;
    headingBugShown = 1;
    headingBug = s.bug;
    gpsFixMode = 3;
    gpsPositionValid = 1;
    gpsSpeedMph = groundSpeed = s.groundSpeed;
    gpsTrackTrue = gpsTrackMagnetic = s.track;
}
