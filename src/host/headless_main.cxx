// efis-headless: the unit under a script, without a window.
#include <cstdio>
#include <filesystem>

#include "host/headless/headless_host.h"
#include "host/options.h"

int main(int argc, char** argv) {
    HostOptions options;
    std::string error;
    if (!parseHostOptions(argc, argv, options, error) || options.script.empty()) {
        std::fprintf(stderr, "%s\n%s", error.empty() ? "--script FILE is needed" : error.c_str(), hostUsage);
        return 2;
    }
    std::string scriptPath = std::filesystem::absolute(options.script).string();
    if (!enterCardFolder(options, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    return runHeadlessScript(scriptPath.c_str(), options.baseDir.c_str());
}
