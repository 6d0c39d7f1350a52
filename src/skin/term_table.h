#pragma once
// The built-in term table: the engineer page's own small vocabulary. It follows the system
// locale rather than the language buttons: column 0 English, column 1 empty, column 2
// simplified Chinese.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orvane {

struct TermEntry {
  std::uint8_t id;
  std::array<std::string_view, 3> texts;  // by term language 0, 1, 2
};

inline constexpr std::uint8_t kTermLanguageEnglish = 0;
inline constexpr std::uint8_t kTermLanguageChinese = 2;

// All 157 entries, ids 0..156 in order.
std::span<const TermEntry> TermTable();

// The text of the first entry with this id in the given column; nullopt when the table lacks
// the id or the column, so the caller keeps its text.
std::optional<std::string_view> FindTerm(int id, int termLanguage);

// 2 for a simplified Chinese (China) locale name such as "zh_CN.UTF-8", else 0.
std::uint8_t TermLanguageForLocale(std::string_view localeName);

// The locale of the user's messages: the first set of LC_ALL, LC_MESSAGES and LANG.
// Empty values count as unset; empty when none is set.
std::string LocaleNameFromEnvironment();
// The same with getEnv in place of std::getenv.
std::string LocaleNameFromEnvironment(const std::function<const char*(const char*)>& getEnv);

// The engineer page font for a term language.
std::string_view EngineerFontName(int termLanguage);

}  // namespace orvane
