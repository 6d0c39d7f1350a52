#include "device/device_link.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>

#include "device/fake_hid_backend.h"
#include "image/image_state.h"
#include "image/write_back.h"

namespace orvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Records the busy window's calls interleaved with the reports, as one event string.
class RecordingBusy : public BusyIndicator {
 public:
  explicit RecordingBusy(std::string& log) : log_(log) {}
  void ShowBusyWindow() override { log_ += "B"; }
  void HideBusyWindow() override { log_ += "b"; }

 private:
  std::string& log_;
};

class LoggingBackend : public testing::FakeHidBackend {
 public:
  std::string* log = nullptr;
  bool SetFeature(HidHandle h, std::span<const std::uint8_t> r) override {
    if (log) *log += r[0] == 0x40 ? "C" : "D";
    return FakeHidBackend::SetFeature(h, r);
  }
  bool GetFeature(HidHandle h, std::span<std::uint8_t> r) override {
    if (log) *log += "R";
    return FakeHidBackend::GetFeature(h, r);
  }
};

class DeviceLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    backend.interfaces = {{"vendor", 0x1209, 0x0001, 0x100, 8, 8}};
    std::uint16_t version = 256;
    ASSERT_TRUE(transport.OpenDevice(0x1209, 0x0001, version));
    backend.sent.clear();
    backend.fetches = 0;
    backend.log = &log;
  }
  std::vector<Bytes> Sent() const {
    std::vector<Bytes> out;
    for (const auto& [path, report] : backend.sent) out.push_back(report);
    return out;
  }

  std::string log;
  LoggingBackend backend;
  HidTransport transport{backend};
  RecordingBusy busy{log};
  VirtualClock clock;
  ClockPump pump{clock};
  DeviceLink link{transport, busy, pump};
};

