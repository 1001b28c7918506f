// fontgen: renders the unit's ten bitmap fonts from DejaVu Sans with FreeType and writes them as
// C++ constant data. Not part of the unit's build: run tools/fontgen/build-and-run.sh, which
// rewrites src/gfx/font_data.cpp.
//
//   fontgen FONT_DIR LICENSE_FILE > font_data.cpp
//
// Proportional fonts: each glyph keeps its hinted advance (minus the one-pixel gap the text
// routine adds), clamped into the font's width range; digits get the font's fixed digit width.
// A glyph too wide for its box is rendered again with narrower pixels until it fits, so no ink
// is ever cut. Codes 1-31 (line-drawing pieces, blocks, arrows, triangles), 127 (a box) and the
// unused Windows-1252 codes are drawn here rather than taken from the outline font.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Bitmap {
    int w = 0, h = 0;
    std::vector<uint8_t> px;
    Bitmap() = default;
    Bitmap(int w_, int h_) : w(w_), h(h_), px((size_t)std::max(0, w_ * h_), 0) {}
    bool get(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h && px[y * w + x]; }
    void set(int x, int y, bool v = true) {
        if (x >= 0 && y >= 0 && x < w && y < h) px[y * w + x] = v;
    }
    void fill(int x0, int y0, int x1, int y1) {  // inclusive
        for (int y = y0; y <= y1; y++)
            for (int x = x0; x <= x1; x++) set(x, y);
    }
};

// One rendered glyph: ink bitmap, its left/top bearing in pixels and the hinted advance.
struct Ink {
    Bitmap bm;
    int left = 0, top = 0, advance = 0;
};

FT_Library library;

enum class Render { Mono, Threshold };

Ink renderGlyph(FT_Face face, uint32_t code, int pixW, int pixH, Render mode, int threshold) {
    Ink ink;
    if (FT_Set_Pixel_Sizes(face, (FT_UInt)pixW, (FT_UInt)pixH)) {
        std::fprintf(stderr, "cannot set size %dx%d\n", pixW, pixH);
        std::exit(1);
    }
    FT_Int32 flags = FT_LOAD_RENDER | (mode == Render::Mono ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL);
    FT_UInt index = FT_Get_Char_Index(face, code);
    if (index == 0) {
        std::fprintf(stderr, "U+%04X missing from the font\n", code);
        std::exit(1);
    }
    if (FT_Load_Glyph(face, index, flags)) {
        std::fprintf(stderr, "cannot load U+%04X\n", code);
        std::exit(1);
    }
    FT_GlyphSlot g = face->glyph;
    const FT_Bitmap& b = g->bitmap;
    ink.bm = Bitmap((int)b.width, (int)b.rows);
    for (int y = 0; y < (int)b.rows; y++) {
        const uint8_t* row = b.buffer + y * b.pitch;
        for (int x = 0; x < (int)b.width; x++) {
            bool on = b.pixel_mode == FT_PIXEL_MODE_MONO ? (row[x >> 3] >> (7 - (x & 7))) & 1
                                                         : row[x] >= threshold;
            ink.bm.set(x, y, on);
        }
    }
    ink.left = g->bitmap_left;
    ink.top = g->bitmap_top;
    ink.advance = (int)((g->advance.x + 32) >> 6);
    return ink;
}

// Trims blank columns at both sides of the ink, keeping the bearing consistent.
void trimInk(Ink& ink) {
    int x0 = ink.bm.w, x1 = -1;
    for (int x = 0; x < ink.bm.w; x++)
        for (int y = 0; y < ink.bm.h; y++)
            if (ink.bm.get(x, y)) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
            }
    if (x1 < 0) {
        ink.bm = Bitmap(0, ink.bm.h);
        return;
    }
    Bitmap t(x1 - x0 + 1, ink.bm.h);
    for (int y = 0; y < t.h; y++)
        for (int x = 0; x < t.w; x++) t.set(x, y, ink.bm.get(x + x0, y));
    ink.left += x0;
    ink.bm = t;
}

