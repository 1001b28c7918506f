// TEMPORARY, until the air-data headings are merged: the two headings that the GPS track feeds
// and reads. Delete this file and pending_airdata.cpp at the merge and include airdata/airdata.h.
#pragma once
#include <cstdint>

extern int16_t magneticHeading;  // degrees 0..359 after the compass filter
extern int16_t trueHeading;      // degrees 0..360, magnetic plus variation
