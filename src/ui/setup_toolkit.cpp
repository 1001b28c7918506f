#include "ui/setup_toolkit.h"

#include <cstdio>
#include <cstring>

#include "gfx/icon_data.h"
#include "gfx/mif.h"
#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "gfx/text.h"
#include "records/persistence.h"
#include "records/working_state.h"
#include "ui/fuel_arrangement.h"
#include "ui/main_menu.h"

uint8_t listTop;
uint8_t editMode;
uint8_t editCursor;
uint16_t stepMultiplier = 1;

static constexpr int16_t keyCaptionX[5] = {36, 112, 186, 260, 334};  // soft-key bar captions
static constexpr int16_t keyCaptionY = 254;

// A filled triangle as horizontal spans: for each row, the span between the leftmost and the
// rightmost crossing of its three edges.
static void fillTriangle(int16_t x0, int16_t y0, int16_t x1, int16_t y1, int16_t x2, int16_t y2, uint8_t colour) {
    const int16_t xs[3] = {x0, x1, x2}, ys[3] = {y0, y1, y2};
    int16_t top = y0, bottom = y0;
    for (int16_t y : ys) {
        if (y < top) top = y;
        if (y > bottom) bottom = y;
    }
    for (int32_t y = top; y <= bottom; y++) {
        int32_t left = 32767, right = -32768;
        for (int32_t e = 0; e < 3; e++) {
            int32_t ax = xs[e], ay = ys[e], bx = xs[(e + 1) % 3], by = ys[(e + 1) % 3];
            if (y < (ay < by ? ay : by) || y > (ay > by ? ay : by)) continue;
            if (ay == by) {
                if (ax < left) left = ax;
                if (bx < left) left = bx;
                if (ax > right) right = ax;
                if (bx > right) right = bx;
                continue;
            }
            // Rounded crossing of the edge with row y.
            int32_t num = 2 * (y - ay) * (bx - ax), den = 2 * (by - ay);
            if (den < 0) num = -num, den = -den;
            int32_t x = ax + (num >= 0 ? (num + den / 2) / den : -((-num + den / 2) / den));
            if (x < left) left = x;
            if (x > right) right = x;
        }
        if (left <= right) drawHSpan((int16_t)left, (int16_t)right, (int16_t)y, colour);
    }
}

void drawTitleBar(const char* title, const char* subtitle) {
    clearScreen();
    drawText(5, 2, "T", 20, 1, colourRed);
    drawText(30, 2, "alvor", 20, 1, colourWhite);
    drawText(478, 0, title, 10, 2, colourRed);
    drawText(478, 20, subtitle, 10, 2, colourWhite);
    drawHSpan(0, screenWidth - 1, 40, colourWhite);
}

void drawKnobIcon() {
    drawArcDots(428, 274, 20, 220, 320, colourWhite);
    fillTriangle(408, 259, 418, 264, 410, 268, colourWhite);
    fillTriangle(438, 264, 448, 259, 446, 268, colourWhite);
}

void drawSetupKeys(uint8_t flags) {
    drawHSpan(0, screenWidth - 1, 250, colourWhite);
    for (int16_t x : {74, 148, 222, 296, 371}) drawVSpan(250, screenHeight - 1, x, colourWhite);
    drawText(keyCaptionX[0], keyCaptionY, "EXIT", 8, 0, colourWhite);
    drawKnobIcon();
    if (flags & setupKeyBack) drawText(keyCaptionX[1], keyCaptionY, "BACK", 8, 0, colourWhite);
    if (flags & setupKeySave) drawText(keyCaptionX[2], keyCaptionY, "SAVE", 8, 0, colourWhite);
}

void drawPageArrowRight() {
    fillBox(315, 258, 345, 264, colourWhite);
    for (int16_t k = 0; k <= 8; k++) drawVSpan((int16_t)(253 + k), (int16_t)(269 - k), (int16_t)(346 + k), colourWhite);
}

void drawPageArrowLeft(int16_t x) {
    for (int16_t k = 0; k <= 8; k++) drawVSpan((int16_t)(261 - k), (int16_t)(261 + k), (int16_t)(x + k), colourWhite);
    fillBox((int16_t)(x + 9), 258, (int16_t)(x + 39), 264, colourWhite);
}

static bool rowHighlighted(int8_t row) { return listTop + row == selectedRow; }

