// Command-line options shared by both hosts.
#pragma once
#include <cstdint>
#include <string>

struct HostOptions {
    bool headless = false;
    std::string script;          // --script FILE
    std::string cardDir;         // --card DIR: the folder that holds SDCARD
    int32_t fps = 0;             // --fps N: frame-rate cap, 0 uncapped
    std::string gpsPort = "/dev/ttyUSB0";  // --gps-port DEVICE
    std::string baseDir;         // where the program was started: relative script paths resolve here
};

// Parses argv; on a bad option writes a one-line reason into error and returns false.
bool parseHostOptions(int argc, char** argv, HostOptions& options, std::string& error);
// Changes into the card folder when one was given; false with a reason when it cannot.
bool enterCardFolder(const HostOptions& options, std::string& error);
extern const char* hostUsage;
