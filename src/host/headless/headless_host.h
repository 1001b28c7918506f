// The scripted host: runs the unit without a display, with the clock, tick and events taken
// from a script, so that the same script always gives the same frames.
#pragma once
#include <cstdint>

// Runs the script; baseDir is where relative file names in the script are found (snap, serial).
// Returns the process exit code: 0 success, 1 an expect failed, 2 a malformed script.
int32_t runHeadlessScript(const char* scriptPath, const char* baseDir);
