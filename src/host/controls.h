// The host's controls that the unit reads: check boxes and scroll bars, with their captions,
// ranges and initial positions. Both hosts build their controls from this one table.
#pragma once
#include <cstdint>

enum class ControlKind : uint8_t { CheckBox, ScrollBar };

struct HostControl {
    const char* name;     // control name, as the window knows it
    const char* caption;  // text shown beside it
    ControlKind kind;
    int32_t minimum;      // scroll bar range; check box 0
    int32_t maximum;      // scroll bar range; check box 1
    int32_t initial;      // initial position; check box 1 ticked, 0 not
    uint8_t sheet;        // tab page index of PageControl1
};

extern const HostControl hostControls[];
extern const int32_t hostControlCount;

const HostControl* findHostControl(const char* name);