void drawListRow(int8_t row, const char* label, const char* value) {
    if (row < 0 || row >= (int8_t)visibleRows) return;
    int16_t y = (int16_t)(50 + 18 * row);
    bool highlighted = rowHighlighted(row);
    drawText(100, y, label, 8, 1, highlighted && editMode == 0 ? colourRed : colourWhite);
    drawText(textEndX, y, value, 8, 1, highlighted ? colourRed : colourWhite);
}

void drawTextEditRow(int8_t row, const char* label, const char* text, uint8_t length) {
    if (row < 0 || row >= (int8_t)visibleRows) return;
    int16_t y = (int16_t)(50 + 18 * row);
    bool highlighted = rowHighlighted(row);
    drawText(100, y, label, 8, 1, highlighted && editMode == 0 ? colourRed : colourWhite);
    int16_t valueX = textEndX;
    drawText(valueX, y, text, 8, 1, highlighted ? colourRed : colourWhite);
    if (!highlighted || editMode != 1) return;
    // Again one character at a time, so that the one under the cursor stands out.
    int16_t x = valueX;
    for (uint8_t i = 0; i < length && text[i] != 0; i++) {
        const char one[2] = {text[i], 0};
        drawText(x, y, one, 8, 1, i == editCursor ? colourRed : colourWhite);
        x = textEndX;
    }
}

void drawListScrollBar(int16_t selected, int16_t count) {
    drawVSpan(45, 245, 470, colourWhite);
    if (count <= 0) return;
    if (selected < 0) selected = 0;
    if (selected >= count) selected = (int16_t)(count - 1);
    int32_t step = 2000 / count;
    int32_t top = (step * selected + 450) / 10;
    int32_t bottom = top + step / 10;
    fillBox(465, (int16_t)top, 475, (int16_t)bottom, colourWhite);
}

static void drawStepCaption(const char* text) { drawText(keyCaptionX[2], keyCaptionY, text, 8, 0, colourWhite); }

void drawStepLabel(uint8_t row) {
    if (row != selectedRow) return;
    switch (stepMultiplier) {
    case 10: drawStepCaption("X10"); break;
    case 100: drawStepCaption("X100"); break;
    case 1000: drawStepCaption("X1000"); break;
    default:
        stepMultiplier = 1;
        drawStepCaption("X1");
        break;
    }
}

void drawStepLabelTenths(uint8_t row) {
    if (row != selectedRow) return;
    switch (stepMultiplier) {
    case 1: drawStepCaption("X0.1"); break;
    case 10: drawStepCaption("X1.0"); break;
    case 100: drawStepCaption("X10.0"); break;
    default: stepMultiplier = 1; break;
    }
}

void drawStepLabelHundredths(uint8_t row) {
    if (row != selectedRow) return;
    switch (stepMultiplier) {
    case 1: drawStepCaption("X0.01"); break;
    case 10: drawStepCaption("X0.1"); break;
    case 100: drawStepCaption("X1.0"); break;
    case 1000: drawStepCaption("X10.0"); break;
    default: stepMultiplier = 1; break;
    }
}

void drawMenuCellMarks(uint8_t cell) {
    if (cell > 7) return;
    int16_t x0 = (int16_t)(128 * (cell % 4));
    int16_t dy = cell < 4 ? 0 : 100;
    for (int16_t x : {(int16_t)(x0 + 2), (int16_t)(x0 + 82)}) {
        fillBox(x, (int16_t)(48 + dy), (int16_t)(x + 12), (int16_t)(49 + dy), colourRed);
        fillBox(x, (int16_t)(139 + dy), (int16_t)(x + 12), (int16_t)(140 + dy), colourRed);
    }
    for (int16_t x : {(int16_t)(x0 + 2), (int16_t)(x0 + 93)}) {
        fillBox(x, (int16_t)(50 + dy), (int16_t)(x + 1), (int16_t)(60 + dy), colourRed);
        fillBox(x, (int16_t)(128 + dy), (int16_t)(x + 1), (int16_t)(138 + dy), colourRed);
    }
}

