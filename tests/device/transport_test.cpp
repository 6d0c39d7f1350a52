#include "device/transport.h"

#include <gtest/gtest.h>

#include "device/fake_hid_backend.h"

namespace orvane {
namespace {

using testing::FakeHidBackend;

HidInterfaceInfo Iface(std::string path, std::uint16_t vid, std::uint16_t pid,
                       std::uint16_t feature, std::uint16_t input = 8) {
  return {std::move(path), vid, pid, 0x0100, feature, input};
}

constexpr std::uint16_t kVid = 0x1209, kPid = 0x0001;

class TransportTest : public ::testing::Test {
 protected:
  FakeHidBackend backend;
  HidTransport transport{backend};
  std::uint16_t version = 256;
};

TEST_F(TransportTest, SkipsInterfacesWithOtherLengthsOrIdsAndClosesTheirHandles) {
  backend.interfaces = {Iface("boot-mouse", kVid, kPid, 0, 5), Iface("keyboard", 0x046D, 0xC31C, 8),
                        Iface("vendor", kVid, kPid, 8, 8)};
  ASSERT_TRUE(transport.OpenDevice(kVid, kPid, version));
  EXPECT_EQ(transport.CurrentIds(), (UsbIds{kVid, kPid}));
  EXPECT_EQ(transport.FeatureReportLength(), 8);
  EXPECT_EQ(transport.InputReportLength(), 8);
  EXPECT_TRUE(transport.DeviceOpen());
  EXPECT_EQ(backend.closedPaths, (std::vector<std::string>{"boot-mouse", "keyboard"}));
  // The probe: command 0x0D on the query handle of the vendor interface.
  ASSERT_EQ(backend.sent.size(), 1u);
  EXPECT_EQ(backend.sent[0].first, "vendor");
  EXPECT_EQ(backend.sent[0].second, (std::vector<std::uint8_t>{0x40, 0x0D, 0, 0, 0, 0, 0, 0}));
}

TEST_F(TransportTest, NoMatchLeavesTheOpenMouseAsItWas) {
  backend.interfaces = {Iface("vendor", kVid, kPid, 8)};
  ASSERT_TRUE(transport.OpenDevice(kVid, kPid, version));
  backend.interfaces = {Iface("other", 0x1111, 0x2222, 8)};
  EXPECT_FALSE(transport.OpenDevice(kVid, kPid, version));
  EXPECT_TRUE(transport.DeviceOpen());
  EXPECT_EQ(transport.CurrentIds(), (UsbIds{kVid, kPid}));
  EXPECT_TRUE(transport.SendCommand(0x0D, 0, 0, 0, 0));
  EXPECT_EQ(backend.sent.back().first, "vendor");
}

TEST_F(TransportTest, TheLastMatchingInterfaceWinsAndTheEarlierOneIsReleased) {
  backend.interfaces = {Iface("first", kVid, kPid, 8), Iface("second", kVid, kPid, 8)};
  ASSERT_TRUE(transport.OpenDevice(kVid, kPid, version));
  ASSERT_TRUE(transport.SendCommand(0x09, 0, 0, 0, 7));
  EXPECT_EQ(backend.sent.back().first, "second");
  for (const auto& [handle, path] : backend.open) EXPECT_EQ(path, "second");
}

TEST_F(TransportTest, FailedProbesLeaveTheirHandleInvalidButStillOpen) {
  struct Case {
    bool failCommand, failReply;
  } cases[] = {{true, false}, {false, true}, {true, true}};
  for (const Case& c : cases) {
    FakeHidBackend b;
    b.interfaces = {Iface("vendor", kVid, kPid, 8)};
    if (c.failCommand) b.failSetFeature.insert("vendor");
    if (c.failReply) b.failGetFeature.insert("vendor");
    HidTransport t(b);
    EXPECT_TRUE(t.OpenDevice(kVid, kPid, version));
    EXPECT_EQ(t.CommandChannelOpen(), !c.failCommand);
    EXPECT_EQ(t.ReplyChannelOpen(), !c.failReply);
    EXPECT_FALSE(t.DeviceOpen());
    if (c.failCommand) EXPECT_FALSE(t.SendCommand(0x0D, 0, 0, 0, 0));
  }
}

TEST_F(TransportTest, ReplyDataIsAllFFWithoutAMouseOrAfterAFailedFetch) {
  const ReplyBytes ff{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  const auto reply = [this] {
    ReplyBytes bytes;
    std::copy(transport.ReplyData().begin(), transport.ReplyData().end(), bytes.begin());
    return bytes;
  };
  EXPECT_EQ(reply(), ff);  // before any fetch
  transport.ReadReply();
  EXPECT_EQ(reply(), ff);
  backend.interfaces = {Iface("vendor", kVid, kPid, 8)};
  ASSERT_TRUE(transport.OpenDevice(kVid, kPid, version));
  transport.ReadReply();
  EXPECT_EQ(reply(), (ReplyBytes{1, 2, 3, 4, 5, 6, 7}));
  backend.failGetFeature.insert("vendor");
  transport.ReadReply();
  EXPECT_EQ(reply(), ff);
}

TEST_F(TransportTest, CommandsAndDataReportsHaveTheirLayout) {
  backend.interfaces = {Iface("vendor", kVid, kPid, 8)};
  ASSERT_TRUE(transport.OpenDevice(kVid, kPid, version));
  ASSERT_TRUE(transport.SendCommand(0x09, 0x01, 0x54, 0x00, 0x0C));
  EXPECT_EQ(backend.sent.back().second, (std::vector<std::uint8_t>{0x40, 0x09, 0x01, 0x54, 0x00, 0x0C, 0, 0}));
  ASSERT_TRUE(transport.SendData({1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(backend.sent.back().second, (std::vector<std::uint8_t>{0x41, 1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(TransportTest, ForgettingReleasesEveryHandle) {
  backend.interfaces = {Iface("vendor", kVid, kPid, 8)};
  ASSERT_TRUE(transport.OpenDevice(kVid, kPid, version));
  EXPECT_EQ(backend.open.size(), 2u);  // query and input handle
  transport.ForgetDevice();
  EXPECT_TRUE(backend.open.empty());
  EXPECT_FALSE(transport.DeviceOpen());
  EXPECT_FALSE(transport.InputChannelOpen());
  EXPECT_EQ(transport.CurrentIds(), UsbIds{});
}

TEST_F(TransportTest, CountsOnlyInterfacesThatOpen) {
  backend.interfaces = {Iface("a", 1, 1, 8), Iface("b", 2, 2, 0), Iface("c", 3, 3, 8)};
  backend.unopenable.insert("b");
  EXPECT_EQ(transport.CountHidInterfaces(), 2);
  EXPECT_TRUE(backend.open.empty());
}

TEST(BitHelpers, BitNumbersWrapAtThirtyTwo) {
  struct Case {
    std::uint32_t value;
    int bit;
    bool set;
  } cases[] = {{0b10, 1, true}, {0b10, 33, true}, {0b10, 0, false}, {0x80000000u, 31, true}, {0x80000000u, 63, true}};
  for (const Case& c : cases) EXPECT_EQ(TestBit(c.value, c.bit), c.set) << c.bit;
  EXPECT_EQ(SetBit(0, 33), 2u);
  EXPECT_EQ(ClearBit(0xFF, 32), 0xFEu);
}

}  // namespace
}  // namespace orvane
