// The ui state that the headless host can print.
#include "host/state_registry.h"

#include "ui/page.h"

void registerUiState() {
    registerValue("keyCode", keyCode);
}
