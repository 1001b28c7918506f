#include "host/controls.h"

#include <cstring>

const HostControl hostControls[] = {
    {"CheckBox1", "AHRS Present", ControlKind::CheckBox, 0, 1, 1, 0},
    {"CheckBox2", "Compass Present", ControlKind::CheckBox, 0, 1, 1, 0},
    {"CheckBox3", "SD Card Mounted", ControlKind::CheckBox, 0, 1, 1, 0},
    {"CheckBox7", "Alarms Active", ControlKind::CheckBox, 0, 1, 0, 0},
    {"CheckBox5", "Calibrate", ControlKind::CheckBox, 0, 1, 0, 0},
    {"CheckBox6", "ALT Sensor", ControlKind::CheckBox, 0, 1, 1, 0},
    {"CheckBox8", "ASI Sensor", ControlKind::CheckBox, 0, 1, 1, 0},
    {"CheckBox4", "TELM On/Off", ControlKind::CheckBox, 0, 1, 1, 2},
};
const int32_t hostControlCount = (int32_t)(sizeof hostControls / sizeof hostControls[0]);

const HostControl* findHostControl(const char* name) {
    for (int32_t i = 0; i < hostControlCount; i++)
        if (std::strcmp(hostControls[i].name, name) == 0) return &hostControls[i];
    return nullptr;
}
