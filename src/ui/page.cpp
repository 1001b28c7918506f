#include "ui/page.h"

PageHandler currentPage = mainScreenPage;
uint8_t keyCode = 0;
