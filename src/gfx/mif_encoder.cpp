#include "gfx/mif_encoder.h"

#include <cstddef>

#include "gfx/mif.h"
#include "gfx/palette.h"

uint8_t nearestPaletteIndex(uint32_t rgb) {
    int32_t r = (int32_t)(rgb >> 16 & 0xFF), g = (int32_t)(rgb >> 8 & 0xFF), b = (int32_t)(rgb & 0xFF);
    int32_t best = 0;
    int64_t bestDistance = -1;
    for (int32_t i = 0; i < 255; i++) {
        uint32_t c = paletteRgb[(std::size_t)i];
        int32_t dr = (int32_t)(c >> 16 & 0xFF) - r, dg = (int32_t)(c >> 8 & 0xFF) - g, db = (int32_t)(c & 0xFF) - b;
        int64_t d = 2 * dr * dr + 4 * dg * dg + 3 * db * db;
        if (bestDistance < 0 || d < bestDistance) {
            best = i;
            bestDistance = d;
            if (d == 0) break;
        }
    }
    return (uint8_t)best;
}

int32_t mifEncodedLimit(int32_t width, int32_t height) {
    if (width < 1 || width > mifMaxWidth || height < 1 || height > mifMaxHeight) return 0;
    // All literals: one control byte per 127 pixels.
    return mifHeaderSize + height * (width + (width + 126) / 127);
}

int32_t encodeMif(const uint8_t* pixels, int32_t width, int32_t height, uint8_t* out, int32_t outSize) {
    if (!pixels || !out || mifEncodedLimit(width, height) == 0 || outSize < mifHeaderSize) return -1;
    int32_t n = 0;
    out[n++] = (uint8_t)width;
    out[n++] = (uint8_t)(width >> 8);
    out[n++] = (uint8_t)height;
    out[n++] = (uint8_t)(height >> 8);
    for (int32_t y = 0; y < height; y++) {
        const uint8_t* row = pixels + (int64_t)y * width;
        int32_t literalStart = -1;  // x of the open literal's first pixel, -1 when none is open
        auto closeLiteral = [&](int32_t end) {
            if (literalStart < 0) return true;
            int32_t count = end - literalStart;
            if (n + 1 + count > outSize) return false;
            out[n++] = (uint8_t)count;
            for (int32_t i = literalStart; i < end; i++) out[n++] = row[i];
            literalStart = -1;
            return true;
        };
        int32_t x = 0;
        while (x < width) {
            int32_t run = 1;
            while (x + run < width && run < 127 && row[x + run] == row[x]) run++;
            // A pair is worth a run only when it does not split a literal.
            if (run >= 3 || (run == 2 && literalStart < 0)) {
                if (!closeLiteral(x) || n + 2 > outSize) return -1;
                out[n++] = (uint8_t)(0x80 | run);
                out[n++] = row[x];
                x += run;
                continue;
            }
            if (literalStart < 0) literalStart = x;
            x += run;
            if (x - literalStart >= 127) {
                int32_t end = literalStart + 127;
                if (!closeLiteral(end)) return -1;
                x = end;
            }
        }
        if (!closeLiteral(width)) return -1;
    }
    return n;
}