// Windows-1252 code to Unicode; 0 for the codes that code page leaves unused.
uint32_t cp1252(int c) {
    static const uint16_t high[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    if (c >= 128 && c < 160) return high[c - 128];
    if (c == 0xAD) return '-';  // soft hyphen: show it as a hyphen
    return (uint32_t)c;
}

const char* cp1252Name(int c) {
    static char buf[16];
    if (c == '\\') return "backslash";
    if (c >= 33 && c < 127) {
        std::snprintf(buf, sizeof buf, "'%c'", c);
        return buf;
    }
    if (c == 32) return "space";
    return "";
}

// ---- shapes drawn by hand: pixel-centre tests so they come out symmetric ----

struct Point {
    double x, y;
};

void fillPolygon(Bitmap& bm, const std::vector<Point>& poly) {
    for (int y = 0; y < bm.h; y++)
        for (int x = 0; x < bm.w; x++) {
            double px = x + 0.5, py = y + 0.5;
            bool inside = false;
            for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
                const Point& a = poly[i];
                const Point& b = poly[j];
                if ((a.y > py) != (b.y > py) && px < (b.x - a.x) * (py - a.y) / (b.y - a.y) + a.x)
                    inside = !inside;
            }
            if (inside) bm.set(x, y);
        }
}

void fillDisc(Bitmap& bm, double cx, double cy, double r) {
    for (int y = 0; y < bm.h; y++)
        for (int x = 0; x < bm.w; x++) {
            double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            if (dx * dx + dy * dy <= r * r) bm.set(x, y);
        }
}

void ring(Bitmap& bm, double cx, double cy, double r, double t) {
    for (int y = 0; y < bm.h; y++)
        for (int x = 0; x < bm.w; x++) {
            double dx = x + 0.5 - cx, dy = y + 0.5 - cy, d = std::sqrt(dx * dx + dy * dy);
            if (d <= r && d > r - t) bm.set(x, y);
        }
}

// Geometry of a cell for the hand-drawn codes.
struct Cell {
    int w, h;      // box
    int base;      // baseline row
    int cap;       // cap height in rows
    int t;         // stroke thickness
    int capTop() const { return base - cap; }
    int midY() const { return base - (cap + 1) / 2; }  // first row of a centred stroke of t rows
};

