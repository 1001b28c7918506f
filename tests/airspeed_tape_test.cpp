#include "efis/airspeed_tape.h"

#include "gfx/text.h"
#include "instrument_fixture.h"

namespace {

using AirspeedTape = Instruments;

// Labels stand at 254 - w, w = trunc(t / u + 124 - Pi), with u = 350 / 219 x 20 % by default;
// the current speed's label is always at row 130 (its tick at the centre row 136).
TEST_F(AirspeedTape, LabelsStandAtTheirRows) {
    struct Case {
        uint16_t ias;
        const char* label;
        int16_t row;
    } cases[] = {
        {0, "  0", 130},  {0, " 10", 99},   {0, " 20", 68},   {0, " 30", 37},   {100, " 80", 192},
        {100, " 90", 161}, {100, "100", 130}, {100, "110", 98}, {100, "120", 67}, {100, "130", 36},
        {350, "320", 224}, {350, "340", 162}, {350, "350", 130},
    };
    unitSettings.vx = unitSettings.vy = 10;  // no markers over the labels
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("ias ") + std::to_string(c.ias) + " label '" + c.label + "'");
        indicatedAirspeed = c.ias;
        fillScreen(colourBlack);
        drawAirspeedTape();
        Frame tape;
        saveFrame(tape);
        fillScreen(colourBlack);
        drawScaleLabelClipped(3, c.row, c.label, colourWhite, 27, 244);
        int top = c.row < 27 ? 27 : c.row, bottom = c.row + 15 > 244 ? 244 : c.row + 15;
        EXPECT_GT(countColour(0, top, 34, bottom, colourWhite), 0);
        EXPECT_EQ(differences(tape, 0, top, 34, bottom), 0);
    }
}

TEST_F(AirspeedTape, TicksEveryFiveUnits) {
    indicatedAirspeed = 0;
    drawAirspeedTape();
    // Long ticks for 10..30 at rows 105, 74, 43 (the one for 0 at 136 is under the number box);
    // short ones for 15..35 at 90, 58, 27.
    for (int row : {105, 74, 43}) EXPECT_EQ(countColour(35, row, 49, row, colourWhite), 15) << row;
    for (int row : {90, 58, 27}) {
        EXPECT_EQ(countColour(38, row, 49, row, colourWhite), 12) << row;
        EXPECT_NE(pixelAt(37, row), colourWhite) << row;
    }
    EXPECT_EQ(countColour(35, 136, 42, 136, colourWhite), 8);
    // Nothing below zero: under the centre row only the red band.
    EXPECT_EQ(countColour(35, 137, 42, 245, colourWhite), 0);
}

TEST_F(AirspeedTape, BandsInTheirOrder) {
    struct Case {
        uint16_t ias;
        int16_t x, y;
        uint8_t colour;
    } cases[] = {
        {0, 41, 200, colourRed},     // below vs0 the red reaches the bottom of the tape
        {0, 41, 60, colourWhite},    // vs0..vs1
        {0, 41, 35, colourGreen},    // vs1..vno, cut at the top of the tape
        {0, 46, 35, colourWhite},    // the flap band over the green, vs1..vfe
        {200, 45, 150, colourYellow},
        {200, 45, 50, colourRed},    // above vne
        {200, 45, 235, colourGreen},
    };
    for (const Case& c : cases) {
        indicatedAirspeed = c.ias;
        fillScreen(colourBlack);
        drawAirspeedTape();
        EXPECT_EQ(pixelAt(c.x, c.y), c.colour) << c.ias << " at " << c.x << "," << c.y;
    }
}

TEST_F(AirspeedTape, NumberBoxWarns) {
    struct Case {
        uint16_t ias;
        uint8_t flight, blink;
        uint8_t fill, text;
    } cases[] = {
        {100, 0, 1, colourBlack, colourWhite},  {200, 0, 1, colourYellow, colourBlack},
        {230, 0, 1, colourRed, colourWhite},    {230, 0, 0, colourBlack, colourWhite},
        {25, 1, 1, colourRed, colourWhite},     {25, 0, 1, colourBlack, colourWhite},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.ias) + " flight " + std::to_string(c.flight) + " blink " +
                     std::to_string(c.blink));
        indicatedAirspeed = c.ias;
        flightActive = c.flight;
        fastBlink = c.blink;
        fillScreen(colourDarkGrey);
        drawAirspeedTape();
        EXPECT_EQ(pixelAt(52, 120), c.fill);
        EXPECT_EQ(pixelAt(45, 136), c.fill);  // the arrow's point
        EXPECT_GT(countColour(53, 122, 119, 152, c.text), 0);
        EXPECT_EQ(pixelAt(50, 118), colourWhite);
        EXPECT_EQ(pixelAt(121, 154), colourWhite);
    }
}

TEST_F(AirspeedTape, NarrowBoxIsSmaller) {
    displayPage = 1;
    indicatedAirspeed = 100;
    fillScreen(colourDarkGrey);
    drawAirspeedTape();
    EXPECT_EQ(pixelAt(103, 122), colourWhite);
    EXPECT_EQ(pixelAt(50, 121), colourWhite);
    EXPECT_EQ(pixelAt(102, 151), colourWhite);
    EXPECT_EQ(pixelAt(110, 136), colourDarkGrey);
    EXPECT_EQ(pixelAt(52, 123), colourBlack);
}

