// A scratch folder of this test process's own, so parallel test runs never share files.
#pragma once
#include <filesystem>
#include <string>

#include <unistd.h>

inline std::string testDir() {
    static std::string dir = [] {
        std::string d = std::filesystem::temp_directory_path() / ("efis_test_" + std::to_string(getpid()));
        std::filesystem::create_directories(d);
        return d;
    }();
    return dir;
}
