// Persistence hooks: the points at which a record has changed or must be brought in. The unit
// keeps its records in non-volatile memory; this system has none, so every hook does nothing
// and the card image of the settings is the only way to carry settings over a power-off.
#pragma once

void loadCalibration();    // power-on, before the calibration defaults
void saveCalibration();    // after the calibration record or the serial number changes
void loadSettings();       // power-on, before the settings defaults
void saveSettings();       // after a setting changes (setup pages, recall, registration...)
void saveMinMax();         // after a new minimum or maximum, and after a reset
void loadRetainedState();  // power-on, after the retained power-on values are set
void saveRetainedState();  // after pitch zero, a heading or altitude bug change
void saveFuelData();       // after a tank level or fuel total changes
void saveHobbs();          // after the Hobbs or maintenance timer is set
void saveAirframeTimer();  // after the airframe inspection timer is set
