#include "efis/density_altitude.h"

#include <cstdio>

#include "airdata/airdata.h"
#include "gfx/palette.h"
#include "gfx/text.h"

void drawDensityAltitude(int16_t a) {
    char text[16];
    // Outside -99..99 degrees C the air temperature is not believed, nor what follows from it.
    if (oatCelsius > 99 || oatCelsius < -99) std::snprintf(text, sizeof text, "-----");
    else std::snprintf(text, sizeof text, "%d", (int)densityAltitude);
    drawText(a, 190, text, 9, 2, colourWhite);
    drawText((int16_t)(textStartX - 2), 192, "DA:", 8, 2, colourWhite);
}
