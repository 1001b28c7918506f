// The gfx state that the headless host can print.
#include <cstdio>

#include "gfx/mif.h"
#include "gfx/text.h"
#include "host/state_registry.h"

void registerGfxState() {
    registerValue("textStartX", textStartX);
    registerValue("textEndX", textEndX);
    registerValue("infoViewMode", infoViewMode);
    registerValue("infoLineCount", infoLineCount);
    registerValue("infoCurrentLine", infoCurrentLine);
    // One entry per text line: "infoLines.0" .. "infoLines.29".
    static char lineNames[infoMaxLines][16];
    for (int n = 0; n < infoMaxLines; n++) {
        std::snprintf(lineNames[n], sizeof lineNames[n], "infoLines.%d", n);
        registerState(lineNames[n], StateType::Text, infoLines[n], infoLineLength);
    }
    registerValue("mifResult", mifResult);
    registerValue("mifWidth", mifWidth);
    registerValue("mifHeight", mifHeight);
    registerValue("mifPacketBytes", mifPacketBytes);
}
