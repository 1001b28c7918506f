#include "host/state_registry.h"

#include <cstdio>
#include <cstring>
#include <vector>

static std::vector<StateEntry> stateEntries;  // filled once at start-up, never during a frame

void registerState(const char* name, StateType type, const void* address, uint16_t count) {
    stateEntries.push_back({name, type, address, count});
}

const StateEntry* findState(const char* name) {
    for (const StateEntry& e : stateEntries)
        if (std::strcmp(e.name, name) == 0) return &e;
    return nullptr;
}

template <typename T>
static T readAt(const void* base, size_t index) {
    T v;
    std::memcpy(&v, static_cast<const char*>(base) + index * sizeof(T), sizeof(T));
    return v;
}

static int formatElement(const StateEntry& e, size_t i, char* out, size_t n) {
    switch (e.type) {
    case StateType::U8: return std::snprintf(out, n, "%u", (unsigned)readAt<uint8_t>(e.address, i));
    case StateType::I8: return std::snprintf(out, n, "%d", (int)readAt<int8_t>(e.address, i));
    case StateType::U16: return std::snprintf(out, n, "%u", (unsigned)readAt<uint16_t>(e.address, i));
    case StateType::I16: return std::snprintf(out, n, "%d", (int)readAt<int16_t>(e.address, i));
    case StateType::U32: return std::snprintf(out, n, "%lu", (unsigned long)readAt<uint32_t>(e.address, i));
    case StateType::I32: return std::snprintf(out, n, "%ld", (long)readAt<int32_t>(e.address, i));
    case StateType::U64:
        return std::snprintf(out, n, "%llu", (unsigned long long)readAt<uint64_t>(e.address, i));
    case StateType::I64: return std::snprintf(out, n, "%lld", (long long)readAt<int64_t>(e.address, i));
    case StateType::F32: return std::snprintf(out, n, "%g", (double)readAt<float>(e.address, i));
    case StateType::F64: return std::snprintf(out, n, "%g", readAt<double>(e.address, i));
    case StateType::Text: return 0;
    }
    return 0;
}

bool formatState(const char* name, char* out, size_t outSize) {
    const StateEntry* e = findState(name);
    if (!e || outSize == 0) return false;
    out[0] = 0;
    if (e->type == StateType::Text) {
        // Never past the field: a full field may carry no terminator.
        const char* s = static_cast<const char*>(e->address);
        size_t len = 0;
        while (len < e->count && s[len]) len++;
        if (len >= outSize) len = outSize - 1;
        std::memcpy(out, s, len);
        out[len] = 0;
        return true;
    }
    size_t used = 0;
    for (size_t i = 0; i < e->count && used + 1 < outSize; i++) {
        if (i > 0) out[used++] = ',';
        int w = formatElement(*e, i, out + used, outSize - used);
        if (w < 0) break;
        used += (size_t)w;
        if (used >= outSize) used = outSize - 1;
    }
    out[used] = 0;
    return true;
}

void registerAllState() {
    if (!stateEntries.empty()) return;
    registerHostState();
    registerGfxState();
    registerUiState();
    registerEfisState();
    registerAirdataState();
    registerEmsState();
    registerNavState();
    registerRecordsState();
    registerLinksState();
}
