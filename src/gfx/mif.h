// MIF pictures: the picture buffer behind the screen, pictures loaded into it from the card,
// and pictures built into the program drawn straight into the frame buffer.
//
// A MIF picture is a 4-byte header (width, height: uint16 little-endian) and then, row after
// row from the top, packets: a control byte with bit 7 set is a run of (control & 0x7F) copies
// of the next byte; bit 7 clear, the next (control) bytes are one pixel each. A row ends as soon
// as it has its width of pixels; a packet that overshoots is still drawn in full.
#pragma once
#include <cstdint>

#include "gfx/primitives.h"

constexpr int32_t mifHeaderSize = 4;     // bytes
constexpr int32_t mifChunkSize = 128;    // bytes fetched at a time
constexpr int32_t mifMaxWidth = 480;     // pixels, widest picture a file may hold
constexpr int32_t mifMaxHeight = 272;    // pixels, tallest picture a file may hold

// A picture in memory: header and packets, and how many bytes they are in all.
struct MifImage {
    const uint8_t* bytes;
    uint32_t size;  // bytes, header included
};

// Outcome of the last decode.
enum : uint8_t {
    mifOk = 0,          // every row complete
    mifCannotOpen = 1,  // no such file
    mifBadHeader = 2,   // header missing or its size outside 1..480 x 1..272 (files only)
    mifTruncated = 3,   // the data ended before the last row was complete
};

extern uint8_t backgroundBuffer[frameBufferSize];  // palette index per pixel, same layout as frameBuffer

extern uint8_t mifChunk[mifChunkSize];  // the piece of packet data being decoded
extern int16_t mifChunkPtr;             // index in mifChunk of the next byte to take
extern int16_t mifChunkCount;           // bytes taken from mifChunk since it was filled
extern int16_t mifChunkFilled;          // bytes the last fill put into mifChunk (128 but at the end)
extern uint8_t mifResult;               // mifOk .. mifTruncated, of the last decode
extern uint16_t mifWidth;               // pixels, header of the last picture decoded
extern uint16_t mifHeight;              // pixels, header of the last picture decoded
extern uint32_t mifPacketBytes;         // bytes of packets the last decode took

void clearBackground();
void copyBackground();
// Dropped when (x, y) lies outside the buffer.
void putBackgroundPixel(int16_t x, int16_t y, uint8_t colour);
// Reads a picture file into backgroundBuffer with its top-left corner at (x, y). A file that
// cannot be opened or whose header is out of range leaves the buffer as it was; a file that
// ends early leaves the rest of the picture's area as it was.
void loadMifToBackground(int16_t x, int16_t y, const char* path);
// Draws a picture from memory into frameBuffer through putPixel; never reads past image->size.
void drawMifImage(int16_t x, int16_t y, const MifImage* image);