TEST_F(DeviceLinkTest, InfoBlockReadAt340IsOneCommandAndTwoReplies) {
  backend.replies = {{0x41, 1, 2, 3, 4, 5, 6, 7}, {0x41, 8, 9, 10, 11, 12, 13, 14}};
  std::array<std::uint8_t, 12> info{};
  ASSERT_TRUE(link.ReadBlock(340, info));
  EXPECT_EQ(Sent(), (std::vector<Bytes>{{0x40, 0x09, 0x01, 0x54, 0x00, 0x0C, 0, 0}}));
  EXPECT_EQ(backend.fetches, 2);
  EXPECT_EQ(Bytes(info.begin(), info.end()), (Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
  EXPECT_EQ(log, "CRR");  // no busy window for a plain block read
}

TEST_F(DeviceLinkTest, PieceCounts) {
  struct Case {
    std::size_t length, pieces;
  } cases[] = {{1, 1}, {7, 1}, {8, 2}, {14, 2}, {28, 4}, {98, 14}, {2048, 293}};
  for (const Case& c : cases) {
    EXPECT_EQ(PieceCount(c.length), c.pieces);
    backend.fetches = 0;
    std::vector<std::uint8_t> dest(c.length);
    ASSERT_TRUE(link.ReadBlock(0, dest));
    EXPECT_EQ(backend.fetches, static_cast<int>(c.pieces)) << c.length;
  }
}

TEST_F(DeviceLinkTest, FailedFetchesReadAsFF) {
  backend.failGetFeature.insert("vendor");
  std::array<std::uint8_t, 10> dest{};
  ASSERT_TRUE(link.ReadParameters(164, dest));
  for (std::uint8_t b : dest) EXPECT_EQ(b, 0xFF);
  EXPECT_EQ(Sent()[0], (Bytes{0x40, 0x06, 0x00, 0xA4, 0x00, 10, 0, 0}));
}

TEST_F(DeviceLinkTest, VendorAreaWriteIsFiftyFivePiecesWithFillerFromThePreviousPiece) {
  std::array<std::uint8_t, 164> area;
  std::iota(area.begin(), area.end(), 0);
  ASSERT_TRUE(link.WriteConfigArea(0, area));
  const auto sent = Sent();
  ASSERT_EQ(sent.size(), 55u);
  EXPECT_EQ(sent[0], (Bytes{0x40, 0x05, 0, 0, 0, 1, 2, 3}));
  EXPECT_EQ(sent[54], (Bytes{0x40, 0x05, 0, 162, 162, 163, 161, 2}));
  std::string expected;
  for (int i = 0; i < 55; ++i) expected += "BC";
  EXPECT_EQ(log, expected);  // busy before every piece, left shown
}

TEST_F(DeviceLinkTest, SingleWritesShowAndHideTheBusyWindow) {
  ASSERT_TRUE(link.WriteConfigBytes(0, 0x12, 0x09, 0, 2));
  ASSERT_TRUE(link.WriteConfigLong(192, 1, 2, 3, 4));
  EXPECT_EQ(Sent(), (std::vector<Bytes>{{0x40, 0x05, 0, 0, 0x12, 0x09, 0, 2}, {0x40, 0x05, 1, 192, 1, 2, 3, 4}}));
  EXPECT_EQ(log, "BCbBCb");
}

TEST_F(DeviceLinkTest, BlockWriteFillerAndBusyPerDataReport) {
  const Bytes nine{1, 2, 3, 4, 5, 6, 7, 8, 9};
  ASSERT_TRUE(link.WriteBlock(0x0123, nine));
  EXPECT_EQ(Sent(), (std::vector<Bytes>{{0x40, 0x07, 0x01, 0x23, 0x00, 0x09, 0, 0},
                                        {0x41, 1, 2, 3, 4, 5, 6, 7},
                                        {0x41, 8, 9, 3, 4, 5, 6, 7}}));
  EXPECT_EQ(log, "CBDBD");
  backend.sent.clear();
  ASSERT_TRUE(link.WriteBlock(0, Bytes{0xAA}));
  EXPECT_EQ(Sent()[1], (Bytes{0x41, 0xAA, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST_F(DeviceLinkTest, LostPiecesAreSkippedWithoutFailingTheWrite) {
  class DropData : public LoggingBackend {
   public:
    bool SetFeature(HidHandle h, std::span<const std::uint8_t> r) override {
      return r[0] == 0x41 ? false : LoggingBackend::SetFeature(h, r);
    }
  };
  DropData b;
  b.interfaces = backend.interfaces;
  HidTransport t(b);
  std::uint16_t v = 256;
  ASSERT_TRUE(t.OpenDevice(0x1209, 0x0001, v));
  DeviceLink l(t, busy, pump);
  EXPECT_TRUE(l.WriteBlock(0, Bytes(20, 1)));
}

TEST_F(DeviceLinkTest, WithoutAMouseNothingIsSentAndNoBusyWindowShows) {
  transport.ForgetDevice();
  log.clear();
  std::array<std::uint8_t, 8> dest{};
  EXPECT_FALSE(link.WriteConfigBytes(0, 1, 2, 3, 1));
  EXPECT_FALSE(link.WriteConfigLong(0, 1, 2, 3, 4));
  EXPECT_FALSE(link.WriteConfigArea(0, Bytes(10, 1)));
  EXPECT_FALSE(link.WriteBlock(0, Bytes(10, 1)));
  EXPECT_FALSE(link.ReadBlockBusy(0, dest));
  EXPECT_FALSE(link.ReadBlock(0, dest));
  EXPECT_EQ(dest[0], 0xFF);
  EXPECT_EQ(log, "");
}

TEST_F(DeviceLinkTest, RestartWaitsAboutSeventeenSecondsAroundTheCommand) {
  std::int64_t refindAt = -1;
  std::size_t sentBeforeRefind = 0;
  link.RestartDevice([&] {
    refindAt = clock.NowMs();
    sentBeforeRefind = backend.sent.size();
  });
  ASSERT_EQ(Sent(), (std::vector<Bytes>{{0x40, 0x0E, 0, 0, 0, 0, 0, 0}}));
  EXPECT_EQ(sentBeforeRefind, 1u);
  EXPECT_EQ(refindAt, 1010 + 16020);  // 101 rounds of 10 ms, the command, 1602 rounds
}

TEST_F(DeviceLinkTest, ProfileWriteSequence) {
  ImageState state;
  for (std::size_t i = 0; i < state.ImageMirror.size(); ++i) state.ImageMirror[i] = static_cast<std::uint8_t>(i);
  Bytes user(8, 0);
  user[0] = 0x41;
  user[1] = 0x21;  // the mode the mouse reports back
  backend.replies = {user};
  ASSERT_TRUE(WriteProfileSections(link, state.ImageMirror));
  EXPECT_EQ(log, "C" + std::string("BD") + "BDBDBDBDBDBDBDBDBDBDBDBDBD" + "CRRRR" + "BCb" + "BCb");
  const auto sent = Sent();
  EXPECT_EQ(sent[0], (Bytes{0x40, 0x07, 0x00, 0xC0, 0x00, 98, 0, 0}));
  EXPECT_EQ(sent[15], (Bytes{0x40, 0x06, 0x00, 0xA4, 0x00, 28, 0, 0}));
  EXPECT_EQ(sent[16], (Bytes{0x40, 0x05, 0, 164, 0x0F, 0, 0, 1}));
  EXPECT_EQ(sent[17], (Bytes{0x40, 0x05, 0, 164, 0x21, 0, 0, 1}));
  EXPECT_EQ(state.ImageMirror[164], 0x21);
}

}  // namespace
}  // namespace orvane
