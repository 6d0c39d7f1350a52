#pragma once
// What the three mode buttons write into the user section: office (profile 1), game
// (profile 2) and third mode.

#include <array>
#include <cstdint>

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
