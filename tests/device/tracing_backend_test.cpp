#include "device/tracing_backend.h"

#include <gtest/gtest.h>

#include <sstream>
#include <thread>

#include "device/simulated_mouse.h"

namespace orvane {
namespace {

using Bytes8 = std::array<std::uint8_t, 8>;

std::string Trace(const TracingBackend& tracer) {
  std::ostringstream out;
  tracer.Write(out);
  return out.str();
}

TEST(TracingBackendTest, RecordsEveryReportInOrder) {
  VirtualClock clock;
  SimulatedMouseConfig config;
  config.image[image::kDpiLevelCountMinus1] = 3;
  config.faults = {FailFetch(2), FailSend(3)};
  SimulatedMouse mouse(clock, config);
  TracingBackend tracer(mouse);

  ASSERT_EQ(tracer.Enumerate().size(), 2u);
  const HidHandle query = tracer.OpenQuery(kSimVendorPath);
  const HidHandle input = tracer.OpenReadWrite(kSimVendorPath);
  Bytes8 fetch{0x41};
  Bytes8 report{};

  EXPECT_TRUE(tracer.SetFeature(query, Bytes8{0x40, 0x0D}));
  EXPECT_TRUE(tracer.GetFeature(query, fetch));
  EXPECT_TRUE(tracer.SetFeature(query, Bytes8{0x40, 0x09, 0x00, 0xA6, 0x00, 0x01}));
  fetch = {0x41};
  EXPECT_FALSE(tracer.GetFeature(query, fetch));
  EXPECT_FALSE(tracer.SetFeature(query, Bytes8{0x41, 1, 2, 3, 4, 5, 6, 0xFE}));
  ASSERT_TRUE(mouse.PressDpiKey(1));
  EXPECT_EQ(tracer.ReadInput(input, report, 0), ReadStatus::kOk);
  EXPECT_EQ(tracer.ReadInput(input, report, 0), ReadStatus::kOk);
  EXPECT_EQ(tracer.ReadInput(input, report, 0), ReadStatus::kTimeout);  // not recorded
  tracer.Close(input);
  EXPECT_EQ(tracer.ReadInput(input, report, 0), ReadStatus::kGone);

  EXPECT_EQ(Trace(tracer),
            "S 40 0D 00 00 00 00 00 00\n"
            "G 41 00 5A C0 00 00 00 00\n"
            "S 40 09 00 A6 00 01 00 00\n"
            "G 41 00 00 00 00 00 00 00 FAILED\n"
            "S 41 01 02 03 04 05 06 FE FAILED\n"
            "I 42 00 00 01 00 00 00 00\n"
            "I 42 00 00 00 00 00 00 00\n"
            "I FAILED\n");
  const auto entries = tracer.Entries();
  ASSERT_EQ(entries.size(), 8u);
  EXPECT_EQ(entries[3].kind, 'G');
  EXPECT_FALSE(entries[3].ok);

  tracer.Clear();
  EXPECT_TRUE(tracer.Entries().empty());
  EXPECT_EQ(Trace(tracer), "");
}

// A backend whose failed fetch scribbles over the buffer, as a driver may.
class ScribblingBackend final : public HidBackend {
 public:
  std::vector<HidInterfaceInfo> Enumerate() override { return {}; }
  HidHandle OpenQuery(const std::string&) override { return 1; }
  HidHandle OpenReadWrite(const std::string&) override { return 2; }
  void Close(HidHandle) override {}
  bool SetFeature(HidHandle, std::span<const std::uint8_t>) override { return true; }
  bool GetFeature(HidHandle, std::span<std::uint8_t> report) override {
    std::fill(report.begin(), report.end(), 0xEE);
    return false;
  }
  ReadStatus ReadInput(HidHandle, std::span<std::uint8_t> buffer, int) override {
    std::fill(buffer.begin(), buffer.end(), 0x42);
    return ReadStatus::kOk;
  }
};

TEST(TracingBackendTest, FailedFetchShowsTheRequestAndLongReportsTheirFirstEightBytes) {
  ScribblingBackend inner;
  TracingBackend tracer(inner);
  Bytes8 fetch{0x41};
  EXPECT_FALSE(tracer.GetFeature(1, fetch));
  std::array<std::uint8_t, 12> longInput{};
  EXPECT_EQ(tracer.ReadInput(2, longInput, 0), ReadStatus::kOk);
  const std::array<std::uint8_t, 3> shortReport{0x40, 0x0E, 0x00};
  EXPECT_TRUE(tracer.SetFeature(1, shortReport));
  EXPECT_EQ(Trace(tracer),
            "G 41 00 00 00 00 00 00 00 FAILED\n"
            "I 42 42 42 42 42 42 42 42\n"
            "S 40 0E 00\n");
}

TEST(TracingBackendTest, ReaderThreadAndFeatureTrafficAllLand) {
  VirtualClock clock;
  SimulatedMouse mouse(clock, {});
  TracingBackend tracer(mouse);
  const HidHandle query = tracer.OpenQuery(kSimVendorPath);
  const HidHandle input = tracer.OpenReadWrite(kSimVendorPath);
  constexpr int kPresses = 20;
  std::thread reader([&] {
    Bytes8 report{};
    for (int got = 0; got < 2 * kPresses;) {
      if (tracer.ReadInput(input, report, 1000) == ReadStatus::kOk) ++got;
    }
  });
  for (int i = 0; i < kPresses; ++i) {
    ASSERT_TRUE(tracer.SetFeature(query, Bytes8{0x40, 0x0D}));
    ASSERT_TRUE(mouse.PressProfileKey());
  }
  reader.join();
  int inputs = 0;
  int sets = 0;
  for (const TraceEntry& e : tracer.Entries()) {
    inputs += e.kind == 'I' && e.ok;
    sets += e.kind == 'S' && e.ok;
  }
  EXPECT_EQ(inputs, 2 * kPresses);
  EXPECT_EQ(sets, kPresses);
}

}  // namespace
}  // namespace orvane
