#include "image/option_fields.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(OptionFields, ShowTheEntryThatTheBitsHold) {
  struct Case {
    const char* control;
    std::uint8_t byte;
    const char* text;
    int entry;
  } cases[] = {
      // 0x9C in byte 4: IC type entry 2, 250 Hz, sensor enhancement on.
      {"cb_ICType", 0x9C, "Quill", 2},
      {"cb_RepRate", 0x9C, "250Hz", 1},
      {"cb_SensorEnhance", 0x9C, "Enable", 1},
      // The DPI indication shows 0 like 1.
      {"cb_CPIIndication", 0x00, "No Indication", 0},
      {"cb_CPIIndication", 0x10, "No Indication", 0},
      {"cb_CPIIndication", 0x30, "Flash", 2},
      // The package value 1 selects no entry.
      {"cb_Package", 0x40, "", -1},
      {"cb_Package", 0xC0, "RGB LED", 2},
      {"cb_CPISet", 0x00, "400,800,1600,2400", 3},
      {"cb_SensorSleep", 0x02, "Disable", 1},
      {"cb_LEDPower", 0x01, "open drain", 1},
      {"cb_ProfileLEDFlash", 0xAF, "Enable", 1},
  };
  for (const Case& c : cases) {
    const OptionField* f = FindOptionField(c.control);
    ASSERT_NE(f, nullptr) << c.control;
    EXPECT_EQ(f->TextFor(f->ValueIn(c.byte)), c.text) << c.control;
    EXPECT_EQ(f->EntryFor(f->ValueIn(c.byte)), c.entry) << c.control;
  }
}

TEST(OptionFields, WritingAFieldKeepsTheOtherBits) {
  const OptionField* rate = FindOptionField("cb_RepRate");
  ASSERT_NE(rate, nullptr);
  EXPECT_EQ(rate->WithValue(0xFF, 0), 0xCF);
  EXPECT_EQ(rate->WithValue(0x00, 3), 0x30);
  // The fields of each byte never overlap.
  for (std::size_t byte = 4; byte <= 8; ++byte) {
    std::uint8_t used = 0;
    for (const OptionField& f : OptionFields()) {
      if (f.offset != byte) continue;
      EXPECT_EQ(used & f.Mask(), 0) << f.control;
      used |= f.Mask();
    }
  }
}

}  // namespace
}  // namespace orvane
