#include "host/controls.h"

#include <cstdio>
#include <cstring>

#include "host/sensor_panel.h"

namespace {
constexpr ControlKind box = ControlKind::CheckBox;
constexpr ControlKind bar = ControlKind::ScrollBar;
}  // namespace

const HostControl hostControls[] = {
    // AHRS&Compass: attitude, G and heading inputs, host state check boxes.
    {"ScrollBar1", "Pitch:", bar, -90, 90, 0, sheetAhrs, "Label3", nullptr, 0, ScrollBar1Change},
    {"ScrollBar2", "Bank:", bar, -180, 180, 0, sheetAhrs, "Label4", nullptr, 0, ScrollBar2Change},
    {"ScrollBar3", "Slip:", bar, -150, 150, 0, sheetAhrs, "Label6", nullptr, 0, ScrollBar3Change},
    {"ScrollBar4", "Turn:", bar, -1790, 1800, 0, sheetAhrs, "Label7", nullptr, 0, ScrollBar4Change},
    {"ScrollBar6", "G-Force:", bar, -150, 150, 0, sheetAhrs, "Label12", nullptr, 0, ScrollBar6Change},
    {"ScrollBar5", "Heading:", bar, 0, 359, 0, sheetAhrs, "Label10", nullptr, 0, ScrollBar5Change},
    {"CheckBox1", "AHRS Present", box, 0, 1, 1, sheetAhrs, nullptr, nullptr, 0, nullptr},
    {"CheckBox2", "Compass Present", box, 0, 1, 1, sheetAhrs, nullptr, nullptr, 0, nullptr},
    {"CheckBox3", "SD Card Mounted", box, 0, 1, 1, sheetAhrs, nullptr, nullptr, 0, nullptr},
    {"CheckBox7", "Alarms Active", box, 0, 1, 0, sheetAhrs, nullptr, nullptr, 0, nullptr},
    {"CheckBox5", "Calibrate", box, 0, 1, 0, sheetAhrs, nullptr, nullptr, 0, nullptr},
    {"CheckBox6", "ALT Sensor", box, 0, 1, 1, sheetAhrs, nullptr, nullptr, 0, nullptr},
    {"CheckBox8", "ASI Sensor", box, 0, 1, 1, sheetAhrs, nullptr, nullptr, 0, nullptr},

    // Flight Instruments/GPS: air data and the simulated GPS receiver.
    {"ScrollBar7", "Altitude (ft):", bar, -2000, 30000, 0, sheetFlight, "Label20", nullptr, 0, ScrollBar7Change},
    {"ScrollBar8", "ASI:", bar, 0, 350, 0, sheetFlight, "Label21", nullptr, 0, ScrollBar8Change},
    {"ScrollBar9", "VSI:", bar, -9999, 9999, 0, sheetFlight, "Label22", nullptr, 0, ScrollBar9Change},
    {"ScrollBar35", "Fix:", bar, 0, 3, 0, sheetFlight, "Label70", "GPS", 0, ScrollBar35Change},
    {"ScrollBar36", "Ground Speed:", bar, 0, 12000, 0, sheetFlight, "Label72", "GPS", 0, ScrollBar36Change},
    {"ScrollBar37", "Track:", bar, 0, 36000000, 0, sheetFlight, "Label74", "GPS", 10000, ScrollBar37Change},
    {"ScrollBar39", "Latitude:", bar, -90000, 90000, 0, sheetFlight, "Label79", "GPS", 0, ScrollBar39Change},
    {"ScrollBar40", "Longitude:", bar, -180000, 180000, 0, sheetFlight, "Label80", "GPS", 0, ScrollBar40Change},

    // EMS: raw engine inputs in sensor units.
    {"ScrollBar11", "OAT:", bar, 0, 4095, 0, sheetEms, "Label19", "Miscellaneous", 0, ScrollBar11Change},
    {"ScrollBar33", "MAP:", bar, 0, 4095, 0, sheetEms, "Label59", "Miscellaneous", 0, ScrollBar33Change},
    {"ScrollBar24", "RPM:", bar, 1, 31000, 31000, sheetEms, "Label48", "Miscellaneous", 0, ScrollBar24Change},
    {"ScrollBar34", "Rotor:", bar, 1, 99999, 1, sheetEms, "Label68", "Miscellaneous", 0, ScrollBar34Change},
    {"ScrollBar10", "Volts:", bar, 0, 4095, 0, sheetEms, "Label17", "Power", 0, ScrollBar10Change},
    {"ScrollBar42", "Current:", bar, 0, 4095, 0, sheetEms, "Label84", "Power", 0, ScrollBar42Change},
    {"ScrollBar12", "TC1", bar, -200, 1200, 0, sheetEms, "Label35", "Thermocouples", 0, ScrollBar12Change},
    {"ScrollBar13", "TC2", bar, -200, 1200, 0, sheetEms, "Label36", "Thermocouples", 0, ScrollBar13Change},
    {"ScrollBar14", "TC3", bar, -200, 1200, 0, sheetEms, "Label37", "Thermocouples", 0, ScrollBar14Change},
    {"ScrollBar15", "TC4", bar, -200, 1200, 0, sheetEms, "Label38", "Thermocouples", 0, ScrollBar15Change},
    {"ScrollBar16", "TC5", bar, -200, 1200, 0, sheetEms, "Label39", "Thermocouples", 0, ScrollBar16Change},
    {"ScrollBar17", "TC6", bar, -200, 1200, 0, sheetEms, "Label40", "Thermocouples", 0, ScrollBar17Change},
    {"ScrollBar18", "TC7", bar, -200, 1200, 0, sheetEms, "Label41", "Thermocouples", 0, ScrollBar18Change},
    {"ScrollBar19", "TC8", bar, -200, 1200, 0, sheetEms, "Label42", "Thermocouples", 0, ScrollBar19Change},
    {"ScrollBar20", "TC9", bar, -200, 1200, 0, sheetEms, "Label43", "Thermocouples", 0, ScrollBar20Change},
    {"ScrollBar21", "TC10", bar, -200, 1200, 0, sheetEms, "Label44", "Thermocouples", 0, ScrollBar21Change},
    {"ScrollBar22", "TC11", bar, -200, 1200, 0, sheetEms, "Label45", "Thermocouples", 0, ScrollBar22Change},
    {"ScrollBar23", "TC12", bar, -200, 1200, 0, sheetEms, "Label46", "Thermocouples", 0, ScrollBar23Change},
    {"ScrollBar38", "CJC:", bar, 0, 4096, 2240, sheetEms, "Label75", "Thermocouples", 0, ScrollBar38Change},
    {"ScrollBar29", "Fuel Flow1:", bar, 0, 65535, 0, sheetEms, "Label57", "Fuel", 0, ScrollBar29Change},
    {"ScrollBar31", "Fuel Flow2:", bar, 0, 65535, 0, sheetEms, "Label62", "Fuel", 0, ScrollBar31Change},
    {"ScrollBar30", "Fuel Level1:", bar, 0, 4095, 0, sheetEms, "Label60", "Fuel", 0, ScrollBar30Change},
    {"ScrollBar32", "Fuel Level2:", bar, 0, 4095, 0, sheetEms, "Label61", "Fuel", 0, ScrollBar32Change},
    {"ScrollBar43", "Fuel Pressure:", bar, 0, 4095, 0, sheetEms, "Label86", "Fuel", 0, ScrollBar43Change},
    {"ScrollBar25", "Input 1:", bar, 0, 4095, 0, sheetEms, "Label63", "Analog Inputs", 0, ScrollBar25Change},
    {"ScrollBar26", "Input 2:", bar, 0, 4095, 0, sheetEms, "Label64", "Analog Inputs", 0, ScrollBar26Change},
    {"ScrollBar27", "Input 3:", bar, 0, 4095, 0, sheetEms, "Label65", "Analog Inputs", 0, ScrollBar27Change},
    {"ScrollBar28", "Input 4:", bar, 0, 4095, 0, sheetEms, "Label66", "Analog Inputs", 0, ScrollBar28Change},
    {"CheckBox4", "TELM On/Off", box, 0, 1, 1, sheetEms, nullptr, nullptr, 0, nullptr},
};
const int32_t hostControlCount = (int32_t)(sizeof hostControls / sizeof hostControls[0]);

const HostControl* findHostControl(const char* name) {
    if (!name) return nullptr;
    for (int32_t i = 0; i < hostControlCount; i++)
        if (std::strcmp(hostControls[i].name, name) == 0) return &hostControls[i];
    return nullptr;
}

int32_t clampToControl(const HostControl& control, int64_t position) {
    if (position < control.minimum) return control.minimum;
    if (position > control.maximum) return control.maximum;
    return (int32_t)position;
}

void controlLabelText(const HostControl& control, int32_t position, char* out, size_t outSize) {
    if (!out || outSize == 0) return;
    if (control.onChange == ScrollBar37Change) {
        // Track in 1/100000 degree, shown in whole degrees; a full turn reads 0.
        int32_t degrees = position / 100000;
        if (degrees == 360) degrees = 0;
        std::snprintf(out, outSize, "%ld", (long)degrees);
        return;
    }
    std::snprintf(out, outSize, "%ld", (long)position);
}
