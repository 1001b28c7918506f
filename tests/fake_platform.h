// A platform for tests: records what the unit asks of the host, runs a hook between frames.
#pragma once
#include <cstdio>
#include <cstring>
#include <functional>

#include "gfx/primitives.h"
#include "host/controls.h"
#include "host/platform.h"

struct FakePlatform : Platform {
    int32_t controls[64] = {};
    const char* controlNames[64] = {};
    int32_t controlCount = 0;
    const char* labelNames[64] = {};
    char labelTexts[64][32] = {};
    int32_t labelCount = 0;
    int32_t framesPresented = 0;
    int32_t linesAppended = 0;
    char lastLine[64] = {};
    bool lamp = false;
    bool serialIsOpen = false;
    int64_t now = 1767225600;  // 2026-01-01T00:00:00Z
    std::function<void()> betweenFrames;

    FakePlatform() {
        for (int32_t i = 0; i < hostControlCount && i < 64; i++) setControl(hostControls[i].name, hostControls[i].initial);
        platform = this;
    }
    ~FakePlatform() override { platform = nullptr; }
    void setControl(const char* name, int32_t value) {
        for (int32_t i = 0; i < controlCount; i++)
            if (std::strcmp(controlNames[i], name) == 0) {
                controls[i] = value;
                return;
            }
        if (controlCount >= 64) return;
        controlNames[controlCount] = name;
        controls[controlCount++] = value;
    }
    // The text last set into a label; nullptr when nothing was set.
    const char* label(const char* name) const {
        for (int32_t i = 0; i < labelCount; i++)
            if (std::strcmp(labelNames[i], name) == 0) return labelTexts[i];
        return nullptr;
    }
    void presentFrame() override { framesPresented++; }
    void processHostEvents() override {
        if (betweenFrames) betweenFrames();
    }
    void messageBox(const char*) override {}
    void appendLine(TextWindow, const char* line) override {
        linesAppended++;
        std::snprintf(lastLine, sizeof lastLine, "%s", line);
    }
    void setAlarmLamp(bool lit) override { lamp = lit; }
    int32_t readControl(const char* name) override {
        for (int32_t i = 0; i < controlCount; i++)
            if (std::strcmp(controlNames[i], name) == 0) return controls[i];
        return 0;
    }
    void setLabel(const char* name, const char* text) override {
        int32_t i = 0;
        while (i < labelCount && std::strcmp(labelNames[i], name) != 0) i++;
        if (i == labelCount) {
            if (labelCount >= 64) return;
            labelNames[labelCount++] = name;
        }
        std::snprintf(labelTexts[i], sizeof labelTexts[i], "%s", text);
    }
    int64_t utcNow() override { return now; }
    bool serialOpen() override { return false; }
    void serialClose() override {}
    bool serialConnected() override { return serialIsOpen; }
    void serialSetBaud(int32_t) override {}
    int32_t serialRead(uint8_t*, int32_t) override { return 0; }
};
