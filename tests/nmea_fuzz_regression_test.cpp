// Every input kept from fuzzing (the seed sentences and any input that once broke the link or a
// decoder) runs through the same path as in the fuzzer, in every build.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz/nmea_fuzz_input.h"

namespace {

TEST(NmeaFuzzInputs, KeptInputsRunClean) {
    int files = 0;
    for (const char* folder : {"/tests/fuzz/corpus", "/tests/fuzz/regressions"}) {
        std::filesystem::path dir = std::string(EFIS_SOURCE_DIR) + folder;
        if (!std::filesystem::is_directory(dir)) continue;
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            if (!entry.is_regular_file()) continue;
            std::ifstream f(entry.path(), std::ios::binary);
            std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(f), {}};
            SCOPED_TRACE(entry.path().string());
            runNmeaFuzzInput(bytes.data(), bytes.size());
            files++;
        }
    }
    EXPECT_GT(files, 0) << "no kept inputs found under " << EFIS_SOURCE_DIR "/tests/fuzz";
}

} // namespace