// Codes 1-31 and 127. Pieces that join lines of text span the whole cell height.
Bitmap drawSpecial(int code, const Cell& c) {
    Bitmap bm(c.w, c.h);
    int t = c.t;
    int cx = (c.w - t) / 2;  // first column of a centred vertical stroke
    int cy = c.midY() - t / 2;
    int left = 0, right = c.w - 1, top = 0, bottom = c.h - 1;
    auto hBar = [&](int x0, int x1) { bm.fill(x0, cy, x1, cy + t - 1); };
    auto vBar = [&](int y0, int y1) { bm.fill(cx, y0, cx + t - 1, y1); };
    double ax0 = 0.5, ax1 = c.w - 0.5;                     // arrow extent, horizontal
    double ay0 = c.capTop(), ay1 = c.base;                // arrow extent, vertical (cap height)
    double mx = c.w / 2.0, my = (ay0 + ay1) / 2.0;
    double head = std::min(c.w * 0.5, (ay1 - ay0) * 0.5);  // arrow head length
    auto arrowUp = [&](double y0, double y1, bool up) {
        double hs = std::min(c.w / 2.0, head);
        if (up) {
            fillPolygon(bm, {{mx - hs, y0 + head}, {mx, y0}, {mx + hs, y0 + head}});
            bm.fill(cx, (int)(y0 + head) - 1, cx + t - 1, (int)y1 - 1);
        } else {
            fillPolygon(bm, {{mx - hs, y1 - head}, {mx, y1}, {mx + hs, y1 - head}});
            bm.fill(cx, (int)y0, cx + t - 1, (int)(y1 - head));
        }
    };
    auto arrowSide = [&](bool toRight) {
        double hs = std::min(head, (ay1 - ay0) / 2.0);
        double hl = std::min(head, c.w * 0.55);
        int y0 = cy, y1 = cy + t - 1;
        double hy = y0 + t / 2.0;
        if (toRight) {
            fillPolygon(bm, {{ax1 - hl, hy - hs}, {ax1, hy}, {ax1 - hl, hy + hs}});
            bm.fill((int)ax0, y0, (int)(ax1 - hl), y1);
        } else {
            fillPolygon(bm, {{ax0 + hl, hy - hs}, {ax0, hy}, {ax0 + hl, hy + hs}});
            bm.fill((int)(ax0 + hl), y0, (int)ax1 - 1, y1);
        }
    };
    switch (code) {
    case 1: hBar(cx, right), vBar(cy, bottom); break;             // top-left corner
    case 2: hBar(left, cx + t - 1), vBar(cy, bottom); break;      // top-right corner
    case 3: hBar(cx, right), vBar(top, cy + t - 1); break;        // bottom-left corner
    case 4: hBar(left, cx + t - 1), vBar(top, cy + t - 1); break; // bottom-right corner
    case 5: hBar(left, right); break;                             // horizontal
    case 6: vBar(top, bottom); break;                             // vertical
    case 7: vBar(top, bottom), hBar(cx, right); break;            // tee right
    case 8: vBar(top, bottom), hBar(left, cx + t - 1); break;     // tee left
    case 9: hBar(left, right), vBar(cy, bottom); break;           // tee down
    case 10: hBar(left, right), vBar(top, cy + t - 1); break;     // tee up
    case 11: hBar(left, right), vBar(top, bottom); break;         // cross
    case 12: bm.fill(0, 0, c.w - 1, c.h / 2 - 1); break;          // upper half block
    case 13: bm.fill(0, c.h / 2, c.w - 1, c.h - 1); break;        // lower half block
    case 14: bm.fill(0, 0, c.w - 1, c.h - 1); break;              // full block
    case 15:                                                      // shade
        for (int y = 0; y < c.h; y++)
            for (int x = (y & 1); x < c.w; x += 2) bm.set(x, y);
        break;
    case 16: fillPolygon(bm, {{ax0, ay0}, {ax1, my}, {ax0, ay1}}); break;  // right triangle
    case 17: fillPolygon(bm, {{ax1, ay0}, {ax0, my}, {ax1, ay1}}); break;  // left triangle
    case 18: arrowUp(ay0, my + 0.5, true), arrowUp(my - 0.5, ay1, false); break;  // up-down
    case 19: {                                                                     // left-right
        double hs = std::min(head, (ay1 - ay0) / 2.0), hl = std::min(head, c.w * 0.4);
        double hy = cy + t / 2.0;
        fillPolygon(bm, {{ax0 + hl, hy - hs}, {ax0, hy}, {ax0 + hl, hy + hs}});
        fillPolygon(bm, {{ax1 - hl, hy - hs}, {ax1, hy}, {ax1 - hl, hy + hs}});
        bm.fill((int)(ax0 + hl), cy, (int)(ax1 - hl), cy + t - 1);
        break;
    }
    case 20: fillPolygon(bm, {{mx, ay0}, {ax1, my}, {mx, ay1}, {ax0, my}}); break;  // diamond
    case 21: fillDisc(bm, mx, my, std::min(c.w, c.cap) / 2.0 - 0.5); break;         // disc
    case 22: ring(bm, mx, my, std::min(c.w, c.cap) / 2.0 - 0.5, t); break;         // circle
    case 23: {                                                                      // small square
        int s = std::max(2, c.cap / 2), x0 = (c.w - s) / 2, y0 = c.base - (c.cap + s) / 2;
        bm.fill(x0, y0, x0 + s - 1, y0 + s - 1);
        break;
    }
    case 24: arrowUp(ay0, ay1, true); break;
    case 25: arrowUp(ay0, ay1, false); break;
    case 26: arrowSide(true); break;
    case 27: arrowSide(false); break;
    case 28: bm.fill(left, cy - t, right, cy - 1), bm.fill(left, cy + t, right, cy + 2 * t - 1); break;  // double horizontal
    case 29: bm.fill(cx - t, top, cx - 1, bottom), bm.fill(cx + t, top, cx + 2 * t - 1, bottom); break;  // double vertical
    case 30: fillPolygon(bm, {{ax0, ay1}, {mx, ay0}, {ax1, ay1}}); break;  // up triangle
    case 31: fillPolygon(bm, {{ax0, ay0}, {mx, ay1}, {ax1, ay0}}); break;  // down triangle
    case 127:                                                              // box
        bm.fill(0, c.capTop(), c.w - 1, c.base - 1);
        {
            int in = std::max(1, t);
            for (int y = c.capTop() + in; y < c.base - in; y++)
                for (int x = in; x < c.w - in; x++) bm.set(x, y, false);
        }
        break;
    default: break;
    }
    return bm;
}

