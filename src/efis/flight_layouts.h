// The flight layouts of the main screen, one drawer per layout, each drawing the whole frame.
#pragma once

void drawEfisLayout();     // 0 EFIS
void drawEfisEmsLayout();  // 1 EFIS with the engine strip
void drawEfisHsiLayout();  // 2 EFIS with the HSI and the navigation block
void drawVfrLayout();      // 3 VFR
void drawVfrEmsLayout();   // 4 VFR with the engine strip