void drawOverlayFrame(const char* title, const char* caption1, const char* caption2, const char* caption3,
                      const char* caption4, const char* caption5) {
    fillBox(0, 250, 370, 271, colourBlack);
    drawHSpan(0, 371, 250, colourWhite);
    drawVSpan(250, 271, 371, colourWhite);
    fillBox(0, 230, 148, 249, colourBlack);
    drawHSpan(0, 148, 229, colourWhite);
    drawVSpan(250, 271, 74, colourWhite);
    drawVSpan(230, 271, 148, colourWhite);
    drawVSpan(250, 271, 222, colourWhite);
    drawVSpan(250, 271, 296, colourWhite);
    drawText(74, 231, title, 8, 0, colourRed);
    const char* captions[5] = {caption1, caption2, caption3, caption4, caption5};
    static constexpr int16_t captionX[5] = {37, 112, 186, 260, 334};
    for (int32_t i = 0; i < 5; i++) drawText(captionX[i], 254, captions[i], 8, 0, colourWhite);
}

void exitToMainScreen() {
    currentPage = mainScreenPage;
    overlayCountdown = 0;
    editMode = 0;
    listTop = 0;
    // The waypoint pages' route-edit mode is cleared here too, once the route pages exist.
    deriveFuelArrangement();
    saveSettings();
}

void backToMainMenu(uint8_t row) {
    selectedRow = row;
    currentPage = mainMenuPage;
    stepMultiplier = 1;
    editMode = 0;
}

void stepMultiplierNext() {
    switch (stepMultiplier) {
    case 1: stepMultiplier = 10; break;
    case 10: stepMultiplier = 100; break;
    case 100: stepMultiplier = 1000; break;
    default: stepMultiplier = 1; break;
    }
}

void stepMultiplierTenths() { stepMultiplier = stepMultiplier == 1 ? 10 : 1; }

// ---- The common list page ----

int32_t readSetupField(const SetupField& field) {
    if (!field.address) return 0;
    switch (field.type) {
    case fieldU8: { uint8_t v; std::memcpy(&v, field.address, 1); return v; }
    case fieldI8: { int8_t v; std::memcpy(&v, field.address, 1); return v; }
    case fieldU16: { uint16_t v; std::memcpy(&v, field.address, 2); return v; }
    case fieldI16: { int16_t v; std::memcpy(&v, field.address, 2); return v; }
    case fieldU32: {
        uint32_t v;
        std::memcpy(&v, field.address, 4);
        return v > 0x7FFFFFFFu ? 0x7FFFFFFF : (int32_t)v;
    }
    case fieldI32: { int32_t v; std::memcpy(&v, field.address, 4); return v; }
    default: return 0;
    }
}

void writeSetupField(const SetupField& field, int32_t value) {
    if (!field.address) return;
    switch (field.type) {
    case fieldU8: { uint8_t v = (uint8_t)value; std::memcpy(field.address, &v, 1); break; }
    case fieldI8: { int8_t v = (int8_t)value; std::memcpy(field.address, &v, 1); break; }
    case fieldU16: { uint16_t v = (uint16_t)value; std::memcpy(field.address, &v, 2); break; }
    case fieldI16: { int16_t v = (int16_t)value; std::memcpy(field.address, &v, 2); break; }
    case fieldU32: { uint32_t v = (uint32_t)value; std::memcpy(field.address, &v, 4); break; }
    case fieldI32: std::memcpy(field.address, &value, 4); break;
    default: break;
    }
}

static bool isNumeric(const SetupRow& row) { return row.kind == rowNumber || row.kind == rowNumberStop; }
// Numeric rows that take the step multiplier (rather than a fixed step).
static bool takesMultiplier(const SetupRow& row) { return isNumeric(row) && row.step == 0; }

// Characters a text row edits: its length, kept inside the field so that the terminator in the
// field's last byte is never overwritten.
static uint8_t textLength(const SetupRow& row) {
    if (!row.field.address || row.field.type != fieldText || row.field.size == 0) return 0;
    int32_t length = row.max;
    if (length > row.field.size - 1) length = row.field.size - 1;
    return length < 0 ? 0 : (uint8_t)length;
}

