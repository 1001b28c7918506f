// Flight layouts with the fields the sensor panel cannot bring up (a leg, a transponder, the
// autopilot, the timer, alarm and caution boxes, the compass calibration), written as pictures:
// into the build folder on every run, into docs/screens when EFIS_WRITE_SCREENS is set.
#include "efis/compass_calibration.h"
#include "layout_fixture.h"
#include "screen_file.h"
#include "ui/main_screen.h"
#include "ui/page.h"

namespace {

class LayoutScreens : public Layouts {
  protected:
    void SetUp() override {
        Layouts::SetUp();
        showMainScreen();
        // A climbing right turn on a leg to a waypoint, wind from the left.
        fly({4, 12, 8, 12, 1.2f, 112, 121, 3480, 4105, 500, 52, 60, 104, 58});
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
