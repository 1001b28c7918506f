#include "efis/baro_box.h"

#include "efis/density_altitude.h"
#include "gfx/text.h"
#include "instrument_fixture.h"

namespace {

using BaroBox = Instruments;

TEST_F(BaroBox, SettingInEitherUnit) {
    const int16_t a = 409;
    struct Case {
        uint8_t unit;
        int32_t setting;
        const char* value;
        const char* unitText;
        int16_t unitX;
    } cases[] = {
        {0, 1013250, "1013", "mB", 455}, {1, 1013250, "29.92", "IN", 460}, {0, 998999, " 998", "mB", 455},
        {1, 1050000, "31.01", "IN", 460}, {5, 1013250, "1013", "mB", 455},  // out of range reads as mb
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        unitSettings.pressureUnit = c.unit;
        baroSetting = c.setting;
        fillScreen(colourDarkGrey);
        drawBaroBox(a);
        Frame box;
        saveFrame(box);
        fillScreen(colourDarkGrey);
        drawFrame(a, 0, a + 70, 20, colourWhite);
        fillBox(a + 1, 1, a + 69, 19, colourBlack);
        drawText(a + 25, 2, c.value, 9, alignCentre, colourWhite);
        drawText(c.unitX, 4, c.unitText, 8, alignLeft, colourWhite);
        EXPECT_EQ(differences(box, 0, 0, 479, 271), 0);
    }
}

TEST_F(BaroBox, DensityAltitudeOrDashes) {
    struct Case {
        int16_t oatC;
        int32_t da;
        const char* text;
    } cases[] = {{15, 5210, "5210"}, {99, -300, "-300"}, {-99, 0, "0"}, {100, 5210, "-----"}, {-100, 5210, "-----"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        oatCelsius = c.oatC;
        densityAltitude = c.da;
        fillScreen(colourBlack);
        drawDensityAltitude(382);
        Frame field;
        saveFrame(field);
        fillScreen(colourBlack);
        drawText(382, 190, c.text, 9, alignRight, colourWhite);
        drawText((int16_t)(textStartX - 2), 192, "DA:", 8, alignRight, colourWhite);
        EXPECT_EQ(differences(field, 0, 0, 479, 271), 0);
    }
}

}  // namespace