const char* specialName(int code) {
    static const char* names[32] = {
        "",          "corner top-left", "corner top-right", "corner bottom-left", "corner bottom-right",
        "horizontal", "vertical",       "tee right",        "tee left",           "tee down",
        "tee up",     "cross",          "upper half block", "lower half block",   "full block",
        "shade",      "right triangle", "left triangle",    "up-down arrow",      "left-right arrow",
        "diamond",    "disc",           "circle",           "small square",       "up arrow",
        "down arrow", "right arrow",    "left arrow",       "double horizontal",  "double vertical",
        "up triangle", "down triangle"};
    return code < 32 ? names[code] : "box";
}

// ---- proportional fonts ----

struct PropSpec {
    int number;
    int first, last;
    int height;
    int minW, maxW;
    int digitW;
    const char* faceFile;
    int pixW, pixH;  // FreeType pixel size
    int baseline;    // row of the baseline (first row below the caps)
    int stroke;      // thickness of hand-drawn pieces
    int threshold;   // 0: FreeType's hinted monochrome; else grey coverage at or above it is ink
};

struct Glyph {
    int width;
    Bitmap bm;  // width x height
    std::string note;
};

std::string fontDir;

FT_Face openFace(const char* file) {
    FT_Face face;
    std::string path = fontDir + "/" + file;
    if (FT_New_Face(library, path.c_str(), 0, &face)) {
        std::fprintf(stderr, "cannot open %s\n", path.c_str());
        std::exit(1);
    }
    return face;
}

Render renderMode = Render::Mono;
int grayThreshold = 112;

// Places rendered ink into a box of the given width; squeezes the glyph when it does not fit.
Bitmap placeInk(FT_Face face, uint32_t u, int pixW, int pixH, int width, int natural, int height,
                int baseline, std::string& note) {
    Ink ink = renderGlyph(face, u, pixW, pixH, renderMode, grayThreshold);
    trimInk(ink);
    int pw = pixW;
    while (ink.bm.w > width && pw > 4) {
        pw--;
        ink = renderGlyph(face, u, pw, pixH, renderMode, grayThreshold);
        trimInk(ink);
        natural = ink.advance - 1;
        note = "narrowed";
    }
    Bitmap bm(width, height);
    if (ink.bm.w == 0) return bm;
    int diff = width - natural;
    int left = ink.left + (diff >= 0 ? diff / 2 : -((-diff + 1) / 2));
    left = std::clamp(left, 0, std::max(0, width - ink.bm.w));
    int top = baseline - ink.top;
    for (int y = 0; y < ink.bm.h; y++)
        for (int x = 0; x < ink.bm.w; x++)
            if (ink.bm.get(x, y)) {
                if (top + y < 0 || top + y >= height) {
                    note += " clipped-rows";
                    continue;
                }
                bm.set(left + x, top + y);
            }
    return bm;
}

