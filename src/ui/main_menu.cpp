// Stand-in for the main menu until its grid of setup areas is built: its title bar and EXIT,
// so that MENU and BACK have somewhere to go.
#include "ui/main_menu.h"

#include "ui/page.h"
#include "ui/setup_toolkit.h"

void mainMenuPage() {
    drawTitleBar("MAIN MENU", "PAGE 1");
    drawSetupKeys(0);
    if (keyCode == 1) exitToMainScreen();
    keyCode = 0;
}
