// Flight layouts with the fields the sensor panel cannot bring up (a leg, a transponder, the
// autopilot, the timer, alarm and caution boxes, the compass calibration), written as pictures:
// into the build folder on every run, into docs/screens when EFIS_WRITE_SCREENS is set.
#include <cstdlib>
#include <string>

#include "efis/compass_calibration.h"
#include "host/headless/png_writer.h"
#include "layout_fixture.h"
#include "ui/main_screen.h"
#include "ui/page.h"

namespace {

void writeScreen(const char* name) {
    std::string file = std::string(name) + ".png";
    ASSERT_TRUE(writeIndexedPng((std::string(EFIS_BINARY_DIR) + "/" + file).c_str(), frameBuffer, screenWidth,
                                screenHeight, paletteRgb.data()));
    if (std::getenv("EFIS_WRITE_SCREENS")) {
        ASSERT_TRUE(writeIndexedPng((std::string(EFIS_SOURCE_DIR) + "/docs/screens/" + file).c_str(), frameBuffer,
                                    screenWidth, screenHeight, paletteRgb.data()));
    }
}

class LayoutScreens : public Layouts {
  protected:
    void SetUp() override {
        Layouts::SetUp();
        currentPage = mainScreenPage;
        overlayCountdown = 0;
        keyCode = 0;
        // A climbing right turn on a leg to a waypoint, wind from the left.
        pitchAngle = 4;
        bankAngle = 12;
        slipValue = 8;
        turnRate = 12;
        gForce = 1.2f;
        indicatedAirspeed = 112;
        trueAirspeed = trueAirspeedMph = 121;
        altitude = 3480;
        densityAltitude = 4105;
        verticalSpeed = verticalSpeedFpm = 500;
        magneticHeading = trueHeading = 52;
        headingBugShown = 1;
        headingBug = 60;
        gpsFixMode = 3;
        gpsPositionValid = 1;
        gpsSpeedMph = groundSpeed = 104;
        gpsTrackTrue = gpsTrackMagnetic = 58;
        navActive = 1;
        std::memcpy(activeWaypointName, "LOWW", 5);
        bearingToWaypoint = magBearingToWaypoint = 63;
        crossTrackError = 14;
        distanceKm = 46;
        localDateTime = DateTime{40, 47, 16, 1, 5, 2026};
        utcDateTime = DateTime{40, 47, 14, 1, 5, 2026};
        localSeconds = 16 * 3600 + 47 * 60 + 40;
        timerOn = 1;
        timerSeconds = 754;
        flightTimeSeconds = 5100;
        flightActive = 1;
        unitSettings.transponderType = 1;
        unitSettings.squawkCode = 7000;
        transponderMode = 4;
        transponderReply = 1;
        unitSettings.apBankServoInstalled = 1;
        apEngaged = 1;
        fuelEnduranceMinutes = 185;
        fuelRange = 320;
        fuelAtWaypoint = 61;
    }
};

TEST_F(LayoutScreens, EfisWithEveryField) {
    volts = 105;  // below the low caution: steady yellow
    oat = 64;     // above the high alarm: red in this flash phase
    fastBlink = 1;
    displayPage = 0;
    mainScreenPage();
    writeScreen("layout-efis-all-fields");
}

TEST_F(LayoutScreens, EfisHsiOnALeg) {
    volts = 138;
    transponderLinkOk = 0;  // a transponder that does not answer is crossed out
    displayPage = 2;
    mainScreenPage();
    mainScreenPage();  // the ETA adds the time en route of the frame before
    writeScreen("layout-efis-hsi-leg");
}

TEST_F(LayoutScreens, VfrEmsGMeterInAlarm) {
    gForce = 4.2f;
    minMax.maxG = 4.4f;
    minMax.minG = -0.8f;
    minMax.positiveGCycles = 2;
    minMax.negativeGCycles = 1;
    fastBlink = 1;
    displayPage = 4;
    vfrEmsSubView = 4;
    mainScreenPage();
    writeScreen("layout-vfr-ems-g-alarm");
}

TEST_F(LayoutScreens, CompassCalibrationOverTheEfis) {
    volts = 138;
    compassCalActive = 1;
    compassCalCount = 214;
    compassCalFit = 962;
    displayPage = 0;
    mainScreenPage();
    writeScreen("layout-compass-calibration");
}

}  // namespace
