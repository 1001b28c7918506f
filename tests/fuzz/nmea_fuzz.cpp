// libFuzzer target: the serial framing and the four sentence decoders.
#include "nmea_fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    runNmeaFuzzInput(data, size);
    return 0;
}
