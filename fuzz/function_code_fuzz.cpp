// Arbitrary text as a function code: parsing must accept exactly the eight upper-case hex
// digits and give them back unchanged; any four bytes must be nameable.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "buttons/function_code.h"
#include "buttons/function_names.h"
#include "buttons/key_table.h"
#include "skin/language_table.h"

namespace {

bool IsCodeText(std::string_view text) {
  if (text.size() != orvane::FunctionCode::kTextLength) return false;
  for (const char c : text)
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string error;
  const auto code = orvane::FunctionCode::Parse(text, error);
  if (code.has_value() != IsCodeText(text)) std::abort();
  if (code && code->Text() != text) std::abort();
  if (!code && error.empty()) std::abort();

  // The first bytes as a code, the next ones as fire key settings and a fire macro file.
  if (size < 4) return 0;
  static const orvane::LanguageSet languages = orvane::LanguageSet::LoadBuiltIn();
  orvane::CodeNameContext naming;
  naming.language = &languages.Table(1 + data[0] % 3);
  naming.icType = orvane::DeviceType::kI2C;
  naming.deviceMacros[0] = {true, 0x200, "macro"};
  for (std::size_t k = 0; k < naming.fireKeys.size() && 6 + 3 * k < size; ++k)
    naming.fireKeys[k] = {data[4 + 3 * k] % 17, (data[5 + 3 * k] << 8) | data[6 + 3 * k]};
  if (size >= 4 + 40 + 4) {
    std::array<orvane::FunctionCode, orvane::kFireMacroFileEntryCount> file;
    for (std::size_t n = 0; n < file.size(); ++n)
      file[n] = orvane::FunctionCode(data[8 + 4 * n], data[9 + 4 * n], data[10 + 4 * n], data[11 + 4 * n]);
    naming.fireMacroFile = file;
  }
  const orvane::FunctionCode bytes(data[0], data[1], data[2], data[3]);
  (void)orvane::FunctionCodeName(bytes, naming);
  (void)orvane::FunctionCodeName(text, naming);
  for (const auto& entry : naming.effects.profileColourEntry)
    if (entry && (*entry < 0 || *entry > 10)) std::abort();
  (void)orvane::KeyUsageName(data[1]);
  (void)orvane::KeyIndexName(orvane::VirtualKeyToKeyIndex(data[2]));
  return 0;
}
