#include "efis/compass_calibration.h"

#include "gfx/text.h"
#include "instrument_fixture.h"

namespace {

using CompassCalibration = Instruments;

TEST_F(CompassCalibration, BoxShowsCountAndFit) {
    compassCalCount = 42;
    compassCalFit = 987;
    fillScreen(colourBlue);
    drawCompassCalBox();
    Frame box;
    saveFrame(box);
    fillScreen(colourBlue);
    fillBox(135, 70, 345, 195, colourBlack);
    drawFrame(135, 70, 345, 195, colourWhite);
    drawText(240, 75, "COMPASS", 12, alignCentre, colourRed);
    drawText(240, 100, "CALIBRATION", 12, alignCentre, colourRed);
    drawText(240, 135, "COUNT: 42", 10, alignCentre, colourWhite);
    drawText(240, 160, "FIT: 98.7%", 10, alignCentre, colourWhite);
    EXPECT_EQ(differences(box, 0, 0, 479, 271), 0);
    EXPECT_GT(countColour(136, 71, 344, 194, colourRed), 0);
}

}  // namespace
