#include "buttons/key_table.h"

#include <array>
#include <cstddef>

namespace orvane {
namespace {

// A key with a row of its own. An empty usage name is the same as the index name.
struct KeyRow {
  int virtualKey;  // -1: no virtual key reaches the index
  int keyIndex;
  std::uint8_t usage;  // 0: the key sends nothing
  std::string_view indexName;
  std::string_view usageName = {};
};

constexpr KeyRow kKeyRows[] = {
    {-1, 0, 0, "None"},
    {-1, 1, 0, "Demo"},
    {0xFF, 2, 0, "255"},
    {0x08, 3, 0x2A, "Backspace"},
    {0x09, 4, 0x2B, "Tab"},
    {0x0C, 5, 0x9C, "Clear"},
    {0x0D, 6, 0x28, "Enter"},
    {0x10, 7, 0xE1, "Shift", "Left Shift"},
    {0x11, 8, 0xE0, "Ctrl", "Left Ctrl"},
    {0x12, 9, 0xE2, "Alt", "Left Alt"},
    {0x13, 10, 0x48, "Pause"},
    {0x14, 11, 0x39, "Caps Lock"},
    {0x1B, 12, 0x29, "Esc"},
    {0x20, 13, 0x2C, "Space bar"},
    {0x21, 14, 0x4B, "Page Up"},
    {0x22, 15, 0x4E, "Page Down"},
    {0x23, 16, 0x4D, "End"},
    {0x24, 17, 0x4A, "Home"},
    {0x25, 18, 0x50, "Left Arrow"},
    {0x26, 19, 0x52, "Up Arrow"},
    {0x27, 20, 0x4F, "Right Arrow"},
    {0x28, 21, 0x51, "Down Arrow"},
    {0x29, 22, 0x77, "Select"},
    {0x2C, 23, 0x46, "Print Screen"},
    {0x2D, 24, 0x49, "Insert"},
    {0x2E, 25, 0x4C, "Delete"},
    {0x2F, 26, 0x75, "Help"},
    {0x5B, 27, 0xE3, "Left Windows", "Win"},
    {0x5C, 28, 0xE7, "Right Windows", "Win"},
    {0x5D, 29, 0x65, "Applications"},
    {0x6A, 40, 0x55, "Multiply (numeric pad)"},
    {0x6B, 41, 0x57, "Add (numeric pad)"},
    {0x6C, 42, 0x58, "Separator (numeric pad)"},
    {0x6D, 43, 0x56, "Subtract (numeric pad)"},
    {0x6E, 44, 0x63, "Decimal (numeric pad)"},
    {0x6F, 45, 0x54, "Divide (numeric pad)"},
    {0x90, 70, 0x53, "Num Lock"},
    {0x91, 71, 0x47, "Scroll Lock"},
    {0xA0, 72, 0xE1, "Left Shift"},
    {0xA1, 73, 0xE5, "Right Shift"},
    {0xA2, 74, 0xE0, "Left Ctrl"},
    {0xA3, 75, 0xE4, "Right Ctrl"},
    {0xA4, 76, 0xE2, "Left Alt"},
    {0xA5, 77, 0xE6, "Right Alt"},
    {0xBA, 114, 0x33, "OEM_1"},
    {0xBF, 115, 0x38, "OEM_2"},
    {0xC0, 116, 0x35, "OEM_3"},
    {0xDB, 117, 0x2F, "OEM_4"},
    {0xDC, 118, 0x31, "OEM_5"},
    {0xDD, 119, 0x30, "OEM_6"},
    {0xDE, 120, 0x34, "OEM_7"},
    {0xDF, 121, 0, "OEM_8"},
    {0xBB, 122, 0x2E, "OEM_Plus"},
    {0xBC, 123, 0x36, "OEM_Comma"},
    {0xBD, 124, 0x2D, "OEM_Minus"},
    {0xBE, 125, 0x37, "OEM_Period"},
    // Media and browser keys send private usages 0xC0..0xD1 and name them after the key.
    {0xA6, 126, 0xCA, "Browser_Back"},
    {0xA7, 127, 0xCB, "Browser_Forward"},
    {0xA8, 128, 0xCD, "Browser_Refresh"},
    {0xA9, 129, 0xCC, "Browser_Stop"},
    {0xAA, 130, 0xC8, "Browser_Search"},
    {0xAB, 131, 0xCE, "Browser_Favorites"},
    {0xAC, 132, 0xC9, "Browser_Home"},
    {0xAD, 133, 0xC4, "Volume_Mute"},
    {0xAE, 134, 0xC6, "Volume_Down"},
    {0xAF, 135, 0xC5, "Volume_Up"},
    {0xB0, 136, 0xC0, "Media_Next_Track"},
    {0xB1, 137, 0xC1, "Media_Prev_Track"},
    {0xB2, 138, 0xC2, "Media_Stop"},
    {0xB3, 139, 0xC3, "Media_Play_Pause"},
    {0xB4, 140, 0xC7, "Launch_Mail"},
    {0xB5, 141, 0xD1, "Launch_Media_Select"},
    {0xB6, 142, 0, "Launch_App1"},
    {0xB7, 143, 0, "Launch_App2"},
};

// Keys that follow one rule: consecutive virtual keys, key indexes and usages, named
// prefix + number + suffix, or by their letter.
struct KeyRun {
  int firstVirtualKey;
  int firstIndex;
  int count;
  std::uint8_t firstUsage;
  std::string_view prefix;
  int firstNumber;  // -1: named by letter from 'A'
  std::string_view suffix = {};
};

constexpr std::string_view kPad = " (numeric pad)";

constexpr KeyRun kKeyRuns[] = {
    {0x41, 78, 26, 0x04, "", -1},   // A..Z
    {0x30, 104, 1, 0x27, "", 0},    // 0
    {0x31, 105, 9, 0x1E, "", 1},    // 1..9
    {0x70, 46, 12, 0x3A, "F", 1},   // F1..F12
    {0x7C, 58, 12, 0x68, "F", 13},  // F13..F24
    {0x60, 30, 1, 0x62, "", 0, kPad},
    {0x61, 31, 9, 0x59, "", 1, kPad},
};

// A name held in place, so that the whole table is built while compiling.
struct KeyText {
  std::array<char, 24> chars{};
  std::size_t size = 0;

