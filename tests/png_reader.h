// Reads back the indexed PNGs the headless host writes (stored deflate blocks only).
#pragma once
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

struct IndexedPng {
    int32_t width = 0, height = 0;
    uint32_t palette[256] = {};
    std::vector<uint8_t> pixels;
};

inline bool readIndexedPng(const std::string& path, IndexedPng& png) {
    std::ifstream f(path, std::ios::binary);
    std::vector<uint8_t> b{std::istreambuf_iterator<char>(f), {}};
    if (b.size() < 8) return false;
    auto be32 = [&](size_t i) { return (uint32_t)b[i] << 24 | b[i + 1] << 16 | b[i + 2] << 8 | b[i + 3]; };
    std::vector<uint8_t> z;
    for (size_t pos = 8; pos + 12 <= b.size();) {
        uint32_t len = be32(pos);
        std::string type(b.begin() + pos + 4, b.begin() + pos + 8);
        size_t body = pos + 8;
        if (body + len > b.size()) return false;
        if (type == "IHDR") {
            png.width = (int32_t)be32(body);
            png.height = (int32_t)be32(body + 4);
        } else if (type == "PLTE") {
            for (uint32_t i = 0; i < len / 3 && i < 256; i++)
                png.palette[i] = (uint32_t)b[body + 3 * i] << 16 | b[body + 3 * i + 1] << 8 | b[body + 3 * i + 2];
        } else if (type == "IDAT") {
            z.insert(z.end(), b.begin() + body, b.begin() + body + len);
        }
        pos = body + len + 4;
    }
    std::vector<uint8_t> raw;
    for (size_t p = 2; p + 5 <= z.size();) {
        bool last = z[p] & 1;
        if ((z[p] >> 1) & 3) return false;  // only stored blocks
        size_t n = z[p + 1] | z[p + 2] << 8;
        raw.insert(raw.end(), z.begin() + p + 5, z.begin() + p + 5 + n);
        p += 5 + n;
        if (last) break;
    }
    if (raw.size() != (size_t)png.height * (png.width + 1)) return false;
    png.pixels.clear();
    for (int32_t y = 0; y < png.height; y++)
        png.pixels.insert(png.pixels.end(), raw.begin() + y * (png.width + 1) + 1,
                          raw.begin() + (y + 1) * (png.width + 1));
    return true;
}
