// The transponder box at the lower left of the EFIS layouts: mode (or IDENT), squawk, the reply
// light, and a red cross while the transponder does not answer.
#pragma once

void drawTransponderBox();
