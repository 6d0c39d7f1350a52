#include "skin/ini_file.h"

#include <algorithm>
#include <limits>

namespace orvane {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = LowerAscii(c);
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string ConversionMessage(std::string_view value) {
  std::string message = "'";
  message += value;
  message += "' is not a valid integer value";
  return message;
}

}  // namespace

IniConversionError::IniConversionError(std::string_view value)
    : std::runtime_error(ConversionMessage(value)), value_(value) {}

std::optional<int> ParseIniInteger(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  bool hex = false;
  if (!text.empty() && text.front() == '$') {
    hex = true;
    text.remove_prefix(1);
  } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    hex = true;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;

  // Magnitudes are gathered in 64 bits and stopped well before they could overflow.
  const std::uint64_t limit =
      hex ? 0xFFFFFFFFull
          : static_cast<std::uint64_t>(std::numeric_limits<int>::max()) + (negative ? 1 : 0);
  const int base = hex ? 16 : 10;
  std::uint64_t magnitude = 0;
  for (char c : text) {
    const int digit = hex ? HexDigit(c) : ((c >= '0' && c <= '9') ? c - '0' : -1);
    if (digit < 0) return std::nullopt;
    magnitude = magnitude * base + static_cast<std::uint64_t>(digit);
    if (magnitude > limit) return std::nullopt;
  }
  // Two's-complement wrap done in unsigned arithmetic: hex text gives the 32-bit pattern.
  std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
  if (negative) bits = 0u - bits;
  return static_cast<int>(static_cast<std::int32_t>(bits));
}

std::uint32_t IniColour(int red, int green, int blue) {
  const auto part = [](int value) { return static_cast<std::uint32_t>(std::clamp(value, 0, 255)); };
  return part(red) | part(green) << 8 | part(blue) << 16;
}

std::size_t IniFile::CaseHash::operator()(std::string_view text) const {
  std::uint64_t hash = 1469598103934665603ull;  // FNV-1a
  for (char c : text) {
    hash ^= static_cast<unsigned char>(LowerAscii(c));
    hash *= 1099511628211ull;
  }
  return static_cast<std::size_t>(hash);
}

bool IniFile::CaseEqual::operator()(std::string_view a, std::string_view b) const {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

IniFile IniFile::Parse(std::string_view text) {
  if (text.starts_with(kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());
  IniFile ini;
  ini.AddLine(text);
  return ini;
}

void IniFile::AddLine(std::string_view line) {
  // A "line" holding breaks is taken as the several lines it is.
  while (!line.empty()) {
    const std::size_t end = line.find_first_of("\r\n");
    AddTrimmedLine(Trim(line.substr(0, end)));
    if (end == std::string_view::npos) break;
    line.remove_prefix(end + 1);
  }
}

void IniFile::AddTrimmedLine(std::string_view line) {
  if (line.empty() || line.front() == ';' || line.starts_with("//")) return;

  if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
    const std::string_view name = Trim(line.substr(1, line.size() - 2));
    auto found = sectionIndex_.find(name);
    if (found == sectionIndex_.end()) {
      sections_.push_back(Section{std::string(name), {}, {}});
      found = sectionIndex_.emplace(std::string(name), sections_.size() - 1).first;
    }
    current_ = found->second;
    return;
  }

  if (!current_) return;
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return;
  const std::string_view key = Trim(line.substr(0, equals));
  if (key.empty()) return;
  const std::string_view value = Trim(line.substr(equals + 1));

  Section& section = sections_[*current_];
  auto found = section.values.find(key);
  if (found == section.values.end()) {
    section.keys.emplace_back(key);
    section.values.emplace(std::string(key), std::string(value));
  } else {
    found->second.assign(value);
  }
}

const IniFile::Section* IniFile::FindSection(std::string_view section) const {
  const auto found = sectionIndex_.find(section);
  return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

bool IniFile::HasSection(std::string_view section) const {
  return FindSection(section) != nullptr;
}

std::optional<std::string> IniFile::Find(std::string_view section, std::string_view key) const {
  const Section* found = FindSection(section);
  if (!found) return std::nullopt;
  const auto value = found->values.find(key);
  if (value == found->values.end()) return std::nullopt;
  return value->second;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
  if (auto value = Find(section, key)) return std::move(*value);
  return std::string(fallback);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key) const {
  const std::string value = ReadString(section, key);
  if (const auto number = ParseIniInteger(value)) return *number;
  throw IniConversionError(value);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
  const auto value = Find(section, key);
  if (!value) return fallback;
  return ParseIniInteger(*value).value_or(fallback);
}

std::uint32_t IniFile::ReadColour(std::string_view section, std::string_view keyPrefix) const {
  const std::string prefix(keyPrefix);
  const int red = ReadInteger(section, prefix + "_R");
  const int green = ReadInteger(section, prefix + "_G");
  const int blue = ReadInteger(section, prefix + "_B");
  return IniColour(red, green, blue);
}

std::vector<std::string> IniFile::Sections() const {
  std::vector<std::string> names;
  names.reserve(sections_.size());
  for (const Section& section : sections_) names.push_back(section.name);
  return names;
}

std::vector<std::string> IniFile::Keys(std::string_view section) const {
  const Section* found = FindSection(section);
  return found ? found->keys : std::vector<std::string>{};
}

}  // namespace orvane
