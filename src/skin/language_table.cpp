#include "skin/language_table.h"

#include <cstdio>
#include <optional>
#include <utility>

#include "skin/builtin_tables.h"

namespace orvane {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr int kLastFindableId = 800;

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// The id of a key that the reverse lookup reaches: "Str" (any letter case) and 0..800
// written without leading zeros.
std::optional<int> FindableId(std::string_view key) {
  if (key.size() < 4 || key.size() > 6) return std::nullopt;
  for (std::size_t i = 0; i < 3; ++i) {
    if ((key[i] | 0x20) != "str"[i]) return std::nullopt;
  }
  const std::string_view digits = key.substr(3);
  if (digits.size() > 1 && digits.front() == '0') return std::nullopt;
  int id = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    id = id * 10 + (c - '0');
  }
  if (id > kLastFindableId) return std::nullopt;
  return id;
}

}  // namespace

std::string Utf16LeToUtf8(std::span<const std::uint8_t> bytes) {
  const std::size_t unitCount = bytes.size() / 2;
  auto unitAt = [&](std::size_t i) -> char32_t {
    return static_cast<char32_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
  };

  std::string out;
  out.reserve(bytes.size());
  std::size_t i = 0;
  if (unitCount > 0 && unitAt(0) == 0xFEFF) i = 1;
  while (i < unitCount) {
    const char32_t unit = unitAt(i++);
    if (IsHighSurrogate(unit)) {
      if (i < unitCount && IsLowSurrogate(unitAt(i))) {
        const char32_t low = unitAt(i++);
        AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
      } else {
        AppendUtf8(out, kReplacement);
      }
    } else if (IsLowSurrogate(unit)) {
      AppendUtf8(out, kReplacement);
    } else {
      AppendUtf8(out, unit);
    }
  }
  if (bytes.size() % 2 != 0) AppendUtf8(out, kReplacement);
  return out;
}

std::vector<std::string> SplitQuotedEntries(std::string_view text) {
  std::vector<std::string> entries;
  std::size_t pos = 0;
  while (true) {
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    if (pos >= text.size()) break;

    std::string entry;
    if (text[pos] == '"') {
      ++pos;
      while (pos < text.size()) {
        if (text[pos] != '"') {
          entry += text[pos++];
        } else if (pos + 1 < text.size() && text[pos + 1] == '"') {
          entry += '"';
          pos += 2;
        } else {
          ++pos;  // closing quote
          break;
        }
      }
    } else {
      const std::size_t start = pos;
      while (pos < text.size() && !IsBlank(text[pos])) ++pos;
      entry.assign(text.substr(start, pos - start));
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::string LanguageKey(int id) {
  char key[24];
  std::snprintf(key, sizeof key, "Str%03d", id);
  return key;
}

LanguageTable LanguageTable::Parse(std::span<const std::uint8_t> bytes,
                                   std::string_view section) {
  LanguageTable table;
  table.section_ = section;
  for (const std::string& entry : SplitQuotedEntries(Utf16LeToUtf8(bytes))) {
    table.ini_.AddLine(entry);
  }
  return table;
}

std::string LanguageTable::Text(int id) const { return Value(LanguageKey(id)); }

std::string LanguageTable::Value(std::string_view key) const {
  return ini_.ReadString(section_, key);
}

bool LanguageTable::Has(std::string_view key) const {
  return ini_.Find(section_, key).has_value();
}

LanguageSet::LanguageSet(LanguageTable lang1, LanguageTable lang2, LanguageTable lang3)
    : tables_{std::move(lang1), std::move(lang2), std::move(lang3)} {}

LanguageSet LanguageSet::LoadBuiltIn() {
  auto load = [](std::string_view name) {
    return LanguageTable::Parse(SkinResource(name), name);
  };
  return LanguageSet(load("lang1"), load("lang2"), load("lang3"));
}

const LanguageTable& LanguageSet::Table(int languageIndex) const {
  if (languageIndex < 1 || languageIndex > kLanguageCount) return empty_;
  return tables_[static_cast<std::size_t>(languageIndex - 1)];
}

std::string LanguageSet::FindKeyOfText(std::string_view text) const {
  // Walking each table's keys finds what looking up "Str0".."Str800" in turn would find:
  // the match of the highest id in the last table that has one.
  std::optional<int> found;
  for (const LanguageTable& table : tables_) {
    std::optional<int> inTable;
    for (const std::string& key : table.Ini().Keys(table.Section())) {
      const std::optional<int> id = FindableId(key);
      if (!id || (inTable && *inTable > *id)) continue;
      if (table.Value(key) == text) inTable = id;
    }
    if (inTable) found = inTable;
  }
  return found ? "Str" + std::to_string(*found) : std::string();
}

std::string LanguageSet::TranslateCaption(std::string_view caption, int languageIndex) const {
  const std::string key = FindKeyOfText(caption);
  if (key.empty()) return std::string(caption);
  return Table(languageIndex).Value(key);
}

}  // namespace orvane
