#include "host/headless/headless_host.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "host/controls.h"
#include "host/gps_link.h"
#include "host/headless/png_writer.h"
#include "host/keys.h"
#include "host/platform.h"
#include "host/state_registry.h"
#include "host/tick.h"
#include "host/unit.h"

namespace {

constexpr size_t textWindowLines = 5000;  // newest lines kept per text window
// Bytes that reach the serial port between two frames: a 9600-baud line at 30 frames a second.
// Fewer than the shortest sentence, so that no two sentences complete between the same two frames
// and the parts of a GSV cycle each find their one-sentence mailbox empty, as in the window.
constexpr size_t serialBytesPerFrame = 32;
constexpr size_t serialFileLimit = 16u << 20;  // largest file "serial" feeds (bytes)

struct ScriptState {
    std::vector<std::string> lines;
    std::string scriptName;
    std::string baseDir;
    size_t next = 0;           // index of the next line to run
    int32_t framesLeft = 0;    // frames still to run before the next line
    bool ended = false;        // end of script, a failure or a malformed line
    int32_t exitCode = 0;
};

ScriptState script;

class HeadlessPlatform : public Platform {
  public:
    uint8_t presented[frameBufferSize] = {};       // what the panel shows
    std::map<std::string, int32_t> controls;       // check boxes and scroll bars by name
    std::map<std::string, std::string> labels;     // label texts by name
    std::deque<std::string> memo[2];               // Memo1, Memo2
    bool lamp = false;
    int64_t clockMs = 0;                           // milliseconds since 1970-01-01 UTC
    bool serialIsOpen = false;
    int32_t serialBaud = 19200;
    std::deque<uint8_t> serialBytes;               // bytes waiting in the serial port
    std::deque<uint8_t> serialLine;                // bytes still on their way down the line

