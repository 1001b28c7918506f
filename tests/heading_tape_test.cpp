#include "efis/heading_tape.h"

#include "gfx/text.h"
#include "instrument_fixture.h"

namespace {

using HeadingTape = Instruments;

struct Tape {
    int16_t cx, left, right, across, toCentre;
};
constexpr Tape wideTape = {240, 60, 418, 70, 36};
constexpr Tape narrowTape = {170, 60, 278, 40, 22};

void drawTape(const Tape& t) { drawHeadingTape(t.cx, t.left, t.right, t.across, t.toCentre); }

// Five pixels per degree; the left edge shows H - degreesToCentre, the centre H.
TEST_F(HeadingTape, LabelsAtTheirDegrees) {
    struct Case {
        int16_t heading;
        uint8_t style;  // 0 numeric, 1 mixed, 2 cardinal
        const Tape* tape;
        int16_t x;
        const char* text;
    } cases[] = {
        {0, 0, &wideTape, 90, "330"},   {0, 0, &wideTape, 140, "340"},  {0, 1, &wideTape, 90, "330"},
        {0, 2, &wideTape, 90, "NNW"},   {0, 0, &wideTape, 340, "020"},  {355, 1, &wideTape, 315, "010"},
        {355, 0, &wideTape, 165, "340"}, {120, 2, &wideTape, 90, "E"},  {120, 1, &wideTape, 390, "150"},
        {60, 1, &wideTape, 90, "030"},  {120, 9, &wideTape, 90, "E"},   // out of range reads as mixed
        {30, 0, &narrowTape, 120, "020"}, {30, 0, &narrowTape, 70, "010"},  // half cut at x 70
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("heading " + std::to_string(c.heading) + " style " + std::to_string(c.style) + " '" +
                     c.text + "'");
        unitSettings.compassTape = c.style;
        magneticHeading = c.heading;
        fillScreen(colourBlack);
        drawTape(*c.tape);
        Frame tape;
        saveFrame(tape);
        fillScreen(colourBlack);
        drawTapeLabel(c.x, 3, c.text, c.tape->right);
        EXPECT_GT(countColour(c.x - 22, 3, c.x + 22, 21, colourWhite), 0);
        EXPECT_EQ(differences(tape, c.x - 22, 3, c.x + 22, 21), 0);
    }
}

TEST_F(HeadingTape, TicksInsideTheVisibleStrip) {
    drawTape(wideTape);  // heading 0: 324 degrees at x 60
    EXPECT_EQ(countColour(90, 22, 90, 32, colourWhite), 11);    // 330, long
    EXPECT_EQ(countColour(115, 26, 115, 32, colourWhite), 7);   // 335, short
    EXPECT_EQ(countColour(115, 22, 115, 25, colourWhite), 0);
    EXPECT_EQ(countColour(65, 22, 65, 32, colourWhite), 0);     // 325 is left of x 70
    EXPECT_EQ(countColour(390, 22, 390, 32, colourWhite), 11);  // 30
    EXPECT_EQ(countColour(415, 22, 415, 32, colourWhite), 0);   // 35 is right of 398

    // At 355 the counter passes 359 and goes on at 0 at x 265 (its top rows under the box).
    magneticHeading = 355;
    fillScreen(colourBlack);
    drawTape(wideTape);
    EXPECT_EQ(countColour(265, 24, 265, 32, colourWhite), 9);
    EXPECT_EQ(countColour(260, 24, 260, 32, colourWhite), 0);
    EXPECT_EQ(countColour(290, 26, 290, 32, colourWhite), 7);  // 5
}

TEST_F(HeadingTape, BugOnTheTapeOrParked) {
    struct Case {
        int16_t heading, bug;
        int16_t x;
        uint8_t colour;
    } cases[] = {
        {0, 10, 290, colourYellow},   // 10 degrees right: cx + 50
        {0, 350, 190, colourYellow},  {0, 330, 90, colourYellow},
        {0, 60, 400, colourCyan},     // too far right: parked at right - 18
        {10, 190, 75, colourCyan},    // 180 degrees away counts as left
        {200, 10, 400, colourCyan},   // 170 degrees clockwise
        {200, 30, 75, colourCyan},    // 190 degrees clockwise: the shorter way is left
        {0, 325, 75, colourCyan},     // on the tape but too near its end
        {0, 370, 290, colourYellow},  // a bug beyond 359 counts round
    };
    headingBugShown = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE("heading " + std::to_string(c.heading) + " bug " + std::to_string(c.bug));
        magneticHeading = c.heading;
        headingBug = c.bug;
        fillScreen(colourBlack);
        drawTape(wideTape);
        EXPECT_EQ(pixelAt(c.x, 32), c.colour);
        EXPECT_EQ(pixelAt(c.x - 15, 25), c.colour);
        EXPECT_EQ(pixelAt(c.x + 15, 25), c.colour);
        EXPECT_NE(pixelAt(c.x, 28), c.colour);  // the notch
        EXPECT_EQ(countColour(60, 22, 418, 32, c.colour == colourYellow ? colourCyan : colourYellow), 0);
    }
    headingBugShown = 0;
    fillScreen(colourBlack);
    drawTape(wideTape);
    EXPECT_EQ(countColour(60, 22, 418, 32, colourYellow) + countColour(60, 22, 418, 32, colourCyan), 0);
}

