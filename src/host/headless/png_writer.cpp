#include "host/headless/png_writer.h"

#include <cstdio>
#include <vector>

static uint32_t crcTable[256];

static void buildCrcTable() {
    for (uint32_t n = 0; n < 256; n++) {
        uint32_t c = n;
        for (int k = 0; k < 8; k++) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        crcTable[n] = c;
    }
}

static uint32_t crc32(const uint8_t* data, size_t n, uint32_t crc = 0xFFFFFFFFu) {
    for (size_t i = 0; i < n; i++) crc = crcTable[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return crc;
}

static void put32(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back((uint8_t)(v >> 24));
    out.push_back((uint8_t)(v >> 16));
    out.push_back((uint8_t)(v >> 8));
    out.push_back((uint8_t)v);
}

static void chunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& body) {
    put32(out, (uint32_t)body.size());
    size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), body.begin(), body.end());
    put32(out, crc32(&out[start], out.size() - start) ^ 0xFFFFFFFFu);
}

// A PNG of 8-bit samples: IHDR of the colour type, the optional palette, then the rows (each
// bytesPerRow long) as raw scanlines (filter 0) in stored deflate blocks, with the zlib header
// and Adler-32.
static bool writePng(const char* path, const uint8_t* rows, int32_t width, int32_t height, uint8_t colourType,
                     size_t bytesPerRow, const std::vector<uint8_t>& plte) {
    if (crcTable[1] == 0) buildCrcTable();
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> ihdr;
    put32(ihdr, (uint32_t)width);
    put32(ihdr, (uint32_t)height);
    ihdr.insert(ihdr.end(), {8, colourType, 0, 0, 0});
    chunk(png, "IHDR", ihdr);
    if (!plte.empty()) chunk(png, "PLTE", plte);

    std::vector<uint8_t> raw;
    for (int32_t y = 0; y < height; y++) {
        raw.push_back(0);
        raw.insert(raw.end(), rows + (size_t)y * bytesPerRow, rows + (size_t)(y + 1) * bytesPerRow);
    }
    std::vector<uint8_t> z = {0x78, 0x01};
    for (size_t pos = 0; pos < raw.size() || pos == 0;) {
        size_t n = raw.size() - pos;
        if (n > 65535) n = 65535;
        bool last = pos + n >= raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back((uint8_t)n);
        z.push_back((uint8_t)(n >> 8));
        z.push_back((uint8_t)~n);
        z.push_back((uint8_t)(~n >> 8));
        z.insert(z.end(), raw.begin() + (long)pos, raw.begin() + (long)(pos + n));
        pos += n;
        if (last) break;
    }
    uint32_t a = 1, b = 0;
    for (uint8_t v : raw) {
        a = (a + v) % 65521;
        b = (b + a) % 65521;
    }
    put32(z, b << 16 | a);
    chunk(png, "IDAT", z);
    chunk(png, "IEND", {});

    FILE* f = std::fopen(path, "wb");
    if (!f) return false;
    bool ok = std::fwrite(png.data(), 1, png.size(), f) == png.size();
    return std::fclose(f) == 0 && ok;
}

bool writeIndexedPng(const char* path, const uint8_t* pixels, int32_t width, int32_t height,
                     const uint32_t* palette) {
    std::vector<uint8_t> plte;
    for (int i = 0; i < 256; i++) {
        // The presenter shows the low three bytes of each word.
        plte.push_back((uint8_t)(palette[i] >> 16));
        plte.push_back((uint8_t)(palette[i] >> 8));
        plte.push_back((uint8_t)palette[i]);
    }
    return writePng(path, pixels, width, height, 3, (size_t)width, plte);  // 8-bit palette indices
}

bool writeRgbaPng(const char* path, const uint8_t* rgba, int32_t width, int32_t height) {
    return writePng(path, rgba, width, height, 6, (size_t)width * 4, {});
}