void setupRowValueText(const SetupRow& row, char* out, size_t size) {
    if (size == 0) return;
    out[0] = 0;
    if (row.format) {
        row.format(out, size);
        return;
    }
    int32_t v = readSetupField(row.field);
    switch (row.kind) {
    case rowOnOff:
        std::snprintf(out, size, "%s", row.names ? row.names[v != 0] : (v != 0 ? "ON" : "OFF"));
        break;
    case rowChoice: {
        int64_t index = (int64_t)v - row.min;
        bool known = row.names && index >= 0 && index <= (int64_t)row.max - row.min;
        std::snprintf(out, size, "%s", known ? row.names[index] : "?");
        break;
    }
    case rowNumber:
    case rowNumberStop:
        if (row.decimals == 1) std::snprintf(out, size, "%.1f", v / 10.0);
        else if (row.decimals == 2) std::snprintf(out, size, "%.2f", v / 100.0);
        else std::snprintf(out, size, "%ld", (long)v);
        break;
    case rowText: {
        uint8_t length = textLength(row);
        size_t n = 0;
        const char* text = (const char*)row.field.address;
        while (n < length && n + 1 < size && text[n] != 0) {
            out[n] = text[n];
            n++;
        }
        out[n] = 0;
        break;
    }
    default: break;
    }
}

// A knob click on a numeric row: computed wide, then wrapped or stopped, then stored, so that a
// big step cannot wrap in the field's own width before the range test.
static void stepNumber(const SetupRow& row, int32_t direction) {
    int64_t step = row.step != 0 ? row.step : stepMultiplier;
    int64_t result = (int64_t)readSetupField(row.field) + direction * step;
    if (row.kind == rowNumberStop) {
        if (result > row.max) result = row.max;
        if (result < row.min) result = row.min;
    } else {
        if (result > row.max) result = row.min;
        else if (result < row.min) result = row.max;
    }
    writeSetupField(row.field, (int32_t)result);
}

static void stepText(const SetupRow& row, int32_t direction) {
    uint8_t length = textLength(row);
    if (length == 0) return;
    if (editCursor >= length) editCursor = (uint8_t)(length - 1);
    char* text = (char*)row.field.address;
    // A shorter text grows with spaces up to the cursor, so that it stays one string.
    for (uint8_t i = 0; i < editCursor; i++)
        if (text[i] == 0) text[i] = ' ';
    uint8_t c = (uint8_t)text[editCursor];
    if (c < 32 || c > 126) c = direction > 0 ? 32 : 126;
    else if (direction > 0) c = c == 126 ? 32 : (uint8_t)(c + 1);
    else c = c == 32 ? 126 : (uint8_t)(c - 1);
    text[editCursor] = (char)c;
}

// The edit handler of the highlighted row, for key 6 and, in edit mode, keys 7 and 8.
static void editRow(const SetupPage& page, const SetupRow& row, uint8_t key) {
    if (key == 6) {
        if (row.kind == rowAction) {
            if (row.action) row.action();
        } else if (editMode == 0) {
            editMode = 1;
            editCursor = 0;
        } else if (row.kind == rowText && editCursor + 1 < textLength(row)) {
            editCursor++;
        } else {
            editMode = 0;
        }
        return;
    }
    int32_t direction = key == 7 ? 1 : -1;
    switch (row.kind) {
    case rowOnOff: writeSetupField(row.field, readSetupField(row.field) == 0 ? 1 : 0); break;
    case rowChoice: {
        int64_t v = (int64_t)readSetupField(row.field) + direction;
        if (v > row.max) v = row.min;
        else if (v < row.min) v = row.max;
        writeSetupField(row.field, (int32_t)v);
        break;
    }
    case rowNumber:
    case rowNumberStop: stepNumber(row, direction); break;
    case rowText: stepText(row, direction); break;
    default: return;
    }
    if (page.changed) page.changed();
}

static void multiplierKey(const SetupPage& page, uint8_t rowCount) {
    bool numeric = false, tenths = false;
    for (uint8_t i = 0; i < rowCount; i++) {
        if (!takesMultiplier(page.rows[i])) continue;
        numeric = true;
        if (page.rows[i].decimals == 1) tenths = true;
    }
    if (!numeric) return;
    const SetupRow& row = page.rows[selectedRow];
    if (takesMultiplier(row)) {
        if (row.decimals == 1) stepMultiplierTenths();
        else stepMultiplierNext();
    } else if (!tenths) {
        stepMultiplierNext();
    }
}

static void leavePage(const SetupPage& page) {
    editMode = 0;
    if (page.leave) page.leave();
}

