#include "records/persistence.h"

void loadCalibration() {}
void saveCalibration() {}
void loadSettings() {}
void saveSettings() {}
void saveMinMax() {}
void loadRetainedState() {}
void saveRetainedState() {}
void saveFuelData() {}
void saveHobbs() {}
void saveAirframeTimer() {}