std::vector<Glyph> buildProportional(const PropSpec& s) {
    FT_Face face = openFace(s.faceFile);
    renderMode = s.threshold ? Render::Threshold : Render::Mono;
    grayThreshold = s.threshold;
    // Cap height from "H" so the hand-drawn codes match the letters.
    Ink h = renderGlyph(face, 'H', s.pixW, s.pixH, renderMode, grayThreshold);
    Cell cell{s.digitW, s.height, s.baseline, h.bm.h, s.stroke};
    std::vector<Glyph> glyphs;
    for (int c = s.first; c <= s.last; c++) {
        Glyph g;
        uint32_t u = cp1252(c);
        if (c == 0) {
            g.width = s.minW;  // never drawn: the terminator
            g.bm = Bitmap(g.width, s.height);
        } else if (c < 32 || c == 127) {
            Cell k = cell;
            if (c == 127) k.w = s.maxW;  // the box is the widest glyph
            g.width = k.w;
            g.bm = drawSpecial(c, k);
            g.note = specialName(c);
        } else if (u == 0) {  // unused in Windows-1252: a blank like the space
            Ink sp = renderGlyph(face, ' ', s.pixW, s.pixH, renderMode, grayThreshold);
            g.width = std::clamp(sp.advance - 1, s.minW, s.maxW);
            g.bm = Bitmap(g.width, s.height);
            g.note = "unused";
        } else {
            Ink ink = renderGlyph(face, u, s.pixW, s.pixH, renderMode, grayThreshold);
            int natural = ink.advance - 1;
            trimInk(ink);
            // letters whose ink fills their advance ("A", "W") get the column they need
            int width = std::clamp(std::max(natural, ink.bm.w), s.minW, s.maxW);
            if (c >= '0' && c <= '9') width = s.digitW - (s.number == 8 && c == '1' ? 1 : 0);
            g.width = width;
            g.bm = placeInk(face, u, s.pixW, s.pixH, width, natural, s.height, s.baseline, g.note);
        }
        glyphs.push_back(std::move(g));
    }
    FT_Done_Face(face);
    return glyphs;
}

void writeProportional(std::ostream& out, const PropSpec& s, const std::vector<Glyph>& glyphs) {
    int count = s.last - s.first + 1;
    std::vector<uint32_t> offsets;
    uint32_t offset = 8 + 4 * (uint32_t)count;
    for (const Glyph& g : glyphs) {
        offsets.push_back(offset);
        offset += (uint32_t)((g.width + 7) / 8 * s.height);
    }
    out << "// Font " << s.number << ": codes " << s.first << "-" << s.last << ", " << s.height
        << " rows, from " << s.faceFile << " at " << s.pixW << "x" << s.pixH << " pixels.\n";
    out << "const uint8_t fontRecord" << s.number << "[] = {\n";
    out << "    0, 0, " << (s.first & 255) << ", " << (s.first >> 8) << ", " << (s.last & 255) << ", "
        << (s.last >> 8) << ", " << s.baseline << ", " << s.height << ",\n";
    for (int i = 0; i < count; i++) {
        uint32_t o = offsets[i];
        if (i % 8 == 0) out << "   ";
        out << " " << ((o >> 16) & 255) << ", " << glyphs[i].width << ", " << (o & 255) << ", "
            << ((o >> 8) & 255) << ",";
        if (i % 8 == 7 || i == count - 1) out << "\n";
    }
    for (int i = 0; i < count; i++) {
        const Glyph& g = glyphs[i];
        int c = s.first + i;
        out << "    // " << c;
        const char* name = cp1252Name(c);
        if (*name) out << " " << name;
        if (!g.note.empty()) out << " (" << g.note << ")";
        out << ", width " << g.width << "\n   ";
        int bytesPerRow = (g.width + 7) / 8;
        for (int y = 0; y < s.height; y++) {
            for (int b = 0; b < bytesPerRow; b++) {
                int v = 0;
                for (int bit = 0; bit < 8; bit++)
                    if (g.bm.get(b * 8 + bit, y)) v |= 0x80 >> bit;
                out << " " << v << ",";
            }
        }
        out << "\n";
    }
    out << "};\n";
    out << "const uint32_t fontRecord" << s.number << "Size = sizeof fontRecord" << s.number << ";\n\n";
}

