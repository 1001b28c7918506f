#include "efis/digit_drum.h"

#include <cstdio>

#include "gfx/text.h"
#include "records/working_state.h"

namespace {

constexpr int32_t drumEntries = 16;
// Drum faces from the top of the list; the tables differ around zero, where the drum counts up
// on both sides.
constexpr uint8_t drumAbove[drumEntries] = {70, 80, 90, 0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 0, 10, 20};
constexpr uint8_t drumNearZeroAbove[drumEntries] = {30, 20, 10, 0, 10, 20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr uint8_t drumNearZeroBelow[drumEntries] = {20, 10, 0, 10, 20, 30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr uint8_t drumBelow[drumEntries] = {80, 90, 0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 0, 10, 20, 30};

// The digit that rolls in after c.
char nextDigit(char c) {
    if (c == '9') return '0';
    if (c == ' ') return '1';
    if (c >= '0' && c <= '8') return (char)(c + 1);
    return c;
}

void drawDrum(int16_t x, int32_t A, int32_t r) {
    const uint8_t* table = A >= 8 ? drumAbove : A >= 0 ? drumNearZeroAbove : A >= -7 ? drumNearZeroBelow : drumBelow;
    char face[4];
    for (int32_t k = 0; k < drumEntries; k++) {
        int32_t y = A >= 0 ? 202 - 25 * k + r : 78 + 25 * k - r;
        if (y < 185) {
            std::snprintf(face, sizeof face, "%02d", table[k]);
            drawRollerDigitsTall(x, (int16_t)y, face);
        }
        if (A >= 0 && y < 87) break;
    }
}

// One or two characters of a place, in the small (size 20) or the large (size 30) column font.
void roll(bool large, int16_t x, int32_t y, char c0, char c1 = 0) {
    char text[3] = {c0, c1, 0};
    if (large) drawRollerDigitsLarge(x, (int16_t)y, text);
    else drawRollerDigits(x, (int16_t)y, text);
}

}  // namespace

void drawAltitudeDrum(int16_t a, int32_t A) {
    if (A < drumLowest) A = drumLowest;
    if (A > drumHighest) A = drumHighest;
    int32_t m = A < 0 ? -A : A;
    int32_t l2 = m % 100, l3 = m % 1000, l4 = m % 10000;
    int32_t r = l2 * 248 / 100;
    char s[8];  // "%5ld": exactly five characters in the clamped range
    std::snprintf(s, sizeof s, "%5ld", (long)A);

    drawDrum((int16_t)(a + 65), A, r);

    // Hundreds, in the small font; below zero the sign stands before them while it has no
    // thousands place to go to.
    char h = (A >= 0 && A <= 99) ? '0' : s[2];
    int16_t xh = (int16_t)(a + 48), xs = (int16_t)(a + 32);
    if (l2 < 91) {
        if (A >= 0) roll(false, xh, 127, h);
        else roll(false, xs, 127, A < -999 ? ' ' : '-', A < -99 ? h : '0');
    } else if (A >= 0) {
        roll(false, xh, r - 98, h);
        roll(false, xh, r - 123, nextDigit(h));
    } else if (l3 < 991) {
        char d = A < -99 ? (char)(h + 1) : '1';  // h is at most '8' here
        char sign = A < -1000 ? ' ' : '-';
        roll(false, xs, 378 - r, sign, d);
        roll(false, xs, 353 - r, sign, (char)(d - 1));
    } else {
        roll(false, xh, 378 - r, '0');
        roll(false, xs, 353 - r, A < -999 ? ' ' : '-', '9');
    }

    // Thousands and ten-thousands: large on the full-width layout.
    bool large = displayPage == 0;
    int16_t x1 = (int16_t)(a + (large ? 26 : 31));
    int16_t x0 = (int16_t)(a + (large ? 4 : 14));
    int32_t rest = large ? 122 : 127;
    int32_t roll1 = r - (large ? 88 : 98), roll2 = r - (large ? 125 : 123);
    int32_t neg1 = (large ? 334 : 353) - r, neg2 = (large ? 371 : 378) - r;
    if (A > 0) {
        if (l3 < 991) {
            roll(large, x1, rest, s[1]);
        } else {
            roll(large, x1, roll1, s[1]);
            roll(large, x1, roll2, nextDigit(s[1]));
        }
        if (l4 < 9991) {
            roll(large, x0, rest, s[0]);
        } else {
            roll(large, x0, roll1, s[0]);
            roll(large, x0, roll2, nextDigit(s[0]));
        }
    } else {
        char thousands = (char)('0' + l4 / 1000);  // at most '8' when it rolls, in the clamped range
        if (l3 < 991) {
            if (A < -999) roll(large, x0, rest, '-', thousands);
        } else {
            if (A < -999) roll(large, x0, neg1, '-', thousands);
            else roll(large, x0, neg1, ' ', ' ');
            roll(large, x0, neg2, '-', (char)(thousands + 1));
        }
    }
}
