// Common ground for the flight-layout tests: the instruments' fixture with every data field's
// input at a quiet value (no alarm, no caution), and a check that a text stands where a field
// should draw it.
#pragma once
#include <cstring>

#include "gfx/text.h"
#include "instrument_fixture.h"

class Layouts : public Instruments {
  protected:
    void SetUp() override {
        Instruments::SetUp();
        layoutFieldsQuiet();
    }

    // Draws layout 0..4 as the main screen does.
    static void drawLayout(uint8_t layout) {
        static void (*const drawers[5])() = {drawEfisLayout, drawEfisEmsLayout, drawEfisHsiLayout, drawVfrLayout,
                                             drawVfrEmsLayout};
        displayPage = layout;
        drawers[layout]();
    }
};

// True when every pixel the text would set is in the frame in that colour: the text stands
// there, whatever lies around it. Leaves textStartX/textEndX as the text's.
inline bool textAt(int16_t x, int16_t y, const char* text, uint8_t font, uint8_t align, uint8_t colour) {
    static Frame saved;
    saveFrame(saved);
    fillScreen(0);
    drawText(x, y, text, font, align, 1);
    int16_t start = textStartX, end = textEndX;
    bool any = false, all = true;
    for (int32_t i = 0; i < frameBufferSize; i++) {
        if (frameBuffer[i] != 1) continue;
        any = true;
        if (saved.pixels[i] != colour) all = false;
    }
    std::memcpy(frameBuffer, saved.pixels, sizeof saved.pixels);
    textStartX = start;
    textEndX = end;
    return any && all;
}
