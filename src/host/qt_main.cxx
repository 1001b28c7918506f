// efis-sim: the simulator window, or with --headless the scripted host.
#include <QApplication>
#include <cstdio>
#include <filesystem>

#include "host/headless/headless_host.h"
#include "host/options.h"
#include "host/qt/main_window.h"
#include "host/state_registry.h"

int main(int argc, char** argv) {
    HostOptions options;
    std::string error;
    if (!parseHostOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "%s\n%s", error.c_str(), hostUsage);
        return 2;
    }
    std::string scriptPath = options.script.empty() ? "" : std::filesystem::absolute(options.script).string();
    if (!enterCardFolder(options, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    if (options.headless) return runHeadlessScript(scriptPath.c_str(), options.baseDir.c_str());

    QApplication app(argc, argv);
    QApplication::setApplicationName("Talvor");
    registerAllState();
    TfrmMain window(options);
    window.show();
    return app.exec();
}
