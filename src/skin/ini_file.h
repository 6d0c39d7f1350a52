#pragma once
// INI text of the layout and language tables.
//
// Lines are split at every CR and LF and trimmed of blanks (space and every byte below it).
// Empty lines, lines starting with ";" and "//" banner lines are skipped. "[name]" opens a
// section; a section named twice continues the first one. Every other line holding "=" is an
// entry of the current section: key before the first "=", value after it, both trimmed; lines
// before the first section and lines without "=" are dropped. Section and key lookups ignore
// ASCII letter case; of two equal keys in a section the later value wins. A UTF-8 byte-order
// mark at the start of the text is skipped.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace orvane {

// The conversion error of an integer lookup: what() is "'<value>' is not a valid integer value".
class IniConversionError : public std::runtime_error {
 public:
  explicit IniConversionError(std::string_view value);
  const std::string& Value() const { return value_; }

 private:
  std::string value_;
};

// Integer text as the skin tables write it: optional "+" or "-", then decimal digits or hex
// digits after "$", "0x" or "0X". Decimal values must fit an int; hex values up to 0xFFFFFFFF
// are taken as the 32-bit pattern. Nothing else may stand in the text.
std::optional<int> ParseIniInteger(std::string_view text);

// The screen colour R + 256 G + 65536 B; each part is held to 0..255 so one cannot spill
// into the next.
std::uint32_t IniColour(int red, int green, int blue);

class IniFile {
 public:
  static IniFile Parse(std::string_view text);  // whole INI text, UTF-8
  void AddLine(std::string_view line);          // one more line under the same rules

  bool HasSection(std::string_view section) const;
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback = {}) const;
  // Throws IniConversionError for an absent key (with the empty value) or a non-integer value.
  int ReadInteger(std::string_view section, std::string_view key) const;
  // The fallback for an absent key or a value that is no integer.
  int ReadInteger(std::string_view section, std::string_view key, int fallback) const;
  // R + 256 G + 65536 B from keyPrefix_R, _G, _B, each read as ReadInteger does (throwing);
  // each part is held to 0..255 so one cannot spill into the next.
  std::uint32_t ReadColour(std::string_view section, std::string_view keyPrefix) const;

  std::vector<std::string> Sections() const;                      // in file order
  std::vector<std::string> Keys(std::string_view section) const;  // in file order

 private:
  // Hashing and comparing that ignore ASCII letter case, usable with string_view lookups.
  struct CaseHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const;
  };
  struct CaseEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
  };
  template <typename T>
  using CaseMap = std::unordered_map<std::string, T, CaseHash, CaseEqual>;

  struct Section {
    std::string name;
    std::vector<std::string> keys;  // first spelling of each key, in file order
    CaseMap<std::string> values;
  };

  void AddTrimmedLine(std::string_view line);
  const Section* FindSection(std::string_view section) const;

  std::vector<Section> sections_;
  CaseMap<std::size_t> sectionIndex_;
  std::optional<std::size_t> current_;  // section that receives entries
};

}  // namespace orvane
