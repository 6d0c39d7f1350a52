#pragma once
// The language tables: every caption and message of the window in one of three languages.
//
// A table is UTF-16LE text (the byte-order mark FF FE is optional) holding one INI section,
// every line written inside double quotes. Texts are kept as UTF-8 from reading to display.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/ini_file.h"

namespace orvane {

// UTF-16LE bytes to UTF-8, dropping a leading byte-order mark. Surrogate pairs become one
// character; an unpaired surrogate and a dangling last byte become U+FFFD.
std::string Utf16LeToUtf8(std::span<const std::uint8_t> bytes);

// Splits text into entries the way a blank-delimited list with quoting is split: blanks
// (space and every character below it) separate entries; an entry that starts with a double
// quote runs to its closing quote (a doubled quote inside is one quote, the quotes are
// removed, an unclosed quote runs to the end); any other entry runs to the next blank.
std::vector<std::string> SplitQuotedEntries(std::string_view text);

// "Str" and the id written with at least three digits: 5 gives "Str005".
std::string LanguageKey(int id);

class LanguageTable {
 public:
  LanguageTable() = default;
  // section: the table's own section, "lang1".."lang3".
  static LanguageTable Parse(std::span<const std::uint8_t> bytes, std::string_view section);

  // The text of "Str" + three-digit id; the empty text when the table lacks it.
  std::string Text(int id) const;
  // The text of any key of the section (lookup ignores letter case); empty when absent.
  std::string Value(std::string_view key) const;
  bool Has(std::string_view key) const;

  std::string FontName() const { return Value("FontName"); }
  std::string Title() const { return Value("Title"); }

  const std::string& Section() const { return section_; }
  const IniFile& Ini() const { return ini_; }

 private:
  std::string section_;
  IniFile ini_;
};

inline constexpr int kLanguageCount = 3;

// The three built-in tables, selected by the language number 1..3.
class LanguageSet {
 public:
  LanguageSet(LanguageTable lang1, LanguageTable lang2, LanguageTable lang3);
  // "lang1".."lang3" from the built-in data.
  static LanguageSet LoadBuiltIn();

  // Language number 1..3; any other number gives an empty table (every text empty).
  const LanguageTable& Table(int languageIndex) const;

  // The key ("Str213") of a table text, searched over keys "Str0".."Str800" written without
  // leading zeros in language 1, then 2, then 3; the last match wins. Empty when no entry
  // holds exactly this text. Only ids 100..800 can be found, as shorter keys are never
  // written in the tables.
  std::string FindKeyOfText(std::string_view text) const;

  // A caption that is a table text, shown in language languageIndex; any other caption
  // (a macro name, a key combination) comes back unchanged.
  std::string TranslateCaption(std::string_view caption, int languageIndex) const;

 private:
  std::array<LanguageTable, kLanguageCount> tables_;
  LanguageTable empty_;
};

}  // namespace orvane