TEST_F(AirspeedTape, MarkersForVxAndVy) {
    indicatedAirspeed = 100;
    fillScreen(colourDarkGrey);
    drawAirspeedTape();
    // vx 80 is at row 312 - 250 + 136 = 198, vy 100 at the centre row 136.
    EXPECT_EQ(pixelAt(45, 198), colourBlack);
    EXPECT_GT(countColour(31, 192, 40, 207, colourMagenta), 0);
    EXPECT_GT(countColour(31, 130, 40, 145, colourMagenta), 0);

    // At 10 a V-speed has no marker; off the tape neither.
    unitSettings.vx = 10;
    unitSettings.vy = 300;
    fillScreen(colourDarkGrey);
    drawAirspeedTape();
    EXPECT_EQ(countColour(31, 21, 40, 245, colourMagenta), 0);
}

TEST_F(AirspeedTape, SpanAndInViewFloors) {
    struct Case {
        uint16_t span;
        uint8_t inView;
    } cases[] = {{0, 20}, {9, 20}, {350, 0}, {350, 9}, {0, 0}};
    indicatedAirspeed = 40;
    for (const Case& c : cases) {
        unitSettings.asiSpan = c.span < 10 ? 10 : c.span;
        unitSettings.asiInView = c.inView < 10 ? 10 : c.inView;
        fillScreen(colourBlack);
        drawAirspeedTape();
        Frame floored;
        saveFrame(floored);
        unitSettings.asiSpan = c.span;
        unitSettings.asiInView = c.inView;
        fillScreen(colourBlack);
        drawAirspeedTape();
        EXPECT_EQ(differences(floored, 0, 0, 479, 271), 0) << c.span << " " << (int)c.inView;
    }
}

TEST_F(AirspeedTape, SmallBoxes) {
    trueAirspeed = 131;
    drawTasBox();
    EXPECT_EQ(pixelAt(0, 251), colourWhite);
    EXPECT_EQ(pixelAt(66, 271), colourWhite);
    Frame box;
    saveFrame(box);
    fillScreen(colourBlack);
    drawFrame(0, 251, 66, 271, colourWhite);
    drawText(3, 254, "TAS", 8, alignLeft, colourWhite);
    drawText(64, 253, "131", 9, alignRight, colourWhite);
    EXPECT_EQ(differences(box, 0, 240, 479, 271), 0);

    for (uint8_t valid : {0, 1}) {
        gpsPositionValid = valid;
        groundSpeed = 87;
        fillScreen(colourBlack);
        drawGroundSpeedBox();
        saveFrame(box);
        fillScreen(colourBlack);
        drawFrame(0, 0, 60, 20, colourWhite);
        drawText(3, 3, "GS", 8, alignLeft, colourWhite);
        drawColumnText(29, 4, valid ? " 87" : "---", 12, colourWhite);
        EXPECT_EQ(differences(box, 0, 0, 479, 30), 0) << (int)valid;
    }
}

// Every speed in range and beyond, with settings a recalled image might hold: the tape stays in
// its own strip (the cross's strokes reach one pixel past the box) and never hangs.
TEST_F(AirspeedTape, SweepStaysOnItsStrip) {
    struct Settings {
        uint16_t span;
        uint8_t inView;
        uint16_t vs0, vs1, vfe, vno, vne;
    } settings[] = {
        {350, 20, 20, 30, 50, 180, 220},  {0, 0, 0, 0, 0, 0, 0},
        {65535, 10, 65535, 65535, 65535, 65535, 65535}, {450, 255, 1, 2, 3, 4, 5}, {10, 10, 300, 200, 100, 50, 20},
        {450, 100, 10, 10, 10, 10, 10},
    };
    for (uint8_t page : {0, 1}) {
        displayPage = page;
        for (const Settings& s : settings) {
            unitSettings.asiSpan = s.span;
            unitSettings.asiInView = s.inView;
            unitSettings.vs0 = s.vs0;
            unitSettings.vs1 = s.vs1;
            unitSettings.vfe = s.vfe;
            unitSettings.vno = s.vno;
            unitSettings.vne = s.vne;
            // Three digits fit the box; the unit never measures more than 563 km/h.
            for (uint32_t ias = 0; ias <= 999; ias += 23) {
                indicatedAirspeed = (uint16_t)ias;
                asiSensorStatus = ias % 2 ? 2 : 0;
                fillScreen(colourDarkGrey);
                drawAirspeedTape();
                ASSERT_EQ(outside(0, 21, 122, 245, colourDarkGrey), 0) << "span " << s.span << " ias " << ias;
            }
            indicatedAirspeed = 65535;
            drawAirspeedTape();
            unitSettings.asiInView = 255;  // a label on nearly every row
            drawAirspeedTape();
        }
    }
}

}  // namespace
