#include "efis/cdi_bar.h"

#include <cmath>

#include "efis/instrument_common.h"
#include "gfx/palette.h"
#include "gfx/primitives.h"
#include "gfx/text.h"
#include "nav/leg_progress.h"
#include "nav/navigation.h"
#include "records/records.h"

namespace {
// Pixels per cross-track unit by CDI scale (full scale 1, 2, 5, 10 distance units).
constexpr double pixelsPerUnit[4] = {2.5, 1.25, 0.5, 0.25};
constexpr int16_t deviationLimit = 95;  // pixels
}  // namespace

int16_t cdiDeviation() {
    double dev = std::trunc((double)crossTrackError * pixelsPerUnit[cdiScaleIndex()]);
    if (dev > deviationLimit) return deviationLimit;
    if (dev < -deviationLimit) return -deviationLimit;
    return (int16_t)dev;
}

void drawCdiBar(int16_t cx) {
    if (navActive != 1) return;
    if (unitSettings.efisCdiDisplay != 0) {
        int16_t n = (int16_t)(cx + cdiDeviation());
        drawFrame((int16_t)(n - 3), 226, (int16_t)(n + 3), 248, colourWhite);
        fillBox((int16_t)(n - 2), 227, (int16_t)(n + 2), 247, colourBlack);
        fillBox((int16_t)(cx - 2), 227, (int16_t)(cx + 2), 247, colourWhite);
        for (int16_t i = 0; i < 3; i++) {
            int16_t left = (int16_t)(cx + 25 * i - 77), right = (int16_t)(cx + 25 * i + 22);
            fillBox(left, 235, (int16_t)(left + 5), 240, colourWhite);
            fillBox(right, 235, (int16_t)(right + 5), 240, colourWhite);
        }
    }
    drawTextField(56, 102, activeWaypointName, waypointNameSize - 1, 8, alignLeft, colourWhite);
}
