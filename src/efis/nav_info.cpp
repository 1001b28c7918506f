#include "efis/nav_info.h"

#include <cstdio>

#include "gfx/palette.h"
#include "gfx/text.h"
#include "nav/gps_state.h"
#include "nav/leg_progress.h"
#include "nav/navigation.h"
#include "records/records.h"

void drawNavInfo(int16_t x, int16_t y) {
    static const char* const labels[5] = {"ETA:", "ETE:", "TRK:", "DTW:", "CRS:"};
    for (int16_t i = 0; i < 5; i++)
        drawText((int16_t)(x - 40), (int16_t)(y + 15 * (i + 1)), labels[i], 8, alignLeft, colourLightGrey);

    char values[5][16];
    if (navActive == 1) {
        drawTextField(x, y, activeWaypointName, waypointNameSize - 1, 8, alignCentre, colourWhite);
        // The ETA first: it adds the time en route that the previous frame's ETE left.
        formatEta(values[0], sizeof values[0]);
        formatEte(values[1], sizeof values[1]);
        std::snprintf(values[3], sizeof values[3], "%u", (unsigned)kmToDistanceUnit(distanceKm));
        std::snprintf(values[4], sizeof values[4], "%d\xB0M", (int)magBearingToWaypoint);
    } else {
        std::snprintf(values[0], sizeof values[0], "--:--");
        std::snprintf(values[1], sizeof values[1], "--:--");
        std::snprintf(values[3], sizeof values[3], "-----");
        std::snprintf(values[4], sizeof values[4], "---\xB0");
    }
    bool trueTrack = unitSettings.headingMode == 1;
    if (gpsPositionValid == 0) std::snprintf(values[2], sizeof values[2], trueTrack ? "---\xB0T" : "---\xB0M");
    else if (trueTrack) std::snprintf(values[2], sizeof values[2], "%d\xB0T", (int)gpsTrackTrue);
    else std::snprintf(values[2], sizeof values[2], "%d\xB0M", (int)gpsTrackMagnetic);

    for (int16_t i = 0; i < 5; i++)
        drawText((int16_t)(x + 5), (int16_t)(y + 15 * (i + 1)), values[i], 8, alignLeft, colourWhite);
}