void runSetupPage(const SetupPage& page, uint8_t rowCount) {
    // 1. Title bar.
    drawTitleBar(page.title, page.subtitle);

    // 2. Highlight kept on the list, first visible row.
    if (rowCount == 0) selectedRow = 0;
    else if (selectedRow >= rowCount) selectedRow = (uint8_t)(rowCount - 1);
    listTop = rowCount > visibleRows && selectedRow >= visibleRows ? (uint8_t)(selectedRow - (visibleRows - 1)) : 0;
    if (rowCount > 0 && page.rows[selectedRow].kind == rowAction) editMode = 0;

    // 3. The rows and the step label of the highlighted numeric row.
    for (uint8_t i = 0; i < rowCount; i++) {
        const SetupRow& row = page.rows[i];
        int32_t visible = i - listTop;
        if (visible >= 0 && visible < visibleRows) {
            char value[64];
            setupRowValueText(row, value, sizeof value);
            if (row.kind == rowText) drawTextEditRow((int8_t)visible, row.label, value, textLength(row));
            else drawListRow((int8_t)visible, row.label, value);
        }
        if (takesMultiplier(row)) {
            if (row.decimals == 1) drawStepLabelTenths(i);
            else if (row.decimals == 2) drawStepLabelHundredths(i);
            else drawStepLabel(i);
        }
    }

    // 4-5. Scroll bar and soft keys.
    drawListScrollBar(selectedRow, rowCount);
    drawSetupKeys(page.keyFlags);

    // 6. The key, acted on once.
    uint8_t key = keyCode;
    keyCode = 0;
    switch (key) {
    case 1:
        leavePage(page);
        exitToMainScreen();
        break;
    case 2:
        if (!(page.keyFlags & setupKeyBack)) break;
        leavePage(page);
        if (page.parent) {
            selectedRow = page.parentRow;
            currentPage = page.parent;
        } else {
            backToMainMenu(page.parentRow);
        }
        break;
    case 3:
        if (page.keyFlags & setupKeySave) {
            if (page.save) page.save();
        } else if (rowCount > 0) {
            multiplierKey(page, rowCount);
        }
        break;
    case 6:
        if (rowCount > 0) editRow(page, page.rows[selectedRow], 6);
        break;
    case 7:
    case 8:
        if (rowCount == 0) break;
        if (editMode == 1) editRow(page, page.rows[selectedRow], key);
        else if (key == 7) selectedRow = selectedRow + 1 >= rowCount ? 0 : (uint8_t)(selectedRow + 1);
        else selectedRow = selectedRow == 0 ? (uint8_t)(rowCount - 1) : (uint8_t)(selectedRow - 1);
        break;
    default: break;
    }
}

// ---- Yes/no confirmation ----

static const char* confirmTitle = "";
static const char* confirmSubtitle = "";
static const char* confirmLine1 = "";
static const char* confirmLine2 = "";
static void (*confirmAction)() = nullptr;
static PageHandler confirmParent = mainScreenPage;
static uint8_t confirmParentRow = 0;

void openConfirmation(const char* title, const char* subtitle, const char* line1, const char* line2,
                      void (*action)(), PageHandler parent, uint8_t parentRow) {
    confirmTitle = title ? title : "";
    confirmSubtitle = subtitle ? subtitle : "";
    confirmLine1 = line1 ? line1 : "";
    confirmLine2 = line2 ? line2 : "";
    confirmAction = action;
    confirmParent = parent ? parent : mainScreenPage;
    confirmParentRow = parentRow;
    selectedRow = 0;
    editMode = 0;
    currentPage = confirmationPage;
}

void confirmationPage() {
    drawTitleBar(confirmTitle, confirmSubtitle);
    drawText(260, 80, confirmLine1, 10, 0, colourWhite);
    drawText(260, 100, confirmLine2, 10, 0, colourWhite);
    drawMifImage(45, 75, &iconWarning);
    drawText(170, 160, "NO", 10, 0, selectedRow == 1 ? colourWhite : colourRed);
    drawText(310, 160, "YES", 10, 0, selectedRow == 1 ? colourRed : colourWhite);
    switch (keyCode) {
    case 7:
    case 8: selectedRow = selectedRow == 1 ? 0 : 1; break;
    case 6:
        if (selectedRow == 1) {
            if (confirmAction) confirmAction();
            saveCalibration();
            returnPage = confirmParent;
            currentPage = messagePage;
        } else {
            currentPage = confirmParent;
        }
        selectedRow = confirmParentRow;
        break;
    default: break;
    }
    keyCode = 0;
}
