#include "image/write_back.h"

#include <gtest/gtest.h>

#include <functional>

#include "device/sim_fixture.h"
#include "image/checksum.h"

namespace orvane {
namespace {

using testing::SimStack;

// The command reports (0x40) of a trace with the number of data reports after each.
std::vector<std::pair<std::string, int>> Shape(const SimStack& s) {
  std::vector<std::pair<std::string, int>> out;
  for (const TraceEntry& e : s.trace.Entries()) {
    if (e.kind == 'S' && e.bytes[0] == 0x40) out.emplace_back(FormatTraceEntry(e).substr(2, 17), 0);
    else if (e.kind == 'S' && e.bytes[0] == 0x41 && !out.empty()) ++out.back().second;
  }
  return out;
}

class WriteBackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(s.session.ReFindDev());
    state().ImageMirror[163] ^= 0xFF;  // stale checksums the patterns must refresh
    state().ImageMirror[191] ^= 0xFF;
    state().ImageMirror[240] ^= 0xFF;
    state().ImageMirror[289] ^= 0xFF;
    state().patchHeader[15] ^= 0xFF;
    s.trace.Clear();
  }
  ImageState& state() { return s.session.State(); }
  SimStack s;
};

template <typename Bytes>
std::vector<std::uint8_t> Range(const Bytes& bytes, std::size_t first, std::size_t size) {
  return {bytes.begin() + static_cast<std::ptrdiff_t>(first),
          bytes.begin() + static_cast<std::ptrdiff_t>(first + size)};
}

