#include "device/sim_options.h"

#include <gtest/gtest.h>

#include <functional>

namespace orvane {
namespace {

TEST(SimOptionsTest, GoodSettings) {
  struct Case {
    const char* option;
    std::function<void(SimulatedMouseConfig&)> expect;  // applied to a default config
  };
  const Case cases[] = {
      {"type=QL840", [](auto& c) { c.type = SimDeviceType::kQL840; }},
      {"type=ql840", [](auto& c) { c.type = SimDeviceType::kQL840; }},
      {"type=I2C", [](auto& c) { c.type = SimDeviceType::kI2C; }},
      {"status=130", [](auto& c) { c.status = 130; }},
      {"marker=0x5b", [](auto& c) { c.marker = 0x5B; }},
      {"marker=0", [](auto& c) { c.marker = 0; }},
      {"typebyte=0xFF", [](auto& c) { c.typeByte = 0xFF; }},
      {"info45=0,27", [](auto& c) { c.info45 = InfoBytes45{0, 27}; }},
      {"customer=0x12:52", [](auto& c) { c.customerIds = CustomerIds{0x12, 52}; }},
      {"customer=255:0", [](auto& c) { c.customerIds = CustomerIds{255, 0}; }},
      {"fail-send=3", [](auto& c) { c.faults = {FailSend(3)}; }},
      {"fail-sends-from=1", [](auto& c) { c.faults = {FailSendsFrom(1)}; }},
      {"fail-fetch=0x10", [](auto& c) { c.faults = {FailFetch(16)}; }},
      {"unplug-after=293", [](auto& c) { c.faults = {UnplugAfter(293)}; }},
      {"latency=5", [](auto& c) { c.latencyMs = 5; }},
      {"restart-ms=0", [](auto& c) { c.restartMs = 0; }},
      {"restart-ms=17000", [](auto& c) { c.restartMs = 17000; }},
      {"foreign-device=1", [](auto& c) { c.foreignDevice = true; }},
      {"foreign-device=0", [](auto&) {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.option);
    SimulatedMouseConfig parsed;
    std::string error;
    ASSERT_TRUE(ApplySimOption(parsed, c.option, error)) << error;
    SimulatedMouseConfig expected;
    c.expect(expected);
    EXPECT_EQ(parsed.type, expected.type);
    EXPECT_EQ(parsed.status, expected.status);
    EXPECT_EQ(parsed.marker, expected.marker);
    EXPECT_EQ(parsed.typeByte, expected.typeByte);
    EXPECT_EQ(parsed.info45, expected.info45);
    EXPECT_EQ(parsed.customerIds, expected.customerIds);
    EXPECT_EQ(parsed.faults, expected.faults);
    EXPECT_EQ(parsed.latencyMs, expected.latencyMs);
    EXPECT_EQ(parsed.restartMs, expected.restartMs);
    EXPECT_EQ(parsed.foreignDevice, expected.foreignDevice);
  }
}

TEST(SimOptionsTest, FaultSettingsAccumulate) {
  SimulatedMouseConfig config;
  std::string error;
  ASSERT_TRUE(ApplySimOption(config, "fail-send=2", error));
  ASSERT_TRUE(ApplySimOption(config, "fail-fetch=4", error));
  EXPECT_EQ(config.faults, (std::vector<SimFault>{FailSend(2), FailFetch(4)}));
}

TEST(SimOptionsTest, BadSettingsAreRejectedWithAReasonAndChangeNothing) {
  struct Case {
    const char* option;
    const char* errorMentions;
  };
  const Case cases[] = {
      {"colour=red", "colour"},
      {"type", "KEY=VALUE"},
      {"", "KEY=VALUE"},
      {"=3", "unknown"},
      {"type=Flash", "I2C|QL840"},
      {"status=256", "status"},
      {"status=-1", "status"},
      {"status=", "status"},
      {"marker=0x", "marker"},
      {"marker=5A", "marker"},
      {"typebyte=1.5", "typebyte"},
      {"info45=0", "info45"},
      {"info45=0,26,1", "info45"},
      {"customer=12", "customer"},
      {"customer=12:300", "customer"},
      {"customer=:1", "customer"},
      {"fail-send=0", "fail-send"},
      {"fail-sends-from=x", "fail-sends-from"},
      {"fail-fetch= 3", "fail-fetch"},
      {"unplug-after=99999999999999999999999", "unplug-after"},
      {"latency=-5", "latency"},
      {"latency=100000", "latency"},
      {"restart-ms=1e3", "restart-ms"},
      {"foreign-device=yes", "foreign-device"},
      {"Type=I2C", "Type"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.option);
    SimulatedMouseConfig config;
    config.status = 7;
    std::string error;
    EXPECT_FALSE(ApplySimOption(config, c.option, error));
    EXPECT_NE(error.find(c.errorMentions), std::string::npos) << error;
    EXPECT_EQ(config.status, 7);
    EXPECT_TRUE(config.faults.empty());
    EXPECT_FALSE(config.customerIds.has_value());
  }
}

TEST(SimOptionsTest, HelpListsEveryKey) {
  const std::string help = SimOptionsHelp();
  for (const char* key : {"type=", "status=", "marker=", "typebyte=", "info45=", "customer=",
                          "fail-send=", "fail-sends-from=", "fail-fetch=", "unplug-after=",
                          "latency=", "restart-ms=", "foreign-device="}) {
    EXPECT_NE(help.find(std::string("  ") + key), std::string::npos) << key;
  }
}

}  // namespace
}  // namespace orvane
