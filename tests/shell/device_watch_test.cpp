#include "shell/device_watch.h"

#include <gtest/gtest.h>

#include "device/sim_fixture.h"

namespace orvane {
namespace {

// The simulated mouse plus one more HID interface that can come and go, or flicker on every
// enumeration as a system still busy enumerating does.
class ExtraDeviceBackend : public HidBackend {
 public:
  explicit ExtraDeviceBackend(HidBackend& inner) : inner_(inner) {}
  bool present = false;
  bool flicker = false;

  std::vector<HidInterfaceInfo> Enumerate() override {
    auto list = inner_.Enumerate();
    if (flicker) present = !present;
    if (present) list.push_back({"extra:keyboard", 0x046D, 0xC31C, 0, 9, 9});
    return list;
  }
  HidHandle OpenQuery(const std::string& path) override {
    return path == "extra:keyboard" ? kExtraHandle : inner_.OpenQuery(path);
  }
  HidHandle OpenReadWrite(const std::string& path) override { return inner_.OpenReadWrite(path); }
  void Close(HidHandle h) override {
    if (h != kExtraHandle) inner_.Close(h);
  }
  bool SetFeature(HidHandle h, std::span<const std::uint8_t> r) override { return inner_.SetFeature(h, r); }
  bool GetFeature(HidHandle h, std::span<std::uint8_t> r) override { return inner_.GetFeature(h, r); }
  ReadStatus ReadInput(HidHandle h, std::span<std::uint8_t> b, int t) override { return inner_.ReadInput(h, b, t); }

 private:
  static constexpr HidHandle kExtraHandle = 1'000'000;
  HidBackend& inner_;
};

// A pump on the virtual clock that can run a nested tick, as window messages do.
class NestingPump : public Pump {
 public:
  explicit NestingPump(Clock& clock) : clock_(clock) {}
  std::function<void()> nested;
  void Wait(int ms) override {
    clock_.SleepMs(ms);
    if (auto run = std::exchange(nested, nullptr)) run();
  }

 private:
  Clock& clock_;
};

class DeviceWatchTest : public ::testing::Test {
 protected:
  VirtualClock clock;
  SimulatedMouse sim{clock, testing::SimStack::Defaults()};
  ExtraDeviceBackend extra{sim};
  TracingBackend trace{extra};
  HidTransport transport{trace};
  NoBusyIndicator busy;
  NestingPump pump{clock};
  DeviceLink link{transport, busy, pump};
  testing::RecordingScreens screens;
  MouseSession session{link, screens, testing::DefaultSessionConfig()};
  DeviceWatch watch{session, pump};

  int DeviceInfoCommands() const {
    int n = 0;
    for (const TraceEntry& e : trace.Entries())
      if (e.kind == 'S' && e.bytes[0] == 0x40 && e.bytes[1] == 0x0D) ++n;
    return n;
  }
};

TEST_F(DeviceWatchTest, FirstTickOpensAndReadsTheMouseAfterTheSettlingWait) {
  const std::int64_t start = clock.NowMs();
  watch.DevTimerTimer();
  EXPECT_EQ(watch.LastHidCount(), 2);
  EXPECT_TRUE(transport.DeviceOpen());
  EXPECT_EQ(session.FullReadCount(), 1);
  EXPECT_EQ(clock.NowMs() - start, 2100);
  // A steady population does nothing more.
  trace.Clear();
  watch.DevTimerTimer();
  EXPECT_TRUE(trace.Entries().empty());
}

TEST_F(DeviceWatchTest, UnplugForgetsTheMouseAndReplugReadsItAgain) {
  watch.DevTimerTimer();
  sim.Unplug();
  watch.DevTimerTimer();
  EXPECT_FALSE(transport.DeviceOpen());
  EXPECT_EQ(transport.CurrentIds(), UsbIds{});
  EXPECT_TRUE(screens.Called("clear"));
  EXPECT_EQ(session.DeviceICType(), DeviceType::kNone);
  EXPECT_EQ(watch.LastHidCount(), 0);
  sim.Plug();
  watch.DevTimerTimer();
  EXPECT_TRUE(transport.DeviceOpen());
  EXPECT_EQ(session.FullReadCount(), 2);
}

TEST_F(DeviceWatchTest, RemovingAnotherDeviceKeepsTheMouse) {
  extra.present = true;
  watch.DevTimerTimer();
  ASSERT_TRUE(transport.DeviceOpen());
  ASSERT_EQ(watch.LastHidCount(), 3);
  extra.present = false;
  screens.calls.clear();
  watch.DevTimerTimer();
  EXPECT_EQ(watch.LastHidCount(), 2);
  EXPECT_TRUE(transport.DeviceOpen());
  EXPECT_FALSE(screens.Called("clear"));
  EXPECT_EQ(session.DeviceICType(), DeviceType::kI2C);
  // Plugging another device in again reads the mouse again.
  extra.present = true;
  watch.DevTimerTimer();
  EXPECT_EQ(session.FullReadCount(), 2);
}

TEST_F(DeviceWatchTest, UnstableCountsAreIgnored) {
  extra.flicker = true;
  watch.DevTimerTimer();
  EXPECT_EQ(watch.LastHidCount(), 0);
  EXPECT_EQ(DeviceInfoCommands(), 0);
  extra.flicker = false;
  watch.DevTimerTimer();
  EXPECT_EQ(session.FullReadCount(), 1);
}

TEST_F(DeviceWatchTest, ATickDuringTheSettlingWaitReturnsAtOnce) {
  bool nestedRan = false;
  pump.nested = [&] {
    EXPECT_TRUE(watch.WatchBusy());
    watch.DevTimerTimer();
    nestedRan = true;
  };
  watch.DevTimerTimer();
  EXPECT_TRUE(nestedRan);
  EXPECT_FALSE(watch.WatchBusy());
  EXPECT_EQ(DeviceInfoCommands(), 2);  // one open: its probe and the identification
  EXPECT_EQ(session.FullReadCount(), 1);
}

TEST_F(DeviceWatchTest, NoMouseAmongTheDevicesEndsInClearDeviceState) {
  sim.Unplug();
  extra.present = true;
  watch.DevTimerTimer();
  EXPECT_EQ(watch.LastHidCount(), 1);
  EXPECT_FALSE(transport.DeviceOpen());
  EXPECT_TRUE(screens.Called("clear"));
}

}  // namespace
}  // namespace orvane
