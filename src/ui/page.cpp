#include "ui/page.h"

PageHandler currentPage = mainScreenPage;
PageHandler returnPage = mainScreenPage;
PageHandler overlayHandler = nullptr;
uint8_t overlayCountdown = 0;
uint8_t keyCode = 0;
uint8_t selectedRow = 0;
