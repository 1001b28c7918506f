// The VFR layouts: round airspeed, altimeter and vertical-speed dials with the small readouts,
// an information panel and, by sub-view, the HSI or the G meter.
#pragma once

// Full width. Sub-view 0: times panel and HSI; 1: air panel and HSI; 2: air panel and G meter.
void drawVfrPage();
// Beside the engine strip (x 341..479 left black). Sub-view 0: times panel; 1: air panel;
// 2: fuel; 3: HSI and navigation block; 4: G meter.
void drawVfrEmsPage();
