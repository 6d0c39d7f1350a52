#pragma once
// Typed access to the skin layout tables "org1".."org3": the place, visibility, text size and
// colour of the window's controls for one language number.
//
// Every integer key read without a default must hold an integer; an absent or non-numeric
// value throws IniConversionError ("'<value>' is not a valid integer value"), which stops the
// caller applying the rest of the skin.
//
// Fallback: the tables of languages 2 and 3 hold only what differs from language 1 or what
// they have of their own. A key absent from "org2" or "org3" is looked up in "org1", so every
// language gets a complete window. A key that is present but not an integer is an error and
// is not replaced by org1's value.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/ini_file.h"

namespace orvane {

// The parsed built-in layout table of that name ("org", "org1".."org3"); empty when the
// build carries no such table.
IniFile LoadLayoutTable(std::string_view name);

// ITEM_Enable, ITEM_X, ITEM_Y. The place is read only for a shown item.
struct SkinItem {
  bool shown = false;
  int x = 0;
  int y = 0;
};

// A label family: LABEL_Lable_X/_Y/_R/_G/_B/_Size/_Width.
struct SkinLabel {
  int x = 0;
  int y = 0;
  std::uint32_t colour = 0;
  int size = 0;
  int width = 0;
  int Height() const { return 2 * size; }  // the label is twice its text size high
};

// A group's text: Size_L and Color_L_R/_G/_B.
struct SkinGroupText {
  int size = 0;
  std::uint32_t colour = 0;
};

class SkinTable {
 public:
  // The built-in table of language number 1..3, backed by "org1" for languages 2 and 3.
  // Throws std::out_of_range for any other number.
  static SkinTable Load(int languageIndex);

  // `table` holds section `section`; `base`, when given, holds section `baseSection` and
  // answers for the keys the table lacks.
  SkinTable(IniFile table, std::string section);
  SkinTable(IniFile table, std::string section, IniFile base, std::string baseSection);

  const std::string& SectionName() const { return section_; }

  // The value of the key, from this table or else from the base table.
  std::optional<std::string> Find(std::string_view key) const;
  int Integer(std::string_view key) const;                // throws IniConversionError
  int Integer(std::string_view key, int fallback) const;  // absent or non-numeric: fallback
  std::uint32_t Colour(std::string_view keyPrefix) const;  // prefix_R/_G/_B

  // ITEM_Enable is 1: shown; any other integer hides the item.
  bool Shown(std::string_view item) const;
  SkinItem Item(std::string_view item) const;
  int X(std::string_view item) const { return Integer(std::string(item) + "_X"); }
  int Y(std::string_view item) const { return Integer(std::string(item) + "_Y"); }
  int Distance(std::string_view item) const { return Integer(std::string(item) + "_D"); }
  int Width(std::string_view item) const { return Integer(std::string(item) + "_W"); }
  int Height(std::string_view item) const { return Integer(std::string(item) + "_H"); }

  SkinLabel Label(std::string_view family) const;
  SkinGroupText Group(std::string_view letter) const;  // "A".."M"

  // Keys of this table and, after them, the base table's keys that this table lacks.
  std::vector<std::string> Keys() const;

 private:
  IniFile table_;
  std::string section_;
  std::optional<IniFile> base_;
  std::string baseSection_;
};

}  // namespace orvane
