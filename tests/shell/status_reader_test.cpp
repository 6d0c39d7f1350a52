#include "shell/status_reader.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

#include "device/sim_fixture.h"

namespace orvane {
namespace {

struct Posted {
  StatusRefresh what;
  std::int64_t at;
  bool operator==(const Posted&) const = default;
};

TEST(StatusEvents, ReleasePostsOneRefreshPerFlagInOrderEachAfterItsWait) {
  struct Case {
    std::vector<std::uint8_t> codes;
    std::vector<Posted> expected;
  } cases[] = {
      {{1, 0}, {{StatusRefresh::kCurrentDpi, 200}}},
      {{1, 2, 8, 0}, {{StatusRefresh::kCurrentDpi, 200}, {StatusRefresh::kCurrentDpi, 400},
                      {StatusRefresh::kCurrentProfile, 600}}},
      {{8, 4, 0}, {{StatusRefresh::kCurrentDpi, 200}, {StatusRefresh::kCurrentProfile, 400}}},
      {{2, 2, 0, 0}, {{StatusRefresh::kCurrentDpi, 200}}},  // flags clear after their refresh
      {{3, 16, 0}, {}},                                     // other codes are ignored
      {{0}, {}},
  };
  for (const Case& c : cases) {
    VirtualClock clock;
    StatusEvents events;
    std::vector<Posted> posted;
    for (std::uint8_t code : c.codes) {
      const std::uint8_t report[8] = {0x42, 0, 0, code, 0, 0, 0, 0};
      events.OnReport(report, clock, [&](StatusRefresh r) { posted.push_back({r, clock.NowMs()}); });
    }
    EXPECT_EQ(posted, c.expected);
  }
}

TEST(StatusEvents, ReportsWithAnotherIdAreSkipped) {
  VirtualClock clock;
  StatusEvents events;
  int posts = 0;
  const auto post = [&](StatusRefresh) { ++posts; };
  const std::uint8_t other[8] = {0x01, 0, 0, 1, 0, 0, 0, 0};
  const std::uint8_t release[8] = {0x42, 0, 0, 0, 0, 0, 0, 0};
  events.OnReport(other, clock, post);
  events.OnReport(release, clock, post);
  EXPECT_EQ(posts, 0);
}

TEST(StatusReader, TheMouseOwnKeysReachTheScreensAndStopEndsABlockedRead) {
  testing::SimStack s;
  ASSERT_TRUE(s.session.ReFindDev());
  std::mutex m;
  std::condition_variable cv;
  std::vector<StatusRefresh> posted;
  StatusReader reader(s.transport, s.clock, [&](StatusRefresh r) {
    std::lock_guard lock(m);
    posted.push_back(r);
    cv.notify_all();
  });
  reader.Start();
  ASSERT_TRUE(s.sim.PressDpiKey(1));
  ASSERT_TRUE(s.sim.PressProfileKey());
  {
    std::unique_lock lock(m);
    ASSERT_TRUE(cv.wait_for(lock, std::chrono::seconds(10), [&] { return posted.size() >= 2; }));
  }
  EXPECT_EQ(posted, (std::vector<StatusRefresh>{StatusRefresh::kCurrentDpi, StatusRefresh::kCurrentProfile}));
  reader.Stop();  // the thread was waiting in a read; it must come back
}

TEST(StatusReader, IdlesWhileNoMouseIsOpenAndStopsCleanly) {
  testing::SimStack s;
  StatusReader reader(s.transport, s.clock, [](StatusRefresh) { FAIL(); });
  reader.Start();
  reader.Stop();
  reader.Start();
  ASSERT_TRUE(s.session.ReFindDev());
  s.transport.ForgetDevice();  // the mouse goes away while the reader may be in a read
  reader.Stop();
}

}  // namespace
}  // namespace orvane
