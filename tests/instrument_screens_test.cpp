// The instruments at their places in the flight layouts, written as pictures: into the build
// folder on every run, and into docs/screens when EFIS_WRITE_SCREENS is set.
#include "efis/airspeed_dial.h"
#include "efis/airspeed_tape.h"
#include "efis/altitude_dial.h"
#include "efis/altitude_tape.h"
#include "efis/baro_box.h"
#include "efis/density_altitude.h"
#include "efis/heading_tape.h"
#include "efis/hsi.h"
#include "efis/vsi.h"
#include "efis/vsi_dial.h"
#include "instrument_fixture.h"
#include "screen_file.h"

namespace {

void efisWide() {
    displayPage = 0;
    clipRight = 480;
    paintHorizon();
    drawHeadingTape(240, 60, 418, 70, 36);
    drawAltitudeTape(347);
    drawBaroBox(409);
    drawDensityAltitude(382);
    drawVsiTape(385);
    drawAirspeedTape();
    drawTasBox();
    drawGroundSpeedBox();
}

void efisNarrow() {
    clipRight = 353;
    paintHorizon();
    drawHeadingTape(170, 60, 278, 40, 22);
    drawAltitudeTape(210);
    drawBaroBox(269);
    drawDensityAltitude(264);
    drawVsiTape(245);
    drawAirspeedTape();
    drawTasBox();
    drawGroundSpeedBox();
    fillBox(340, 0, 479, 271, colourBlack);
    if (displayPage == 2) drawHsi(410, 80);
}

void vfr() {
    fillScreen(colourBlack);
    drawAsiDial(87, 67);
    drawAltimeterDial(393, 67);
    drawHeadingReadout(197, 170);
    drawVsiDial(1, 240, 67);
    drawHsi(320, 216);
}

void vfrEms() {
    fillScreen(colourBlack);
    drawAsiDial(87, 67);
    drawAltimeterDial(267, 67);
    drawHeadingReadout(151, 0);
    drawVsiDial(0, 267, 217);
    drawHsi(55, 216);
    drawVSpan(0, 271, 340, colourLightGrey);
}

using Screens = Instruments;

TEST_F(Screens, EfisTapesInCruise) {
    fly({0, 0, 0, 0, 1.0f, 120, 131, 4520, 5210, 700, 87, 100, 118, 92});
    altitudeBugShown = 1;
    altitudeBug = 4600;
    navActive = 1;
    magBearingToWaypoint = 75;
    efisWide();
    writeScreen("efis_tapes_cruise");
}

TEST_F(Screens, EfisTapesOnTheGround) {
    efisWide();
    writeScreen("efis_tapes_ground");
}

TEST_F(Screens, EfisTapesFastAndRolling) {
    indicatedAirspeed = 200;
    trueAirspeed = 236;
    altitude = 9995;
    verticalSpeed = verticalSpeedFpm = -1500;
    magneticHeading = trueHeading = 355;
    fastBlink = 1;
    headingBugShown = 1;
    headingBug = 60;
    altitudeBugShown = 1;
    altitudeBug = 1000;
    efisWide();
    writeScreen("efis_tapes_fast");
}

TEST_F(Screens, EfisTapesSensorsMissing) {
    indicatedAirspeed = 65;
    altitude = -120;
    asiSensorStatus = 0;
    altSensorStatus = 0;
    compassPresent = 0;
    unitSettings.compassTape = 2;
    efisWide();
    writeScreen("efis_tapes_failed");
}

TEST_F(Screens, EfisNarrowWithHsi) {
    displayPage = 2;
    indicatedAirspeed = 95;
    altitude = 1095;
    verticalSpeed = verticalSpeedFpm = 300;
    magneticHeading = trueHeading = 30;
    gpsPositionValid = 1;
    gpsTrackTrue = gpsTrackMagnetic = 35;
    navActive = 1;
    bearingToWaypoint = magBearingToWaypoint = 50;
    crossTrackError = 12;
    headingBugShown = 1;
    headingBug = 300;
    efisNarrow();
    writeScreen("efis_narrow_hsi");
}

TEST_F(Screens, VfrDials) {
    displayPage = 3;
    indicatedAirspeed = 140;
    altitude = 3750;
    verticalSpeed = verticalSpeedFpm = 1200;
    magneticHeading = trueHeading = 90;
    headingBugShown = 1;
    headingBug = 120;
    vfr();
    writeScreen("vfr_dials");
}

TEST_F(Screens, VfrEmsDialsInMetres) {
    displayPage = 4;
    unitSettings.altitudeUnit = 1;
    unitSettings.vsiUnit = 1;
    unitSettings.speedUnit = 2;
    unitSettings.pressureUnit = 1;
    indicatedAirspeed = 190;
    flightActive = 1;
    altitude = 1250;
    verticalSpeed = -254;
    verticalSpeedFpm = -500;
    magneticHeading = trueHeading = 215;
    gpsPositionValid = 1;
    gpsTrackTrue = gpsTrackMagnetic = 220;
    vfrEms();
    writeScreen("vfr_ems_dials");
}

}  // namespace
