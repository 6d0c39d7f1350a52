#include "device/report_descriptor.h"

#include <algorithm>
#include <bitset>

namespace orvane {
namespace {

constexpr std::uint8_t kLongItemPrefix = 0xFE;
constexpr std::array<std::size_t, 4> kShortItemDataSizes = {0, 1, 2, 4};

// Item prefixes with the size bits masked off.
constexpr std::uint8_t kReportSizeItem = 0x74;
constexpr std::uint8_t kReportIdItem = 0x84;
constexpr std::uint8_t kReportCountItem = 0x94;
constexpr std::uint8_t kPushItem = 0xA4;
constexpr std::uint8_t kPopItem = 0xB4;

struct MainItem {
  std::uint8_t prefix;
  ReportKind kind;
};
constexpr std::array<MainItem, kReportKindCount> kMainItems = {{
    {0x80, ReportKind::kInput},
    {0x90, ReportKind::kOutput},
    {0xB0, ReportKind::kFeature},
}};

constexpr std::size_t kMaxPushDepth = 16;
constexpr std::size_t kReportIdCount = 256;
// Largest bit count whose byte length, with an id byte, still fits 16 bits.
constexpr std::uint64_t kMaxReportBits = 65534ull * 8;

struct GlobalState {
  std::uint32_t reportSize = 0;
  std::uint32_t reportCount = 0;
  std::uint8_t reportId = 0;
};

class Parser {
 public:
  // False when the item is malformed.
  bool Apply(std::uint8_t prefix, std::uint32_t value) {
    for (const MainItem& item : kMainItems) {
      if (item.prefix == prefix) {
        AddBits(item.kind);
        return true;
      }
    }
    switch (prefix) {
      case kReportSizeItem:
        state_.reportSize = value;
        return true;
      case kReportCountItem:
        state_.reportCount = value;
        return true;
      case kReportIdItem:
        if (value == 0 || value >= kReportIdCount) return false;
        state_.reportId = static_cast<std::uint8_t>(value);
        usesReportIds_ = true;
        return true;
      case kPushItem:
        if (stack_.size() >= kMaxPushDepth) return false;
        stack_.push_back(state_);
        return true;
      case kPopItem:
        if (stack_.empty()) return false;
        state_ = stack_.back();
        stack_.pop_back();
        return true;
      default:
        return true;  // usage pages, logical ranges, local items, collections: no length
    }
  }

  void Finish(ReportDescriptorSummary& summary) const {
    summary.usesReportIds = usesReportIds_;
    const std::uint64_t idBytes = usesReportIds_ ? 1 : 0;
    for (std::size_t kind = 0; kind < kReportKindCount; ++kind) {
      ReportKindSummary& out = summary.kinds[kind];
      std::uint64_t longest = 0;
      for (std::size_t id = 0; id < kReportIdCount; ++id) {
        if (!present_[kind][id]) continue;
        longest = std::max(longest, (bits_[kind][id] + 7) / 8 + idBytes);
        if (id != 0) out.reportIds.push_back(static_cast<std::uint8_t>(id));
      }
      out.length = static_cast<std::uint16_t>(longest);
    }
  }

 private:
  void AddBits(ReportKind kind) {
    const std::uint64_t itemBits =
        static_cast<std::uint64_t>(state_.reportSize) * state_.reportCount;
    if (itemBits == 0) return;
    const auto k = static_cast<std::size_t>(kind);
    std::uint64_t& total = bits_[k][state_.reportId];
    total = std::min(kMaxReportBits, total + std::min(itemBits, kMaxReportBits));
    present_[k][state_.reportId] = true;
  }

  GlobalState state_;
  std::vector<GlobalState> stack_;
  bool usesReportIds_ = false;
  std::array<std::array<std::uint64_t, kReportIdCount>, kReportKindCount> bits_{};
  std::array<std::bitset<kReportIdCount>, kReportKindCount> present_{};
};

std::uint32_t LittleEndianValue(const std::uint8_t* data, std::size_t size) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < size; ++i) value |= static_cast<std::uint32_t>(data[i]) << (8 * i);
  return value;
}

}  // namespace

ReportDescriptorSummary ParseReportDescriptor(std::span<const std::uint8_t> descriptor) {
  ReportDescriptorSummary summary;
  Parser parser;
  const std::size_t size = descriptor.size();
  std::size_t pos = 0;
  while (pos < size) {
    const std::uint8_t prefix = descriptor[pos];
    const std::size_t left = size - pos - 1;
    if (prefix == kLongItemPrefix) {
      // Long items: data size byte, tag byte, data. Nothing in them changes a length.
      if (left < 2 || left - 2 < descriptor[pos + 1]) {
        summary.complete = false;
        break;
      }
      pos += 3 + descriptor[pos + 1];
      continue;
    }
    const std::size_t dataSize = kShortItemDataSizes[prefix & 0x03];
    if (left < dataSize) {
      summary.complete = false;
      break;
    }
    const std::uint32_t value = LittleEndianValue(descriptor.data() + pos + 1, dataSize);
    if (!parser.Apply(static_cast<std::uint8_t>(prefix & 0xFC), value)) {
      summary.complete = false;
      break;
    }
    pos += 1 + dataSize;
  }
  summary.parsedBytes = pos;
  parser.Finish(summary);
  return summary;
}

}  // namespace orvane
