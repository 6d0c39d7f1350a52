#include "device/sim_options.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>

namespace orvane {

namespace {

constexpr std::uint64_t kMaxCount = std::uint64_t{1} << 48;
constexpr std::uint64_t kMaxLatencyMs = 60'000;
constexpr std::uint64_t kMaxRestartMs = 600'000;

// A whole number, decimal or hexadecimal with 0x, at most `max`.
std::optional<std::uint64_t> ParseNumber(std::string_view text, std::uint64_t max) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
  }
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value, base);
  if (ec != std::errc() || ptr != end || value > max) return std::nullopt;
  return value;
}

std::optional<std::uint8_t> ParseByte(std::string_view text) {
  const auto value = ParseNumber(text, 255);
  if (!value) return std::nullopt;
  return static_cast<std::uint8_t>(*value);
}

// Two bytes separated by `separator`.
std::optional<std::array<std::uint8_t, 2>> ParseBytePair(std::string_view text, char separator) {
  const std::size_t at = text.find(separator);
  if (at == std::string_view::npos) return std::nullopt;
  const auto first = ParseByte(text.substr(0, at));
  const auto second = ParseByte(text.substr(at + 1));
  if (!first || !second) return std::nullopt;
  return std::array<std::uint8_t, 2>{*first, *second};
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) ==
                  std::toupper(static_cast<unsigned char>(y));
         });
}

// Each setter returns false when the value does not fit; the caller writes the error.
using Setter = bool (*)(SimulatedMouseConfig&, std::string_view);

template <SimFault (*Make)(std::uint64_t)>
bool AddFaultSetting(SimulatedMouseConfig& config, std::string_view value) {
  const auto n = ParseNumber(value, kMaxCount);
  if (!n || *n == 0) return false;
  config.faults.push_back(Make(*n));
  return true;
}

template <std::uint8_t SimulatedMouseConfig::*Field>
bool ByteSetting(SimulatedMouseConfig& config, std::string_view value) {
  const auto byte = ParseByte(value);
  if (!byte) return false;
  config.*Field = *byte;
  return true;
}

template <int SimulatedMouseConfig::*Field, std::uint64_t Max>
bool MillisecondsSetting(SimulatedMouseConfig& config, std::string_view value) {
  const auto ms = ParseNumber(value, Max);
  if (!ms) return false;
  config.*Field = static_cast<int>(*ms);
  return true;
}

bool TypeSetting(SimulatedMouseConfig& config, std::string_view value) {
  if (EqualsNoCase(value, "I2C")) {
    config.type = SimDeviceType::kI2C;
  } else if (EqualsNoCase(value, "QL840")) {
    config.type = SimDeviceType::kQL840;
  } else {
    return false;
  }
  return true;
}

bool TypeByteSetting(SimulatedMouseConfig& config, std::string_view value) {
  const auto byte = ParseByte(value);
  if (!byte) return false;
  config.typeByte = *byte;
  return true;
}

bool Info45Setting(SimulatedMouseConfig& config, std::string_view value) {
  const auto pair = ParseBytePair(value, ',');
  if (!pair) return false;
  config.info45 = *pair;
  return true;
}

bool CustomerSetting(SimulatedMouseConfig& config, std::string_view value) {
  const auto pair = ParseBytePair(value, ':');
  if (!pair) return false;
  config.customerIds = CustomerIds{(*pair)[0], (*pair)[1]};
  return true;
}

bool ForeignDeviceSetting(SimulatedMouseConfig& config, std::string_view value) {
  if (value != "0" && value != "1") return false;
  config.foreignDevice = value == "1";
  return true;
}

struct SimOption {
  std::string_view key;
  std::string_view value;  // what the value looks like, for the help and errors
  std::string_view help;
  Setter apply;
};

constexpr SimOption kOptions[] = {
    {"type", "I2C|QL840", "device type the mouse reports (default I2C)", TypeSetting},
    {"status", "N", "status byte of the device information (default 0)",
     ByteSetting<&SimulatedMouseConfig::status>},
    {"marker", "N", "marker byte of the device information (default 0x5A)",
     ByteSetting<&SimulatedMouseConfig::marker>},
    {"typebyte", "N", "type byte reported instead of the type's own (0xC0 I2C, 0x40 QL840)",
     TypeByteSetting},
    {"info45", "N,N", "bytes 4 and 5 of the device information (default 0,26 QL840, 0,0 I2C)",
     Info45Setting},
    {"customer", "V:P", "customer vendor and product id written into the info block",
     CustomerSetting},
    {"fail-send", "N", "the N-th set-feature report fails (counted from 1)",
     AddFaultSetting<FailSend>},
    {"fail-sends-from", "N", "every set-feature report from the N-th on fails",
     AddFaultSetting<FailSendsFrom>},
    {"fail-fetch", "N", "the N-th get-feature report fails", AddFaultSetting<FailFetch>},
    {"unplug-after", "N", "the mouse is pulled out after N feature reports",
     AddFaultSetting<UnplugAfter>},
    {"latency", "MS", "time each feature report takes (default 0)",
     MillisecondsSetting<&SimulatedMouseConfig::latencyMs, kMaxLatencyMs>},
    {"restart-ms", "MS", "time the mouse is away when it restarts (default 3000)",
     MillisecondsSetting<&SimulatedMouseConfig::restartMs, kMaxRestartMs>},
    {"foreign-device", "0|1", "add another HID device with 8-byte feature reports",
     ForeignDeviceSetting},
};

}  // namespace

bool ApplySimOption(SimulatedMouseConfig& config, std::string_view option, std::string& error) {
  const std::size_t eq = option.find('=');
  if (eq == std::string_view::npos) {
    error = "simulated mouse setting '" + std::string(option) + "' wants KEY=VALUE";
    return false;
  }
  const std::string_view key = option.substr(0, eq);
  const std::string_view value = option.substr(eq + 1);
  for (const SimOption& entry : kOptions) {
    if (entry.key != key) continue;
    SimulatedMouseConfig changed = config;
    if (!entry.apply(changed, value)) {
      error = "bad value '" + std::string(value) + "' for simulated mouse setting " +
              std::string(key) + " (wants " + std::string(entry.value) + ")";
      return false;
    }
    config = std::move(changed);
    return true;
  }
  error = "unknown simulated mouse setting '" + std::string(key) + "'";
  return false;
}

std::string SimOptionsHelp() {
  std::string text;
  for (const SimOption& entry : kOptions) {
    std::string left = "  " + std::string(entry.key) + "=" + std::string(entry.value);
    left.resize(std::max<std::size_t>(left.size() + 2, 24), ' ');
    text += left + std::string(entry.help) + "\n";
  }
  text += "  Numbers are decimal, or hexadecimal with 0x; counts start at 1.\n";
  return text;
}

}  // namespace orvane
