#include "efis/hsi.h"

#include <climits>

#include "gfx/text.h"
#include "instrument_fixture.h"

namespace {

using Hsi = Instruments;
constexpr int16_t cx = 410, cy = 80;

// The arrow points to the waypoint (relative to the GPS track) while a leg is active, else to the
// heading bug, relative to the track with a GPS position and to the heading without one.
TEST_F(Hsi, CourseNeedle) {
    struct Case {
        int16_t heading;
        uint8_t nav, gps;
        int16_t bearing, track, bug;
        int16_t dx, dy;  // a point of the shaft at radius 25; the tail lies opposite
        uint8_t colour;
    } cases[] = {
        {0, 1, 1, 90, 0, 0, 25, 0, colourMagenta},    // 90 degrees right of the track
        {0, 1, 1, 10, 100, 0, -25, 0, colourMagenta}, // -90 wraps to 270: left
        {0, 0, 1, 0, 0, 180, 0, 25, colourMagenta},   // bug behind the track: down
        {270, 0, 0, 0, 0, 0, 25, 0, colourYellow},    // bug 0 with heading 270: right
        {360, 0, 0, 0, 0, 0, 0, -25, colourYellow},   // a true heading of 360 is 0
        {45, 0, 0, 0, 0, 765, 0, -25, colourYellow},  // bug 765 is 45: straight ahead
        {0, 1, 0, 270, -90, 0, 0, -25, colourYellow}, // a track of -90 is 270 (no position: yellow)
    };
    unitSettings.headingMode = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE("heading " + std::to_string(c.heading) + " nav " + std::to_string(c.nav) + " gps " +
                     std::to_string(c.gps));
        trueHeading = c.heading;
        navActive = c.nav;
        gpsPositionValid = c.gps;
        bearingToWaypoint = c.bearing;
        gpsTrackTrue = c.track;
        headingBug = c.bug;
        fillScreen(colourBlack);
        drawHsi(cx, cy);
        EXPECT_EQ(pixelAt(cx + c.dx, cy + c.dy), c.colour);
        EXPECT_EQ(pixelAt(cx - c.dx, cy - c.dy), c.colour);
        EXPECT_EQ(pixelAt(cx + c.dx * 32 / 25, cy + c.dy * 32 / 25), c.colour);  // the tip
        EXPECT_NE(pixelAt(cx + c.dy, cy + c.dx), c.colour);  // nothing across
    }
}

// The bar moves by the cross-track error times 1, 0.5, 0.2 or 0.1 pixels by CDI scale, toward
// the course (a positive error, left of course, moves it right), at most 35 pixels.
TEST_F(Hsi, DeviationBar) {
    struct Case {
        int32_t error;
        uint8_t scale;
        int16_t dx;  // where the bar stands, from the centre; the arrow points up
    } cases[] = {
        {0, 3, 0},      {100, 3, 10},    {-100, 3, -10},  {10, 0, 10},   {10, 1, 5},  {25, 2, 5},
        {1000, 0, 35},  {-1000, 0, -35}, {INT32_MAX, 0, 35}, {INT32_MIN, 3, -35},
        {100, 200, 10},  // out of range reads as the default scale 3
    };
    for (const Case& c : cases) {
        crossTrackError = c.error;
        unitSettings.cdiScale = c.scale;
        fillScreen(colourBlack);
        drawHsi(cx, cy);  // heading 0, bug 0: the arrow points up
        EXPECT_EQ(pixelAt(cx + c.dx, cy), colourYellow) << c.error << " scale " << (int)c.scale;
        EXPECT_EQ(pixelAt(cx + c.dx, cy + 12), colourYellow) << c.error << " scale " << (int)c.scale;
        if (c.dx != 0) {
            EXPECT_NE(pixelAt(cx, cy), colourYellow) << c.error;
        }
    }
}

