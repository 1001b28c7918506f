#include "efis/timers_block.h"

#include <cstdio>

#include "airdata/airdata.h"
#include "gfx/palette.h"
#include "gfx/text.h"
#include "host/clock.h"
#include "host/tick.h"
#include "records/flight_time.h"
#include "records/records.h"
#include "ui/timer_overlay.h"

void drawTimersBlock() {
    char text[32];
    if (timerOn == 1) {
        drawText(59, 172, "T:", 8, alignLeft, colourWhite);
        // One place for the hours: ten hours or more widen the field.
        std::snprintf(text, sizeof text, "%1d:%02d:%02d", (int)(timerSeconds / 3600), (int)(timerSeconds / 60 % 60),
                      (int)(timerSeconds % 60));
        drawText(77, 170, text, 9, alignLeft, colourWhite);
    }
    if (unitSettings.flightTimerDisplay != 0) {
        drawText(59, 192, "F:", 8, alignLeft, colourWhite);
        std::snprintf(text, sizeof text, "%d", (int)(flightTimeSeconds / 3600));
        drawText(77, 190, text, 9, alignLeft, colourWhite);
        int16_t hoursEnd = textEndX;
        // The colon blinks while a flight is in progress.
        if (!(flightActive == 1 && fastBlink == 1)) drawText(hoursEnd, 190, ":", 9, alignLeft, colourWhite);
        std::snprintf(text, sizeof text, "%02d", (int)(flightTimeSeconds / 60 % 60));
        drawText((int16_t)(hoursEnd + 7), 190, text, 9, alignLeft, colourWhite);
    }
    drawText(59, 212, "L:", 8, alignLeft, colourWhite);
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", (int)localDateTime.hour, (int)localDateTime.minute,
                  (int)localDateTime.second);
    drawText(77, 210, text, 9, alignLeft, colourWhite);
}