  constexpr void Append(std::string_view s) {
    for (const char c : s) chars[size++] = c;  // too long a name stops the build
  }
  constexpr void AppendNumber(int n) {
    if (n >= 10) AppendNumber(n / 10);
    chars[size++] = static_cast<char>('0' + n % 10);
  }
  constexpr std::string_view View() const { return {chars.data(), size}; }
};

struct KeyEntry {
  int virtualKey = -1;
  std::uint8_t usage = 0;
  KeyText indexName;
  KeyText usageName;  // empty for an index without a usage
  bool filled = false;
};

struct KeyTable {
  std::array<KeyEntry, kKeyIndexCount> byIndex{};
  std::array<std::uint8_t, 256> indexOfVirtualKey{};  // 0: not listed
  std::array<std::uint8_t, 256> indexOfUsage{};       // 0: not listed
  bool valid = true;                                  // every index once, every key once
};

constexpr void Place(KeyTable& table, int virtualKey, int keyIndex, std::uint8_t usage,
                     const KeyText& indexName, const KeyText& usageName) {
  if (keyIndex < 0 || keyIndex >= kKeyIndexCount || table.byIndex[keyIndex].filled) {
    table.valid = false;
    return;
  }
  KeyEntry& e = table.byIndex[keyIndex];
  e = {virtualKey, usage, indexName, usage ? usageName : KeyText{}, true};
  if (virtualKey >= 0) {
    if (virtualKey > 0xFF || table.indexOfVirtualKey[virtualKey] != 0) table.valid = false;
    else table.indexOfVirtualKey[virtualKey] = static_cast<std::uint8_t>(keyIndex);
  }
}

constexpr KeyTable BuildKeyTable() {
  KeyTable table;
  for (const KeyRow& row : kKeyRows) {
    KeyText indexName, usageName;
    indexName.Append(row.indexName);
    usageName.Append(row.usageName.empty() ? row.indexName : row.usageName);
    Place(table, row.virtualKey, row.keyIndex, row.usage, indexName, usageName);
  }
  for (const KeyRun& run : kKeyRuns) {
    for (int i = 0; i < run.count; ++i) {
      KeyText name;
      name.Append(run.prefix);
      if (run.firstNumber < 0) name.chars[name.size++] = static_cast<char>('A' + i);
      else name.AppendNumber(run.firstNumber + i);
      name.Append(run.suffix);
      Place(table, run.firstVirtualKey + i, run.firstIndex + i,
            static_cast<std::uint8_t>(run.firstUsage + i), name, name);
    }
  }
  for (int index = 0; index < kKeyIndexCount; ++index) {
    const KeyEntry& e = table.byIndex[index];
    if (!e.filled || (index >= 2) != (e.virtualKey >= 0)) table.valid = false;
    if (e.usage == 0) continue;
    std::uint8_t& first = table.indexOfUsage[e.usage];
    if (first == 0) first = static_cast<std::uint8_t>(index);
    // Keys that send the same usage must agree on its name.
    else if (table.byIndex[first].usageName.View() != e.usageName.View()) table.valid = false;
  }
  return table;
}

constexpr KeyTable kTable = BuildKeyTable();
static_assert(kTable.valid, "the key table must give every index and virtual key one row");

}  // namespace

int VirtualKeyToKeyIndex(int virtualKey) {
  if (virtualKey < 0 || virtualKey > 0xFF) return kKeyIndexNone;
  return kTable.indexOfVirtualKey[static_cast<std::size_t>(virtualKey)];
}

std::uint8_t KeyIndexToUsage(int keyIndex) {
  if (keyIndex < 0 || keyIndex >= kKeyIndexCount) return 0;
  return kTable.byIndex[static_cast<std::size_t>(keyIndex)].usage;
}

std::string_view KeyIndexName(int keyIndex) {
  if (keyIndex < 0 || keyIndex >= kKeyIndexCount) return {};
  return kTable.byIndex[static_cast<std::size_t>(keyIndex)].indexName.View();
}

std::string_view KeyUsageName(std::uint8_t usage) {
  return kTable.byIndex[kTable.indexOfUsage[usage]].usageName.View();
}

}  // namespace orvane
