// The power-on screens: the splash picture with its texts, then the expired-timer notices.
#pragma once

// Runs them in turn; each ends after its frame count or at a key, which no page receives.
void runStartupScreens();
