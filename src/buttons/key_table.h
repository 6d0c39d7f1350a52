#pragma once
// The keyboard table: Windows virtual keys as the key-entry dialogs and the macro recorder
// receive them, the key index they are known by, the keyboard usage that goes into
// key-combination codes and macros, and the names shown for both.

#include <cstdint>
#include <string_view>

namespace orvane {

// Key indexes run 0..143: 0 "None" and 1 "Demo" have no virtual key; 2..143 have one each.
inline constexpr int kKeyIndexCount = 144;
inline constexpr int kKeyIndexNone = 0;

// The key index of a virtual key; 0 for a key the table does not list.
int VirtualKeyToKeyIndex(int virtualKey);
// The usage a key index sends; 0 for an index without one (or outside 0..143).
std::uint8_t KeyIndexToUsage(int keyIndex);
// The text shown while a key is typed; empty outside 0..143.
std::string_view KeyIndexName(int keyIndex);
// The name of a usage inside a key combination; empty for a usage the table does not list.
std::string_view KeyUsageName(std::uint8_t usage);

}  // namespace orvane
