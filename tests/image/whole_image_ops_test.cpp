#include "image/whole_image_ops.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "device/sim_fixture.h"
#include "image/checksum.h"
#include "image/file_io.h"

namespace orvane {
namespace {

using testing::SimStack;

class WholeImageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(s.session.ReFindDev());
    ASSERT_EQ(s.session.LastIdentifyResult(), IdentifyResult::kAccepted);
    s.trace.Clear();
    dir = std::filesystem::temp_directory_path() /
          ("orvane-image-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }

  std::string File(const std::string& name) const { return (dir / name).string(); }
  void WriteFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, bytes, error)) << error;
  }
  // The image the whole-image write sent: the data reports after command 0x07 at 0.
  Image SentImage() const {
    Image sent{};
    std::size_t at = 0;
    bool inWrite = false;
    for (const TraceEntry& e : s.trace.Entries()) {
      if (e.kind == 'S' && e.bytes[0] == 0x40) {
        inWrite = e.bytes[1] == 0x07 && e.bytes[2] == 0 && e.bytes[3] == 0 && e.bytes[4] == 0x08;
        at = 0;
      } else if (inWrite && e.kind == 'S' && e.bytes[0] == 0x41) {
        for (std::size_t i = 1; i < 8 && at < kImageSize; ++i) sent[at++] = e.bytes[i];
      }
    }
    return sent;
  }

  SimStack s;
  std::filesystem::path dir;
};

TEST_F(WholeImageTest, PresetWritesTheImageRestartsAndReadsItBack) {
  for (int n : {1, 2, 3}) {
    s.trace.Clear();
    const int reads = s.session.FullReadCount();
    ASSERT_TRUE(ApplyPreset(s.session, n));
    EXPECT_EQ(s.Count('S', 0x41), 293);
    EXPECT_EQ(s.Count('S', 0x40, 0x0E), 1);
    EXPECT_EQ(s.session.FullReadCount(), reads + 1) << "read again after the restart";
    EXPECT_FALSE(s.session.Refreshing());
    // Preset 2 is "Game Mode"; presets 1 and 3 "Office Mode".
    EXPECT_EQ(s.sim.Image()[164] & 0x0F, n == 2 ? 1 : 0);
    Image expected = testing::FactoryImage(n);
    std::copy_n(s.sim.Image().begin() + 1024, 1024, expected.begin() + 1024);
    EXPECT_EQ(s.sim.Image(), expected);
  }
}

TEST_F(WholeImageTest, PresetKeepsTheMousePatchCode) {
  SimulatedMouseConfig mouse = SimStack::Defaults();
  for (std::size_t i = 1008; i < 2048; ++i) mouse.image[i] = static_cast<std::uint8_t>(i * 31);
  SetSectionChecksum(mouse.image, image::kPatchLedSection);
  SimStack t(mouse);
  ASSERT_TRUE(t.session.ReFindDev());
  ASSERT_TRUE(ApplyPreset(t.session, 1));
  const Image after = t.sim.Image();
  const Image factory = testing::FactoryImage(1);
  EXPECT_TRUE(std::equal(after.begin() + 1024, after.end(), mouse.image.begin() + 1024));
  EXPECT_TRUE(std::equal(after.begin() + 1008, after.begin() + 1016, mouse.image.begin() + 1008));
  EXPECT_TRUE(std::equal(after.begin() + 1016, after.begin() + 1024, factory.begin() + 1016));
  EXPECT_TRUE(std::equal(after.begin(), after.begin() + 1008, factory.begin()));
}

TEST_F(WholeImageTest, SaveThenLoadSendsBackExactlyTheImageHeldAtSaving) {
  const std::string path = File("profile.bin");
  std::string error;
  ASSERT_EQ(SaveProfile(s.session, path, error), ProfileSaveResult::kSaved) << error;
  const Image saved = s.sim.Image();
  ASSERT_TRUE(ApplyPreset(s.session, 2));  // change the mouse
  s.trace.Clear();
  ASSERT_EQ(LoadProfile(s.session, path, error), ProfileLoadResult::kWritten) << error;
  EXPECT_EQ(SentImage(), saved);
  EXPECT_EQ(s.sim.Image(), saved);
  EXPECT_FALSE(s.session.Refreshing());
}

TEST_F(WholeImageTest, LoadedFileWithBadVendorChecksumGoesToTheMouseUnchanged) {
  Image file = testing::FactoryImage(3);
  file[163] ^= 0x55;
  const std::string path = File("bad.bin");
  WriteFile(path, file);
  std::string error;
  ASSERT_EQ(LoadProfile(s.session, path, error), ProfileLoadResult::kWritten);
  EXPECT_EQ(SentImage(), file);
  // The read after the restart repairs it again, in memory only.
  EXPECT_TRUE(s.session.LastRepairs().vendor);
  EXPECT_TRUE(SectionChecksumValid(s.session.State().ImageMirror, image::kVendorSection));
  EXPECT_EQ(s.sim.Image(), file);
}

