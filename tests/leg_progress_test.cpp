// The leg texts the navigation block shows: distance in the speed unit's distance, time en route
// and time of arrival.
#include <gtest/gtest.h>

#include <string>

#include "host/clock.h"
#include "nav/gps_state.h"
#include "nav/leg_progress.h"
#include "records/records.h"

namespace {

TEST(LegProgress, DistanceInTheSpeedUnitsDistance) {
    struct Case {
        uint8_t unit;
        uint32_t km, expected;
    } cases[] = {{0, 111, 68}, {1, 111, 111}, {2, 111, 59}, {7, 111, 68}, {0, 4000000000u, 2485600000u}};
    for (const Case& c : cases) {
        unitSettings.speedUnit = c.unit;
        EXPECT_EQ(kmToDistanceUnit(c.km), c.expected) << (int)c.unit;
    }
}

TEST(LegProgress, TimeEnRouteAndOfArrival) {
    struct Case {
        uint8_t valid;
        uint16_t mph;
        uint32_t km;
        const char* ete;
        int32_t seconds;
    } cases[] = {
        {1, 62, 100, "1:00", 3600},     // 1.0023 h
        {1, 60, 50, "0:31", 1860},      // 0.5178 h
        {1, 0, 100, "--:--", 0},        // no speed
        {0, 62, 100, "--:--", 0},       // no position
        {1, 1, 200, "--:--", 447360},   // 124.28 h: more than 99 hours, the seconds all the same
        {1, 1, 4000000000u, "--:--", 2147483647},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ete + std::string(" ") + std::to_string(c.km));
        gpsPositionValid = c.valid;
        gpsSpeedMph = c.mph;
        distanceKm = c.km;
        eteSeconds = 77;
        char text[16];
        formatEte(text, sizeof text);
        EXPECT_STREQ(text, c.ete);
        EXPECT_EQ(eteSeconds, c.seconds);
    }

    // The arrival adds the last time en route to the local time.
    gpsPositionValid = 1;
    gpsSpeedMph = 62;
    localSeconds = 10 * 3600 + 20 * 60;
    eteSeconds = 5400;
    char text[16];
    formatEta(text, sizeof text);
    EXPECT_STREQ(text, "11:50");
    eteSeconds = 2147483647;  // far beyond the calendar: the clock stops at its end
    formatEta(text, sizeof text);
    EXPECT_EQ(std::string(text).size(), 5u);
    gpsSpeedMph = 0;
    formatEta(text, sizeof text);
    EXPECT_STREQ(text, "--:--");
    EXPECT_EQ(eteSeconds, 0);
}

}  // namespace
