#include <cstring>
#include <filesystem>

#include "host/platform.h"

Platform* platform = nullptr;

bool cardPathToHost(const char* cardPath, char* out, size_t outSize) {
    size_t n = std::strlen(cardPath);
    if (n + 1 > outSize) return false;
    for (size_t i = 0; i < n; i++) out[i] = cardPath[i] == '\\' ? '/' : cardPath[i];
    out[n] = 0;
    return true;
}

FILE* cardOpen(const char* cardPath, const char* mode) {
    char path[512];
    if (!cardPathToHost(cardPath, path, sizeof path)) return nullptr;
    return std::fopen(path, mode);
}

bool cardRemove(const char* cardPath) {
    char path[512];
    return cardPathToHost(cardPath, path, sizeof path) && std::remove(path) == 0;
}

bool cardRename(const char* fromCardPath, const char* toCardPath) {
    char from[512], to[512];
    return cardPathToHost(fromCardPath, from, sizeof from) && cardPathToHost(toCardPath, to, sizeof to) &&
           std::rename(from, to) == 0;
}

int32_t cardListFolder(const char* cardFolder, void (*visit)(const char* name, void* context), void* context) {
    char path[512];
    if (!cardPathToHost(cardFolder, path, sizeof path)) return 0;
    std::error_code ec;
    int32_t count = 0;
    for (std::filesystem::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        std::string name = it->path().filename().string();
        visit(name.c_str(), context);
        count++;
    }
    return count;
}
