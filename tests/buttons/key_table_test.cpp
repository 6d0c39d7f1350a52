#include "buttons/key_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace orvane {
namespace {

// One key as the key-entry dialogs and code names must see it.
struct Key {
  int virtualKey;
  int index;
  std::uint8_t usage;  // 0: none
  std::string indexName;
  std::string usageName;  // what KeyUsageName gives for the usage
};

void AddGroup(std::vector<Key>& keys, int firstVk, int firstIndex, std::vector<std::uint8_t> usages,
              std::vector<std::string> names, std::string usageName = {}) {
  for (std::size_t i = 0; i < names.size(); ++i)
    keys.push_back({firstVk + int(i), firstIndex + int(i), usages[i], names[i],
                    usageName.empty() ? names[i] : usageName});
}

// The keyboard table row by row, as the key-entry dialogs know it.
std::vector<Key> ExpectedKeys() {
  std::vector<Key> keys;
  for (int i = 0; i < 26; ++i)
    keys.push_back({0x41 + i, 78 + i, std::uint8_t(0x04 + i), std::string(1, char('A' + i)), {}});
  keys.push_back({0x30, 104, 0x27, "0", {}});
  for (int d = 1; d <= 9; ++d)
    keys.push_back({0x30 + d, 104 + d, std::uint8_t(0x1D + d), std::to_string(d), {}});
  for (int f = 1; f <= 24; ++f)
    keys.push_back({0x6F + f, 45 + f, std::uint8_t(f <= 12 ? 0x39 + f : 0x67 + f - 12),
                    "F" + std::to_string(f), {}});
  AddGroup(keys, 0x60, 30, {0x62, 0x59, 0x5A, 0x5B, 0x5C, 0x5D, 0x5E, 0x5F, 0x60, 0x61},
           {"0 (numeric pad)", "1 (numeric pad)", "2 (numeric pad)", "3 (numeric pad)",
            "4 (numeric pad)", "5 (numeric pad)", "6 (numeric pad)", "7 (numeric pad)",
            "8 (numeric pad)", "9 (numeric pad)"});
  AddGroup(keys, 0x08, 3, {0x2A, 0x2B}, {"Backspace", "Tab"});
  AddGroup(keys, 0x0C, 5, {0x9C, 0x28}, {"Clear", "Enter"});
  AddGroup(keys, 0x10, 7, {0xE1}, {"Shift"}, "Left Shift");
  AddGroup(keys, 0x11, 8, {0xE0}, {"Ctrl"}, "Left Ctrl");
  AddGroup(keys, 0x12, 9, {0xE2}, {"Alt"}, "Left Alt");
  AddGroup(keys, 0x13, 10, {0x48, 0x39}, {"Pause", "Caps Lock"});
  AddGroup(keys, 0x1B, 12, {0x29}, {"Esc"});
  AddGroup(keys, 0x20, 13, {0x2C, 0x4B, 0x4E, 0x4D, 0x4A, 0x50, 0x52, 0x4F, 0x51, 0x77},
           {"Space bar", "Page Up", "Page Down", "End", "Home", "Left Arrow", "Up Arrow",
            "Right Arrow", "Down Arrow", "Select"});
  AddGroup(keys, 0x2C, 23, {0x46, 0x49, 0x4C, 0x75}, {"Print Screen", "Insert", "Delete", "Help"});
  AddGroup(keys, 0x5B, 27, {0xE3, 0xE7}, {"Left Windows", "Right Windows"}, "Win");
  AddGroup(keys, 0x5D, 29, {0x65}, {"Applications"});
  AddGroup(keys, 0x6A, 40, {0x55, 0x57, 0x58, 0x56, 0x63, 0x54},
           {"Multiply (numeric pad)", "Add (numeric pad)", "Separator (numeric pad)",
            "Subtract (numeric pad)", "Decimal (numeric pad)", "Divide (numeric pad)"});
  AddGroup(keys, 0x90, 70, {0x53, 0x47}, {"Num Lock", "Scroll Lock"});
  AddGroup(keys, 0xA0, 72, {0xE1, 0xE5, 0xE0, 0xE4, 0xE2, 0xE6},
           {"Left Shift", "Right Shift", "Left Ctrl", "Right Ctrl", "Left Alt", "Right Alt"});
  keys.push_back({0xBA, 114, 0x33, "OEM_1", "OEM_1"});
  keys.push_back({0xBF, 115, 0x38, "OEM_2", "OEM_2"});
  keys.push_back({0xC0, 116, 0x35, "OEM_3", "OEM_3"});
  AddGroup(keys, 0xBB, 122, {0x2E, 0x36, 0x2D, 0x37}, {"OEM_Plus", "OEM_Comma", "OEM_Minus", "OEM_Period"});
  AddGroup(keys, 0xDB, 117, {0x2F, 0x31, 0x30, 0x34, 0}, {"OEM_4", "OEM_5", "OEM_6", "OEM_7", "OEM_8"});
  AddGroup(keys, 0xA6, 126, {0xCA, 0xCB, 0xCD, 0xCC, 0xC8, 0xCE, 0xC9},
           {"Browser_Back", "Browser_Forward", "Browser_Refresh", "Browser_Stop", "Browser_Search",
            "Browser_Favorites", "Browser_Home"});
  AddGroup(keys, 0xAD, 133, {0xC4, 0xC6, 0xC5}, {"Volume_Mute", "Volume_Down", "Volume_Up"});
  AddGroup(keys, 0xB0, 136, {0xC0, 0xC1, 0xC2, 0xC3},
           {"Media_Next_Track", "Media_Prev_Track", "Media_Stop", "Media_Play_Pause"});
  AddGroup(keys, 0xB4, 140, {0xC7, 0xD1, 0, 0},
           {"Launch_Mail", "Launch_Media_Select", "Launch_App1", "Launch_App2"});
  keys.push_back({0xFF, 2, 0, "255", {}});
  for (Key& k : keys)
    if (k.usageName.empty() && k.usage) k.usageName = k.indexName;
  return keys;
}

TEST(KeyTable, EveryListedVirtualKeyRoundTripsToItsUsageAndNames) {
  const std::vector<Key> keys = ExpectedKeys();
  ASSERT_EQ(keys.size(), 142u);  // indexes 2..143
  for (const Key& k : keys) {
    SCOPED_TRACE(k.indexName);
    const int index = VirtualKeyToKeyIndex(k.virtualKey);
    EXPECT_EQ(index, k.index);
    EXPECT_EQ(KeyIndexToUsage(index), k.usage);
    EXPECT_EQ(KeyIndexName(index), k.indexName);
    if (k.usage) {
      EXPECT_EQ(KeyUsageName(KeyIndexToUsage(index)), k.usageName);
    }
  }
}

TEST(KeyTable, KeysOutsideTheTableGiveIndexZero) {
  std::set<int> listed;
  for (const Key& k : ExpectedKeys()) listed.insert(k.virtualKey);
  for (int vk = -1; vk <= 0x100; ++vk)
    if (!listed.count(vk)) {
      EXPECT_EQ(VirtualKeyToKeyIndex(vk), 0) << "virtual key " << vk;
    }
  EXPECT_EQ(VirtualKeyToKeyIndex(0x10000 + 0x41), 0);
}

TEST(KeyTable, IndexesWithoutAKeyOrUsage) {
  EXPECT_EQ(KeyIndexName(0), "None");
  EXPECT_EQ(KeyIndexName(1), "Demo");
  for (int index : {0, 1, 2, 121, 142, 143}) EXPECT_EQ(KeyIndexToUsage(index), 0) << index;
  for (int index : {-1, 144, 1000}) {
    EXPECT_EQ(KeyIndexName(index), "") << index;
    EXPECT_EQ(KeyIndexToUsage(index), 0) << index;
  }
}

TEST(KeyTable, NamesExactlyTheUsagesTheKeysSend) {
  std::set<int> sent;
  for (const Key& k : ExpectedKeys())
    if (k.usage) sent.insert(k.usage);
  for (int usage = 0; usage <= 0xFF; ++usage)
    EXPECT_EQ(KeyUsageName(std::uint8_t(usage)).empty(), !sent.count(usage)) << "usage " << usage;
  // The private codes no key produces stay unnamed.
  EXPECT_EQ(KeyUsageName(0xCF), "");
  EXPECT_EQ(KeyUsageName(0xD0), "");
}

}  // namespace
}  // namespace orvane
