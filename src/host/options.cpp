#include "host/options.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>

const char* hostUsage =
    "usage: efis-sim [--card DIR] [--fps N] [--gps-port DEVICE] [--headless --script FILE]\n";

bool parseHostOptions(int argc, char** argv, HostOptions& options, std::string& error) {
    std::error_code ec;
    options.baseDir = std::filesystem::current_path(ec).string();
    for (int i = 1; i < argc; i++) {
        std::string arg = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) {
                error = arg + " needs a value";
                return false;
            }
            out = argv[++i];
            return true;
        };
        if (arg == "--headless") {
            options.headless = true;
        } else if (arg == "--script") {
            if (!value(options.script)) return false;
        } else if (arg == "--card") {
            if (!value(options.cardDir)) return false;
        } else if (arg == "--gps-port") {
            if (!value(options.gpsPort)) return false;
        } else if (arg == "--fps") {
            std::string text;
            if (!value(text)) return false;
            char* end = nullptr;
            long v = std::strtol(text.c_str(), &end, 10);
            if (text.empty() || *end || v < 0 || v > 10000) {
                error = "--fps needs a number 0..10000";
                return false;
            }
            options.fps = (int32_t)v;
        } else {
            error = "unknown option " + arg;
            return false;
        }
    }
    if (options.headless && options.script.empty()) {
        error = "--headless needs --script FILE";
        return false;
    }
    return true;
}

bool enterCardFolder(const HostOptions& options, std::string& error) {
    if (options.cardDir.empty()) return true;
    std::error_code ec;
    std::filesystem::current_path(options.cardDir, ec);
    if (ec) {
        error = "cannot use card folder " + options.cardDir + ": " + ec.message();
        return false;
    }
    return true;
}
