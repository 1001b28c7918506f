// The pieces every setup page is built from: title bar, list rows, scroll bar, soft-key bar
// with the knob symbol, step multiplier labels, overlay frames and menu cell marks; the shared
// editing state; a table-driven runner for the common list page; the yes/no confirmation page.
#pragma once
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "ui/page.h"

extern uint8_t listTop;          // list entry shown in the first visible row
extern uint8_t editMode;         // 1 while the highlighted row is being edited
extern uint8_t editCursor;       // character being edited in a text row
extern uint16_t stepMultiplier;  // step per knob click on numeric rows: 1, 10, 100 or 1000

constexpr uint8_t visibleRows = 11;  // list rows a setup page shows at once

// drawSetupKeys flags.
enum : uint8_t { setupKeyBack = 1, setupKeySave = 2 };

void drawTitleBar(const char* title, const char* subtitle);
void drawSetupKeys(uint8_t flags);
void drawKnobIcon();
void drawPageArrowRight();
void drawPageArrowLeft(int16_t x);
// row is the visible row (list index minus listTop); rows outside 0..10 draw nothing.
void drawListRow(int8_t row, const char* label, const char* value);
// As drawListRow; in edit mode the highlighted row shows its character at editCursor in red.
void drawTextEditRow(int8_t row, const char* label, const char* text, uint8_t length);
void drawListScrollBar(int16_t selected, int16_t count);
// row is the list index; drawn only while that row is highlighted.
void drawStepLabel(uint8_t row);
void drawStepLabelTenths(uint8_t row);
void drawStepLabelHundredths(uint8_t row);
void drawMenuCellMarks(uint8_t cell);
void drawOverlayFrame(const char* title, const char* caption1, const char* caption2, const char* caption3,
                      const char* caption4, const char* caption5);

void exitToMainScreen();
void backToMainMenu(uint8_t row);

// Key 3 on a page of whole-unit (or hundredths) steps: 1 -> 10 -> 100 -> 1000 -> 1.
void stepMultiplierNext();
// Key 3 on a page of tenths: 1 <-> 10.
void stepMultiplierTenths();

// ---- The common list page ----

enum : uint8_t {
    rowOnOff,    // toggles 0 and 1; shows "OFF"/"ON" or the row's two names
    rowChoice,   // next or previous of names[0..max - min], wrapping
    rowNumber,   // adds or subtracts the step, wrapping to the other end of min..max
    rowNumberStop,  // the same, stopping at the ends of min..max
    rowText,     // the characters of a text field, codes 32..126
    rowAction,   // a push runs the row's action; there is no edit mode
};

// How a row's value is stored. Settings records are packed: values are read and written
// through memcpy, never through a typed pointer.
enum : uint8_t { fieldU8, fieldI8, fieldU16, fieldI16, fieldU32, fieldI32, fieldText };

template <typename T>
constexpr uint8_t fieldTypeOf() {
    if constexpr (std::is_same_v<T, char>) return fieldText;
    else if constexpr (std::is_same_v<T, uint8_t>) return fieldU8;
    else if constexpr (std::is_same_v<T, int8_t>) return fieldI8;
    else if constexpr (std::is_same_v<T, uint16_t>) return fieldU16;
    else if constexpr (std::is_same_v<T, int16_t>) return fieldI16;
    else if constexpr (std::is_same_v<T, uint32_t>) return fieldU32;
    else if constexpr (std::is_same_v<T, int32_t>) return fieldI32;
    else static_assert(sizeof(T) == 0, "field type cannot be edited");
}

struct SetupField {
    void* address = nullptr;  // may be unaligned
    uint8_t type = fieldU8;   // fieldU8 .. fieldText
    uint8_t size = 0;         // bytes (the whole array for a text)
};

// A field of a packed record: SETUP_FIELD(unitSettings, vne).
#define SETUP_FIELD(record, field)                                                                   \
    SetupField {                                                                                     \
        reinterpret_cast<char*>(&record) + offsetof(std::remove_reference_t<decltype(record)>, field), \
            fieldTypeOf<std::remove_all_extents_t<decltype(record.field)>>(), (uint8_t)sizeof(record.field) \
    }
// A plain global: SETUP_VALUE(someCounter).
#define SETUP_VALUE(variable)                                                                      \
    SetupField {                                                                                   \
        (void*)&(variable), fieldTypeOf<std::remove_all_extents_t<std::remove_reference_t<decltype(variable)>>>(), \
            (uint8_t)sizeof(variable)                                                              \
    }

struct SetupRow {
    const char* label = "";           // "VNE: "; the value follows it directly
    uint8_t kind = rowAction;         // rowOnOff .. rowAction
    SetupField field = {};            // the value edited (unused by rowAction)
    int32_t min = 0;                  // numeric range, or the value of names[0]
    int32_t max = 0;                  // numeric range, the value of the last name, or a text's length
    const char* const* names = nullptr;  // choice texts; on/off rows: nullptr for "OFF"/"ON"
    uint8_t decimals = 0;             // numbers: shown in whole units (0), tenths (1) or hundredths (2)
    int32_t step = 0;                 // numbers: 0 steps by stepMultiplier, else this fixed step
    // Writes the value's text instead of the row's own formatting (units, special values).
    void (*format)(char* out, size_t size) = nullptr;
    void (*action)() = nullptr;       // rowAction: what a push does
};

struct SetupPage {
    const char* title = "";           // group title, red
    const char* subtitle = "";        // page title, white
    const SetupRow* rows = nullptr;
    uint8_t keyFlags = setupKeyBack;  // setupKeyBack, setupKeySave
    PageHandler parent = nullptr;     // BACK goes here; nullptr: the main menu
    uint8_t parentRow = 0;            // the row of this page in the parent's list
    void (*changed)() = nullptr;      // after a value changed (the page's persistence hook)
    void (*leave)() = nullptr;        // before EXIT or BACK leaves the page
    void (*save)() = nullptr;         // key 3 when the page shows SAVE
};

// One frame of a list page: title bar, rows 0..rowCount-1 of the table, scroll bar, soft keys,
// then the pending key, acted on exactly once. rowCount may be less than the table when the
// last rows are hidden.
void runSetupPage(const SetupPage& page, uint8_t rowCount);
// The value of a row's field widened to int32 (texts read 0).
int32_t readSetupField(const SetupField& field);
void writeSetupField(const SetupField& field, int32_t value);
// The text a row shows as its value.
void setupRowValueText(const SetupRow& row, char* out, size_t size);

// ---- Yes/no confirmation ----

// Opens the confirmation page: two question lines under the title bar, NO highlighted. YES runs
// the action, calls saveCalibration and shows the DONE message, which returns to the parent;
// NO goes straight back. Either way the parent's row for this action is highlighted.
void openConfirmation(const char* title, const char* subtitle, const char* line1, const char* line2,
                      void (*action)(), PageHandler parent, uint8_t parentRow);
void confirmationPage();