TEST_F(HeadingTape, TrackAndBearingMarks) {
    gpsPositionValid = 1;
    gpsTrackMagnetic = 20;  // x 340
    gpsTrackTrue = 200;     // not shown: the heading mode is magnetic
    navActive = 1;
    magBearingToWaypoint = 350;  // x 190
    drawTape(wideTape);
    EXPECT_EQ(pixelAt(340, 24), colourMagenta);
    EXPECT_EQ(pixelAt(335, 24), colourMagenta);
    EXPECT_EQ(pixelAt(340, 30), colourMagenta);
    EXPECT_NE(pixelAt(338, 29), colourMagenta);
    EXPECT_EQ(pixelAt(185, 27), colourMagenta);
    EXPECT_EQ(pixelAt(195, 27), colourMagenta);
    EXPECT_NE(pixelAt(190, 27), colourMagenta);
    EXPECT_EQ(countColour(60, 22, 239, 32, colourMagenta) + countColour(241, 22, 418, 32, colourMagenta),
              countColour(180, 22, 200, 32, colourMagenta) + countColour(330, 22, 350, 32, colourMagenta));

    // Without a position or a leg, no marks.
    gpsPositionValid = 0;
    navActive = 0;
    fillScreen(colourBlack);
    drawTape(wideTape);
    EXPECT_EQ(countColour(60, 22, 418, 32, colourMagenta), 0);
}

TEST_F(HeadingTape, BoxDigitsBySource) {
    struct Case {
        uint8_t display, compass, gps;
        uint8_t digits;
        bool crossed;
    } cases[] = {
        {1, 1, 0, colourWhite, false}, {1, 0, 1, colourWhite, true},
        {2, 0, 1, colourMagenta, false}, {2, 1, 0, colourMagenta, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("display " + std::to_string(c.display) + " compass " + std::to_string(c.compass) + " gps " +
                     std::to_string(c.gps));
        unitSettings.compassDisplay = c.display;
        compassPresent = c.compass;
        gpsPositionValid = c.gps;
        magneticHeading = 87;
        fillScreen(colourBlack);
        drawTape(wideTape);
        EXPECT_GT(countColour(214, 2, 263, 25, c.digits), 0);
        EXPECT_EQ(pixelAt(214, 0) == colourRed, c.crossed);
        EXPECT_EQ(countColour(213, 0, 267, 24, colourRed) > 0, c.crossed);
        EXPECT_EQ(pixelAt(240, 31), colourWhite);  // the pointer's tip
    }
}

TEST_F(HeadingTape, TrueHeadingOf360ReadsZero) {
    unitSettings.headingMode = 1;
    trueHeading = 360;
    magneticHeading = 123;
    drawHeadingBox(240, displayedHeading());
    Frame box;
    saveFrame(box);
    fillScreen(colourBlack);
    drawColumnText(217, 2, "000", 20, colourWhite);
    EXPECT_EQ(countColour(214, 2, 266, 22, colourWhite) > 0, true);
    EXPECT_EQ(differences(box, 214, 1, 266, 22), 0);
}

TEST_F(HeadingTape, Readout) {
    for (uint8_t compass : {1, 0}) {
        compassPresent = compass;
        magneticHeading = 90;
        fillScreen(colourBlack);
        drawHeadingReadout(197, 170);
        Frame readout;
        saveFrame(readout);
        fillScreen(colourBlack);
        drawFrame(197, 170, 250, 194, colourLightGrey);
        drawColumnText(201, 172, "090", 20, colourWhite);
        if (!compass) {
            drawThickLine(197, 170, 250, 194, colourRed);
            drawThickLine(197, 194, 250, 170, colourRed);
        }
        EXPECT_EQ(differences(readout, 0, 0, 479, 271), 0) << (int)compass;
    }
}

TEST_F(HeadingTape, SweepStaysOnTheTape) {
    headingBugShown = 1;
    gpsPositionValid = 1;
    navActive = 1;
    for (const Tape* t : {&wideTape, &narrowTape})
        for (uint8_t style : {0, 1, 2, 200})
            for (int32_t h = -720; h <= 720; h += 7) {
                unitSettings.compassTape = style;
                unitSettings.headingMode = h % 2 ? 1 : 0;
                trueHeading = magneticHeading = (int16_t)h;
                headingBug = (int16_t)(h * 3);
                gpsTrackTrue = gpsTrackMagnetic = (int16_t)(h + 13);
                magBearingToWaypoint = (int16_t)(-h);
                compassPresent = h % 3 ? 1 : 0;
                fillScreen(colourDarkGrey);
                drawTape(*t);
                ASSERT_EQ(outside(t->left, 0, t->right, 32, colourDarkGrey), 0) << h;
            }
    // A tape too short for one pixel per degree draws only its box.
    fillScreen(colourDarkGrey);
    drawHeadingTape(240, 200, 210, 70, 36);
    EXPECT_EQ(outside(213, 0, 267, 32, colourDarkGrey), 0);
}

}  // namespace
