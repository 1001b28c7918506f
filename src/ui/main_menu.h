// The main menu, first of the setup menus.
#pragma once

void mainMenuPage();
