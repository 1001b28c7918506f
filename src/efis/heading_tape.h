// The heading displays: the tape across the top of the EFIS layouts with its boxed heading,
// and the small boxed heading readout of the VFR layouts.
#pragma once
#include <cstdint>

// The heading shown, 0..359: true or magnetic by the heading mode (the GPS track when the
// compass display follows it).
int16_t displayedHeading();
// 1 when the heading's source works: the GPS position for GPS TRACK, else the compass.
uint8_t headingSourceValid();
// The T the heading displays mark: the GPS track, true or magnetic by the heading mode, 0..359.
int16_t displayedTrack();

// The tape between x left and right, degreesAcross degrees wide, the heading at cx
// (degreesToCentre degrees from the left edge); the heading box last.
void drawHeadingTape(int16_t cx, int16_t left, int16_t right, int16_t degreesAcross, int16_t degreesToCentre);
// The boxed digital heading at the top of the tape, centred on cx.
void drawHeadingBox(int16_t cx, int16_t heading);
// The framed heading of the VFR layouts, top left at (x, y).
void drawHeadingReadout(int16_t x, int16_t y);