void reportProportional(const PropSpec& s, const std::vector<Glyph>& glyphs) {
    int mn = 1000, mx = 0;
    for (int i = 0; i < (int)glyphs.size(); i++) {
        int c = s.first + i;
        if (c == 0) continue;
        mn = std::min(mn, glyphs[i].width);
        mx = std::max(mx, glyphs[i].width);
        if (glyphs[i].note.find("clipped") != std::string::npos || glyphs[i].note == "narrowed")
            std::fprintf(stderr, "font %d code %d: %s\n", s.number, c, glyphs[i].note.c_str());
    }
    std::fprintf(stderr, "font %d: widths %d-%d (table %d-%d)\n", s.number, mn, mx, s.minW, s.maxW);
}

// ---- column fonts ----

struct ColSpec {
    int size;
    int last;
    int stride, columns, bytesPerColumn;
    const char* faceFile;
    int pixW, pixH;
    int baseline;
    int threshold;  // as for the proportional fonts
};

std::vector<Bitmap> buildColumn(const ColSpec& s) {
    FT_Face face = openFace(s.faceFile);
    renderMode = s.threshold ? Render::Threshold : Render::Mono;
    grayThreshold = s.threshold;
    int rows = s.bytesPerColumn * 8;
    std::vector<Bitmap> cells;
    for (int c = 32; c <= s.last; c++) {
        Bitmap bm(s.columns, rows);
        if (c != ' ') {
            Ink ink = renderGlyph(face, (uint32_t)c, s.pixW, s.pixH, renderMode, grayThreshold);
            trimInk(ink);
            int pw = s.pixW, ph = s.pixH;
            // keep one blank column between cells; a sign taller than the cell is made smaller
            while ((ink.bm.w > s.columns - 1 || ink.bm.h > rows) && pw > 4 && ph > 4) {
                if (ink.bm.w > s.columns - 1) pw--;
                if (ink.bm.h > rows) ph--;
                ink = renderGlyph(face, (uint32_t)c, pw, ph, renderMode, grayThreshold);
                trimInk(ink);
            }
            if (pw != s.pixW || ph != s.pixH)
                std::fprintf(stderr, "column %d code %d: rendered at %dx%d\n", s.size, c, pw, ph);
            int origin = (s.columns - ink.advance) / 2;
            int left = std::clamp(origin + ink.left, 0, std::max(0, s.columns - 1 - ink.bm.w));
            // keep the blank column at the right where the ink allows, so digits sit alike
            int top = s.baseline - ink.top;
            // a sign reaching below the cell ("(", ",") moves up into the room above it
            if (top + ink.bm.h > rows) top = std::max(0, rows - ink.bm.h);
            for (int y = 0; y < ink.bm.h; y++)
                for (int x = 0; x < ink.bm.w; x++)
                    if (ink.bm.get(x, y)) {
                        if (top + y < 0 || top + y >= rows)
                            std::fprintf(stderr, "column %d code %d: row %d cut\n", s.size, c, top + y);
                        bm.set(left + x, top + y);
                    }
        }
        cells.push_back(bm);
    }
    FT_Done_Face(face);
    return cells;
}

