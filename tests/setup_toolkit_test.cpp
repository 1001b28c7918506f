// The setup page toolkit on small pages built here: list scrolling, the highlight's wrap, each
// row kind's editing, the step multiplier, the scroll-bar thumb, the drawing pieces' geometry and
// the yes/no confirmation. One page is also written as a PNG to look at.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "gfx/primitives.h"
#include "host/headless/png_writer.h"
#include "gfx/palette.h"
#include "records/records.h"
#include "ui/main_menu.h"
#include "ui/page.h"
#include "ui/setup_toolkit.h"

namespace {

uint8_t demoDisplay;
uint8_t demoUnit;
uint8_t demoLimit;
uint8_t demoPercent;
int16_t demoOffset;
char demoName[7];
char demoShortField[5];
uint8_t demoAlarms[6];
uint16_t demoVolts;
uint16_t demoFactor;
int32_t changes;
int32_t actions;
int32_t leaves;

const char* const unitNames[] = {"MPH", "KM/H", "KTS"};

void demoParent() { keyCode = 0; }

const SetupRow demoRows[] = {
    {.label = "DISPLAY: ", .kind = rowOnOff, .field = SETUP_VALUE(demoDisplay)},
    {.label = "SPEED UNIT: ", .kind = rowChoice, .field = SETUP_VALUE(demoUnit), .min = 0, .max = 2, .names = unitNames},
    {.label = "VNE: ", .kind = rowNumber, .field = SETUP_FIELD(unitSettings, vne), .min = 50, .max = 300},
    {.label = "LIMIT: ", .kind = rowNumberStop, .field = SETUP_VALUE(demoLimit), .min = 0, .max = 100},
    {.label = "PERCENT: ", .kind = rowNumber, .field = SETUP_VALUE(demoPercent), .min = 0, .max = 100},
    {.label = "NAME: ", .kind = rowText, .field = SETUP_VALUE(demoName), .max = 6},
    {.label = "UTC OFFSET: ", .kind = rowNumber, .field = SETUP_VALUE(demoOffset), .min = -780, .max = 780, .step = 30},
    {.label = "RESET ALL", .kind = rowAction, .action = [] { actions++; }},
    {.label = "ALARM 1: ", .kind = rowOnOff, .field = SETUP_VALUE(demoAlarms[0])},
    {.label = "ALARM 2: ", .kind = rowOnOff, .field = SETUP_VALUE(demoAlarms[1])},
    {.label = "ALARM 3: ", .kind = rowOnOff, .field = SETUP_VALUE(demoAlarms[2])},
    {.label = "ALARM 4: ", .kind = rowOnOff, .field = SETUP_VALUE(demoAlarms[3])},
    {.label = "CODE: ", .kind = rowText, .field = SETUP_VALUE(demoShortField), .max = 10},
};
const SetupPage demoPage = {
    .title = "DEMO SETUP",
    .subtitle = "TOOLKIT PAGE",
    .rows = demoRows,
    .keyFlags = setupKeyBack,
    .parent = demoParent,
    .parentRow = 4,
    .changed = [] { changes++; },
    .leave = [] { leaves++; },
};
constexpr uint8_t demoRowCount = sizeof demoRows / sizeof demoRows[0];

const SetupRow tenthsRows[] = {
    {.label = "VOLTS DISPLAY: ", .kind = rowOnOff, .field = SETUP_VALUE(demoDisplay)},
    {.label = "LOW ALARM: ", .kind = rowNumber, .field = SETUP_VALUE(demoVolts), .min = 80, .max = 300, .decimals = 1},
    {.label = "FACTOR: ", .kind = rowNumber, .field = SETUP_VALUE(demoFactor), .min = 0, .max = 5000, .decimals = 2},
};
const SetupPage tenthsPage = {.title = "EFIS SETUP", .subtitle = "VOLTS SETUP", .rows = tenthsRows, .keyFlags = setupKeyBack};

void demoFrame() { runSetupPage(demoPage, demoRowCount); }
void tenthsFrame() { runSetupPage(tenthsPage, 3); }

uint8_t pixel(int16_t x, int16_t y) { return frameBuffer[y * screenWidth + x]; }

bool areaHas(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour) {
    for (int16_t y = y0; y <= y1; y++)
        for (int16_t x = x0; x <= x1; x++)
            if (pixel(x, y) == colour) return true;
    return false;
}

class Toolkit : public ::testing::Test {
  protected:
    void SetUp() override {
        buildTrigTables();
        applySettingsDefaults();
        selectedRow = listTop = editMode = editCursor = 0;
        stepMultiplier = 1;
        keyCode = 0;
        currentPage = demoFrame;
        demoDisplay = demoUnit = demoLimit = demoPercent = 0;
        demoOffset = 0;
        std::memcpy(demoName, "N12345", 7);
        std::memset(demoShortField, 0, sizeof demoShortField);
        std::memset(demoAlarms, 0, sizeof demoAlarms);
        demoVolts = 120;
        demoFactor = 100;
        changes = actions = leaves = 0;
    }
    static void press(uint8_t key, void (*frame)() = demoFrame) {
        keyCode = key;
        frame();
        EXPECT_EQ(keyCode, 0);
    }
};

TEST_F(Toolkit, LongListScrollsWithTheHighlight) {
    // Twelve of the rows shown: the last highlighted puts entry 1 in the first visible row.
    selectedRow = 11;
    runSetupPage(demoPage, 12);
    EXPECT_EQ(listTop, 1);
    EXPECT_TRUE(areaHas(100, 50 + 18 * 10, 200, 60 + 18 * 10, colourRed));  // highlight on the last visible row
    keyCode = 7;
    runSetupPage(demoPage, 12);
    EXPECT_EQ(selectedRow, 0);
    runSetupPage(demoPage, 12);
    EXPECT_EQ(listTop, 0);
    EXPECT_TRUE(areaHas(100, 50, 200, 60, colourRed));
    EXPECT_FALSE(areaHas(100, 68, 460, 245, colourRed));
    // A short page never scrolls.
    selectedRow = 2;
    tenthsFrame();
    EXPECT_EQ(listTop, 0);
    // A highlight past a list that got shorter comes back onto its last row.
    selectedRow = 12;
    runSetupPage(demoPage, 5);
    EXPECT_EQ(selectedRow, 4);
}

TEST_F(Toolkit, HighlightWrapsAndEditModeHoldsIt) {
    selectedRow = demoRowCount - 1;
    press(7);
    EXPECT_EQ(selectedRow, 0);
    press(8);
    EXPECT_EQ(selectedRow, demoRowCount - 1);
    selectedRow = 4;
    press(6);
    ASSERT_EQ(editMode, 1);
    for (uint8_t key : {7, 7, 8, 7, 8, 8, 8}) press(key);
    EXPECT_EQ(selectedRow, 4);
    EXPECT_EQ(demoPercent, 100);  // 0 +1 +1 -1 +1 -1 -1 -1 wraps below 0 to 100
}

TEST_F(Toolkit, EachKeyActsOncePerFrame) {
    selectedRow = 4;
    press(6);
    EXPECT_EQ(editMode, 1);
    demoFrame();  // a frame without a key leaves edit mode alone
    EXPECT_EQ(editMode, 1);
    press(7);
    EXPECT_EQ(demoPercent, 1);
    EXPECT_EQ(changes, 1);
    stepMultiplier = 10;
    press(7);
    EXPECT_EQ(demoPercent, 11);
    press(6);
    EXPECT_EQ(editMode, 0);
    press(7);  // moves on: no more editing
    EXPECT_EQ(demoPercent, 11);
    EXPECT_EQ(selectedRow, 5);
}

TEST_F(Toolkit, RowKindsEdit) {
    struct Case {
        const char* what;
        uint8_t row;
        void (*prepare)();
        uint16_t multiplier;
        const char* keys;  // after the push into edit mode
        int32_t (*value)();
        int32_t expected;
    } cases[] = {
        {"on/off", 0, [] {}, 1, "7", [] { return (int32_t)demoDisplay; }, 1},
        {"on/off back", 0, [] {}, 1, "78", [] { return (int32_t)demoDisplay; }, 0},
        {"on/off from a stray value", 0, [] { demoDisplay = 7; }, 1, "7", [] { return (int32_t)demoDisplay; }, 0},
        {"choice up wraps", 1, [] { demoUnit = 2; }, 1, "7", [] { return (int32_t)demoUnit; }, 0},
        {"choice down wraps", 1, [] {}, 1, "8", [] { return (int32_t)demoUnit; }, 2},
        {"choice out of range", 1, [] { demoUnit = 9; }, 1, "7", [] { return (int32_t)demoUnit; }, 0},
        {"packed field", 2, [] {}, 10, "77", [] { return (int32_t)unitSettings.vne; }, 240},
        {"packed field wraps", 2, [] {}, 100, "7", [] { return (int32_t)unitSettings.vne; }, 50},
        {"packed field wraps down", 2, [] { unitSettings.vne = 60; }, 100, "8", [] { return (int32_t)unitSettings.vne; }, 300},
        {"wide step wraps in range", 4, [] { demoPercent = 100; }, 1000, "7", [] { return (int32_t)demoPercent; }, 0},
        {"wide step stops at the top", 3, [] { demoLimit = 100; }, 1000, "7", [] { return (int32_t)demoLimit; }, 100},
        {"stop at the bottom", 3, [] { demoLimit = 5; }, 10, "8", [] { return (int32_t)demoLimit; }, 0},
        {"stop below the top", 3, [] { demoLimit = 95; }, 10, "7", [] { return (int32_t)demoLimit; }, 100},
        {"fixed step ignores the multiplier", 6, [] {}, 1000, "77", [] { return (int32_t)demoOffset; }, 60},
        {"signed field wraps", 6, [] { demoOffset = -780; }, 1, "8", [] { return (int32_t)demoOffset; }, 780},
    };
    for (const Case& c : cases) {
        SetUp();
        c.prepare();
        selectedRow = c.row;
        stepMultiplier = c.multiplier;
        press(6);
        ASSERT_EQ(editMode, 1) << c.what;
        for (const char* k = c.keys; *k; k++) press((uint8_t)(*k - '0'));
        EXPECT_EQ(c.value(), c.expected) << c.what;
        EXPECT_EQ(selectedRow, c.row) << c.what;
    }
}

TEST_F(Toolkit, TextRowsEditCharacterByCharacter) {
    selectedRow = 5;
    press(6);
    EXPECT_EQ(editCursor, 0);
    press(7);
    EXPECT_STREQ(demoName, "O12345");
    press(6);
    press(8);
    EXPECT_STREQ(demoName, "O02345");
    // The last push of the field leaves edit mode.
    for (int i = 0; i < 4; i++) press(6);
    EXPECT_EQ(editCursor, 5);
    EXPECT_EQ(editMode, 1);
    press(6);
    EXPECT_EQ(editMode, 0);

    struct Case {
        char from;
        uint8_t key;
        char to;
    } cases[] = {{'~', 7, ' '}, {' ', 8, '~'}, {'A', 7, 'B'}, {'A', 8, '@'}, {'\x01', 7, ' '}, {'\x01', 8, '~'},
                 {'\xC8', 7, ' '}, {'\xC8', 8, '~'}, {'\x7F', 7, ' '}, {'\x1F', 8, '~'}};
    for (const Case& c : cases) {
        demoName[0] = c.from;
        editMode = 1;
        editCursor = 0;
        press(c.key);
        EXPECT_EQ(demoName[0], c.to) << (int)(uint8_t)c.from << " key " << (int)c.key;
    }
}

TEST_F(Toolkit, TextRowNeverOverwritesItsTerminator) {
    // A five-byte field asked to hold ten characters edits four, and grows with spaces.
    selectedRow = 12;
    press(6);
    for (int i = 0; i < 4; i++) {
        press(7);
        press(6);
    }
    EXPECT_EQ(editMode, 0);
    EXPECT_EQ(selectedRow, 12);
    EXPECT_EQ(demoShortField[4], 0);
    EXPECT_STREQ(demoShortField, "    ");
    // A cursor left beyond the field by another page is pulled back inside it.
    editMode = 1;
    editCursor = 200;
    press(8);
    EXPECT_EQ(demoShortField[4], 0);
    EXPECT_EQ(demoShortField[3], '~');
}

TEST_F(Toolkit, ActionRowsRunOnAPush) {
    selectedRow = 7;
    editMode = 1;  // left over: an action row has no edit mode
    press(6);
    EXPECT_EQ(actions, 1);
    EXPECT_EQ(editMode, 0);
    press(7);
    EXPECT_EQ(selectedRow, 8);
}

TEST_F(Toolkit, StepMultiplier) {
    // Whole units: any row, four steps round.
    std::string seen;
    selectedRow = 0;
    for (int i = 0; i < 5; i++) {
        press(3);
        seen += std::to_string(stepMultiplier) + " ";
    }
    EXPECT_EQ(seen, "10 100 1000 1 10 ");

    // Tenths: only on a tenths row, and only 1 <-> 10.
    stepMultiplier = 1;
    selectedRow = 0;
    press(3, tenthsFrame);
    EXPECT_EQ(stepMultiplier, 1);
    selectedRow = 1;
    press(3, tenthsFrame);
    EXPECT_EQ(stepMultiplier, 10);
    press(3, tenthsFrame);
    EXPECT_EQ(stepMultiplier, 1);
    press(6, tenthsFrame);
    press(3, tenthsFrame);
    press(7, tenthsFrame);
    EXPECT_EQ(demoVolts, 130);

    // A multiplier left over from another page is set back when a tenths row shows its label.
    stepMultiplier = 1000;
    editMode = 0;
    selectedRow = 1;
    tenthsFrame();
    EXPECT_EQ(stepMultiplier, 1);
    // Hundredths know 1000 (X10.0).
    stepMultiplier = 1000;
    selectedRow = 2;
    tenthsFrame();
    EXPECT_EQ(stepMultiplier, 1000);
    stepMultiplier = 5;
    tenthsFrame();
    EXPECT_EQ(stepMultiplier, 1);
    // A stray multiplier on a whole-unit row reads as 1.
    stepMultiplier = 7;
    selectedRow = 4;
    demoFrame();
    EXPECT_EQ(stepMultiplier, 1);
}

TEST_F(Toolkit, ExitAndBack) {
    selectedRow = 3;
    editMode = 1;
    listTop = 2;
    press(1);
    EXPECT_EQ(currentPage, mainScreenPage);
    EXPECT_EQ(editMode, 0);
    EXPECT_EQ(listTop, 0);
    EXPECT_EQ(leaves, 1);

    currentPage = demoFrame;
    stepMultiplier = 100;
    editMode = 1;
    press(2);
    EXPECT_EQ(currentPage, demoParent);
    EXPECT_EQ(selectedRow, 4);
    EXPECT_EQ(editMode, 0);
    EXPECT_EQ(stepMultiplier, 100);
    EXPECT_EQ(leaves, 2);

    // Without a parent page BACK goes to the main menu and resets the multiplier.
    currentPage = tenthsFrame;
    press(2, tenthsFrame);
    EXPECT_EQ(currentPage, mainMenuPage);
    EXPECT_EQ(stepMultiplier, 1);
    EXPECT_EQ(selectedRow, 0);
}

TEST_F(Toolkit, ScrollBarThumb) {
    struct Case {
        int16_t selected, count, top, bottom;
    } cases[] = {{0, 22, 45, 54}, {21, 22, 234, 243}, {0, 1, 45, 245}, {5, 11, 135, 153}, {40, 22, 234, 243}};
    for (const Case& c : cases) {
        clearScreen();
        drawListScrollBar(c.selected, c.count);
        int16_t top = -1, bottom = -1;
        for (int16_t y = 0; y < screenHeight; y++)
            if (pixel(465, y) == colourWhite) {
                if (top < 0) top = y;
                bottom = y;
            }
        EXPECT_EQ(top, c.top) << c.selected << "/" << c.count;
        EXPECT_EQ(bottom, c.bottom) << c.selected << "/" << c.count;
        EXPECT_EQ(pixel(475, c.top), colourWhite);
        EXPECT_EQ(pixel(476, c.top), colourBlack);
    }
    // No entries: the track alone.
    clearScreen();
    drawListScrollBar(0, 0);
    EXPECT_EQ(pixel(470, 45), colourWhite);
    EXPECT_EQ(pixel(470, 245), colourWhite);
    EXPECT_EQ(pixel(470, 246), colourBlack);
    EXPECT_FALSE(areaHas(465, 0, 469, 271, colourWhite));
}

TEST_F(Toolkit, DrawingPiecesGeometry) {
    drawTitleBar("EMS SETUP", "RPM 1 SETUP");
    EXPECT_TRUE(areaHas(5, 2, 25, 30, colourRed));     // "T"
    EXPECT_TRUE(areaHas(30, 2, 100, 30, colourWhite)); // "alvor"
    EXPECT_TRUE(areaHas(380, 0, 478, 14, colourRed));  // title, right-aligned
    EXPECT_TRUE(areaHas(380, 20, 478, 34, colourWhite));
    for (int16_t x : {0, 240, 479}) EXPECT_EQ(pixel(x, 40), colourWhite);
    EXPECT_EQ(pixel(240, 41), colourBlack);

    drawSetupKeys(setupKeyBack | setupKeySave);
    for (int16_t x : {74, 148, 222, 296, 371}) {
        EXPECT_EQ(pixel(x, 251), colourWhite);
        EXPECT_EQ(pixel(x, 271), colourWhite);
    }
    EXPECT_EQ(pixel(75, 260), colourBlack);
    EXPECT_TRUE(areaHas(20, 254, 52, 266, colourWhite));    // EXIT
    EXPECT_TRUE(areaHas(95, 254, 130, 266, colourWhite));   // BACK
    EXPECT_TRUE(areaHas(170, 254, 205, 266, colourWhite));  // SAVE
    EXPECT_EQ(pixel(428, 254), colourWhite);                // knob arc at 270 degrees
    EXPECT_EQ(pixel(443, 261), colourWhite);                // and at 319
    EXPECT_EQ(pixel(410, 265), colourWhite);                // left arrowhead
    EXPECT_EQ(pixel(445, 264), colourWhite);                // right arrowhead
    clearScreen();
    drawSetupKeys(0);
    EXPECT_FALSE(areaHas(95, 254, 130, 266, colourWhite));
    EXPECT_FALSE(areaHas(170, 254, 205, 266, colourWhite));

    clearScreen();
    drawPageArrowRight();
    EXPECT_EQ(pixel(315, 258), colourWhite);
    EXPECT_EQ(pixel(345, 264), colourWhite);
    EXPECT_EQ(pixel(346, 253), colourWhite);
    EXPECT_EQ(pixel(346, 269), colourWhite);
    EXPECT_EQ(pixel(354, 261), colourWhite);
    EXPECT_EQ(pixel(354, 260), colourBlack);
    EXPECT_EQ(pixel(355, 261), colourBlack);
    clearScreen();
    drawPageArrowLeft(314);
    EXPECT_EQ(pixel(314, 261), colourWhite);
    EXPECT_EQ(pixel(313, 261), colourBlack);
    EXPECT_EQ(pixel(322, 253), colourWhite);
    EXPECT_EQ(pixel(322, 269), colourWhite);
    EXPECT_EQ(pixel(353, 264), colourWhite);
    EXPECT_EQ(pixel(354, 261), colourBlack);

    clearScreen();
    drawMenuCellMarks(5);  // column 1, lower row
    int16_t x0 = 128, dy = 100;
    EXPECT_EQ(pixel(x0 + 2, 48 + dy), colourRed);
    EXPECT_EQ(pixel(x0 + 14, 49 + dy), colourRed);
    EXPECT_EQ(pixel(x0 + 15, 48 + dy), colourBlack);
    EXPECT_EQ(pixel(x0 + 94, 48 + dy), colourRed);
    EXPECT_EQ(pixel(x0 + 93, 60 + dy), colourRed);
    EXPECT_EQ(pixel(x0 + 3, 61 + dy), colourBlack);
    EXPECT_EQ(pixel(x0 + 2, 128 + dy), colourRed);
    EXPECT_EQ(pixel(x0 + 94, 140 + dy), colourRed);
    EXPECT_EQ(pixel(x0 + 50, 140 + dy), colourBlack);
    EXPECT_FALSE(areaHas(0, 0, 127, 271, colourRed));

    fillScreen(colourBlue);
    drawOverlayFrame("TIMER", "EXIT", "ON", "UP", "STOP", "RESET");
    EXPECT_EQ(pixel(10, 260), colourBlack);
    EXPECT_EQ(pixel(371, 260), colourWhite);
    EXPECT_EQ(pixel(372, 260), colourBlue);
    EXPECT_EQ(pixel(200, 250), colourWhite);
    EXPECT_EQ(pixel(148, 229), colourWhite);
    EXPECT_EQ(pixel(149, 229), colourBlue);
    EXPECT_EQ(pixel(148, 240), colourWhite);
    EXPECT_EQ(pixel(74, 240), colourBlack);  // the tab has no separator at 74
    EXPECT_EQ(pixel(74, 260), colourWhite);
    EXPECT_EQ(pixel(200, 240), colourBlue);
    EXPECT_TRUE(areaHas(50, 231, 100, 243, colourRed));  // title in the tab
}

TEST_F(Toolkit, ListRowColours) {
    // Highlighted and not editing: label and value red. Editing: label white, value red.
    listTop = 0;
    selectedRow = 0;
    clearScreen();
    drawListRow(0, "DISPLAY: ", "ON");
    EXPECT_TRUE(areaHas(100, 50, 130, 60, colourRed));
    EXPECT_FALSE(areaHas(100, 50, 130, 60, colourWhite));
    editMode = 1;
    clearScreen();
    drawListRow(0, "DISPLAY: ", "ON");
    EXPECT_TRUE(areaHas(100, 50, 130, 60, colourWhite));
    EXPECT_TRUE(areaHas(140, 50, 200, 60, colourRed));
    // Rows outside the eleven visible ones draw nothing.
    clearScreen();
    drawListRow(-1, "X", "Y");
    drawListRow(11, "X", "Y");
    EXPECT_FALSE(areaHas(0, 0, 479, 271, colourWhite));
    EXPECT_FALSE(areaHas(0, 0, 479, 271, colourRed));
    // A text row in edit mode: only the character under the cursor is red.
    clearScreen();
    editCursor = 2;
    drawTextEditRow(0, "NAME: ", "ABCDEF", 6);
    int16_t redLeft = 480, redRight = -1;
    for (int16_t y = 50; y < 62; y++)
        for (int16_t x = 100; x < 300; x++)
            if (pixel(x, y) == colourRed) {
                if (x < redLeft) redLeft = x;
                if (x > redRight) redRight = x;
            }
    EXPECT_GT(redLeft, 120);
    EXPECT_LT(redRight - redLeft, 12);
}

int32_t confirmedActions;
void confirmParentPage() { keyCode = 0; }

TEST_F(Toolkit, ConfirmationPage) {
    confirmedActions = 0;
    auto action = [] { confirmedActions++; };
    openConfirmation("EMS SETUP", "CURRENT SETUP", "ZERO CURRENT SENSOR", "ARE YOU SURE?", action, confirmParentPage, 3);
    EXPECT_EQ(currentPage, confirmationPage);
    EXPECT_EQ(selectedRow, 0);
    confirmationPage();
    EXPECT_TRUE(areaHas(155, 160, 185, 175, colourRed));    // NO
    EXPECT_FALSE(areaHas(290, 160, 330, 175, colourRed));   // YES
    bool picture = false;  // the warning picture at (45, 75)
    for (int16_t y = 75; y < 117; y++)
        for (int16_t x = 45; x < 95; x++) picture |= pixel(x, y) != colourBlack;
    EXPECT_TRUE(picture);
    press(5, confirmationPage);
    EXPECT_EQ(currentPage, confirmationPage);
    press(6, confirmationPage);  // on NO
    EXPECT_EQ(currentPage, confirmParentPage);
    EXPECT_EQ(selectedRow, 3);
    EXPECT_EQ(confirmedActions, 0);

    openConfirmation("EMS SETUP", "CURRENT SETUP", "ZERO CURRENT SENSOR", "ARE YOU SURE?", action, confirmParentPage, 3);
    press(7, confirmationPage);
    EXPECT_EQ(selectedRow, 1);
    confirmationPage();
    EXPECT_TRUE(areaHas(290, 160, 330, 175, colourRed));
    press(8, confirmationPage);
    press(8, confirmationPage);
    press(6, confirmationPage);  // on YES
    EXPECT_EQ(confirmedActions, 1);
    EXPECT_EQ(currentPage, messagePage);
    EXPECT_EQ(returnPage, confirmParentPage);
    EXPECT_EQ(selectedRow, 3);
    press(1, messagePage);
    EXPECT_EQ(currentPage, confirmParentPage);
}

TEST_F(Toolkit, DemoPageSnapshot) {
    selectedRow = 5;
    press(6);
    press(6);
    press(6);  // editing the third character of NAME
    demoFrame();
    std::string path = std::string(EFIS_BINARY_DIR) + "/toolkit_demo.png";
    ASSERT_TRUE(writeIndexedPng(path.c_str(), frameBuffer, screenWidth, screenHeight, paletteRgb.data()));
    editMode = 0;
    selectedRow = 12;
    demoFrame();
    path = std::string(EFIS_BINARY_DIR) + "/toolkit_demo_scrolled.png";
    ASSERT_TRUE(writeIndexedPng(path.c_str(), frameBuffer, screenWidth, screenHeight, paletteRgb.data()));
    selectedRow = 1;
    stepMultiplier = 10;
    tenthsFrame();
    path = std::string(EFIS_BINARY_DIR) + "/toolkit_tenths.png";
    ASSERT_TRUE(writeIndexedPng(path.c_str(), frameBuffer, screenWidth, screenHeight, paletteRgb.data()));
}

}  // namespace
