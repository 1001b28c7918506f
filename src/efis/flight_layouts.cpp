#include "efis/flight_layouts.h"

#include "efis/efis_page.h"
#include "efis/hsi.h"
#include "efis/nav_info.h"
#include "efis/vfr_page.h"

void drawEfisLayout() { drawEfisPage(); }

// The engine strip is drawn into x 340..479, which the page leaves black.
void drawEfisEmsLayout() { drawEfisNarrowPage(); }

void drawEfisHsiLayout() {
    drawEfisNarrowPage();
    drawHsi(410, 80);
    drawNavInfo(410, 150);
}

void drawVfrLayout() { drawVfrPage(); }

// The engine strip is drawn right of the separator at x 340.
void drawVfrEmsLayout() { drawVfrEmsPage(); }
