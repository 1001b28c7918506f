// The host's controls that the unit reads: check boxes and scroll bars, with their captions,
// ranges, initial positions, value labels and change handlers. Both hosts build their
// controls from this one table, so a control exists in the window exactly when the headless
// host knows it.
#pragma once
#include <cstddef>
#include <cstdint>

enum class ControlKind : uint8_t { CheckBox, ScrollBar };

// Tab pages of PageControl1.
enum : uint8_t { sheetAhrs = 0, sheetFlight = 1, sheetEms = 2, sheetGps = 3 };

struct HostControl {
    const char* name;      // control name, as the window knows it
    const char* caption;   // text shown beside it
    ControlKind kind;
    int32_t minimum;       // scroll bar range; check box 0
    int32_t maximum;       // scroll bar range; check box 1
    int32_t initial;       // initial position; check box 1 ticked, 0 not
    uint8_t sheet;         // tab page index of PageControl1
    const char* label;     // value label of a scroll bar; nullptr for a check box
    const char* group;     // group box on the sheet; nullptr when the control stands alone
    int32_t step;          // small and large step of a scroll bar; 0 for the host's own
    void (*onChange)();    // scroll bar handler, run after its position changed; check boxes have none
};

extern const HostControl hostControls[];
extern const int32_t hostControlCount;

const HostControl* findHostControl(const char* name);
// A position as the control can hold it: clamped into its range (check boxes 0 or 1).
int32_t clampToControl(const HostControl& control, int64_t position);
// The text a scroll bar's label shows for a position (most show the position itself).
void controlLabelText(const HostControl& control, int32_t position, char* out, size_t outSize);
