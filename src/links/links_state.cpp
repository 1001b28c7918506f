// The links state that the headless host can print.
#include "host/state_registry.h"

void registerLinksState() {}
