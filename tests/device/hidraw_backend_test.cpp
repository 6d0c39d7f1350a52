#include "device/hidraw_backend.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "device/hidraw_sysfs.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using testing::HasSubstr;

std::string FixturePath(const std::string& name) {
  return std::string(ORVANE_TEST_FIXTURES) + "/hidraw/" + name;
}

// A sysfs class directory and a dev directory in a fresh temporary folder.
class HidrawTree {
 public:
  HidrawTree() {
    std::string pattern = (fs::temp_directory_path() / "orvane-hidraw-XXXXXX").string();
    root_ = ::mkdtemp(pattern.data());
    fs::create_directories(SysRoot());
    fs::create_directories(DevRoot());
  }
  ~HidrawTree() {
    std::error_code ec;
    fs::permissions(DevRoot(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(root_, ec);
  }

  std::string SysRoot() const { return (root_ / "sys").string(); }
  std::string DevRoot() const { return (root_ / "dev").string(); }
  std::string DevNode(const std::string& name) const { return DevRoot() + "/" + name; }

  // A sysfs entry; an empty optional leaves that file out.
  void AddEntry(const std::string& name, std::optional<std::string> uevent,
                std::optional<std::string> descriptorFixture) {
    const fs::path device = fs::path(SysRoot()) / name / "device";
    fs::create_directories(device);
    if (uevent) std::ofstream(device / "uevent") << *uevent;
    if (descriptorFixture) fs::copy_file(FixturePath(*descriptorFixture), device / "report_descriptor");
  }
  void AddRawDescriptor(const std::string& name, const std::string& bytes) {
    std::ofstream(fs::path(SysRoot()) / name / "device" / "report_descriptor", std::ios::binary)
        << bytes;
  }
  void AddFileNode(const std::string& name) { std::ofstream{DevNode(name)}; }
  void AddFifoNode(const std::string& name) { ASSERT_EQ(::mkfifo(DevNode(name).c_str(), 0600), 0); }

 private:
  fs::path root_;
};

std::string Uevent(const std::string& hidId) {
  return "DRIVER=hid-generic\nHID_ID=" + hidId + "\nHID_NAME=Orvane Mouse\n";
}

int OpenFdCount() {
  int count = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator("/proc/self/fd")) ++count;
  return count;
}

struct HidIdCase {
  const char* uevent;
  std::optional<std::array<std::uint16_t, 3>> expected;  // bus, vendor, product
};

TEST(HidrawSysfsTest, ParsesHidIdLine) {
  const std::vector<HidIdCase> cases = {
      {"HID_ID=0003:0000046D:0000C077\n", {{0x0003, 0x046D, 0xC077}}},
      {"DRIVER=x\r\nHID_ID=0005:00001209:00000001\r\nHID_NAME=y\r\n", {{0x0005, 0x1209, 0x0001}}},
      {"HID_ID=3:1209:1", {{0x0003, 0x1209, 0x0001}}},
      {"HID_ID=0003:0001abcd:FFFF0001\n", {{0x0003, 0xABCD, 0x0001}}},  // low 16 bits
      {"HID_NAME=no id here\n", std::nullopt},
      {"HID_ID=0003:0000046D\n", std::nullopt},
      {"HID_ID=0003:0000046D:0000C077:1\n", std::nullopt},
      {"HID_ID=0003:00000G6D:0000C077\n", std::nullopt},
      {"HID_ID=0003:100000000:0000C077\n", std::nullopt},  // nine digits
      {"HID_ID=0003::0000C077\n", std::nullopt},
      {"XHID_ID=0003:0000046D:0000C077\n", std::nullopt},
      {"", std::nullopt},
  };
  for (const HidIdCase& c : cases) {
    SCOPED_TRACE(c.uevent);
    const auto identity = ParseHidId(c.uevent);
    ASSERT_EQ(identity.has_value(), c.expected.has_value());
    if (!identity) continue;
    EXPECT_EQ(identity->bus, (*c.expected)[0]);
    EXPECT_EQ(identity->vendorId, (*c.expected)[1]);
    EXPECT_EQ(identity->productId, (*c.expected)[2]);
  }
}

// hidraw2: the mouse's keyboard interface, hidraw10: its vendor interface, hidraw5: a
// descriptor cut short; the rest cannot be used or are not hidraw nodes at all.
class HidrawEnumerationTest : public testing::Test {
 protected:
  void SetUp() override {
    tree_.AddEntry("hidraw10", Uevent("0003:00001209:00000001"), "orvane_mouse.bin");
    tree_.AddEntry("hidraw2", Uevent("0003:00001209:00000001"), "boot_keyboard.bin");
    tree_.AddEntry("hidraw1", std::nullopt, "orvane_mouse.bin");
    tree_.AddEntry("hidraw3", "DRIVER=hid-generic\n", "orvane_mouse.bin");
    tree_.AddEntry("hidraw4", Uevent("0003:0000046D:0000C077"), std::nullopt);
    tree_.AddEntry("hidraw5", Uevent("0005:0000046D:0000B01A"), std::nullopt);
    tree_.AddRawDescriptor("hidraw5", std::string("\x85\x40\x75\x08\x95\x07\xB1\x02\x95", 9));
    tree_.AddEntry("hidrawx", Uevent("0003:00001209:00000001"), "orvane_mouse.bin");
    tree_.AddEntry("event0", Uevent("0003:00001209:00000001"), "orvane_mouse.bin");
    tree_.AddFileNode("hidraw10");
    tree_.AddFileNode("hidraw1");
  }

