// The gfx state that the headless host can print.
#include "gfx/mif.h"
#include "host/state_registry.h"

void registerGfxState() {
    registerValue("mifResult", mifResult);
    registerValue("mifWidth", mifWidth);
    registerValue("mifHeight", mifHeight);
    registerValue("mifPacketBytes", mifPacketBytes);
}
