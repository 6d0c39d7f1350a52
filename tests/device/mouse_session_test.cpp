#include "device/mouse_session.h"

#include <gtest/gtest.h>

#include "device/sim_fixture.h"
#include "image/checksum.h"

namespace orvane {
namespace {

using testing::SimStack;

TEST(ReadDevInfo, AcceptedMouseIsReadInFullWithOneCommandAnd293Replies) {
  SimStack s;
  ASSERT_TRUE(s.session.ReFindDev());
  EXPECT_EQ(s.session.LastIdentifyResult(), IdentifyResult::kAccepted);
  const auto lines = s.Lines();
  // Probe (command and reply), device information, the info block, then the full read.
  ASSERT_EQ(lines.size(), 2u + 2u + 3u + 1u + 293u);
  EXPECT_EQ(lines[4], "S 40 09 01 22 00 0C 00 00");
  EXPECT_EQ(lines[7], "S 40 09 00 00 08 00 00 00");
  EXPECT_EQ(s.Count('S', 0x41), 0);  // a read writes nothing
  EXPECT_EQ(s.session.State().DataBuf, s.sim.Image());
  EXPECT_FALSE(s.session.Refreshing());
  EXPECT_EQ(s.session.DeviceICType(), DeviceType::kI2C);
  EXPECT_EQ(s.screens.calls, (std::vector<std::string>{"notimer", "blockers", "fill", "timer", "unblock"}));
}

struct InfoCase {
  const char* name;
  SimDeviceType type;
  std::optional<std::uint8_t> status, marker, typeByte;
  std::optional<InfoBytes45> bytes45;
  DeviceType defaultType;
  IdentifyResult expected;
  std::vector<int> messages;
};

class ReadDevInfoBranches : public ::testing::TestWithParam<InfoCase> {};

TEST_P(ReadDevInfoBranches, StopWhereTheReplySays) {
  const InfoCase& c = GetParam();
  SimulatedMouseConfig mouse = SimStack::Defaults();
  mouse.type = c.type;
  if (c.status) mouse.status = *c.status;
  if (c.marker) mouse.marker = *c.marker;
  mouse.typeByte = c.typeByte;
  mouse.info45 = c.bytes45;
  // A QL840 keeps its customer ids at 340, where factory image 1 has gun data.
  if (c.type == SimDeviceType::kQL840) mouse.customerIds = CustomerIds{0, 0};
  SessionConfig config = testing::DefaultSessionConfig();
  config.startup.DefaultICType = c.defaultType;
  SimStack s(mouse, config);
  ASSERT_TRUE(s.session.ReFindDev());
  EXPECT_EQ(s.session.LastIdentifyResult(), c.expected);
  EXPECT_EQ(s.screens.messages, c.messages);
  const bool read = c.expected == IdentifyResult::kAccepted;
  EXPECT_EQ(s.Count('S', 0x40, 0x09) == 2, read);
  EXPECT_EQ(s.screens.Called("nodevice"), c.expected == IdentifyResult::kTypeMismatch);
}

INSTANTIATE_TEST_SUITE_P(
    Branches, ReadDevInfoBranches,
    ::testing::Values(
        InfoCase{"status128", SimDeviceType::kI2C, 128, {}, {}, {}, DeviceType::kI2C, IdentifyResult::kAccepted, {}},
        InfoCase{"status130", SimDeviceType::kI2C, 130, {}, {}, {}, DeviceType::kI2C, IdentifyResult::kAccepted, {}},
        InfoCase{"status1", SimDeviceType::kI2C, 1, {}, {}, {}, DeviceType::kI2C, IdentifyResult::kReplyRejected, {}},
        InfoCase{"badMarker", SimDeviceType::kI2C, {}, 0x5B, {}, {}, DeviceType::kI2C, IdentifyResult::kReplyRejected, {}},
        InfoCase{"unknownType", SimDeviceType::kI2C, {}, {}, 0x80, {}, DeviceType::kI2C, IdentifyResult::kUnknownType, {}},
        InfoCase{"ql840OnI2CImage", SimDeviceType::kQL840, {}, {}, {}, {}, DeviceType::kI2C, IdentifyResult::kTypeMismatch, {102}},
        InfoCase{"ql840OnFlashImage", SimDeviceType::kQL840, {}, {}, {}, {}, DeviceType::kFlash, IdentifyResult::kTypeMismatch, {102}},
        InfoCase{"i2cOnQL840Image", SimDeviceType::kI2C, {}, {}, {}, {}, DeviceType::kQL840, IdentifyResult::kTypeMismatch, {102}},
        InfoCase{"ql840OnQL840Image", SimDeviceType::kQL840, {}, {}, {}, {}, DeviceType::kQL840, IdentifyResult::kAccepted, {}},
        InfoCase{"ql840Bytes45Wrong", SimDeviceType::kQL840, {}, {}, {}, InfoBytes45{0, 25}, DeviceType::kQL840, IdentifyResult::kQL840Refused, {}},
        InfoCase{"ql840OnUntypedImage", SimDeviceType::kQL840, {}, {}, {}, {}, DeviceType::kNone, IdentifyResult::kAccepted, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadDevInfo, QL840ReadsItsInfoBlockAt340) {
  SimulatedMouseConfig mouse = SimStack::Defaults();
  mouse.type = SimDeviceType::kQL840;
  mouse.customerIds = CustomerIds{0, 0};
  SessionConfig config = testing::DefaultSessionConfig();
  config.startup.DefaultICType = DeviceType::kQL840;
  SimStack s(mouse, config);
  ASSERT_TRUE(s.session.ReFindDev());
  ASSERT_EQ(s.session.LastIdentifyResult(), IdentifyResult::kAccepted);
  EXPECT_EQ(s.Lines()[4], "S 40 09 01 54 00 0C 00 00");
  // From the full read on it counts as I2C.
  EXPECT_EQ(s.session.DeviceICType(), DeviceType::kI2C);
}

TEST(ReadDevInfo, ForeignCustomerIdsPauseTheWatchAndLeaveTheImageUnread) {
  SimulatedMouseConfig mouse = SimStack::Defaults();
  mouse.customerIds = CustomerIds{0x12, 0x34};
  SimStack s(mouse);
  ASSERT_TRUE(s.session.ReFindDev());
  EXPECT_EQ(s.session.LastIdentifyResult(), IdentifyResult::kIdsRejected);
  EXPECT_EQ(s.screens.calls, (std::vector<std::string>{"notimer", "plain", "timer"}));
  EXPECT_EQ(s.screens.messages, (std::vector<int>{107}));
  EXPECT_EQ(s.session.LastCustomerIds(), (std::array<std::uint8_t, 2>{0x12, 0x34}));
  EXPECT_EQ(s.Count('S', 0x40, 0x09), 1);  // only the info block
}

TEST(ReadDevInfo, EitherAcceptedPairLetsTheMouseIn) {
  struct Case {
    CustomerIds ids;
    int layoutVendor, layoutProduct;
    bool accepted;
  } cases[] = {{{0xFF, 0xFF}, -1, -1, true},   // the default image's expected ids
               {{0x05, 0x06}, 5, 6, true},     // the layout table's pair
               {{0x05, 0x07}, 5, 6, false},
               {{0xFF, 0x00}, -1, -1, false}};
  for (const Case& c : cases) {
    SimulatedMouseConfig mouse = SimStack::Defaults();
    mouse.customerIds = c.ids;
    SessionConfig config = testing::DefaultSessionConfig();
    config.layoutExpectedVendor = c.layoutVendor;
    config.layoutExpectedProduct = c.layoutProduct;
    SimStack s(mouse, config);
    ASSERT_TRUE(s.session.ReFindDev());
    EXPECT_EQ(s.session.LastIdentifyResult() == IdentifyResult::kAccepted, c.accepted)
        << int(c.ids.vendor) << "," << int(c.ids.product);
  }
}

TEST(FullRead, BadSectionsAreRepairedInMemoryOnly) {
  SimulatedMouseConfig mouse = SimStack::Defaults();
  mouse.image[163] ^= 0xFF;  // vendor checksum broken
  std::fill(mouse.image.begin() + 164, mouse.image.begin() + 192, 0);  // user section zero
  SimStack s(mouse);
  ASSERT_TRUE(s.session.ReFindDev());
  const RepairReport& r = s.session.LastRepairs();
  EXPECT_TRUE(r.vendor);
  EXPECT_TRUE(r.user);
  EXPECT_FALSE(r.profile1);
  EXPECT_FALSE(r.profile2);
  EXPECT_TRUE(SectionChecksumValid(s.session.State().ImageMirror, image::kVendorSection));
  EXPECT_EQ(s.session.State().ImageMirror[166], 1);
  EXPECT_EQ(s.session.State().DataBuf, mouse.image);
  EXPECT_EQ(s.sim.Image(), mouse.image);  // nothing went back to the mouse
}

TEST(ReFindDev, NoMouseEndsInClearDeviceState) {
  SimStack s;
  s.sim.Unplug();
  EXPECT_FALSE(s.session.ReFindDev());
  EXPECT_TRUE(s.screens.Called("clear"));
  EXPECT_FALSE(s.transport.DeviceOpen());
}

TEST(ReFindDev, DeviceOverrideReplacesTheCandidateIds) {
  SimulatedMouseConfig mouse = SimStack::Defaults();
  mouse.image[0] = 0x04;  // the mouse comes up as 0401:0001
  mouse.image[1] = 0x01;
  SessionConfig config = testing::DefaultSessionConfig();
  {
    SimStack s(mouse, config);
    EXPECT_FALSE(s.session.ReFindDev());
  }
  config.deviceOverride = UsbIds{0x0401, 0x0001};
  SimStack s(mouse, config);
  EXPECT_TRUE(s.session.ReFindDev());
  EXPECT_EQ(s.transport.CurrentIds(), (UsbIds{0x0401, 0x0001}));
}

TEST(InitNoDevice, ShowsFactoryImageOneWithoutTouchingTheMouse) {
  SimStack s;
  s.session.InitNoDevice();
  EXPECT_EQ(s.session.State().DataBuf, testing::FactoryImage(1));
  EXPECT_FALSE(s.session.LastRepairs().Any());
  EXPECT_TRUE(s.screens.Called("fill"));
  EXPECT_FALSE(s.session.Refreshing());
  EXPECT_TRUE(s.trace.Entries().empty());
}

TEST(InitNoDevice, UntypedDefaultImageCopiesNothing) {
  SessionConfig config = testing::DefaultSessionConfig();
  config.startup.DefaultICType = DeviceType::kNone;
  SimStack s(SimStack::Defaults(), config);
  s.session.InitNoDevice();
  EXPECT_EQ(s.session.State().DataBuf, Image{});
  EXPECT_EQ(s.session.State().ImageMirror, Mirror{});
  EXPECT_TRUE(s.screens.Called("fill"));
}

TEST(StartupIds, DerivedFromTheDefaultHeader) {
  DefaultHeader header{};
  header[0] = 0x12, header[1] = 0x09, header[2] = 0x00, header[3] = 0x01;
  header[484] = 0xAB, header[485] = 0xCD;
  struct Case {
    std::uint8_t code;
    DeviceType type;
    bool expectedIds;
  } cases[] = {{224, DeviceType::kI2C, true}, {88, DeviceType::kQL840, true},
               {240, DeviceType::kFlash, false}, {0x42, DeviceType::kNone, false}};
  for (const Case& c : cases) {
    header[495] = c.code;
    const StartupIds ids = DeriveStartupIds(header);
    EXPECT_EQ(ids.CandidateIds[0], (UsbIds{0x1209, 0x0001}));
    EXPECT_EQ(ids.CandidateIds[1], UsbIds{});
    EXPECT_EQ(ids.DefaultICType, c.type);
    EXPECT_EQ(ids.expectedVendor, c.expectedIds ? 0xAB : 0);
    EXPECT_EQ(ids.expectedProduct, c.expectedIds ? 0xCD : 0);
  }
}

}  // namespace
}  // namespace orvane