  HidrawTree tree_;
};

TEST_F(HidrawEnumerationTest, ListsReadableNodesInNumericOrder) {
  HidrawBackend backend(tree_.SysRoot(), tree_.DevRoot());
  const std::vector<HidInterfaceInfo> found = backend.Enumerate();
  ASSERT_EQ(found.size(), 3u);

  EXPECT_EQ(found[0].path, tree_.DevNode("hidraw2"));
  EXPECT_EQ(found[0].vendorId, 0x1209);
  EXPECT_EQ(found[0].productId, 0x0001);
  EXPECT_EQ(found[0].featureReportLength, 0);
  EXPECT_EQ(found[0].inputReportLength, 8);

  EXPECT_EQ(found[1].path, tree_.DevNode("hidraw5"));
  EXPECT_EQ(found[1].vendorId, 0x046D);
  EXPECT_EQ(found[1].productId, 0xB01A);
  EXPECT_EQ(found[1].featureReportLength, 8);  // what came before the cut

  EXPECT_EQ(found[2].path, tree_.DevNode("hidraw10"));
  EXPECT_EQ(found[2].featureReportLength, 8);
  EXPECT_EQ(found[2].inputReportLength, 8);
  EXPECT_EQ(found[2].version, 0);

  const std::vector<HidrawSkippedNode> skipped = backend.SkippedNodes();
  ASSERT_EQ(skipped.size(), 3u);
  EXPECT_EQ(skipped[0].name, "hidraw1");
  EXPECT_THAT(skipped[0].problem, HasSubstr("uevent"));
  EXPECT_EQ(skipped[1].name, "hidraw3");
  EXPECT_THAT(skipped[1].problem, HasSubstr("HID_ID"));
  EXPECT_EQ(skipped[2].name, "hidraw4");
  EXPECT_THAT(skipped[2].problem, HasSubstr("report_descriptor"));
}

TEST_F(HidrawEnumerationTest, DiagnosisCoversEveryNode) {
  HidrawBackend backend(tree_.SysRoot(), tree_.DevRoot());
  const std::vector<HidrawNodeDiagnosis> nodes = backend.Diagnose();
  std::vector<std::string> names;
  for (const auto& node : nodes) names.push_back(node.name);
  ASSERT_THAT(names, testing::ElementsAre("hidraw1", "hidraw2", "hidraw3", "hidraw4",
                                          "hidraw5", "hidraw10"));

  const HidrawNodeDiagnosis& mouse = nodes[5];
  EXPECT_EQ(mouse.path, tree_.DevNode("hidraw10"));
  EXPECT_TRUE(mouse.idsKnown);
  EXPECT_EQ(mouse.bus, 0x0003);
  EXPECT_EQ(mouse.vendorId, 0x1209);
  EXPECT_EQ(mouse.featureReportLength, 8);
  EXPECT_EQ(mouse.inputReportLength, 8);
  EXPECT_EQ(mouse.featureReportIds, (std::vector<std::uint8_t>{0x40, 0x41}));
  EXPECT_EQ(mouse.inputReportIds, (std::vector<std::uint8_t>{0x01, 0x42}));
  EXPECT_EQ(mouse.problem, "");

  EXPECT_FALSE(nodes[0].idsKnown);
  EXPECT_TRUE(nodes[0].descriptorRead);
  EXPECT_THAT(nodes[0].problem, HasSubstr("uevent"));
  EXPECT_THAT(nodes[1].problem, HasSubstr("does not exist"));  // no dev node
  EXPECT_FALSE(nodes[3].descriptorRead);
  EXPECT_THAT(nodes[4].problem, HasSubstr("truncated"));
  EXPECT_EQ(nodes[4].bus, 0x0005);
}

TEST(HidrawBackendTest, MissingSysfsRootFindsNothing) {
  HidrawBackend backend("/nonexistent/orvane/sys", "/nonexistent/orvane/dev");
  EXPECT_TRUE(backend.Enumerate().empty());
  EXPECT_TRUE(backend.Diagnose().empty());
}

TEST(HidrawBackendTest, OpenFailuresAreReported) {
  HidrawTree tree;
  HidrawBackend backend(tree.SysRoot(), tree.DevRoot());
  EXPECT_EQ(backend.OpenQuery(tree.DevNode("hidraw0")), kInvalidHandle);
  EXPECT_THAT(backend.LastError(), HasSubstr(tree.DevNode("hidraw0")));
  EXPECT_EQ(backend.OpenReadWrite(tree.DevRoot()), kInvalidHandle);  // a directory
  EXPECT_THAT(backend.LastError(), HasSubstr(tree.DevRoot()));
}

TEST(HidrawBackendTest, PermissionProblemNamesNodeAndRule) {
  const std::string message = HidrawPermissionMessage("/dev/hidraw7");
  EXPECT_THAT(message, HasSubstr("/dev/hidraw7"));
  EXPECT_THAT(message, HasSubstr("packaging/70-orvane-mouse.rules"));
  EXPECT_THAT(message, HasSubstr("/etc/udev/rules.d/"));
  EXPECT_THAT(message, HasSubstr("sudo udevadm control --reload && sudo udevadm trigger"));

  if (::geteuid() == 0) GTEST_SKIP() << "root opens a mode 000 node anyway";
  HidrawTree tree;
  tree.AddEntry("hidraw0", Uevent("0003:00001209:00000001"), "orvane_mouse.bin");
  tree.AddFileNode("hidraw0");
  fs::permissions(tree.DevNode("hidraw0"), fs::perms::none);
  HidrawBackend backend(tree.SysRoot(), tree.DevRoot());
  EXPECT_EQ(backend.OpenQuery(tree.DevNode("hidraw0")), kInvalidHandle);
  EXPECT_EQ(backend.LastError(), HidrawPermissionMessage(tree.DevNode("hidraw0")));
  const auto nodes = backend.Diagnose();
  ASSERT_EQ(nodes.size(), 1u);
  EXPECT_THAT(nodes[0].problem, HasSubstr("70-orvane-mouse.rules"));
}

// A node that is no hidraw device: the feature ioctls fail instead of claiming success, the
// caller's buffer stays as it was, and reading never hangs.
TEST(HidrawBackendTest, FeatureReportsFailOnNodeThatIsNoHidDevice) {
  HidrawTree tree;
  tree.AddFileNode("hidraw0");
  HidrawBackend backend(tree.SysRoot(), tree.DevRoot());
  const HidHandle handle = backend.OpenQuery(tree.DevNode("hidraw0"));
  ASSERT_NE(handle, kInvalidHandle);

  const std::array<std::uint8_t, 8> command = {0x40, 0x0D, 0, 0, 0, 0, 0, 0};
  EXPECT_FALSE(backend.SetFeature(handle, command));
  EXPECT_THAT(backend.LastError(), HasSubstr("Set-feature"));

  std::array<std::uint8_t, 8> reply = {0x41, 1, 2, 3, 4, 5, 6, 7};
  const auto before = reply;
  EXPECT_FALSE(backend.GetFeature(handle, reply));
  EXPECT_EQ(reply, before);
  EXPECT_FALSE(backend.GetFeature(handle, std::span<std::uint8_t>()));

  std::array<std::uint8_t, 8> input{};
  EXPECT_EQ(backend.ReadInput(handle, input, -1), ReadStatus::kGone);  // end of file
  backend.Close(handle);
}

TEST(HidrawBackendTest, ClosedHandlesStayClosed) {
  HidrawTree tree;
  tree.AddFileNode("hidraw0");
  HidrawBackend backend(tree.SysRoot(), tree.DevRoot());
  const HidHandle first = backend.OpenQuery(tree.DevNode("hidraw0"));
  ASSERT_NE(first, kInvalidHandle);
  backend.Close(first);
  backend.Close(first);  // a second close does nothing
  const HidHandle second = backend.OpenReadWrite(tree.DevNode("hidraw0"));
  ASSERT_NE(second, kInvalidHandle);
  EXPECT_NE(second, first);  // ids are never reused

  std::array<std::uint8_t, 8> report = {0x41};
  for (HidHandle stale : {first, kInvalidHandle}) {
    EXPECT_FALSE(backend.SetFeature(stale, report));
    EXPECT_FALSE(backend.GetFeature(stale, report));
    EXPECT_EQ(backend.ReadInput(stale, report, 0), ReadStatus::kGone);
  }
  backend.Close(second);
}

class HidrawFifoTest : public testing::Test {
 protected:
  void SetUp() override {
    tree_.AddFifoNode("hidraw0");
    handle_ = backend_.OpenReadWrite(tree_.DevNode("hidraw0"));
    ASSERT_NE(handle_, kInvalidHandle) << backend_.LastError();
    writer_ = ::open(tree_.DevNode("hidraw0").c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(writer_, 0);
  }
  void TearDown() override {
    if (writer_ >= 0) ::close(writer_);
    backend_.Close(handle_);
  }

  void Send(const std::vector<std::uint8_t>& report) {
    ASSERT_EQ(::write(writer_, report.data(), report.size()),
              static_cast<ssize_t>(report.size()));
  }

  HidrawTree tree_;
  HidrawBackend backend_{tree_.SysRoot(), tree_.DevRoot()};
  HidHandle handle_ = kInvalidHandle;
  int writer_ = -1;
};

TEST_F(HidrawFifoTest, ReadsReportsAndTimesOut) {
  std::array<std::uint8_t, 8> buffer{};
  EXPECT_EQ(backend_.ReadInput(handle_, buffer, 0), ReadStatus::kTimeout);
  EXPECT_EQ(backend_.ReadInput(handle_, buffer, 10), ReadStatus::kTimeout);

  Send({0x42, 0x00, 0x00, 0x11, 0x00, 0x00, 0x00, 0x00});
  ASSERT_EQ(backend_.ReadInput(handle_, buffer, 1000), ReadStatus::kOk);
  EXPECT_EQ(buffer, (std::array<std::uint8_t, 8>{0x42, 0, 0, 0x11, 0, 0, 0, 0}));

  // A short report leaves no stale bytes behind it.
  buffer.fill(0xEE);
  Send({0x42, 0x00, 0x00, 0x12});
  ASSERT_EQ(backend_.ReadInput(handle_, buffer, -1), ReadStatus::kOk);
  EXPECT_EQ(buffer, (std::array<std::uint8_t, 8>{0x42, 0, 0, 0x12, 0, 0, 0, 0}));

  EXPECT_EQ(backend_.ReadInput(handle_, std::span<std::uint8_t>(), 0), ReadStatus::kError);
}

TEST_F(HidrawFifoTest, CloseFromAnotherThreadWakesBlockedReader) {
  const int fdsOpen = OpenFdCount();
  auto reader = std::async(std::launch::async, [this] {
    std::array<std::uint8_t, 8> buffer{};
    return backend_.ReadInput(handle_, buffer, -1);
  });
  // Give the reader time to block in poll(); the result is the same if it is late.
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  backend_.Close(handle_);
  if (reader.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
    Send({0x42, 0, 0, 0, 0, 0, 0, 0});  // free the reader so the test can end
    FAIL() << "Close() did not wake the reader";
  }
  EXPECT_EQ(reader.get(), ReadStatus::kGone);
  // The node and its wake-up event are closed once the reader has left.
  EXPECT_EQ(OpenFdCount(), fdsOpen - 2);
}

// Open, read and close racing on fresh handles: every reader ends with kGone and nothing
// is used after it was closed (the address sanitizer build watches this).
TEST_F(HidrawFifoTest, CloseRacingReadersIsSafe) {
  constexpr int kGuardMs = 2000;  // only reached when Close() fails to wake a reader
  const int fdsOpen = OpenFdCount();
  for (int round = 0; round < 50; ++round) {
    const HidHandle handle = backend_.OpenReadWrite(tree_.DevNode("hidraw0"));
    ASSERT_NE(handle, kInvalidHandle);
    std::array<ReadStatus, 2> results{};
    std::thread first([&] {
      std::array<std::uint8_t, 8> buffer{};
      results[0] = backend_.ReadInput(handle, buffer, kGuardMs);
    });
    std::thread second([&] {
      std::array<std::uint8_t, 8> buffer{};
      results[1] = backend_.ReadInput(handle, buffer, kGuardMs);
    });
    backend_.Close(handle);
    first.join();
    second.join();
    ASSERT_EQ(results[0], ReadStatus::kGone);
    ASSERT_EQ(results[1], ReadStatus::kGone);
  }
  EXPECT_EQ(OpenFdCount(), fdsOpen);
}

}  // namespace
}  // namespace orvane
