// Attitude indicator: sky and ground split by the horizon, pitch ladder, bank scales,
// aircraft symbol, slip ball, turn-rate bar and the overlays that mark the picture unusable.
// Every element is centred on x = cx (240 full width, 170 beside the engine strip), y = 136.
#pragma once
#include <cstdint>

constexpr int16_t attitudeCentreY = 136;     // pixels: vertical centre of the picture
constexpr uint16_t horizonTraceSize = 1000;  // points the horizon trace can hold

extern uint16_t horizonX[horizonTraceSize];  // pixels: columns of the traced horizon, in drawing order
extern uint16_t horizonY[horizonTraceSize];  // pixels: rows of the traced horizon, in drawing order
extern uint16_t horizonCount;                // points stored in horizonX/horizonY by the last horizon
extern uint8_t attitudeExceeded;             // 1 asks for the attitude-exceeded box; the quick menu clears it

struct ScreenPoint {
    int16_t x;  // pixels
    int16_t y;  // pixels
};

// Turns (x, y), relative to the centre, by the angle whose cosine and sine are c and s.
ScreenPoint rotatePoint(int16_t x, int16_t y, float c, float s);

// Sky, ground and horizon line over the window x 0..w, y 0..271; sets clipRight to w + 1,
// which the rest of the picture clips with.
void drawHorizon(int16_t cx, int16_t w);
void drawPitchLadder(int16_t cx);
void drawBankScaleFixed(int16_t cx);
void drawBankScaleMoving(int16_t cx);
// The segment (absolute screen coordinates) turned by bankAngle about (cx, 136), clipped, drawn.
void drawRotatedSegment(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour, int16_t cx);
void drawAircraftSymbol(int16_t cx);
void drawSlipBall(int16_t cx);
void drawTurnRate(int16_t cx, int16_t y);
void drawGpsFlightPathNote(int16_t cx);
void drawAttitudeFailures(int16_t cx);

// The attitude group the EFIS layouts start with, for the window x 0..w (w is 479 or 352).
// drawAttitudeFailures is not part of it: the layouts draw it after everything else.
void drawAttitudeIndicator(int16_t cx, int16_t w);
