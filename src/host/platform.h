// The one door between the unit's logic and the machine it runs on. The Qt window and the
// scripted headless host each provide it; the logic calls nothing else outside itself.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>

enum class TextWindow : uint8_t { Memo1, Memo2 };

struct Platform {
    virtual ~Platform() = default;
    // Shows frameBuffer in the display panel.
    virtual void presentFrame() = 0;
    // Runs the pending host events (clicks, tick, serial bytes, controls) and returns at once.
    virtual void processHostEvents() = 0;
    virtual void messageBox(const char* text) = 0;
    virtual void appendLine(TextWindow window, const char* line) = 0;
    virtual void setAlarmLamp(bool lit) = 0;
    // A check box (0 or 1) or a scroll bar position, by control name ("CheckBox7", "ScrollBar10").
    virtual int32_t readControl(const char* name) = 0;
    virtual void setLabel(const char* name, const char* text) = 0;
    // Seconds since 1970-01-01 00:00 UTC.
    virtual int64_t utcNow() = 0;
    // The GPS serial port.
    virtual bool serialOpen() = 0;
    virtual void serialClose() = 0;
    virtual bool serialConnected() = 0;
    virtual void serialSetBaud(int32_t baud) = 0;
    // Reads up to maxBytes waiting bytes; returns how many were read (0 when none wait).
    virtual int32_t serialRead(uint8_t* buffer, int32_t maxBytes) = 0;
};

extern Platform* platform;  // set by the host before anything runs

// Card files, the same for every host: "SDCARD\NAME" is the SDCARD folder of the working directory.
// Maps a card path to the host's file name; false when it does not fit the buffer.
bool cardPathToHost(const char* cardPath, char* out, size_t outSize);
FILE* cardOpen(const char* cardPath, const char* mode);
bool cardRemove(const char* cardPath);
bool cardRename(const char* fromCardPath, const char* toCardPath);
// Calls visit(name, context) for each plain file in a card folder ("SDCARD\CHECKLST"); returns the count.
int32_t cardListFolder(const char* cardFolder, void (*visit)(const char* name, void* context), void* context);
