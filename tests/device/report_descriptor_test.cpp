#include "device/report_descriptor.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace orvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes LoadFixture(const std::string& name) {
  std::ifstream in(std::string(ORVANE_TEST_FIXTURES) + "/hidraw/" + name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(ReportDescriptorTest, MouseVendorInterfaceBesidePointerCollection) {
  const Bytes descriptor = LoadFixture("orvane_mouse.bin");
  ASSERT_FALSE(descriptor.empty());
  const ReportDescriptorSummary summary = ParseReportDescriptor(descriptor);
  EXPECT_TRUE(summary.complete);
  EXPECT_EQ(summary.parsedBytes, descriptor.size());
  EXPECT_TRUE(summary.usesReportIds);
  EXPECT_EQ(summary.Length(ReportKind::kFeature), 8);
  EXPECT_EQ(summary.Length(ReportKind::kInput), 8);  // 0x42 (7 + id) beats the pointer's 6 + id
  EXPECT_EQ(summary.Length(ReportKind::kOutput), 0);
  EXPECT_EQ(summary.ReportIds(ReportKind::kFeature), (Bytes{0x40, 0x41}));
  EXPECT_EQ(summary.ReportIds(ReportKind::kInput), (Bytes{0x01, 0x42}));
  EXPECT_TRUE(summary.ReportIds(ReportKind::kOutput).empty());
}

TEST(ReportDescriptorTest, KeyboardWithoutReportIdsHasNoIdByte) {
  const Bytes descriptor = LoadFixture("boot_keyboard.bin");
  ASSERT_FALSE(descriptor.empty());
  const ReportDescriptorSummary summary = ParseReportDescriptor(descriptor);
  EXPECT_TRUE(summary.complete);
  EXPECT_FALSE(summary.usesReportIds);
  EXPECT_EQ(summary.Length(ReportKind::kInput), 8);
  EXPECT_EQ(summary.Length(ReportKind::kOutput), 1);
  EXPECT_EQ(summary.Length(ReportKind::kFeature), 0);
  EXPECT_TRUE(summary.ReportIds(ReportKind::kInput).empty());
}

constexpr std::size_t kWhole = std::numeric_limits<std::size_t>::max();

struct DescriptorCase {
  const char* name;
  Bytes bytes;
  std::uint16_t input;
  std::uint16_t output;
  std::uint16_t feature;
  std::size_t stopsAt;  // kWhole when the descriptor parses to its end
};

void PrintTo(const DescriptorCase& c, std::ostream* os) { *os << c.name; }

class ReportDescriptorCaseTest : public testing::TestWithParam<DescriptorCase> {};

TEST_P(ReportDescriptorCaseTest, Lengths) {
  const DescriptorCase& c = GetParam();
  const ReportDescriptorSummary summary = ParseReportDescriptor(c.bytes);
  EXPECT_EQ(summary.Length(ReportKind::kInput), c.input);
  EXPECT_EQ(summary.Length(ReportKind::kOutput), c.output);
  EXPECT_EQ(summary.Length(ReportKind::kFeature), c.feature);
  const bool whole = c.stopsAt == kWhole;
  EXPECT_EQ(summary.complete, whole);
  EXPECT_EQ(summary.parsedBytes, whole ? c.bytes.size() : c.stopsAt);
}

INSTANTIATE_TEST_SUITE_P(
    Items, ReportDescriptorCaseTest,
    testing::Values(
        // Size 8 x 7 pushed; 1 x 3 bits of feature; the pop brings back 8 x 7 for the input.
        DescriptorCase{"PushPopRestoresSizeAndCount",
                       {0x75, 0x08, 0x95, 0x07, 0xA4, 0x75, 0x01, 0x95, 0x03, 0xB1, 0x02, 0xB4,
                        0x81, 0x02},
                       7, 0, 1, kWhole},
        // Id 1 pushed, 5 bytes under id 2, then the pop sends 2 bytes back to id 1.
        DescriptorCase{"PushPopRestoresReportId",
                       {0x85, 0x01, 0x75, 0x08, 0x95, 0x02, 0xA4, 0x85, 0x02, 0x95, 0x05, 0x81,
                        0x02, 0xB4, 0x81, 0x02},
                       6, 0, 0, kWhole},
        DescriptorCase{"LargestReportIdWins",
                       {0x75, 0x08, 0x85, 0x01, 0x95, 0x03, 0xB1, 0x02, 0x85, 0x02, 0x95, 0x0A,
                        0xB1, 0x02, 0x85, 0x03, 0x95, 0x05, 0xB1, 0x02},
                       0, 0, 11, kWhole},
        // The id set before the first collection still holds in the next one.
        DescriptorCase{"ReportIdPersistsAcrossCollections",
                       {0x85, 0x05, 0x75, 0x08, 0x95, 0x02, 0xA1, 0x01, 0x81, 0x02, 0xC0, 0xA1,
                        0x01, 0x81, 0x02, 0xC0},
                       5, 0, 0, kWhole},
        DescriptorCase{"BitsRoundUpToBytes", {0x75, 0x01, 0x95, 0x09, 0x91, 0x02}, 0, 2, 0,
                       kWhole},
        // Size code 3 carries four data bytes; the usage page's last one looks like a
        // feature item.
        DescriptorCase{"FourByteItemData",
                       {0x75, 0x08, 0x97, 0x02, 0x00, 0x00, 0x00, 0x07, 0x00, 0x00, 0x00, 0xB0,
                        0x81, 0x02},
                       2, 0, 0, kWhole},
        // The long item's data looks like a feature item; it must be skipped whole.
        DescriptorCase{"LongItemSkipped",
                       {0x75, 0x08, 0xFE, 0x03, 0x10, 0xB1, 0x02, 0x81, 0x95, 0x04, 0x81, 0x02},
                       4, 0, 0, kWhole},
        DescriptorCase{"ZeroCountAddsNoReport", {0x85, 0x01, 0x75, 0x08, 0x95, 0x00, 0xB1, 0x02},
                       0, 0, 0, kWhole},
        DescriptorCase{"HugeSizeTimesCountSaturates",
                       {0x85, 0x01, 0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x97, 0xFF, 0xFF, 0xFF, 0xFF,
                        0x81, 0x02, 0x81, 0x02},
                       65535, 0, 0, kWhole},
        DescriptorCase{"TruncatedShortItem",
                       {0x75, 0x08, 0x95, 0x07, 0xB1, 0x02, 0x96, 0x01}, 0, 0, 7, 6},
        DescriptorCase{"TruncatedLongItemData",
                       {0x75, 0x08, 0x95, 0x01, 0x81, 0x02, 0xFE, 0x05, 0x00, 0x01, 0x02}, 1,
                       0, 0, 6},
        DescriptorCase{"TruncatedLongItemHeader",
                       {0x75, 0x08, 0x95, 0x01, 0x81, 0x02, 0xFE, 0x05}, 1, 0, 0, 6},
        DescriptorCase{"PopWithoutPush",
                       {0x75, 0x08, 0x95, 0x01, 0x81, 0x02, 0xB4, 0x81, 0x02}, 1, 0, 0, 6},
        DescriptorCase{"ReportIdZero",
                       {0x75, 0x08, 0x95, 0x01, 0x81, 0x02, 0x85, 0x00, 0x81, 0x02}, 1, 0, 0, 6},
        DescriptorCase{"ReportIdAbove255",
                       {0x75, 0x08, 0x95, 0x01, 0x81, 0x02, 0x86, 0x00, 0x01, 0x81, 0x02}, 1,
                       0, 0, 6},
        DescriptorCase{"PushTooDeep", Bytes(17, 0xA4), 0, 0, 0, 16},
        DescriptorCase{"Empty", {}, 0, 0, 0, kWhole}),
    [](const testing::TestParamInfo<DescriptorCase>& info) { return info.param.name; });

// Every prefix of a real descriptor parses without reading past its end and never reports
// more than the whole descriptor does.
TEST(ReportDescriptorTest, EveryTruncationStaysInBounds) {
  const Bytes whole = LoadFixture("orvane_mouse.bin");
  ASSERT_FALSE(whole.empty());
  const ReportDescriptorSummary full = ParseReportDescriptor(whole);
  for (std::size_t size = 0; size < whole.size(); ++size) {
    // A copy of exactly `size` bytes, so the address sanitizer sees any read past it.
    const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
    const ReportDescriptorSummary summary = ParseReportDescriptor(cut);
    SCOPED_TRACE(size);
    EXPECT_LE(summary.parsedBytes, size);
    EXPECT_EQ(summary.complete, summary.parsedBytes == size);
    for (ReportKind kind : {ReportKind::kInput, ReportKind::kOutput, ReportKind::kFeature}) {
      EXPECT_LE(summary.Length(kind), full.Length(kind));
    }
  }
}

}  // namespace
}  // namespace orvane
