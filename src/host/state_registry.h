// Named unit state for the headless host's print and expect: each subsystem lists what it owns.
#pragma once
#include <cstddef>
#include <cstdint>
#include <type_traits>

enum class StateType : uint8_t { U8, I8, U16, I16, U32, I32, U64, I64, F32, F64, Text };

struct StateEntry {
    const char* name;
    StateType type;
    const void* address;  // may be unaligned (packed records): read through memcpy
    uint16_t count;       // elements; for Text, the field size in bytes
};

template <typename T>
constexpr StateType stateTypeOf() {
    if constexpr (std::is_same_v<T, char>) return StateType::Text;
    else if constexpr (std::is_same_v<T, uint8_t>) return StateType::U8;
    else if constexpr (std::is_same_v<T, int8_t>) return StateType::I8;
    else if constexpr (std::is_same_v<T, uint16_t>) return StateType::U16;
    else if constexpr (std::is_same_v<T, int16_t>) return StateType::I16;
    else if constexpr (std::is_same_v<T, uint32_t>) return StateType::U32;
    else if constexpr (std::is_same_v<T, int32_t>) return StateType::I32;
    else if constexpr (std::is_same_v<T, uint64_t>) return StateType::U64;
    else if constexpr (std::is_same_v<T, int64_t>) return StateType::I64;
    else if constexpr (std::is_same_v<T, float>) return StateType::F32;
    else if constexpr (std::is_same_v<T, double>) return StateType::F64;
    else static_assert(sizeof(T) == 0, "type cannot be printed");
}

void registerState(const char* name, StateType type, const void* address, uint16_t count);

// One line per piece of state: registerValue("tickCount", tickCount). Arrays register whole
// (printed comma-separated); char arrays print as text up to their terminator or size.
template <typename T>
void registerValue(const char* name, const T& value) {
    if constexpr (std::is_array_v<T>) {
        using E = std::remove_all_extents_t<T>;
        registerState(name, stateTypeOf<E>(), &value, (uint16_t)(sizeof(T) / sizeof(E)));
    } else {
        registerState(name, stateTypeOf<T>(), &value, 1);
    }
}

// Fields of packed records, where a reference cannot bind: REGISTER_FIELD(unitSettings, vne).
#define REGISTER_FIELD(record, field)                                                                      \
    registerState(#record "." #field,                                                                      \
                  stateTypeOf<std::remove_all_extents_t<decltype(record.field)>>(),                        \
                  reinterpret_cast<const char*>(&record) + offsetof(std::remove_reference_t<decltype(record)>, field), \
                  (uint16_t)(sizeof(record.field) / sizeof(std::remove_all_extents_t<decltype(record.field)>)))

const StateEntry* findState(const char* name);
// Writes the value as text ("12", "-3", "1.5", "N12345", "1,2,3"); returns false if unknown.
bool formatState(const char* name, char* out, size_t outSize);

// Each subsystem's list; registerAllState calls them all once.
void registerHostState();
void registerGfxState();
void registerUiState();
void registerEfisState();
void registerAirdataState();
void registerEmsState();
void registerNavState();
void registerRecordsState();
void registerLinksState();
void registerAllState();