    HeadlessPlatform() {
        for (int32_t i = 0; i < hostControlCount; i++) {
            const HostControl& c = hostControls[i];
            controls[c.name] = c.initial;
            if (c.label) {
                char text[16];
                controlLabelText(c, c.initial, text, sizeof text);
                labels[c.label] = text;
            }
        }
        clockMs = 1767225600000LL;  // 2026-01-01T00:00:00Z until the script sets the clock
    }
    void presentFrame() override { std::memcpy(presented, frameBuffer, sizeof presented); }
    void processHostEvents() override;
    void messageBox(const char* text) override { std::printf("message: %s\n", text); }
    void appendLine(TextWindow window, const char* line) override {
        std::deque<std::string>& m = memo[window == TextWindow::Memo1 ? 0 : 1];
        m.emplace_back(line);
        if (m.size() > textWindowLines) m.pop_front();
    }
    void setAlarmLamp(bool lit) override { lamp = lit; }
    int32_t readControl(const char* name) override {
        auto it = controls.find(name);
        return it == controls.end() ? 0 : it->second;
    }
    void setLabel(const char* name, const char* text) override { labels[name] = text; }
    int64_t utcNow() override { return clockMs / 1000; }
    bool serialOpen() override { return serialIsOpen = true; }
    void serialClose() override { serialIsOpen = false; }
    bool serialConnected() override { return serialIsOpen; }
    void serialSetBaud(int32_t baud) override { serialBaud = baud; }
    int32_t serialRead(uint8_t* buffer, int32_t maxBytes) override {
        int32_t n = 0;
        while (n < maxBytes && !serialBytes.empty()) {
            buffer[n++] = serialBytes.front();
            serialBytes.pop_front();
        }
        return n;
    }
};

HeadlessPlatform* host;

bool fail(int32_t code, const char* fmt, const char* a = "", const char* b = "", const char* c = "") {
    std::fprintf(stderr, "%s:%zu: ", script.scriptName.c_str(), script.next);
    std::fprintf(stderr, fmt, a, b, c);
    std::fputc('\n', stderr);
    script.exitCode = code;
    script.ended = true;
    return false;
}

std::string resolvePath(const std::string& name) {
    if (name.empty() || name[0] == '/') return name;
    return script.baseDir + "/" + name;
}

bool parseInt(const std::string& text, int64_t& out) {
    if (text.empty()) return false;
    char* end = nullptr;
    long long v = std::strtoll(text.c_str(), &end, 10);
    if (*end != 0) return false;
    out = v;
    return true;
}

// "2026-05-01T12:30:00Z" into seconds since 1970.
bool parseClock(const std::string& text, int64_t& seconds) {
    int y, mo, d, h, mi, s;
    char z = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c", &y, &mo, &d, &h, &mi, &s, &z) != 7 || z != 'Z')
        return false;
    if (y < 1970 || mo < 1 || mo > 12 || d < 1 || d > 31 || h > 23 || mi > 59 || s > 59) return false;
    // Days from civil date (proleptic Gregorian).
    int64_t yy = y - (mo <= 2);
    int64_t era = yy / 400;
    int64_t yoe = yy - era * 400;
    int64_t doy = (153 * (mo + (mo > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    int64_t days = era * 146097 + doe - 719468;
    seconds = days * 86400 + h * 3600 + mi * 60 + s;
    return true;
}

std::vector<std::string> splitWords(const std::string& line) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) i++;
        if (i >= line.size() || line[i] == '#') break;
        size_t j = i;
        while (j < line.size() && line[j] != ' ' && line[j] != '\t' && line[j] != '\r') j++;
        words.push_back(line.substr(i, j - i));
        i = j;
    }
    return words;
}

bool lookupValue(const std::string& name, std::string& value) {
    char text[4096];
    if (formatState(name.c_str(), text, sizeof text)) {
        value = text;
        return true;
    }
    auto label = host->labels.find(name);
    if (label != host->labels.end()) {
        value = label->second;
        return true;
    }
    auto control = host->controls.find(name);
    if (control != host->controls.end()) {
        value = std::to_string(control->second);
        return true;
    }
    if (name == "Memo1" || name == "Memo2") {
        const std::deque<std::string>& m = host->memo[name == "Memo1" ? 0 : 1];
        value = m.empty() ? "" : m.back();
        return true;
    }
    return false;
}

bool sameValue(const std::string& got, const std::string& want) {
    if (got == want) return true;
    char* e1 = nullptr;
    char* e2 = nullptr;
    double a = std::strtod(got.c_str(), &e1), b = std::strtod(want.c_str(), &e2);
    return !got.empty() && !want.empty() && *e1 == 0 && *e2 == 0 && a == b;
}

using Command = bool (*)(const std::vector<std::string>& words);

bool cmdPower(const std::vector<std::string>& w) {
    if (w.size() != 2 || (w[1] != "on" && w[1] != "off")) return fail(2, "usage: power on|off");
    if (w[1] == "off") {
        Button2Click();
        return true;
    }
    if (unitRunning) return true;  // "&On" while running is ignored
    Button1Click();                // runs the unit; the script goes on between its frames
    return true;
}

bool cmdFrames(const std::vector<std::string>& w) {
    int64_t n;
    if (w.size() != 2 || !parseInt(w[1], n) || n < 0 || n > 100000000) return fail(2, "usage: frames N");
    if (unitRunning) script.framesLeft = (int32_t)n;
    return true;
}

bool cmdKey(const std::vector<std::string>& w) {
    uint8_t code = w.size() == 2 ? keyCodeByName(w[1].c_str()) : 0;
    if (code == 0) return fail(2, "usage: key 1..8|soft1..soft5|push|plus|minus");
    keyClick(code);
    return true;
}

bool cmdTick(const std::vector<std::string>& w) {
    int64_t n;
    if (w.size() != 2 || !parseInt(w[1], n) || n < 0 || n > 100000000) return fail(2, "usage: tick N");
    for (int64_t i = 0; i < n; i++) {
        Timer1Timer();
        host->clockMs += tickPeriodMs;
    }
    return true;
}

bool cmdClock(const std::vector<std::string>& w) {
    int64_t seconds;
    if (w.size() != 2 || !parseClock(w[1], seconds)) return fail(2, "usage: clock YYYY-MM-DDTHH:MM:SSZ");
    host->clockMs = seconds * 1000;
    return true;
}

bool cmdSnap(const std::vector<std::string>& w) {
    if (w.size() != 2) return fail(2, "usage: snap FILE.png");
    std::string path = resolvePath(w[1]);
    if (!writeIndexedPng(path.c_str(), host->presented, screenWidth, screenHeight, paletteRgb.data()))
        return fail(1, "snap: cannot write %s", path.c_str());
    return true;
}

// serial FILE [crlf]: the file's bytes go down the serial line, a share of them between each two
// frames; with crlf a line feed without a carriage return before it gets one (logs stored with
// bare line feeds).
bool cmdSerial(const std::vector<std::string>& w) {
    if (w.size() < 2 || w.size() > 3 || (w.size() == 3 && w[2] != "crlf")) return fail(2, "usage: serial FILE [crlf]");
    std::string path = resolvePath(w[1]);
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return fail(1, "serial: cannot read %s", path.c_str());
    bool addCr = w.size() == 3;
    int previous = 0;
    size_t count = 0;
    for (int c; (c = std::fgetc(f)) != EOF; previous = c) {
        if (++count > serialFileLimit) {
            std::fclose(f);
            return fail(1, "serial: %s is larger than 16 MB", path.c_str());
        }
        if (addCr && c == '\n' && previous != '\r') host->serialLine.push_back('\r');
        host->serialLine.push_back((uint8_t)c);
    }
    std::fclose(f);
    return true;
}

// serial-text TEXT: the rest of the script line as it stands, then CR LF, down the serial line.
bool cmdSerialText(const std::vector<std::string>& w) {
    if (w.size() < 2) return fail(2, "usage: serial-text TEXT");
    const std::string& line = script.lines[script.next - 1];
    size_t start = line.find("serial-text") + std::strlen("serial-text");
    while (start < line.size() && (line[start] == ' ' || line[start] == '\t')) start++;
    size_t end = line.size();
    while (end > start && (line[end - 1] == '\r' || line[end - 1] == ' ' || line[end - 1] == '\t')) end--;
    for (size_t i = start; i < end; i++) host->serialLine.push_back((uint8_t)line[i]);
    host->serialLine.push_back('\r');
    host->serialLine.push_back('\n');
    return true;
}

bool cmdPrint(const std::vector<std::string>& w) {
    if (w.size() < 2) return fail(2, "usage: print NAME...");
    for (size_t i = 1; i < w.size(); i++) {
        std::string value;
        if (!lookupValue(w[i], value)) return fail(2, "print: unknown name '%s'", w[i].c_str());
        std::printf("%s=%s\n", w[i].c_str(), value.c_str());
    }
    std::fflush(stdout);
    return true;
}

bool cmdExpect(const std::vector<std::string>& w) {
    if (w.size() < 3) return fail(2, "usage: expect NAME VALUE");
    std::string want = w[2];
    for (size_t i = 3; i < w.size(); i++) want += " " + w[i];
    std::string got;
    if (!lookupValue(w[1], got)) return fail(2, "expect: unknown name '%s'", w[1].c_str());
    if (!sameValue(got, want))
        return fail(1, "expect %s: got '%s', want '%s'", w[1].c_str(), got.c_str(), want.c_str());
    return true;
}

// Moves a scroll bar like the pilot would: never beyond its range, and its handler runs only
// when the position really changes.
bool cmdSet(const std::vector<std::string>& w) {
    int64_t value;
    if (w.size() != 3 || !parseInt(w[2], value)) return fail(2, "usage: set SCROLLBAR VALUE");
    const HostControl* c = findHostControl(w[1].c_str());
    if (!c || c->kind != ControlKind::ScrollBar) return fail(2, "set: no scroll bar '%s'", w[1].c_str());
    int32_t position = clampToControl(*c, value);
    int32_t& held = host->controls[c->name];
    if (held == position) return true;
    held = position;
    if (c->onChange) c->onChange();
    return true;
}

bool cmdCheck(const std::vector<std::string>& w) {
    if (w.size() != 3 || (w[2] != "on" && w[2] != "off")) return fail(2, "usage: check CHECKBOX on|off");
    const HostControl* c = findHostControl(w[1].c_str());
    if (!c || c->kind != ControlKind::CheckBox) return fail(2, "check: no check box '%s'", w[1].c_str());
    host->controls[c->name] = w[2] == "on" ? 1 : 0;
    return true;
}

struct CommandEntry {
    const char* name;
    Command run;
};

const CommandEntry commands[] = {
    {"power", cmdPower}, {"frames", cmdFrames}, {"key", cmdKey},     {"tick", cmdTick},
    {"clock", cmdClock}, {"snap", cmdSnap},     {"print", cmdPrint}, {"expect", cmdExpect},
    {"set", cmdSet},     {"check", cmdCheck},
    {"serial", cmdSerial}, {"serial-text", cmdSerialText},
};

// Runs script lines until one asks for frames, the unit is switched off, or the script ends.
void runLines() {
    while (!script.ended && script.framesLeft == 0) {
        if (script.next >= script.lines.size()) {
            script.ended = true;
            break;
        }
        const std::string& line = script.lines[script.next++];
        std::vector<std::string> words = splitWords(line);
        if (words.empty()) continue;
        const CommandEntry* found = nullptr;
        for (const CommandEntry& c : commands)
            if (words[0] == c.name) found = &c;
        if (!found) {
            fail(2, "unknown command '%s'", words[0].c_str());
            break;
        }
        bool wasRunning = unitRunning;
        if (!found->run(words)) break;
        if (wasRunning && powerOffRequest) return;  // let the frame loop end
    }
    if (script.ended && unitRunning) {
        powerOffRequest = 1;
        hostClosing = 1;
    }
}

void HeadlessPlatform::processHostEvents() {
    // Serial bytes arrive first; the receive event frames whatever waits in the port.
    for (size_t n = 0; n < serialBytesPerFrame && !serialLine.empty(); n++) {
        serialBytes.push_back(serialLine.front());
        serialLine.pop_front();
    }
    if (!serialBytes.empty()) ComPort1RxChar();
    if (script.framesLeft > 0 && --script.framesLeft > 0) return;
    runLines();
}

}  // namespace

int32_t runHeadlessScript(const char* scriptPath, const char* baseDir) {
    script = ScriptState{};
    script.scriptName = scriptPath;
    script.baseDir = baseDir;
    FILE* f = std::fopen(scriptPath, "r");
    if (!f) {
        std::fprintf(stderr, "%s: cannot open the script\n", scriptPath);
        return 2;
    }
    std::string line;
    for (int c; (c = std::fgetc(f)) != EOF;) {
        if (c == '\n') {
            script.lines.push_back(line);
            line.clear();
        } else {
            line += (char)c;
        }
    }
    if (!line.empty()) script.lines.push_back(line);
    std::fclose(f);

    static HeadlessPlatform headless;
    headless = HeadlessPlatform();
    host = &headless;
    platform = host;
    registerAllState();
    while (!script.ended) {
        runLines();
        // A run that ends while the unit is on leaves it through its own loop.
    }
    hostClosing = 0;
    return script.exitCode;
}
