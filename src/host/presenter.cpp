#include "host/presenter.h"

#include "gfx/palette.h"
#include "gfx/primitives.h"

static uint32_t argbTable[256];  // presenterArgb of every palette entry, built on first use

void frameToArgb(const uint8_t* frame, uint32_t* out) {
    if (argbTable[0] == 0)
        for (int i = 0; i < 256; i++) argbTable[i] = presenterArgb(paletteRgb[i]);
    for (int32_t i = 0; i < frameBufferSize; i++) out[i] = argbTable[frame[i]];
}