TEST_F(WriteBackTest, EachPatternSendsItsAreaWithFreshChecksums) {
  using Shape = std::vector<std::pair<std::string, int>>;
  struct Case {
    const char* name;
    std::function<bool(DeviceLink&, ImageState&)> write;
    Shape shape;  // commands and their data report counts; empty: not checked here
    std::size_t first;
    std::function<std::vector<std::uint8_t>(const ImageState&)> sent;  // what the mouse must hold
  } cases[] = {
      {"vendor", [](DeviceLink& l, ImageState& st) { return WriteVendorSection(l, st.ImageMirror); },
       {}, 0, [](const ImageState& st) { return Range(st.ImageMirror, 0, 164); }},
      {"user", [](DeviceLink& l, ImageState& st) { return WriteUserSection(l, st.ImageMirror); },
       {}, 164, [](const ImageState& st) { return Range(st.ImageMirror, 164, 28); }},
      {"gun table", [](DeviceLink& l, ImageState& st) { return WriteGunTable(l, st); },
       {{"40 07 01 30 00 A8", 24}}, 304, [](const ImageState& st) { return Range(st.gunTable, 0, 168); }},
      {"macro block", [](DeviceLink& l, ImageState& st) { return WriteDeviceMacroArea(l, st); },
       {{"40 07 01 F0 01 48", 47}, {"40 07 03 38 01 48", 47}}, 496,
       [](const ImageState& st) { return Range(st.deviceMacroMirror, 0, 656); }},
      {"patch header", [](DeviceLink& l, ImageState& st) { return WritePatchHeader(l, st); },
       {{"40 07 03 F0 00 10", 3}}, 1008, [](const ImageState& st) { return Range(st.patchHeader, 0, 16); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    ImageState& st = state();
    for (std::size_t i = 0; i < st.deviceMacroMirror.size(); ++i)
      st.deviceMacroMirror[i] = static_cast<std::uint8_t>(i);
    st.gunTable.fill(0x3C);
    ASSERT_TRUE(c.write(s.link, st));
    if (!c.shape.empty()) EXPECT_EQ(::orvane::Shape(s), c.shape);
    const auto expected = c.sent(st);
    EXPECT_EQ(Range(s.sim.Image(), c.first, expected.size()), expected);
  }
  EXPECT_TRUE(SectionChecksumValid(s.sim.Image(), image::kPatchLedSection));
}

TEST_F(WriteBackTest, SectionWritesGoInThreeBytePiecesWithAFreshChecksum) {
  ASSERT_TRUE(WriteVendorSection(s.link, state().ImageMirror));
  EXPECT_EQ(s.Count('S', 0x40, 0x05), 55);
  EXPECT_TRUE(SectionChecksumValid(s.sim.Image(), image::kVendorSection));
  s.trace.Clear();
  ASSERT_TRUE(WriteUserSection(s.link, state().ImageMirror));
  EXPECT_EQ(s.Count('S', 0x40, 0x05), 10);
  EXPECT_TRUE(SectionChecksumValid(s.sim.Image(), image::kUserSection));
}

TEST_F(WriteBackTest, ProfilesAndInfoBlockThenTheReselect) {
  state().infoSendBuffer = {7, 8, 2, 0, 30, 4, 0, 30, 7, 0, 30, 0};
  state().ImageMirror[192] = 0x05;  // an edited assignment
  ASSERT_TRUE(WriteProfilesAndInfoBlock(s.link, state()));
  EXPECT_EQ(Shape(s), (std::vector<std::pair<std::string, int>>{{"40 07 00 C0 00 62", 14},
                                                                {"40 07 01 22 00 0C", 2},
                                                                {"40 06 00 A4 00 1C", 0},
                                                                {"40 05 00 A4 0F 00", 0},
                                                                {"40 05 00 A4 00 00", 0}}));
  const Image mouse = s.sim.Image();
  EXPECT_EQ(mouse[192], 0x05);
  EXPECT_TRUE(SectionChecksumValid(mouse, image::kProfile1Section));
  EXPECT_TRUE(SectionChecksumValid(mouse, image::kProfile2Section));
  EXPECT_TRUE(std::equal(mouse.begin() + 290, mouse.begin() + 302, state().infoSendBuffer.begin()));
}

TEST_F(WriteBackTest, CustomerIdsOfAQL840GoTo340) {
  std::array<std::uint8_t, 12> block{};
  block[0] = 0x21;
  block[1] = 0x43;
  ASSERT_TRUE(WriteInfoBlockAt340(s.link, block));
  EXPECT_EQ(Shape(s), (std::vector<std::pair<std::string, int>>{{"40 07 01 54 00 0C", 2}}));
  EXPECT_EQ(s.sim.Image()[340], 0x21);
  EXPECT_EQ(s.sim.Image()[341], 0x43);
}

TEST_F(WriteBackTest, WholeImageEndsInARestartAndAFreshRead) {
  state().DataBuf[170] = 0x18;
  const int reads = s.session.FullReadCount();
  ASSERT_TRUE(WriteWholeImage(s.link, state(), [&] { s.session.ReFindDev(); }));
  const auto shape = Shape(s);
  ASSERT_GE(shape.size(), 2u);
  EXPECT_EQ(shape[0], (std::pair<std::string, int>{"40 07 00 00 08 00", 293}));
  EXPECT_EQ(shape[1].first, "40 0E 00 00 00 00");
  EXPECT_EQ(s.session.FullReadCount(), reads + 1);
  EXPECT_EQ(s.sim.Image()[170], 0x18);
}

TEST(DefaultImages, LoadedByTheDefaultType) {
  const DefaultImages i2c = LoadDefaultImages(DeviceType::kI2C);
  EXPECT_EQ(i2c.images[1], testing::FactoryImage(2));
  EXPECT_TRUE(i2c.flashImages[0].empty());
  const DefaultImages flash = LoadDefaultImages(DeviceType::kFlash);
  ASSERT_EQ(flash.flashImages[2].size(), 32u * 2048u);
  const Image third = testing::FactoryImage(3);
  EXPECT_TRUE(std::equal(third.begin(), third.end(), flash.flashImages[2].begin()));
  EXPECT_EQ(flash.images[0], Image{});
  const DefaultImages none = LoadDefaultImages(DeviceType::kNone);
  EXPECT_EQ(none.images[0], Image{});
  EXPECT_TRUE(none.flashImages[0].empty());
}

}  // namespace
}  // namespace orvane