TEST_F(WholeImageTest, ShortFileReplacesOnlyItsLength) {
  const Image before = s.session.State().DataBuf;
  std::vector<std::uint8_t> shortFile(100, 0xA5);
  const std::string path = File("short.bin");
  WriteFile(path, shortFile);
  std::string error;
  ASSERT_EQ(LoadProfile(s.session, path, error), ProfileLoadResult::kWritten);
  Image expected = before;
  std::fill_n(expected.begin(), 100, 0xA5);
  EXPECT_EQ(SentImage(), expected);
}

TEST_F(WholeImageTest, UnreadableFileSendsNothing) {
  std::string error;
  EXPECT_EQ(LoadProfile(s.session, File("missing.bin"), error), ProfileLoadResult::kUnreadable);
  EXPECT_NE(error.find("missing.bin"), std::string::npos);
  EXPECT_EQ(LoadProfile(s.session, dir.string(), error), ProfileLoadResult::kUnreadable);
  EXPECT_TRUE(s.trace.Entries().empty());
  EXPECT_FALSE(s.session.Refreshing());
}

TEST_F(WholeImageTest, QL840RefusesAFileWithoutItsTypeCode) {
  Image file = testing::FactoryImage(1);
  file[351] = 0;
  const std::string path = File("i2c.bin");
  WriteFile(path, file);
  s.session.SetDeviceICType(DeviceType::kQL840);
  std::string error;
  EXPECT_EQ(LoadProfile(s.session, path, error), ProfileLoadResult::kWrongType);
  EXPECT_EQ(s.screens.texts, (std::vector<std::string>{"Loading .bin is error!"}));
  EXPECT_TRUE(s.trace.Entries().empty());
  // Its info block bytes were still taken for the next info block write.
  EXPECT_TRUE(std::equal(s.session.State().infoSendBuffer.begin(), s.session.State().infoSendBuffer.end(),
                         file.begin() + 340));
  file[351] = 88;
  WriteFile(path, file);
  EXPECT_EQ(LoadProfile(s.session, path, error), ProfileLoadResult::kWritten);
}

TEST_F(WholeImageTest, WithoutAMouseNothingHappensButTheMessage) {
  s.transport.ForgetDevice();
  std::string error;
  EXPECT_FALSE(ApplyPreset(s.session, 1));
  EXPECT_EQ(LoadProfile(s.session, File("x.bin"), error), ProfileLoadResult::kNoDevice);
  EXPECT_EQ(SaveProfile(s.session, File("x.bin"), error), ProfileSaveResult::kNoDevice);
  EXPECT_FALSE(ResetToBuiltInValues(s.session));
  EXPECT_EQ(s.screens.messages, (std::vector<int>{22, 22, 22}));
  EXPECT_TRUE(s.trace.Entries().empty());
  EXPECT_FALSE(std::filesystem::exists(File("x.bin")));
}

TEST_F(WholeImageTest, ResetClearsTheMacroRecordsAndKeepsPatchHeaderAndCode) {
  const Image before = s.session.State().DataBuf;
  ASSERT_TRUE(ResetToBuiltInValues(s.session));
  const Image sent = SentImage();
  EXPECT_TRUE(std::all_of(sent.begin() + 496, sent.begin() + 1008, [](std::uint8_t b) { return b == 0; }));
  EXPECT_TRUE(std::equal(sent.begin() + 1008, sent.end(), before.begin() + 1008));
  for (const Section& sec : {image::kVendorSection, image::kUserSection, image::kProfile1Section,
                             image::kProfile2Section})
    EXPECT_TRUE(SectionChecksumValid(sent, sec));
  EXPECT_EQ(std::string(sent.begin() + 111, sent.begin() + 127), "HID Gaming mouse");
}

TEST_F(WholeImageTest, AMouseThatDoesNotComeBackReleasesTheScreens) {
  s.sim.AddFault(UnplugAfter(s.sim.ReportCount() + 10));
  s.screens.calls.clear();
  ASSERT_TRUE(ApplyPreset(s.session, 1));
  EXPECT_FALSE(s.session.Refreshing());
  EXPECT_EQ(s.screens.calls.back(), "unblock");
  EXPECT_NE(std::find(s.screens.calls.rbegin(), s.screens.calls.rend(), "timer"), s.screens.calls.rend());
  EXPECT_TRUE(s.screens.Called("clear"));
}

TEST(ApplyProfileFile, ArbitraryLengths) {
  for (std::size_t size : {0u, 1u, 340u, 341u, 351u, 352u, 2047u, 2048u, 4096u}) {
    ImageState state;
    state.DataBuf.fill(0x11);
    std::vector<std::uint8_t> file(size, 0x22);
    EXPECT_EQ(ApplyProfileFile(state, DeviceType::kI2C, file), ProfileFileVerdict::kApplied);
    const std::size_t replaced = std::min<std::size_t>(size, kImageSize);
    EXPECT_EQ(std::count(state.DataBuf.begin(), state.DataBuf.end(), 0x22), static_cast<long>(replaced));
    EXPECT_EQ(ApplyProfileFile(state, DeviceType::kQL840, file), ProfileFileVerdict::kWrongType);
  }
}

}  // namespace
}  // namespace orvane
