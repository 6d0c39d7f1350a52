#include "skin/skin_table.h"

#include <stdexcept>
#include <utility>

#include "skin/builtin_tables.h"

namespace orvane {

IniFile LoadLayoutTable(std::string_view name) {
  const auto bytes = SkinResource(name);
  return IniFile::Parse(
      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

SkinTable SkinTable::Load(int languageIndex) {
  if (languageIndex < 1 || languageIndex > 3) {
    throw std::out_of_range("no skin table for language " + std::to_string(languageIndex));
  }
  const std::string name = "org" + std::to_string(languageIndex);
  if (languageIndex == 1) return SkinTable(LoadLayoutTable(name), name);
  return SkinTable(LoadLayoutTable(name), name, LoadLayoutTable("org1"), "org1");
}

SkinTable::SkinTable(IniFile table, std::string section)
    : table_(std::move(table)), section_(std::move(section)) {}

SkinTable::SkinTable(IniFile table, std::string section, IniFile base, std::string baseSection)
    : table_(std::move(table)),
      section_(std::move(section)),
      base_(std::move(base)),
      baseSection_(std::move(baseSection)) {}

std::optional<std::string> SkinTable::Find(std::string_view key) const {
  if (auto value = table_.Find(section_, key)) return value;
  if (base_) return base_->Find(baseSection_, key);
  return std::nullopt;
}

int SkinTable::Integer(std::string_view key) const {
  const std::string value = Find(key).value_or(std::string());
  if (const auto number = ParseIniInteger(value)) return *number;
  throw IniConversionError(value);
}

int SkinTable::Integer(std::string_view key, int fallback) const {
  const auto value = Find(key);
  if (!value) return fallback;
  return ParseIniInteger(*value).value_or(fallback);
}

std::uint32_t SkinTable::Colour(std::string_view keyPrefix) const {
  const std::string prefix(keyPrefix);
  const int red = Integer(prefix + "_R");
  const int green = Integer(prefix + "_G");
  const int blue = Integer(prefix + "_B");
  return IniColour(red, green, blue);
}

bool SkinTable::Shown(std::string_view item) const {
  return Integer(std::string(item) + "_Enable") == 1;
}

SkinItem SkinTable::Item(std::string_view item) const {
  SkinItem result;
  result.shown = Shown(item);
  if (result.shown) {
    result.x = X(item);
    result.y = Y(item);
  }
  return result;
}

SkinLabel SkinTable::Label(std::string_view family) const {
  const std::string prefix = std::string(family) + "_Lable";
  SkinLabel label;
  label.x = Integer(prefix + "_X");
  label.y = Integer(prefix + "_Y");
  label.colour = Colour(prefix);
  label.size = Integer(prefix + "_Size");
  label.width = Integer(prefix + "_Width");
  return label;
}

SkinGroupText SkinTable::Group(std::string_view letter) const {
  const std::string name(letter);
  SkinGroupText group;
  group.size = Integer("Size_" + name);
  group.colour = Colour("Color_" + name);
  return group;
}

std::vector<std::string> SkinTable::Keys() const {
  std::vector<std::string> keys = table_.Keys(section_);
  if (base_) {
    for (std::string& key : base_->Keys(baseSection_)) {
      if (!table_.Find(section_, key)) keys.push_back(std::move(key));
    }
  }
  return keys;
}

}  // namespace orvane
