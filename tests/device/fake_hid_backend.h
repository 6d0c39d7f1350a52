#pragma once
// A scripted HID backend for the discovery rules: interfaces with chosen ids and report
// lengths, per-path probe failures, and a log of opens and closes.

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "device/hid_backend.h"

namespace orvane::testing {

class FakeHidBackend : public HidBackend {
 public:
  std::vector<HidInterfaceInfo> interfaces;
  std::set<std::string> unopenable;      // OpenQuery fails on these paths
  std::set<std::string> failSetFeature;  // set-feature fails on handles of these paths
  std::set<std::string> failGetFeature;
  std::vector<std::uint8_t> getFeatureReply{0x41, 1, 2, 3, 4, 5, 6, 7};
  std::deque<std::vector<std::uint8_t>> replies;  // taken first, one per fetch
  int fetches = 0;

  std::map<HidHandle, std::string> open;  // handle -> path, while open
  std::vector<std::string> closedPaths;
  std::vector<std::pair<std::string, std::vector<std::uint8_t>>> sent;  // path, report

  std::vector<HidInterfaceInfo> Enumerate() override { return interfaces; }
  HidHandle OpenQuery(const std::string& path) override {
    if (unopenable.count(path)) return kInvalidHandle;
    return Open(path);
  }
  HidHandle OpenReadWrite(const std::string& path) override { return Open(path); }
  void Close(HidHandle h) override {
    auto it = open.find(h);
    if (it == open.end()) return;
    closedPaths.push_back(it->second);
    open.erase(it);
  }
  bool SetFeature(HidHandle h, std::span<const std::uint8_t> report) override {
    auto it = open.find(h);
    if (it == open.end() || failSetFeature.count(it->second)) return false;
    sent.emplace_back(it->second, std::vector<std::uint8_t>(report.begin(), report.end()));
    return true;
  }
  bool GetFeature(HidHandle h, std::span<std::uint8_t> report) override {
    auto it = open.find(h);
    if (it == open.end() || failGetFeature.count(it->second)) return false;
    ++fetches;
    std::vector<std::uint8_t> reply = getFeatureReply;
    if (!replies.empty()) {
      reply = replies.front();
      replies.pop_front();
    }
    std::copy_n(reply.begin(), std::min(report.size(), reply.size()), report.begin());
    return true;
  }
  ReadStatus ReadInput(HidHandle, std::span<std::uint8_t>, int) override { return ReadStatus::kTimeout; }

  std::string PathOf(HidHandle h) const {
    auto it = open.find(h);
    return it == open.end() ? std::string() : it->second;
  }

 private:
  HidHandle Open(const std::string& path) {
    open[next_] = path;
    return next_++;
  }
  HidHandle next_ = 100;
};

}  // namespace orvane::testing
