#include "image/section_repairs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "image/checksum.h"
#include "image/distribute.h"

namespace orvane {
namespace {

std::vector<std::uint8_t> Bytes(const Mirror& m, std::size_t first, std::size_t n) {
  return {m.begin() + static_cast<std::ptrdiff_t>(first), m.begin() + static_cast<std::ptrdiff_t>(first + n)};
}

Mirror Patterned() {
  Mirror m;
  for (std::size_t i = 0; i < m.size(); ++i) m[i] = static_cast<std::uint8_t>(i * 7 + 3);
  return m;
}

RepairContext Context(DeviceType type, LedType led, int package) {
  return {type, led, package, 0x1209, 0x0001};
}

TEST(Checksum, SumXor5AInTheByteAfterTheData) {
  // The factory patch header's lighting bytes sum to 0x81; the stored byte is 0xDB.
  std::array<std::uint8_t, 16> header{0x04, 0x00, 0x04, 0x00, 0x00, 0x5A, 0x05, 0xE3,
                                      0x01, 0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0xDB};
  EXPECT_TRUE(SectionChecksumValid(header, image::kPatchLedSection, image::kPatchHeader.first));
  header[15] = 0;
  SetSectionChecksum(header, image::kPatchLedSection, image::kPatchHeader.first);
  EXPECT_EQ(header[15], 0xDB);
  // Bytes 1008..1015 are outside the check.
  header[7] = 0;
  EXPECT_TRUE(SectionChecksumValid(header, image::kPatchLedSection, image::kPatchHeader.first));
}

TEST(UserSectionRepair, ZeroSectionFailsAndGetsTheLightingModeOfItsHardware) {
  struct Case {
    LedType led;
    std::uint8_t mode;
  } cases[] = {{LedType::kRGB, 5}, {LedType::kSync, 0x42}, {LedType::kMCULED, 0x81},
               {LedType::kBMRLED, 2}, {LedType::kNone, 5}};
  for (const Case& c : cases) {
    Mirror m{};
    EXPECT_FALSE(CheckUserSection(m, Context(DeviceType::kI2C, c.led, 0)));
    std::vector<std::uint8_t> expected(28, 0);
    expected[1] = c.mode;
    expected[2] = 1;
    expected[3] = 1;
    expected[27] = SectionChecksum(std::span(expected).first(27));
    EXPECT_EQ(Bytes(m, 164, 28), expected) << LedTypeName(c.led);
  }
}

TEST(SectionChecks, IntactSectionsStayUntouched) {
  Mirror m = Patterned();
  for (const Section& s : {image::kVendorSection, image::kUserSection, image::kProfile1Section,
                           image::kProfile2Section})
    SetSectionChecksum(m, s);
  const Mirror before = m;
  const RepairContext c = Context(DeviceType::kI2C, LedType::kRGB, 0);
  EXPECT_TRUE(CheckVendorSection(m, c));
  EXPECT_TRUE(CheckUserSection(m, c));
  EXPECT_TRUE(CheckProfile1Section(m, c));
  EXPECT_TRUE(CheckProfile2Section(m, c));
  EXPECT_EQ(m, before);
}

TEST(ProfileRepair, PackageEntryDecidesWhetherTheDefaultProfileComesBack) {
  const std::vector<std::uint8_t> defaults(std::begin(kDefaultProfile), std::end(kDefaultProfile));
  struct Case {
    int package;
    bool restored;
  } cases[] = {{0, true}, {1, true}, {2, false}, {-1, false}};
  for (const Case& c : cases) {
    for (const Section& s : {image::kProfile1Section, image::kProfile2Section}) {
      Mirror m = Patterned();
      const auto oldData = Bytes(m, s.area.first, 48);
      m[s.checksumOffset()] ^= 0xFF;
      const RepairContext ctx = Context(DeviceType::kI2C, LedType::kRGB, c.package);
      const bool intact = s.area.first == 192 ? CheckProfile1Section(m, ctx) : CheckProfile2Section(m, ctx);
      EXPECT_FALSE(intact);
      EXPECT_EQ(Bytes(m, s.area.first, 48), c.restored ? defaults : oldData) << c.package;
      EXPECT_TRUE(SectionChecksumValid(m, s));
    }
  }
  // Button 3 of the default profile is 06 12 00 10.
  EXPECT_EQ(std::vector<std::uint8_t>(kDefaultProfile + 8, kDefaultProfile + 12),
            (std::vector<std::uint8_t>{0x06, 0x12, 0x00, 0x10}));
}

TEST(VendorRepair, LightingHardwareRows) {
  struct Case {
    LedType led;
    std::vector<std::uint8_t> options5to8;
    std::uint8_t modeMask;
    std::vector<std::uint8_t> breath48to56;
    bool coloursKept;
  } cases[] = {
      {LedType::kRGB, {0xFF, 0x7F, 0x7F, 0xAF}, 0x3F, {0x01, 0x00, 0x80, 0x00, 0x00, 0x64, 0x00, 0x64, 0x08}, false},
      {LedType::kNone, {0xFF, 0x7F, 0x7F, 0xAF}, 0x3F, {0x01, 0x00, 0x80, 0x00, 0x00, 0x64, 0x00, 0x64, 0x08}, false},
      {LedType::kSync, {0x3F, 0x7F, 0xBF, 0xAF}, 0x05, {0x00, 0x00, 0x00, 0xFF, 0x00, 0x64, 0x6D, 0x60, 0x08}, true},
      {LedType::kMCULED, {0x3F, 0x7F, 0xCF, 0xAF}, 0x7F, {0x00, 0x00, 0x00, 0xFF, 0x00, 0x64, 0x00, 0x64, 0x08}, false},
      {LedType::kBMRLED, {0xFF, 0x7F, 0xFF, 0xFF}, 0x7F, {0x00, 0x00, 0x00, 0xFF, 0x00, 0x64, 0x00, 0x64, 0x08}, false},
  };
  for (const Case& c : cases) {
    Mirror m = Patterned();
    const auto oldColours = Bytes(m, 57, 54);
    EXPECT_FALSE(CheckVendorSection(m, Context(DeviceType::kI2C, c.led, 2)));
    SCOPED_TRACE(std::string(LedTypeName(c.led)));
    EXPECT_EQ(Bytes(m, 0, 4), (std::vector<std::uint8_t>{0x12, 0x09, 0x00, 0x01}));
    EXPECT_EQ(Bytes(m, 5, 4), c.options5to8);
    EXPECT_EQ(m[42], c.modeMask);
    EXPECT_EQ(Bytes(m, 43, 5), (std::vector<std::uint8_t>{0x03, 0x64, 0x98, 0x00, 0x00}));
    EXPECT_EQ(Bytes(m, 48, 9), c.breath48to56);
    if (c.coloursKept) {
      EXPECT_EQ(Bytes(m, 57, 54), oldColours);
    } else {
      EXPECT_EQ(Bytes(m, 57, 3), (std::vector<std::uint8_t>{0xFF, 0x00, 0x00}));
      EXPECT_EQ(Bytes(m, 84, 3), (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF}));
      EXPECT_EQ(Bytes(m, 87, 3), (std::vector<std::uint8_t>{0x00, 0xFF, 0x00}));
      EXPECT_EQ(Bytes(m, 108, 3), (std::vector<std::uint8_t>{0x00, 0x00, 0xFF}));
    }
    EXPECT_EQ(std::string(m.begin() + 111, m.begin() + 127), "HID Gaming mouse");
    std::vector<std::uint8_t> combo(36, 0);
    combo[8] = 0x08;
    combo[9] = 0x01;
    EXPECT_EQ(Bytes(m, 127, 36), combo);
    EXPECT_TRUE(SectionChecksumValid(m, image::kVendorSection));
  }
}

TEST(VendorRepair, ControllerTypeAndPackageBytes) {
  struct Case {
    DeviceType type;
    int package;
    std::optional<std::uint8_t> byte4;  // nullopt: unchanged
    std::optional<std::vector<std::uint8_t>> init40;
  } cases[] = {
      {DeviceType::kI2C, 0, 0xBF, std::vector<std::uint8_t>{0x06, 0x87}},
      {DeviceType::kI2C, 1, 0xBF, std::vector<std::uint8_t>{0x00, 0x32}},
      {DeviceType::kI2C, 2, 0xBF, std::nullopt},
      {DeviceType::kFlash, -1, 0xFF, std::nullopt},
      {DeviceType::kQL840, 0, 0x3F, std::vector<std::uint8_t>{0xF0, 0x0A}},
      {DeviceType::kNone, 1, std::nullopt, std::vector<std::uint8_t>{0x00, 0x32}},
  };
  for (const Case& c : cases) {
    Mirror m = Patterned();
    const Mirror before = m;
    RepairVendorSection(m, Context(c.type, LedType::kRGB, c.package));
    EXPECT_EQ(m[4], c.byte4.value_or(before[4])) << DeviceTypeName(c.type) << c.package;
    EXPECT_EQ(Bytes(m, 40, 2), c.init40.value_or(Bytes(before, 40, 2))) << DeviceTypeName(c.type) << c.package;
  }
}

TEST(InfoBlockRepair, TypeCodeFollowsTheControllerType) {
  for (const auto& [type, code] : {std::pair{DeviceType::kI2C, 224}, std::pair{DeviceType::kQL840, 88},
                                   std::pair{DeviceType::kFlash, 240}, std::pair{DeviceType::kNone, -1}}) {
    Mirror m = Patterned();
    const std::uint8_t old = m[301];
    RepairInfoBlock(m, Context(type, LedType::kRGB, 0));
    EXPECT_EQ(Bytes(m, 290, 11),
              (std::vector<std::uint8_t>{0xFF, 0xFF, 0x01, 0x00, 0x3C, 0x03, 0x00, 0x78, 0x07, 0x00, 0xC8}));
    EXPECT_EQ(m[301], code < 0 ? old : code);
  }
}

TEST(DistributeImage, RepairsOnlyTheMirrorAndFillsEveryCopy) {
  ImageState s;
  for (std::size_t i = 0; i < kImageSize; ++i) s.DataBuf[i] = static_cast<std::uint8_t>(i * 13 + 1);
  std::span<std::uint8_t> buf(s.DataBuf);
  SetSectionChecksum(buf, image::kUserSection);
  SetSectionChecksum(buf, image::kProfile1Section);
  buf[163] = static_cast<std::uint8_t>(~SectionChecksum(buf.subspan(0, 163)));  // vendor bad
  buf[289] = static_cast<std::uint8_t>(~SectionChecksum(buf.subspan(241, 48)));  // profile 2 bad
  const Image sent = s.DataBuf;

  const RepairReport r = DistributeImage(s, Context(DeviceType::kI2C, LedType::kRGB, 2));
  EXPECT_TRUE(r.vendor);
  EXPECT_FALSE(r.user);
  EXPECT_FALSE(r.profile1);
  EXPECT_TRUE(r.profile2);
  EXPECT_EQ(s.DataBuf, sent);
  EXPECT_TRUE(SectionChecksumValid(s.ImageMirror, image::kVendorSection));
  EXPECT_EQ(s.ImageMirror[0], 0x12);
  EXPECT_NE(s.ImageMirror[289], sent[289]);  // profile 2 keeps its data, gets a checksum
  EXPECT_TRUE(std::equal(s.ImageMirror.begin() + 164, s.ImageMirror.begin() + 289, sent.begin() + 164));
  EXPECT_TRUE(std::equal(s.ImageMirror.begin() + 290, s.ImageMirror.end(), sent.begin() + 290));
  EXPECT_TRUE(std::equal(s.deviceMacroMirror.begin(), s.deviceMacroMirror.end(), sent.begin() + 496));
  EXPECT_TRUE(std::equal(s.patchHeader.begin(), s.patchHeader.end(), sent.begin() + 1008));
  EXPECT_TRUE(std::equal(s.gunTable.begin(), s.gunTable.end(), sent.begin() + 304));
  EXPECT_TRUE(std::equal(s.gunTable.begin(), s.gunTable.end(), s.gunWorkingCopy.begin()));
}

TEST(PackageEntry, FromTheTopBitsOfByteFive) {
  for (const auto& [byte, entry] : {std::pair{0x0F, 0}, std::pair{0x4F, -1}, std::pair{0x8F, 1}, std::pair{0xCF, 2}}) {
    Mirror m{};
    m[5] = static_cast<std::uint8_t>(byte);
    EXPECT_EQ(PackageEntryFromImage(m), entry) << byte;
  }
}

}  // namespace
}  // namespace orvane
