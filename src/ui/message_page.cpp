// The MESSAGE page: a finished action ("DONE"); any key goes back to returnPage.
#include "gfx/icon_data.h"
#include "gfx/mif.h"
#include "gfx/palette.h"
#include "gfx/text.h"
#include "ui/page.h"
#include "ui/setup_toolkit.h"

void messagePage() {
    drawTitleBar("MESSAGE", "");
    drawMifImage(145, 115, &iconMessage);
    drawText(285, 120, "DONE", 20, 0, colourWhite);
    if (keyCode != 0) currentPage = returnPage ? returnPage : mainScreenPage;
    keyCode = 0;
}
