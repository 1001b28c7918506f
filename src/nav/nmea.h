// Decoders of the four NMEA sentences the unit uses. Each takes a mailbox text: the sentence body
// from the talker "GP" on, without "$" and checksum, NUL-terminated. A decoder never reads past
// the terminator, and a field it cannot read leaves its part of the GPS state as it was.
#pragma once
#include <cstdint>

void decodeRmc(const char* sentence);  // position, ground speed, track; the clock when it follows GPS
void decodeGga(const char* sentence);  // satellites used, altitude
void decodeGsa(const char* sentence);  // fix mode, PRNs in the solution, dilutions of precision
void decodeGsv(const char* sentence);  // satellites in view and their table

// A signed NMEA angle ddmm.mmmm (or dddmm.mmmm) in decimal degrees.
double nmeaToDegrees(double x);