TEST_F(Hsi, CardLettersTurnWithTheHeading) {
    struct Case {
        int16_t heading;
        const char* letter;
        int16_t x, y;  // where the letter is centred and its top row
    } cases[] = {
        {0, "N", cx + 1, cy - 47}, {0, "E", cx + 41, cy - 7}, {90, "N", cx - 39, cy - 7}, {90, "E", cx + 1, cy - 47},
        {180, "S", cx + 1, cy - 47}, {270, "W", cx + 1, cy - 47},
    };
    for (const Case& c : cases) {
        magneticHeading = c.heading;
        headingBug = c.heading + 180;  // the arrow points down, clear of the letters
        fillScreen(colourBlack);
        drawHsi(cx, cy);
        Frame card;
        saveFrame(card);
        fillScreen(colourBlack);
        drawText(c.x, c.y, c.letter, 8, alignCentre, colourWhite);
        int missing = 0, extra = 0;
        for (int y = c.y; y < c.y + 16; y++)
            for (int x = textStartX; x < textEndX; x++) {
                if (pixelAt(x, y) == colourWhite && card.at(x, y) != colourWhite) missing++;
                if (pixelAt(x, y) != colourWhite && card.at(x, y) == colourWhite) extra++;
            }
        EXPECT_EQ(missing + extra, 0) << c.heading << " " << c.letter;
    }
}

TEST_F(Hsi, LubberBugAndTrackMarks) {
    headingBugShown = 1;
    headingBug = 90;         // right of the nose: marks at screen angles -6..-3 and 3..6
    gpsPositionValid = 1;
    gpsTrackMagnetic = 180;  // behind: marks at 88..92
    drawHsi(cx, cy);
    for (int y = cy - 58; y <= cy - 46; y++)
        for (int x = cx - 1; x <= cx + 1; x++) EXPECT_EQ(pixelAt(x, y), colourYellow) << x << "," << y;
    EXPECT_EQ(pixelAt(cx + 49, cy + 4), colourYellow);   // 5 degrees, radius 50
    EXPECT_EQ(pixelAt(cx + 49, cy - 4), colourYellow);
    EXPECT_EQ(pixelAt(cx + 50, cy), colourLightGrey);    // the gap shows the card's tick
    EXPECT_EQ(pixelAt(cx, cy + 50), colourMagenta);      // the track mark over the card
    EXPECT_EQ(pixelAt(cx - 1, cy + 50), colourMagenta);
    EXPECT_NE(pixelAt(cx + 5, cy + 50), colourMagenta);

    headingBugShown = 0;
    gpsPositionValid = 0;
    fillScreen(colourBlack);
    drawHsi(cx, cy);
    EXPECT_EQ(countColour(cx + 40, cy - 10, cx + 56, cy + 10, colourYellow), 0);
    EXPECT_EQ(countColour(cx - 60, cy - 60, cx + 60, cy + 60, colourMagenta), 0);
}

TEST_F(Hsi, SweepStaysInItsSquare) {
    const int32_t errors[] = {INT32_MIN, -500, 0, 37, INT32_MAX};
    for (int16_t centreX : {410, 320, 55}) {
        int16_t centreY = centreX == 410 ? 80 : 216;
        for (int32_t h = -720; h <= 720; h += 11)
            for (int32_t e : errors) {
                unitSettings.headingMode = h % 2 ? 1 : 0;
                unitSettings.cdiScale = (uint8_t)(h & 0xFF);
                trueHeading = magneticHeading = (int16_t)h;
                headingBug = (int16_t)(h * 7);
                headingBugShown = 1;
                gpsTrackTrue = gpsTrackMagnetic = (int16_t)(-h * 3);
                bearingToWaypoint = (int16_t)(h + 500);
                gpsPositionValid = h % 3 ? 1 : 0;
                navActive = h % 5 ? 1 : 0;
                crossTrackError = e;
                fillScreen(colourDarkGrey);
                drawHsi(centreX, centreY);
                ASSERT_EQ(outside(centreX - 58, centreY - 58, centreX + 58, centreY + 58, colourDarkGrey), 0) << h;
            }
    }
}

}  // namespace
