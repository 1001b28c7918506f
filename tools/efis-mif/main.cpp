// efis-mif: converts pictures between PNG and the unit's MIF format, so that pilots can put their
// own splash and information pictures on the card.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "gfx/icon_data.h"
#include "gfx/mif.h"
#include "gfx/mif_encoder.h"
#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "host/headless/png_writer.h"
#include "png_input.h"

namespace {

const char* usage =
    "usage: efis-mif encode IN.png OUT.MIF   picture (at most 480 x 272) to the unit's format\n"
    "       efis-mif decode IN.MIF OUT.png   the unit's picture back to PNG\n"
    "       efis-mif icons OUT.png           sheet of the pictures built into the unit\n";

int fail(const char* file, const std::string& reason) {
    std::fprintf(stderr, "efis-mif: %s: %s\n", file, reason.c_str());
    return 1;
}

int encode(const char* in, const char* out) {
    std::vector<uint32_t> rgb;
    int32_t w = 0, h = 0;
    std::string error;
    if (!readPngRgb(in, mifMaxWidth, mifMaxHeight, rgb, w, h, error)) return fail(in, error);
    if (w < 1 || h < 1) return fail(in, "the picture has no pixels");
    // Pictures repeat few colours: remember the last match.
    std::vector<uint8_t> indices(rgb.size());
    uint32_t lastRgb = 0;
    uint8_t lastIndex = nearestPaletteIndex(0);
    for (size_t i = 0; i < rgb.size(); i++) {
        if (rgb[i] != lastRgb) {
            lastRgb = rgb[i];
            lastIndex = nearestPaletteIndex(lastRgb);
        }
        indices[i] = lastIndex;
    }
    std::vector<uint8_t> mif((size_t)mifEncodedLimit(w, h));
    int32_t n = encodeMif(indices.data(), w, h, mif.data(), (int32_t)mif.size());
    if (n < 0) return fail(in, "cannot code the picture");
    FILE* f = std::fopen(out, "wb");
    if (!f) return fail(out, std::string("cannot write: ") + std::strerror(errno));
    bool ok = std::fwrite(mif.data(), 1, (size_t)n, f) == (size_t)n;
    if (std::fclose(f) != 0 || !ok) {
        std::remove(out);
        return fail(out, "cannot write");
    }
    return 0;
}

int decode(const char* in, const char* out) {
    // The card loader itself, so the PNG shows exactly what the unit would.
    FILE* probe = std::fopen(in, "rb");
    if (!probe) return fail(in, std::string("cannot open: ") + std::strerror(errno));
    uint8_t head[mifHeaderSize];
    size_t got = std::fread(head, 1, sizeof head, probe);
    std::fclose(probe);
    if (got < sizeof head) return fail(in, "too short for a MIF picture");
    if (head[0] == 0x89 && head[1] == 'P' && head[2] == 'N' && head[3] == 'G')
        return fail(in, "this is a PNG picture, not a MIF one (efis-mif encode turns it into one)");
    clearBackground();
    loadMifToBackground(0, 0, in);
    if (mifResult == mifCannotOpen) return fail(in, "cannot open");
    if (mifResult == mifBadHeader)
        return fail(in, "not a MIF picture: its header gives " + std::to_string(head[0] | head[1] << 8) + " x " +
                            std::to_string(head[2] | head[3] << 8) + " pixels (a picture is 1..480 x 1..272)");
    if (mifResult == mifTruncated) return fail(in, "the file ends before the picture is complete");
    std::vector<uint8_t> pixels((size_t)mifWidth * mifHeight);
    for (int32_t y = 0; y < mifHeight; y++)
        std::memcpy(&pixels[(size_t)y * mifWidth], &backgroundBuffer[y * screenWidth], mifWidth);
    if (!writeIndexedPng(out, pixels.data(), mifWidth, mifHeight, paletteRgb.data())) return fail(out, "cannot write");
    return 0;
}

// Every built-in picture on one screen, each in a grey frame that shows its extent.
int iconSheet(const char* out) {
    clearScreen();
    for (int32_t i = 0; i < builtInIconCount; i++) {
        int16_t x = (int16_t)(5 + 60 * (i % 8)), y = (int16_t)(9 + 68 * (i / 8));
        const uint8_t* b = builtInIcons[i].image->bytes;
        int16_t w = (int16_t)(b[0] | b[1] << 8), h = (int16_t)(b[2] | b[3] << 8);
        drawFrame((int16_t)(x - 1), (int16_t)(y - 1), (int16_t)(x + w), (int16_t)(y + h), colourDarkGrey);
        drawMifImage(x, y, builtInIcons[i].image);
    }
    if (!writeIndexedPng(out, frameBuffer, screenWidth, screenHeight, paletteRgb.data())) return fail(out, "cannot write");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string command = argc > 1 ? argv[1] : "";
    if (command == "encode" && argc == 4) return encode(argv[2], argv[3]);
    if (command == "decode" && argc == 4) return decode(argv[2], argv[3]);
    if (command == "icons" && argc == 3) return iconSheet(argv[2]);
    if (command == "--help" || command == "-h") {
        std::fputs(usage, stdout);
        return 0;
    }
    if (command.empty()) {
        std::fputs(usage, stderr);
        return 2;
    }
    std::fprintf(stderr, "efis-mif: expected \"encode IN.png OUT.MIF\", \"decode IN.MIF OUT.png\" or \"icons OUT.png\" (see efis-mif --help)\n");
    return 2;
}
