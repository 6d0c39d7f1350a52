#include "buttons/function_names.h"

#include "buttons/key_table.h"
#include "skin/language_table.h"

namespace orvane {
namespace {

constexpr int kUserDefinedId = 205;
constexpr int kAimKeyId = 260;
constexpr int kProfileLoopId = 254;
constexpr int kFireKeyIds[kFireKeyCount] = {231, 232, 233};
constexpr int kProfileIds[kProfileCount] = {251, 252, 253};
constexpr int kDpiKeyIds[] = {221, 222, 223};  // loop, up, down by byte 1

struct MouseButtonName {
  std::uint8_t bit;
  int nameId;
};
// Left and right are named only without a combination mask; the others with any mask.
constexpr MouseButtonName kMaskedButtons[] = {{0x04, 212}, {0x08, 213}, {0x10, 214}};

struct Modifier {
  std::uint8_t bit;
  std::string_view text;
};
constexpr Modifier kModifiers[] = {{0x01, "Ctrl"}, {0x02, "Shift"}, {0x04, "Alt"}, {0x08, "Win"}};

struct Gun {
  int nameId;
  int parts;  // byte 2 runs 1..parts
};
constexpr Gun kGuns[] = {{600, 1}, {601, 1}, {602, 1}, {603, 1}, {604, 1}, {605, 2}, {606, 3}};

std::string Text(const CodeNameContext& c, int id) {
  return c.language ? c.language->Text(id) : std::string();
}

std::string MouseButton(const FunctionCode& code, const CodeNameContext& c) {
  for (const MouseButtonName& b : kMaskedButtons)
    if (code[1] == b.bit) return Text(c, b.nameId);
  return {};
}

std::string DpiKey(const FunctionCode& code, const CodeNameContext& c) {
  if (code[1] > 2 || code[2] != 0) return {};
  return Text(c, kDpiKeyIds[code[1]]);
}

// A fire key code does not say which key it is: the first key with the same repeat count
// and delay names it.
std::string FireKey(const FunctionCode& code, CodeNameContext& c) {
  const int repeatLess1 = code[1] & 0x0F;
  const int delay = (code[2] << 8) | code[3];
  for (int n = 0; n < kFireKeyCount; ++n) {
    const FireKeySetting& key = c.fireKeys[static_cast<std::size_t>(n)];
    if (repeatLess1 != key.repeatCount - 1 || delay != key.delay) continue;
    if (!c.refreshUnderWay) c.effects.fireContinue[static_cast<std::size_t>(n)] = (code[1] & 0x80) != 0;
    return Text(c, kFireKeyIds[n]);
  }
  return {};
}

std::string ProfileSwitch(const FunctionCode& code, CodeNameContext& c) {
  if (code[1] == 0x00) return Text(c, kProfileLoopId);
  const int target = code[1] & 0x87;
  if (target < 0x80 || target > 0x82) return {};
  const auto profile = static_cast<std::size_t>(target & 0x03);
  const int colour = code[2] >> 4;
  if (colour <= 9) c.effects.profileColourEntry[profile] = colour;
  else if (colour == 15) c.effects.profileColourEntry[profile] = 10;  // the specified colour
  return Text(c, kProfileIds[profile]);
}

std::string KeyCombination(const FunctionCode& code, const CodeNameContext& c) {
  std::string out;
  auto add = [&out](std::string_view part) {
    if (part.empty()) return;  // a usage the key table does not know
    if (!out.empty()) out += '+';
    out += part;
  };
  for (const Modifier& m : kModifiers)
    if (code[1] & m.bit) add(m.text);
  if (code[2]) add(KeyUsageName(code[2]));
  if (code[3]) add(KeyUsageName(code[3]));
  return out.empty() ? Text(c, kUserDefinedId) : out;
}

std::string GunFireMacro(const FunctionCode& code, const CodeNameContext& c) {
  if (c.fireMacroFile) {
    const auto& entries = *c.fireMacroFile;
    for (int n = static_cast<int>(entries.size()); n >= 1; --n) {
      const FunctionCode& e = entries[static_cast<std::size_t>(n - 1)];
      if (e[0] == code[0] && e[1] == code[1] && e[2] == code[2]) return FireMacroFileEntryName(n);
    }
    return {};
  }
  const int gun = code[1] <= 0x06 ? code[1] : code[1] >= 0x10 && code[1] <= 0x16 ? code[1] - 0x10 : -1;
  if (gun < 0) return {};
  const Gun& g = kGuns[gun];
  if (code[2] < 1 || code[2] > g.parts) return {};
  return Text(c, g.nameId);
}

std::string MacroReference(const FunctionCode& code, const CodeNameContext& c) {
  if (!HasConfigImage(c.icType)) return {};
  const int address = (code[1] << 8) | code[2];
  for (const DeviceMacroSlot& slot : c.deviceMacros)
    if (slot.used && slot.address == address) return slot.name;
  return {};
}

}  // namespace

std::string FireMacroFileEntryName(int entry) { return "Fire Macro" + std::to_string(entry); }

std::string FunctionCodeName(const FunctionCode& code, CodeNameContext& context) {
  // No code that is named as it stands falls under one of the rules by category that
  // would come before it, so looking these up first keeps the order of the rules.
  if (const auto id = FixedCodeNameId(code)) return Text(context, *id);
  switch (code.Category()) {
    case FunctionCategory::kMouseButton: return MouseButton(code, context);
    case FunctionCategory::kAim: return Text(context, kAimKeyId);
    case FunctionCategory::kDpiKey: return DpiKey(code, context);
    case FunctionCategory::kFireKey: return FireKey(code, context);
    case FunctionCategory::kProfileSwitch: return ProfileSwitch(code, context);
    case FunctionCategory::kKeyCombination: return KeyCombination(code, context);
    case FunctionCategory::kGunFireMacro: return GunFireMacro(code, context);
    case FunctionCategory::kMacroReference: return MacroReference(code, context);
    default: return {};
  }
}

std::string FunctionCodeName(std::string_view codeText, CodeNameContext& context) {
  const auto code = FunctionCode::Parse(codeText);
  return code ? FunctionCodeName(*code, context) : std::string();
}

}  // namespace orvane
