#include "shell/mode_buttons.h"

namespace orvane {

namespace {
constexpr int kFixedColour = 10;

std::uint8_t ProfileByte(int colour, int mode) {
  const int high = colour == kFixedColour ? 0xF : colour;
  return static_cast<std::uint8_t>(high * 16 + mode);
}

std::uint8_t ButtonEffectByte(Mode mode, const ModeSwitches& s) {
  if (mode != Mode::kGame) return s.beEnable ? static_cast<std::uint8_t>(s.buttonEffect) : 0;
  if (s.beEnable && s.gdEnable) return static_cast<std::uint8_t>(s.buttonEffect + 4);
  if (s.beEnable) return static_cast<std::uint8_t>(s.buttonEffect);
  return s.gdEnable ? 4 : 0;
}
}  // namespace

ModeWrites ModeButtonWrites(Mode mode, const ModeSwitches& s) {
  const bool game = mode == Mode::kGame;
  const std::uint8_t profile =
      game && s.gdEnable ? 0x01 : ProfileByte(s.profileColour, static_cast<int>(mode));
  static constexpr std::uint8_t kMirror164[] = {0x00, 0xF1, 0x02};
  return {{{{164, profile},
            {167, ButtonEffectByte(mode, s)},
            {168, static_cast<std::uint8_t>(game ? 15 : 0)},
            {169, 0},
            {170, static_cast<std::uint8_t>(game ? 24 : 0)}}},
          kMirror164[static_cast<int>(mode)]};
}

}  // namespace orvane

namespace orvane {

ModeMenuLayout ModeMenuLayoutFor(Mode mode, const ModeSwitches& s, bool comboKey8Enable) {
  if (mode == Mode::kGame && s.gdEnable)
    return {194, s.beEnable ? 314 : 290, 289, 217, true, false, comboKey8Enable};
  ModeMenuLayout layout{170, s.beEnable ? 242 : 218, std::nullopt, std::nullopt,
                        std::nullopt, std::nullopt, false};
  if (s.beEnable) {
    layout.buttonEffectTop = 217;
    layout.fireMacroKeyTop = 289;
  }
  if (mode == Mode::kOffice) {
    layout.profile1Shown = false;
    layout.profile2Shown = true;
  } else if (mode == Mode::kGame) {
    layout.profile1Shown = true;
    layout.profile2Shown = false;
  }
  return layout;
}

}  // namespace orvane
