#include "host/keys.h"

#include <cstring>

#include "ui/page.h"

void keyClick(uint8_t code) {
    if (keyCode == 0) keyCode = code;
}

void Image2Click() { keyClick(1); }
void Image3Click() { keyClick(2); }
void Image4Click() { keyClick(3); }
void Image5Click() { keyClick(4); }
void Image7Click() { keyClick(5); }
void Image8Click() { keyClick(6); }
void Button3Click() { keyClick(7); }
void Button4Click() { keyClick(8); }

uint8_t keyCodeByName(const char* name) {
    static const char* const names[8] = {"soft1", "soft2", "soft3", "soft4", "soft5", "push", "plus", "minus"};
    for (uint8_t i = 0; i < 8; i++)
        if (std::strcmp(name, names[i]) == 0) return (uint8_t)(i + 1);
    if (name[0] >= '1' && name[0] <= '8' && name[1] == 0) return (uint8_t)(name[0] - '0');
    return 0;
}
