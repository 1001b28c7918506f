#include "efis/attitude_indicator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "airdata/airdata.h"
#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "host/headless/png_writer.h"
#include "host/unit.h"
#include "records/records.h"
#include "ui/page.h"

namespace {

constexpr uint8_t sky = colourBlue;
constexpr uint8_t brown = colourBrown;
constexpr uint8_t white = colourWhite;
constexpr uint8_t magenta = colourMagenta;
constexpr uint8_t unpainted = 99;  // a colour no instrument uses: shows what was not drawn

uint8_t pixel(int x, int y) { return frameBuffer[y * screenWidth + x]; }

class Attitude : public ::testing::Test {
  protected:
    void SetUp() override {
        buildTrigTables();
        clipRight = 480;
        pitchAngle = bankAngle = 0;
        slipValue = turnRate = 0;
        unitSettings.attitudeSource = 0;
        unitSettings.pitchMarkers = 1;
        unitSettings.bankIndicator = 1;
        unitSettings.bankIndicatorType = 0;
        unitSettings.groundColor = 0;
        unitSettings.slipBallDisplay = 1;
        unitSettings.slipZero = 0;
        unitSettings.slipSensitivity = 0;
        unitSettings.turnRateIndicator = 1;
        displayPage = 0;
        ahrsPresent = 1;
        attitudeExceeded = 0;
        fillScreen(unpainted);
    }
    void attitude(int16_t pitch, int16_t bank) {
        pitchAngle = pitch;
        bankAngle = bank;
    }
};

// ---- Horizon --------------------------------------------------------------------------------

struct Probe {
    int16_t x, y;
    uint8_t colour;
};

TEST_F(Attitude, HorizonColoursAtKnownAttitudes) {
    struct Case {
        int16_t pitch, bank, cx, w;
        std::vector<Probe> probes;
    } cases[] = {
        // Level: the line on row 136 from edge to edge, sky above, ground below.
        {0, 0, 240, 479, {{240, 135, sky}, {240, 136, white}, {240, 137, brown}, {0, 136, white},
                          {479, 136, white}, {0, 0, sky}, {479, 271, brown}}},
        // Nose up 10: the horizon 40 pixels below the centre.
        {10, 0, 240, 479, {{240, 175, sky}, {240, 176, white}, {240, 177, brown}}},
        // Below or above the window: one colour everywhere.
        {40, 0, 240, 479, {{0, 0, sky}, {240, 271, sky}, {479, 271, sky}}},
        {-40, 0, 240, 479, {{0, 0, brown}, {240, 136, brown}, {479, 271, brown}}},
        {90, 0, 240, 479, {{0, 0, sky}, {479, 271, sky}}},
        {-90, 0, 240, 479, {{0, 0, brown}, {479, 271, brown}}},
        {90, 180, 240, 479, {{0, 0, sky}, {479, 271, sky}}},
        {-90, -180, 240, 479, {{0, 0, brown}, {479, 271, brown}}},
        // Inverted: the sky below the line.
        {0, 180, 240, 479, {{240, 100, brown}, {240, 170, sky}, {0, 0, brown}, {479, 271, sky}}},
        {0, -180, 240, 479, {{240, 100, brown}, {240, 170, sky}}},
        {10, 180, 240, 479, {{240, 80, brown}, {240, 120, sky}}},
        // A positive bank turns the horizon clockwise: sky on the right of a vertical line.
        {0, 90, 240, 479, {{240, 10, white}, {230, 136, brown}, {250, 136, sky}}},
        {0, -90, 240, 479, {{230, 136, sky}, {250, 136, brown}}},
        {0, 30, 240, 479, {{400, 136, sky}, {80, 136, brown}, {240, 136, white}}},
        // The narrow window stops at column 352.
        {0, 0, 170, 352, {{352, 135, sky}, {352, 136, white}, {352, 137, brown}, {353, 135, unpainted},
                          {353, 137, unpainted}}},
        {0, 30, 170, 352, {{300, 136, sky}, {40, 136, brown}, {353, 200, unpainted}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "pitch " << c.pitch << " bank " << c.bank << " cx " << c.cx);
        fillScreen(unpainted);
        attitude(c.pitch, c.bank);
        drawHorizon(c.cx, c.w);
        for (const Probe& p : c.probes)
            EXPECT_EQ(pixel(p.x, p.y), p.colour) << "at " << p.x << "," << p.y;
    }
}

TEST_F(Attitude, GreenGroundWhenChosen) {
    unitSettings.groundColor = 1;
    drawHorizon(240, 479);
    EXPECT_EQ(pixel(240, 200), colourDarkGreen);
    fillScreen(unpainted);
    attitude(-40, 0);
    drawHorizon(240, 479);
    EXPECT_EQ(pixel(10, 10), colourDarkGreen);
}

TEST_F(Attitude, HorizonTraceHoldsTheDrawnLine) {
    drawHorizon(240, 479);
    ASSERT_EQ(horizonCount, 480);
    EXPECT_EQ(horizonX[0], 0);
    EXPECT_EQ(horizonX[479], 479);
    for (uint16_t i = 0; i < horizonCount; i++) ASSERT_EQ(horizonY[i], 136);
    attitude(40, 0);
    drawHorizon(240, 479);
    EXPECT_EQ(horizonCount, 0);
}

// Expected side of every window pixel from the unclipped horizon: sky lies to the left of
// P0 -> P1 as seen on the screen. Pixels within three pixels of the line may be either side
// or the line itself: the clipper's truncated crossings move the drawn ends up to about two
// pixels off the exact line, and the trace adds half a pixel.
struct HorizonCheck {
    int16_t cx, w;
    int16_t pitch, bank;
};

// Returns an empty string when the window is fully painted on the right sides.
std::string checkHorizon(const HorizonCheck& h, int step) {
    float c = lookupCos(h.bank), s = lookupSin(h.bank);
    int16_t off = (int16_t)(4 * std::max<int>(-90, std::min<int>(90, h.pitch)));
    ScreenPoint a = rotatePoint(-300, off, c, s), b = rotatePoint(300, off, c, s);
    double ax = a.x + h.cx, ay = a.y + 136, dx = b.x - a.x, dy = b.y - a.y;
    double len = std::sqrt(dx * dx + dy * dy);
    for (int y = 0; y < screenHeight; y++) {
        const uint8_t* row = &frameBuffer[y * screenWidth];
        if (std::memchr(row, unpainted, (size_t)h.w + 1)) return "unpainted pixel in row " + std::to_string(y);
        if (y % step) continue;
        for (int x = 0; x <= h.w; x += step) {
            double dist = (dx * (y - ay) - dy * (x - ax)) / len;
            uint8_t got = row[x];
            if (std::fabs(dist) < 3.0) {
                if (got != sky && got != brown && got != white) return "bad colour near the line";
                continue;
            }
            uint8_t want = dist < 0 ? sky : brown;
            if (got != want)
                return "pixel " + std::to_string(x) + "," + std::to_string(y) + " is " + std::to_string(got) +
                       ", want " + std::to_string(want);
        }
    }
    return "";
}

// Every pitch and bank in range, both windows. Clips that only touch an edge or a corner
// are found by clipping each attitude; those, the cases known to have failed and a grid of
// the rest are drawn and checked pixel by pixel.
TEST_F(Attitude, HorizonSweepPaintsTheWholeWindowOnTheRightSides) {
    struct Window {
        int16_t cx, w;
    } windows[] = {{240, 479}, {170, 352}};
    std::vector<HorizonCheck> checks = {
        {240, 479, -35, 1},   {240, 479, -69, 117}, {170, 352, -35, 1},     {170, 352, -69, 117},
        {240, 479, 32767, 7}, {240, 479, -32768, -32768}, {170, 352, 5, 32767}, {240, 479, 0, 360},
    };
    int degenerate = 0;
    for (const Window& win : windows) {
        clipRight = (int16_t)(win.w + 1);
        for (int16_t pitch = -90; pitch <= 90; pitch++) {
            for (int16_t bank = -180; bank <= 180; bank++) {
                float c = lookupCos(bank), s = lookupSin(bank);
                ScreenPoint a = rotatePoint(-300, (int16_t)(4 * pitch), c, s);
                ScreenPoint b = rotatePoint(300, (int16_t)(4 * pitch), c, s);
                bool onGrid = pitch % 4 == 0 && bank % 6 == 0;
                if (clipLine((int16_t)(a.x + win.cx), (int16_t)(a.y + 136), (int16_t)(b.x + win.cx),
                             (int16_t)(b.y + 136))) {
                    int16_t x0 = clippedLine[0], y0 = clippedLine[1], x1 = clippedLine[2], y1 = clippedLine[3];
                    bool alongEdge = (y0 == y1 && !((x0 == 0 && x1 == win.w) || (x0 == win.w && x1 == 0))) ||
                                     (x0 == x1 && !((y0 == 0 && y1 == 271) || (y0 == 271 && y1 == 0)));
                    if (alongEdge) degenerate++;
                    if (alongEdge || onGrid) checks.push_back({win.cx, win.w, pitch, bank});
                } else if (pitch % 15 == 0 && bank % 45 == 0) {
                    checks.push_back({win.cx, win.w, pitch, bank});
                }
            }
        }
    }
    EXPECT_GT(degenerate, 0);  // the sweep does reach the edge cases
    for (const HorizonCheck& h : checks) {
        fillScreen(unpainted);
        attitude(h.pitch, h.bank);
        drawHorizon(h.cx, h.w);
        ASSERT_LE(horizonCount, horizonTraceSize);
        std::string fault = checkHorizon(h, 4);
        ASSERT_EQ(fault, "") << "pitch " << h.pitch << " bank " << h.bank << " cx " << h.cx;
    }
}

// The whole picture over the attitudes, slip and turn values: the narrow window keeps the
// engine strip free of lines (only a one-colour fill of a missed horizon reaches past it).
TEST_F(Attitude, WholePictureStaysInsideItsWindow) {
    for (uint8_t moving = 0; moving <= 1; moving++) {
        unitSettings.bankIndicatorType = moving;
        for (int16_t pitch = -100; pitch <= 100; pitch += 10) {
            for (int16_t bank = -180; bank <= 180; bank += 10) {
                fillScreen(unpainted);
                attitude(pitch, bank);
                slipValue = (int16_t)(bank * 180);
                turnRate = (int16_t)(pitch * 300);
                clipRight = 353;
                drawAttitudeIndicator(170, 352);
                ASSERT_EQ(pixel(170, 107), white);
                uint8_t strip[screenWidth - 353];
                std::memset(strip, pixel(353, 0), sizeof strip);
                for (int y = 0; y < screenHeight; y++)
                    ASSERT_EQ(std::memcmp(&frameBuffer[y * screenWidth + 353], strip, sizeof strip), 0)
                        << "row " << y << " pitch " << pitch << " bank " << bank;
            }
        }
    }
}

// ---- Pitch ladder ---------------------------------------------------------------------------

TEST_F(Attitude, LadderRungsAndBothEndTicks) {
    fillScreen(0);
    attitude(0, 0);
    drawPitchLadder(240);
    // Long rung 10 degrees down: row 176, cx-40..cx+40, ticks up to row 166 from both ends.
    EXPECT_EQ(pixel(200, 176), white);
    EXPECT_EQ(pixel(280, 176), white);
    EXPECT_EQ(pixel(199, 176), 0);
    EXPECT_EQ(pixel(200, 166), white);
    EXPECT_EQ(pixel(280, 166), white);
    EXPECT_EQ(pixel(280, 165), 0);
    // Long rung 10 degrees up: row 96, ticks down to row 106.
    EXPECT_EQ(pixel(200, 106), white);
    EXPECT_EQ(pixel(280, 106), white);
    // Short rungs have no ticks: 5 degrees down, row 156, cx-20..cx+20.
    EXPECT_EQ(pixel(220, 156), white);
    EXPECT_EQ(pixel(260, 156), white);
    EXPECT_EQ(pixel(261, 156), 0);
    EXPECT_EQ(pixel(220, 150), 0);
    // No rung at the horizon itself.
    EXPECT_EQ(pixel(240, 136), 0);
}

TEST_F(Attitude, LadderRungsBelowTheWindowAreNotDrawn) {
    fillScreen(0);
    attitude(30, 0);
    drawPitchLadder(240);
    // Rungs -20, -15, -10 and -5 on rows 176, 196, 216 and 236; ticks down to 186 and 226.
    for (int16_t y : {176, 196, 216, 236}) EXPECT_EQ(pixel(240, y), white) << y;
    EXPECT_EQ(pixel(200, 226), white);
    EXPECT_EQ(pixel(280, 226), white);
    for (int y = 237; y < screenHeight; y++)
        for (int x = 0; x < screenWidth; x++) ASSERT_EQ(pixel(x, y), 0) << x << "," << y;
}

TEST_F(Attitude, LadderTicksStartFromBothClippedEnds) {
    // Banked 90: the 10-degree rungs stand vertical at x = cx -+ 40 and the window's top and
    // bottom clip nothing; the narrow window's rung at cx + 4 x 40 is clipped on the right.
    fillScreen(0);
    attitude(0, 90);
    drawPitchLadder(240);
    // Rung +10 turned to the vertical x = 200 (rows 96..176), ticks pointing toward the centre.
    EXPECT_EQ(pixel(200, 96), white);
    EXPECT_EQ(pixel(200, 176), white);
    EXPECT_EQ(pixel(210, 96), white);
    EXPECT_EQ(pixel(210, 176), white);
    // Rung -10 at x = 280, ticks toward the centre too.
    EXPECT_EQ(pixel(270, 96), white);
    EXPECT_EQ(pixel(270, 176), white);
}

// ---- Bank scales ----------------------------------------------------------------------------

TEST_F(Attitude, FixedBankPointerFollowsTheBank) {
    struct Case {
        int16_t bank;
        Probe tip;
    } cases[] = {
        {0, {241, 68, white}},    {30, {275, 77, white}},  {-30, {205, 77, white}},
        {90, {308, 137, white}},  {-90, {173, 137, white}}, {390, {275, 77, white}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bank);
        fillScreen(0);
        bankAngle = c.bank;
        drawBankScaleFixed(240);
        EXPECT_EQ(pixel(c.tip.x, c.tip.y), white);
        // The zero index, ticks and side bars do not move.
        EXPECT_EQ(pixel(236, 48), white);
        EXPECT_EQ(pixel(244, 48), white);
        EXPECT_EQ(pixel(245, 48), 0);
        EXPECT_EQ(pixel(240, 66), white);
        EXPECT_EQ(pixel(254, 62), white);
        EXPECT_EQ(pixel(143, 136), white);
        EXPECT_EQ(pixel(337, 136), white);
    }
    // Level: the base corners at radius 60.
    fillScreen(0);
    bankAngle = 0;
    drawBankScaleFixed(240);
    EXPECT_EQ(pixel(245, 76), white);
    EXPECT_EQ(pixel(236, 76), white);
    EXPECT_EQ(pixel(275, 77), 0);
}

TEST_F(Attitude, MovingBankScaleTurnsWithTheHorizon) {
    fillScreen(0);
    drawBankScaleMoving(240);
    // Level: the same scale as the fixed one, with the pointer fixed under the zero index.
    std::vector<uint8_t> moving(frameBuffer, frameBuffer + frameBufferSize);
    EXPECT_EQ(pixel(240, 68), white);
    EXPECT_EQ(pixel(236, 76), white);
    EXPECT_EQ(pixel(244, 76), white);
    fillScreen(0);
    drawBankScaleFixed(240);
    for (int y = 0; y < screenHeight; y++) {
        if (y >= 67 && y <= 77) continue;  // the two pointers
        for (int x = 0; x < screenWidth; x++) ASSERT_EQ(moving[y * screenWidth + x], pixel(x, y)) << x << "," << y;
    }

    // Banked 90 the zero index lies at the right, 88 pixels out on the centre row, still solid.
    fillScreen(0);
    bankAngle = 90;
    drawBankScaleMoving(240);
    EXPECT_EQ(pixel(328, 136), white);
    for (int16_t x = 323; x <= 327; x++) EXPECT_EQ(pixel(x, 136), white) << x;
    EXPECT_EQ(pixel(328, 132), white);
    EXPECT_EQ(pixel(328, 140), white);
    EXPECT_EQ(pixel(254, 62), 0);
    // The pointer stays put.
    EXPECT_EQ(pixel(240, 68), white);
}

TEST_F(Attitude, MovingBankScaleShapesStaySolidAtEveryBank) {
    // A hole is a pixel left out between four drawn neighbours.
    for (int16_t bank = -180; bank <= 180; bank++) {
        fillScreen(0);
        bankAngle = bank;
        drawBankScaleMoving(240);
        for (int y = 30; y < 242; y++)
            for (int x = 135; x < 346; x++)
                if (pixel(x, y) != white && pixel(x - 1, y) == white && pixel(x + 1, y) == white &&
                    pixel(x, y - 1) == white && pixel(x, y + 1) == white)
                    FAIL() << "hole at " << x << "," << y << " bank " << bank;
    }
}

// ---- Aircraft symbol, slip ball, turn rate --------------------------------------------------

TEST_F(Attitude, AircraftSymbol) {
    fillScreen(0);
    drawAircraftSymbol(170);
    struct Case {
        int16_t x, y;
        uint8_t colour;
    } cases[] = {
        {167, 124, white}, {173, 124, white}, {166, 124, 0},   {130, 136, white}, {210, 136, white},
        {129, 136, 0},     {162, 136, white}, {163, 136, 0},   {170, 136, 0},     {170, 107, white},
        {170, 106, 0},     {168, 109, white}, {168, 108, 0},   {167, 148, white}, {132, 138, white}, {131, 138, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(pixel(c.x, c.y), c.colour) << c.x << "," << c.y;
}

TEST_F(Attitude, SlipBallPosition) {
    struct Case {
        int16_t slip, zero;
        uint8_t sensitivity, page;
        int16_t cx, centre;
    } cases[] = {
        {0, 0, 0, 0, 240, 240},       {200, 0, 0, 0, 240, 390},      {200, 0, 0, 3, 240, 310},
        {200, 0, 0, 4, 170, 240},     {-200, 0, 0, 0, 240, 90},      {30, 10, 0, 1, 240, 260},
        {30, 0, 1, 0, 240, 300},      {100, 0, 1, 0, 240, 390},      {32767, -32768, 0, 0, 240, 390},
        {-32768, 32767, 1, 0, 170, 20}, {-32768, 32767, 1, 3, 170, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "slip " << c.slip << " zero " << c.zero << " page " << (int)c.page);
        fillScreen(unpainted);
        slipValue = c.slip;
        unitSettings.slipZero = c.zero;
        unitSettings.slipSensitivity = c.sensitivity;
        displayPage = c.page;
        drawSlipBall(c.cx);
        int e = c.centre;
        auto guide = [&](int x) { return x == c.cx - 11 || x == c.cx - 10 || x == c.cx + 10 || x == c.cx + 11; };
        for (int x : {e - 7, e, e + 7}) {
            if (!guide(x)) {
                EXPECT_EQ(pixel(x, 261), 0) << x;
            }
        }
        EXPECT_EQ(pixel(e - 8, 261), white);
        EXPECT_EQ(pixel(e + 8, 261), white);
        EXPECT_EQ(pixel(e - 9, 261) == white, guide(e - 9));
        EXPECT_EQ(pixel(e + 9, 261) == white, guide(e + 9));
        EXPECT_EQ(pixel(e + 2, 253), white);
        EXPECT_EQ(pixel(e + 3, 253) == white, guide(e + 3));
        EXPECT_EQ(pixel(e, 252) == white, guide(e));
        // Guide lines over the ball.
        EXPECT_EQ(pixel(c.cx - 11, 251), white);
        EXPECT_EQ(pixel(c.cx + 10, 271), white);
        EXPECT_EQ(pixel(c.cx - 12, 251), unpainted);
    }
}

TEST_F(Attitude, TurnRateBar) {
    struct Case {
        int16_t rate;
        int16_t lastX;  // last column of the bar; the bar runs from cx toward it
    } cases[] = {
        {0, 240}, {10, 259}, {-3, 235}, {50, 309}, {-50, 171}, {32767, 309}, {-32768, 171},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rate);
        fillScreen(0);
        turnRate = c.rate;
        drawTurnRate(240, 35);
        int dir = c.lastX >= 240 ? 1 : -1;
        for (int x = 240; x != c.lastX + dir; x += dir) {
            uint8_t want = (x == 180 || x == 181 || x == 299 || x == 300) ? white : magenta;
            ASSERT_EQ(pixel(x, 35), want) << x;
            ASSERT_EQ(pixel(x, 44), want) << x;
        }
        int beyond = c.lastX + dir;
        if (c.rate != 0) {
            EXPECT_NE(pixel(beyond, 40), magenta);
        }
        EXPECT_EQ(pixel(239, 40), colourMagenta);
        EXPECT_EQ(pixel(241, 40), colourMagenta);
        EXPECT_EQ(pixel(240, 34), 0);
        EXPECT_EQ(pixel(240, 45), 0);
        EXPECT_EQ(pixel(180, 40), white);
        EXPECT_EQ(pixel(300, 40), white);
    }
}

// ---- Failures and the composed group --------------------------------------------------------

TEST_F(Attitude, FailureCrossesAndExceededBox) {
    struct Case {
        uint8_t source, ahrs, exceeded, turnIndicator, page;
        int16_t cx;
        bool pictureCross, turnCross, box;
    } cases[] = {
        {0, 0, 0, 1, 0, 240, true, true, false},  {0, 0, 0, 0, 0, 240, true, false, false},
        {0, 0, 1, 1, 1, 170, true, true, false},  {1, 0, 0, 1, 0, 240, true, true, false},
        {2, 0, 1, 1, 0, 240, false, false, false}, {0, 1, 0, 1, 0, 240, false, false, false},
        {0, 1, 1, 1, 0, 240, false, false, true},  {0, 1, 1, 1, 1, 170, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "source " << (int)c.source << " ahrs " << (int)c.ahrs << " page "
                                        << (int)c.page);
        fillScreen(0);
        unitSettings.attitudeSource = c.source;
        ahrsPresent = c.ahrs;
        attitudeExceeded = c.exceeded;
        unitSettings.turnRateIndicator = c.turnIndicator;
        displayPage = c.page;
        drawAttitudeFailures(c.cx);
        int b = c.page == 0 ? 190 : 120;
        // The box's words lie over its centre.
        if (!c.box) {
            EXPECT_EQ(pixel(b + 50, 136) == colourRed, c.pictureCross);
        }
        EXPECT_EQ(pixel(b - 5, 91) == colourRed, c.pictureCross);
        EXPECT_EQ(pixel(b + 105, 181) == colourRed, c.pictureCross);
        EXPECT_EQ(pixel(b + 50, 39) == colourRed || pixel(b + 50, 40) == colourRed, c.turnCross);
        EXPECT_EQ(pixel(b, 35) == colourRed, c.turnCross);
        EXPECT_EQ(pixel(c.cx - 64, 113) == white, c.box);
        EXPECT_EQ(pixel(c.cx + 64, 159) == white, c.box);
        EXPECT_EQ(pixel(c.cx + 63, 158) == colourRed, c.box);
        if (c.box) {
            int words = 0;
            for (int y = 115; y < 158; y++)
                for (int x = c.cx - 60; x < c.cx + 60; x++) words += pixel(x, y) == white;
            EXPECT_GT(words, 0);
        }
    }
}

TEST_F(Attitude, SourceNoneLeavesPlainGrey) {
    unitSettings.attitudeSource = 2;
    ahrsPresent = 0;
    drawAttitudeIndicator(240, 479);
    drawAttitudeFailures(240);
    for (int32_t i = 0; i < frameBufferSize; i++) ASSERT_EQ(frameBuffer[i], colourDarkGrey) << i;
}

TEST_F(Attitude, GpsFlightPathShowsTheNoteAndNoBall) {
    unitSettings.attitudeSource = 1;
    drawAttitudeIndicator(240, 479);
    int red = 0;
    for (int y = 77; y < 100; y++)
        for (int x = 160; x < 320; x++) red += pixel(x, y) == colourRed;
    EXPECT_GT(red, 0);
    EXPECT_EQ(pixel(240, 261), brown);  // no ball
    unitSettings.attitudeSource = 0;
    drawAttitudeIndicator(240, 479);
    EXPECT_EQ(pixel(240, 261), 0);
    for (int y = 77; y < 100; y++)
        for (int x = 160; x < 320; x++) ASSERT_NE(pixel(x, y), colourRed);
}

TEST_F(Attitude, SettingsSwitchElementsOff) {
    unitSettings.pitchMarkers = 0;
    unitSettings.bankIndicator = 0;
    unitSettings.slipBallDisplay = 0;
    unitSettings.turnRateIndicator = 0;
    drawAttitudeIndicator(240, 479);
    EXPECT_EQ(pixel(240, 176), brown);  // no rung
    EXPECT_EQ(pixel(240, 48), sky);     // no zero index
    EXPECT_EQ(pixel(240, 261), brown);  // no ball
    EXPECT_EQ(pixel(240, 40), sky);     // no turn bar
    EXPECT_EQ(pixel(240, 107), white);  // the symbol always
}

// Writes the pictures of the instrument for the documentation into the build folder.
TEST_F(Attitude, Snapshots) {
    struct Snap {
        const char* name;
        int16_t pitch, bank, slip, turn;
        int16_t cx;
        uint8_t source, movingScale, ahrs, exceeded;
    } snaps[] = {
        {"attitude-level", 0, 0, 0, 0, 240, 0, 0, 1, 0},
        {"attitude-climb-right", 20, -30, 12, 30, 240, 0, 0, 1, 0},
        {"attitude-inverted", 0, 180, 0, 0, 240, 0, 0, 1, 0},
        {"attitude-narrow-moving-scale", -8, 45, -40, -20, 170, 0, 1, 1, 0},
        {"attitude-exceeded", 60, 100, 0, 0, 240, 0, 0, 1, 1},
        {"attitude-gps-no-sensor", 5, 10, 0, 0, 170, 1, 0, 0, 0},
    };
    std::filesystem::path dir = std::filesystem::path(EFIS_BINARY_DIR) / "screens";
    std::filesystem::create_directories(dir);
    for (const Snap& s : snaps) {
        attitude(s.pitch, s.bank);
        slipValue = s.slip;
        turnRate = s.turn;
        unitSettings.attitudeSource = s.source;
        unitSettings.bankIndicatorType = s.movingScale;
        ahrsPresent = s.ahrs;
        attitudeExceeded = s.exceeded;
        displayPage = s.cx == 240 ? 0 : 1;
        int16_t w = s.cx == 240 ? 479 : 352;
        clipRight = (int16_t)(w + 1);
        drawAttitudeIndicator(s.cx, w);
        if (w < 479) fillBox(340, 0, 479, 271, 0);  // the layout's engine strip
        drawAttitudeFailures(s.cx);
        std::string path = (dir / (std::string(s.name) + ".png")).string();
        EXPECT_TRUE(writeIndexedPng(path.c_str(), frameBuffer, screenWidth, screenHeight, paletteRgb.data())) << path;
    }
}

}  // namespace
