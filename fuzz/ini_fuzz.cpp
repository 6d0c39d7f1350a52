// Arbitrary bytes as an INI table, then every look-up on what came out of it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "skin/ini_file.h"
#include "skin/skin_table.h"

namespace {

void LookUpEverything(const orvane::IniFile& ini) {
  for (const std::string& section : ini.Sections()) {
    if (!ini.HasSection(section)) __builtin_trap();
    for (const std::string& key : ini.Keys(section)) {
      if (!ini.Find(section, key)) __builtin_trap();
      ini.ReadString(section, key, "fallback");
      ini.ReadInteger(section, key, -1);
      try {
        ini.ReadInteger(section, key);
      } catch (const orvane::IniConversionError&) {
      }
      try {
        ini.ReadColour(section, key);
      } catch (const orvane::IniConversionError&) {
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  orvane::ParseIniInteger(text);

  orvane::IniFile ini = orvane::IniFile::Parse(text);
  LookUpEverything(ini);

  // The same bytes once more, line by line, onto the parsed table.
  ini.AddLine(text);
  LookUpEverything(ini);

  // The first half stacked on the second, as language 3 stacks on language 1.
  const std::string_view front = text.substr(0, size / 2);
  const std::string_view back = text.substr(size / 2);
  const orvane::IniFile own = orvane::IniFile::Parse(front);
  const orvane::IniFile base = orvane::IniFile::Parse(back);
  const auto ownSections = own.Sections();
  const auto baseSections = base.Sections();
  if (!ownSections.empty() && !baseSections.empty()) {
    const orvane::SkinTable table(own, ownSections.front(), base, baseSections.front());
    for (const std::string& key : table.Keys()) {
      if (!table.Find(key)) __builtin_trap();
      table.Integer(key, 0);
      try {
        table.Item(key);
        table.Label(key);
      } catch (const orvane::IniConversionError&) {
      }
    }
  }
  return 0;
}