void writeColumn(std::ostream& out, const ColSpec& s, const std::vector<Bitmap>& cells) {
    out << "// Column font " << s.size << ": codes 32-" << s.last << ", " << s.columns << " columns of "
        << s.bytesPerColumn * 8 << " rows in cells of " << s.stride << " bytes, from " << s.faceFile
        << " at " << s.pixW << "x" << s.pixH << " pixels.\n";
    out << "const uint8_t columnFont" << s.size << "[] = {\n";
    for (size_t i = 0; i < cells.size(); i++) {
        int c = 32 + (int)i;
        out << "    // " << c << " " << cp1252Name(c) << "\n   ";
        int n = 0;
        for (int k = 0; k < s.columns; k++)
            for (int j = 0; j < s.bytesPerColumn; j++) {
                int v = 0;
                for (int b = 0; b < 8; b++)
                    if (cells[i].get(k, 8 * j + b)) v |= 1 << b;
                out << " " << v << ",";
                n++;
            }
        for (; n < s.stride; n++) out << " 0,";
        out << "\n";
    }
    out << "};\n";
    out << "const uint32_t columnFont" << s.size << "Size = sizeof columnFont" << s.size << ";\n\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: fontgen FONT_DIR LICENSE_FILE > font_data.cpp\n");
        return 2;
    }
    fontDir = argv[1];
    if (FT_Init_FreeType(&library)) {
        std::fprintf(stderr, "cannot start FreeType\n");
        return 1;
    }
    std::ifstream lic(argv[2]);
    if (!lic) {
        std::fprintf(stderr, "cannot read %s\n", argv[2]);
        return 1;
    }
    std::stringstream licence;
    licence << lic.rdbuf();

    const PropSpec props[] = {
        //  no first last  h  min max digit face                      pw  ph  base stroke threshold
        {8, 0, 255, 16, 3, 14, 8, "DejaVuSans-Bold.ttf", 13, 13, 13, 1, 0},
        {9, 32, 127, 19, 4, 16, 9, "DejaVuSans-Bold.ttf", 14, 14, 15, 2, 128},
        {10, 0, 255, 21, 4, 21, 11, "DejaVuSans-Bold.ttf", 17, 17, 17, 2, 0},
        {12, 32, 127, 24, 5, 21, 12, "DejaVuSans-Bold.ttf", 19, 19, 19, 2, 0},
        {16, 32, 127, 33, 7, 27, 16, "DejaVuSans-Bold.ttf", 24, 24, 26, 3, 0},
        {20, 32, 127, 41, 8, 34, 19, "DejaVuSans-Bold.ttf", 29, 29, 32, 3, 0},
    };
    const ColSpec cols[] = {
        // size last stride cols bytes face                          pw  ph base threshold
        {10, 57, 16, 8, 2, "DejaVuSansCondensed-Bold.ttf", 14, 15, 13, 0},
        {12, 90, 32, 10, 2, "DejaVuSansCondensed-Bold.ttf", 16, 16, 13, 0},
        {20, 57, 48, 16, 3, "DejaVuSansCondensed-Bold.ttf", 26, 27, 21, 0},
        {30, 57, 92, 23, 4, "DejaVuSansCondensed-Bold.ttf", 37, 38, 29, 0},
    };

    std::ostringstream out;
    out << "// Glyph data of the unit's ten fonts, generated by tools/fontgen from the DejaVu fonts\n"
           "// (Debian package fonts-dejavu-core). Do not edit: change the generator and run\n"
           "// tools/fontgen/build-and-run.sh. The bitmaps are derived from the DejaVu fonts, whose\n"
           "// licence follows (also in src/gfx/FONT-LICENSE).\n//\n";
    std::string line;
    while (std::getline(licence, line)) out << "// " << line << "\n";
    out << "\n#include \"gfx/font_data.h\"\n\n";
    for (const PropSpec& s : props) {
        std::vector<Glyph> g = buildProportional(s);
        reportProportional(s, g);
        writeProportional(out, s, g);
    }
    for (const ColSpec& s : cols) writeColumn(out, s, buildColumn(s));
    // no trailing spaces in the generated file
    std::istringstream text(out.str());
    std::string clean;
    while (std::getline(text, line)) {
        while (!line.empty() && line.back() == ' ') line.pop_back();
        clean += line + "\n";
    }
    std::fputs(clean.c_str(), stdout);
    FT_Done_FreeType(library);
    return 0;
}
