// The unit's keys as the host window offers them: soft keys 1-5, the knob push and its two turns.
#pragma once
#include <cstdint>

// Stores the code only while no key is pending: a second click before the next frame is dropped.
void keyClick(uint8_t code);

void Image2Click();  // soft key 1
void Image3Click();  // soft key 2
void Image4Click();  // soft key 3
void Image5Click();  // soft key 4
void Image7Click();  // soft key 5
void Image8Click();  // knob push
void Button3Click(); // knob "+" (clockwise)
void Button4Click(); // knob "-" (anticlockwise)

// "soft1".."soft5", "push", "plus", "minus" or "1".."8"; 0 when the name is unknown.
uint8_t keyCodeByName(const char* name);
