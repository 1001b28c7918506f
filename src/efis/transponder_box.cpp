#include "efis/transponder_box.h"

#include <cstdio>

#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "gfx/text.h"
#include "host/tick.h"
#include "links/transponder.h"
#include "records/records.h"

void drawTransponderBox() {
    static const char* const modes[transponderModeCount] = {"OFF", "STBY", "GND", "ON", "ALT"};
    drawFrame(0, 209, 56, 245, colourWhite);
    fillBox(1, 210, 55, 244, colourBlack);
    // A mode beyond the table reads as OFF, the power-on mode.
    const char* mode = modes[transponderMode < transponderModeCount ? transponderMode : 0];
    if (identActive == 1 && fastBlink == 0) mode = "IDENT";
    drawText(28, 212, mode, 8, alignCentre, colourWhite);
    char squawk[12];
    std::snprintf(squawk, sizeof squawk, "%04d", (int)unitSettings.squawkCode);
    drawText(3, 226, squawk, 9, alignLeft, colourWhite);
    if (transponderReply != 0) drawText(43, 226, "R", 9, alignLeft, colourRed);
    if (transponderLinkOk == 0) {
        drawThickLine(0, 209, 56, 245, colourRed);
        drawThickLine(0, 245, 56, 209, colourRed);
    }
}
