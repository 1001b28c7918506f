// The links state that the headless host can print.
#include "host/state_registry.h"
#include "links/autopilot.h"
#include "links/transponder.h"

void registerLinksState() {
    registerValue("transponderMode", transponderMode);
    registerValue("identRequest", identRequest);
    registerValue("identActive", identActive);
    registerValue("transponderReply", transponderReply);
    registerValue("transponderLinkOk", transponderLinkOk);
    registerValue("apEngaged", apEngaged);
}
