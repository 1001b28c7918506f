// The GPS state shared by navigation, the flight screens, the GPS page and the clock, and the
// unit's internal receiver records, which the simulator's GPS panel drives.
#pragma once
#include <cstdint>

struct SatelliteInfo {
    uint8_t prn;       // satellite number, 0 for an empty slot
    uint8_t elevation; // degrees 0..90
    uint16_t azimuth;  // degrees 0..359
    uint8_t snr;       // dB-Hz 0..99, 0 when not tracked
};

constexpr int32_t satelliteSlots = 16;
constexpr int32_t usedPrnSlots = 12;

extern float gpsLatitude;             // degrees, north positive
extern float gpsLongitude;            // degrees, east positive
extern uint16_t gpsSpeedMph;          // ground speed, whole mph
extern uint16_t groundSpeed;          // ground speed in the unit of speedUnit
extern int16_t gpsTrackTrue;          // true track over ground, degrees 0..359
extern int16_t gpsTrackMagnetic;      // magnetic track, degrees 0..359
extern int32_t gpsAltitudeMetres;     // above mean sea level, whole metres
extern int32_t gpsAltitudeFeet;       // the same in whole feet
extern uint8_t gpsFixMode;            // 1 no fix, 2 2D, 3 3D (0 from the simulated panel)
extern uint8_t gpsPositionValid;      // 1 when gpsFixMode is 2 or 3
extern uint8_t satellitesUsed;        // satellites in the solution
extern uint8_t usedPrn[usedPrnSlots]; // their PRN numbers, 0 for an empty entry
extern float pdop;                    // dilutions of precision
extern float hdop;
extern float vdop;
extern uint8_t satellitesInView;                 // satellites in view
extern SatelliteInfo satellites[satelliteSlots]; // per-satellite data for the sky view and bars
extern int32_t horizontalAccuracyFeet;           // internal receiver's horizontal accuracy, whole feet
extern int32_t verticalAccuracyFeet;             // internal receiver's vertical accuracy, whole feet
extern float autoMagVar; // automatic magnetic variation, degrees east; nothing sets it

// The internal receiver's records (little-endian int32 fields, in the receiver's order).
struct PositionRecord {
    int32_t lon;       // 1e-7 degree
    int32_t lat;       // 1e-7 degree
    int32_t height;    // above the ellipsoid, mm (not used)
    int32_t heightMsl; // above mean sea level, mm
    uint32_t hAcc;     // mm
    uint32_t vAcc;     // mm
};
struct VelocityRecord {
    int32_t velDown;        // cm/s (not used)
    int32_t speed3d;        // cm/s (not used)
    int32_t groundSpeedCms; // cm/s
    int32_t headingE5;      // degrees x 100000
};
extern PositionRecord internalPosition;
extern VelocityRecord internalVelocity;

void updateInternalPosition();
void updateInternalVelocity();

// The simulated fix of the sensor panel, from the raw control positions:
// latitude -90000..90000 and longitude -180000..180000 in thousandths of a degree,
// fix 0..3, ground speed 0..12000 cm/s, track 0..36000000 in 1/100000 degree.
void convertSimulatedLatitude(int32_t position);
void convertSimulatedLongitude(int32_t position);
void convertSimulatedFix(int32_t position);
void convertSimulatedGroundSpeed(int32_t position);
void convertSimulatedTrack(int32_t position);

// Power-on values: no valid position, no satellites in view.
void gpsPowerOn();

// Helpers shared with the sentence decoders.
int32_t wrapTrack(int64_t degrees);                       // true modulo into 0..359
int32_t trackVariation();                                 // whole degrees east, automatic or manual
void setGroundSpeeds(double mph, double kmh, double kts); // clamped, with the maximum record
void setMagneticTrack(); // from gpsTrackTrue and the variation; feeds the compass
