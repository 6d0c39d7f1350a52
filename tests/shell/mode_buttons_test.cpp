#include "shell/mode_buttons.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(ModeButtons, WritesOfEachModeAndSwitch) {
  struct Case {
    Mode mode;
    ModeSwitches s;
    std::array<std::uint8_t, 5> bytes;  // 164, 167, 168, 169, 170
    std::uint8_t mirror;
  } cases[] = {
      {Mode::kOffice, {false, false, 1, 3}, {0x30, 0, 0, 0, 0}, 0x00},
      {Mode::kOffice, {true, false, 1, 10}, {0xF0, 1, 0, 0, 0}, 0x00},   // fixed colour
      {Mode::kGame, {false, false, 1, 10}, {0xF1, 0, 15, 0, 24}, 0xF1},
      {Mode::kGame, {false, true, 1, 7}, {0x01, 4, 15, 0, 24}, 0xF1},    // GD: 0x01 whatever the colour
      {Mode::kGame, {true, true, 1, 2}, {0x01, 5, 15, 0, 24}, 0xF1},
      {Mode::kGame, {true, false, 1, 2}, {0x21, 1, 15, 0, 24}, 0xF1},
      {Mode::kThird, {false, true, 1, 10}, {0xF2, 0, 0, 0, 0}, 0x02},
      {Mode::kThird, {true, true, 0, 4}, {0x42, 0, 0, 0, 0}, 0x02},
  };
  for (const Case& c : cases) {
    const ModeWrites w = ModeButtonWrites(c.mode, c.s);
    const std::uint8_t offsets[] = {164, 167, 168, 169, 170};
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(w.writes[i].offset, offsets[i]);
      EXPECT_EQ(w.writes[i].value, c.bytes[i]) << "mode " << int(c.mode) << " byte " << int(offsets[i]);
    }
    EXPECT_EQ(w.mirror164, c.mirror);
  }
}

}  // namespace
}  // namespace orvane

namespace orvane {
namespace {

TEST(ModeMenuLayout, PanelsAndEntriesOfEachMode) {
  const auto none = std::nullopt;
  struct Case {
    Mode mode;
    bool be, gd, combo8;
    ModeMenuLayout expected;
  } cases[] = {
      {Mode::kOffice, false, true, true, {170, 218, none, none, false, true, false}},
      {Mode::kOffice, true, false, true, {170, 242, 217, 289, false, true, false}},
      {Mode::kGame, true, true, true, {194, 314, 289, 217, true, false, true}},
      {Mode::kGame, false, true, false, {194, 290, 289, 217, true, false, false}},
      {Mode::kGame, false, false, true, {170, 218, none, none, true, false, false}},  // no GD: as office
      {Mode::kThird, true, true, true, {170, 242, 217, 289, none, none, false}},
  };
  for (const Case& c : cases) {
    ModeSwitches s;
    s.beEnable = c.be;
    s.gdEnable = c.gd;
    const ModeMenuLayout l = ModeMenuLayoutFor(c.mode, s, c.combo8);
    SCOPED_TRACE(testing::Message() << "mode " << int(c.mode) << " be " << c.be << " gd " << c.gd);
    EXPECT_EQ(l.mainHeight, c.expected.mainHeight);
    EXPECT_EQ(l.specialHeight, c.expected.specialHeight);
    EXPECT_EQ(l.buttonEffectTop, c.expected.buttonEffectTop);
    EXPECT_EQ(l.fireMacroKeyTop, c.expected.fireMacroKeyTop);
    EXPECT_EQ(l.profile1Shown, c.expected.profile1Shown);
    EXPECT_EQ(l.profile2Shown, c.expected.profile2Shown);
    EXPECT_EQ(l.comboKey8Shown, c.expected.comboKey8Shown);
  }
}

}  // namespace
}  // namespace orvane
