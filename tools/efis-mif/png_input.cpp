#include "png_input.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

// libpng's own words for a file that stops short are only "Read Error".
static std::string readFailure(const char* message) {
    if (std::strcmp(message, "Read Error") == 0) return "the PNG file is damaged or ends early";
    return std::string("cannot read the PNG picture: ") + message;
}

bool readPngRgb(const char* path, int32_t maxWidth, int32_t maxHeight, std::vector<uint32_t>& rgb,
                int32_t& width, int32_t& height, std::string& error) {
    FILE* f = std::fopen(path, "rb");
    if (!f) {
        error = std::string("cannot open: ") + std::strerror(errno);
        return false;
    }
    png_byte signature[8] = {};
    size_t got = std::fread(signature, 1, sizeof signature, f);
    std::fclose(f);
    if (got < sizeof signature || png_sig_cmp(signature, 0, sizeof signature) != 0) {
        error = "not a PNG picture";
        return false;
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path)) {
        error = readFailure(image.message);
        return false;
    }
    if (image.width > (png_uint_32)maxWidth || image.height > (png_uint_32)maxHeight) {
        error = "the picture is " + std::to_string(image.width) + " x " + std::to_string(image.height) +
                " pixels; the unit shows at most " + std::to_string(maxWidth) + " x " + std::to_string(maxHeight);
        png_image_free(&image);
        return false;
    }
    width = (int32_t)image.width;
    height = (int32_t)image.height;
    image.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
        error = readFailure(image.message);
        png_image_free(&image);
        return false;
    }
    rgb.resize((size_t)width * (size_t)height);
    for (size_t i = 0; i < rgb.size(); i++) {
        const uint8_t* p = &pixels[i * 4];
        uint32_t a = p[3];
        // Over black: each channel scaled by the opacity, rounded.
        uint32_t r = (p[0] * a + 127) / 255, g = (p[1] * a + 127) / 255, b = (p[2] * a + 127) / 255;
        rgb[i] = r << 16 | g << 8 | b;
    }
    return true;
}
