// The working state that every page names on its own (displayPage, baroSetting, headingBug, the
// fuel totals, the Hobbs and inspection timers, the serial number...) is a field of a record:
// there is one storage, the record, and these names reach it.
//
// They are macros because the fields are packed and unaligned: the compiler refuses to bind a
// reference to a multi-byte packed field, and a pointer or a reference of reduced alignment
// would hand misaligned objects to code that cannot know. A macro keeps every use a direct
// field access, which the compiler makes safe. The rule of records.h still holds: pass a copy,
// not the name itself, to anything taking a const reference (std::min(+headingBug, ...)).
//
// The price: once this header is included, these identifiers mean the fields everywhere in that
// file, in the headers included after it too. Include it after any library header (Qt's
// QSerialPortInfo has a serialNumber()) and keep it out of the Qt window's files. Write the
// names plainly (headingBug, not retainedState.headingBug) and do not reuse them for a member,
// a parameter or a local. Code that must spell the record (the field tables, the registry)
// includes records/records.h alone.
#pragma once
#include "records/records.h"

#define displayPage retainedState.displayPage
#define vfrSubView retainedState.vfrSubView
#define vfrEmsSubView retainedState.vfrEmsSubView
#define altitudeBugShown retainedState.altitudeBugShown
#define altitudeBug retainedState.altitudeBug
#define baroSetting retainedState.baroSetting
#define headingBugShown retainedState.headingBugShown
#define headingBug retainedState.headingBug
#define pitchZero retainedState.pitchZero
#define fuelTotal1 retainedState.fuelTotal1
#define fuelTotal2 retainedState.fuelTotal2
#define tank1Level retainedState.tank1Level
#define tank2Level retainedState.tank2Level
#define hobbsHundredths retainedState.hobbsHundredths
#define hobbsHours retainedState.hobbsHours
#define maintenanceMinutes retainedState.maintenanceMinutes
#define maintenanceHours retainedState.maintenanceHours
#define airframeMinutes retainedState.airframeMinutes
#define airframeHours retainedState.airframeHours

#define serialNumber calibration.serialNumber
