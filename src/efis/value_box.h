// How a readout shows its limits: beyond an alarm limit it stands on a red box that flashes with
// the fast blink, beyond a caution limit on a steady yellow box.
#pragma once
#include <cstddef>
#include <cstdint>

enum : uint8_t { valueNormal = 0, valueCaution = 1, valueAlarm = 2 };

// Where the box lies around the text just drawn: columns textStartX - left .. textEndX - right,
// rows top .. bottom.
struct ValueBox {
    int16_t top;
    int16_t bottom;
    int8_t left;
    int8_t right;
};

// The box of the data fields: (textStartX - 2, y + 1) to (textEndX, y + height).
constexpr ValueBox fieldBox(int16_t y, int16_t height) {
    return ValueBox{(int16_t)(y + 1), (int16_t)(y + height), 2, 0};
}

// valueAlarm outside low..high alarm limits, else valueCaution outside the caution limits.
uint8_t limitState(int32_t value, int32_t lowAlarm, int32_t highAlarm, int32_t lowCaution, int32_t highCaution);

// Draws the text in white; then, for a caution, on a yellow box in black, and for an alarm
// while the fast blink is 1, on a red box in white. textStartX and textEndX are the text's.
void drawBoxedValue(int16_t x, int16_t y, const char* text, uint8_t font, uint8_t align, uint8_t state,
                    const ValueBox& box);
// The same with a text field that may fill its size without a terminator.
void drawBoxedField(int16_t x, int16_t y, const char* text, size_t fieldSize, uint8_t font, uint8_t align,
                    uint8_t state, const ValueBox& box);
