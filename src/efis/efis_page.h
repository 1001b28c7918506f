// The EFIS layouts: the attitude picture with the tapes, boxes and data fields over it, full
// width or narrowed to leave the right-hand strip for the engine gauges or the HSI.
#pragma once

// Full width, centred on x 240.
void drawEfisPage();
// Centred on x 170, the picture ending at x 352; x 340..479 is left black.
void drawEfisNarrowPage();
