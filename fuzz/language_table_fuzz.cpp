// Arbitrary bytes as a language table: decoding, splitting and every lookup must hold up.
#include <cstddef>
#include <cstdint>
#include <span>

#include "skin/language_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  const auto table = orvane::LanguageTable::Parse(bytes, "lang1");
  for (int id = 0; id < 1000; id += 37) (void)table.Text(id);
  (void)table.FontName();
  (void)table.Title();

  // The same table in every language, then a reverse lookup of each of its texts.
  const orvane::LanguageSet set(table, table, orvane::LanguageTable::Parse(bytes, "lang3"));
  for (const std::string& key : table.Ini().Keys("lang1")) {
    (void)set.TranslateCaption(table.Value(key), 3);
  }
  return 0;
}
