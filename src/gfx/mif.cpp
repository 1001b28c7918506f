#include "gfx/mif.h"

#include <cstdio>
#include <cstring>

#include "host/platform.h"

uint8_t backgroundBuffer[frameBufferSize];  // zero from program start

uint8_t mifChunk[mifChunkSize];
int16_t mifChunkPtr;
int16_t mifChunkCount;
int16_t mifChunkFilled;
uint8_t mifResult;
uint16_t mifWidth;
uint16_t mifHeight;
uint32_t mifPacketBytes;

// Where the packets come from: the open file, or else the rest of an image in memory.
static FILE* mifFile;
static const uint8_t* mifMemory;  // next byte of the image not yet copied into mifChunk
static uint32_t mifMemoryLeft;    // bytes of the image not yet copied into mifChunk

using PlotPixel = void (*)(int16_t x, int16_t y, uint8_t colour);

void clearBackground() { std::memset(backgroundBuffer, 0, sizeof backgroundBuffer); }

void copyBackground() { std::memcpy(frameBuffer, backgroundBuffer, sizeof frameBuffer); }

void putBackgroundPixel(int16_t x, int16_t y, uint8_t colour) {
    if ((uint16_t)x < (uint16_t)screenWidth && (uint16_t)y < (uint16_t)screenHeight)
        backgroundBuffer[y * screenWidth + x] = colour;
}

// Fetches the next piece of packet data; only the bytes that really exist count.
static void fillChunk() {
    int32_t n = 0;
    if (mifFile) {
        n = (int32_t)std::fread(mifChunk, 1, mifChunkSize, mifFile);
    } else {
        n = mifMemoryLeft < (uint32_t)mifChunkSize ? (int32_t)mifMemoryLeft : mifChunkSize;
        if (n > 0) std::memcpy(mifChunk, mifMemory, (size_t)n);
        mifMemory += n;
        mifMemoryLeft -= (uint32_t)n;
    }
    mifChunkFilled = (int16_t)n;
    mifChunkPtr = 0;
    mifChunkCount = 0;
}

// False at the end of the data: a short fill means nothing follows it.
static bool takeByte(uint8_t& value) {
    if (mifChunkCount >= mifChunkFilled) {
        if (mifChunkFilled < mifChunkSize) return false;
        fillChunk();
        if (mifChunkFilled == 0) return false;
    }
    value = mifChunk[mifChunkPtr++];
    mifChunkCount++;
    mifPacketBytes++;
    return true;
}

// Pixels that fall off the buffer are dropped, so an overshooting packet on the last row of a
// full-width picture cannot write past its end.
static inline void plotClipped(int32_t x, int32_t y, uint8_t colour, PlotPixel plot) {
    if (x >= 0 && x < screenWidth && y >= 0 && y < screenHeight) plot((int16_t)x, (int16_t)y, colour);
}

// Every packet takes at least one byte, so a stream of empty packets still ends with the data.
static void decodePackets(int32_t x, int32_t y, PlotPixel plot) {
    mifResult = mifTruncated;
    mifPacketBytes = 0;
    fillChunk();
    for (int32_t r = 0; r < mifHeight; r++) {
        int32_t py = y + r;
        int32_t j = 0;
        do {
            uint8_t control, value;
            if (!takeByte(control)) return;
            int32_t n = control & 0x7F;
            if (control & 0x80) {
                if (!takeByte(value)) return;
                for (; n > 0; n--, j++) plotClipped(x + j, py, value, plot);
            } else {
                for (; n > 0; n--, j++) {
                    if (!takeByte(value)) return;
                    plotClipped(x + j, py, value, plot);
                }
            }
        } while (j < mifWidth);
    }
    mifResult = mifOk;
}

void loadMifToBackground(int16_t x, int16_t y, const char* path) {
    mifWidth = mifHeight = 0;
    mifPacketBytes = 0;
    FILE* f = path ? cardOpen(path, "rb") : nullptr;
    if (!f) {
        mifResult = mifCannotOpen;
        return;
    }
    uint8_t header[mifHeaderSize];
    if (std::fread(header, 1, sizeof header, f) == sizeof header) {
        mifWidth = (uint16_t)(header[0] | header[1] << 8);
        mifHeight = (uint16_t)(header[2] | header[3] << 8);
    }
    if (mifWidth == 0 || mifWidth > mifMaxWidth || mifHeight == 0 || mifHeight > mifMaxHeight) {
        mifResult = mifBadHeader;
    } else {
        mifFile = f;
        decodePackets(x, y, putBackgroundPixel);
        mifFile = nullptr;
    }
    std::fclose(f);
}

void drawMifImage(int16_t x, int16_t y, const MifImage* image) {
    mifWidth = mifHeight = 0;
    mifPacketBytes = 0;
    if (!image || !image->bytes || image->size < (uint32_t)mifHeaderSize) {
        mifResult = mifBadHeader;
        return;
    }
    const uint8_t* b = image->bytes;
    mifWidth = (uint16_t)(b[0] | b[1] << 8);
    mifHeight = (uint16_t)(b[2] | b[3] << 8);
    mifResult = mifOk;
    if (mifWidth == 0 || mifHeight == 0) return;  // an empty picture
    mifMemory = b + mifHeaderSize;
    mifMemoryLeft = image->size - (uint32_t)mifHeaderSize;
    decodePackets(x, y, putPixel);
    mifMemory = nullptr;
    mifMemoryLeft = 0;
}
