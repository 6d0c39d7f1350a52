#pragma once
// What the three mode buttons write into the user section: office (profile 1), game
// (profile 2) and third mode.

#include <array>
#include <cstdint>
#include <optional>

namespace orvane {

enum class Mode { kOffice = 0, kGame = 1, kThird = 2 };

struct ModeSwitches {
  bool beEnable = false;  // [org] BE_Enable: the button-effect switch goes with the mode
  bool gdEnable = false;  // [org] GD_Enable: game mode is the gun-key variant
  int buttonEffect = 0;   // index of cb_BtnEFT: 0 off, 1 on
  int profileColour = 0;  // index of cb_ProfileColor: 0..9 colour 1..10, 10 the fixed colour
};

struct ModeWrite {
  std::uint8_t offset;
  std::uint8_t value;
};

struct ModeWrites {
  std::array<ModeWrite, 5> writes;  // bytes 164, 167, 168, 169, 170, in that order
  std::uint8_t mirror164;           // what the image copy of byte 164 becomes
};

ModeWrites ModeButtonWrites(Mode mode, const ModeSwitches& switches);

}  // namespace orvane

namespace orvane {

// What a mode sets in the function menus: panel heights, the tops of two special entries,
// which profile-switch entry is offered, and whether combination switch 8 shows.
struct ModeMenuLayout {
  int mainHeight;                 // Pnl_Main
  int specialHeight;              // Pnl_Special
  std::optional<int> buttonEffectTop;   // Key_BtnEFT; nullopt: left where it is
  std::optional<int> fireMacroKeyTop;   // Key_FireMacroKey
  std::optional<bool> profile1Shown;    // Key_Profile1; nullopt: unchanged (third mode)
  std::optional<bool> profile2Shown;    // Key_Profile2, which is then put at top 1
  bool comboKey8Shown;            // IB_ComboKey8 and Img_ComboKey8
};

// `comboKey8Enable`: the skin key ComboKey8_Enable is 1.
ModeMenuLayout ModeMenuLayoutFor(Mode mode, const ModeSwitches& switches, bool comboKey8Enable);

}  // namespace orvane
