// `orvanectl show` on the simulated mouse: every function code comes with its name.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status = -1;
  std::string out;
};

Outcome Orvanectl(const std::string& args) {
  Outcome run;
  FILE* pipe = ::popen((std::string(ORVANECTL_PATH) + " " + args + " 2>&1").c_str(), "r");
  if (!pipe) return run;
  std::array<char, 4096> buf;
  for (std::size_t n; (n = std::fread(buf.data(), 1, buf.size(), pipe)) > 0;) run.out.append(buf.data(), n);
  const int raw = ::pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return run;
}

// The {code, name} pairs of a report, in order.
std::vector<std::pair<std::string, std::string>> CodesAndNames(const std::string& out, const std::regex& pair) {
  std::vector<std::pair<std::string, std::string>> found;
  for (auto it = std::sregex_iterator(out.begin(), out.end(), pair); it != std::sregex_iterator(); ++it)
    found.emplace_back((*it)[1], (*it)[2]);
  return found;
}

class ShowNames : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("show-names-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    mouse = (dir / "mouse.bin").string();
  }
  void TearDown() override { fs::remove_all(dir); }
  fs::path dir;
  std::string mouse;
};

// Preset 3: office buttons for media, game buttons for a shooter.
const std::vector<std::pair<std::string, std::string>> kPreset3 = {
    {"01010000", "Left Key"},   {"01020000", "Right Key"}, {"01040000", "Middle Key"},
    {"01080000", "Backward"},   {"01100000", "Forward"},   {"09010000", "CPI +"},
    {"09020000", "CPI -"},      {"09000000", "CPI Loop"},  {"0300CD00", "Play/Pause"},
    {"0300E900", "Volume +"},   {"0300EA00", "Volume -"},  {"0300E200", "Mute"},
    {"01010000", "Left Key"},   {"01020000", "Right Key"}, {"01040000", "Middle Key"},
    {"01080000", "Backward"},   {"01100000", "Forward"},   {"0614001E", "Fire Key2"},
    {"05010000", "AIM Key"},    {"09000000", "CPI Loop"},  {"0692001E", "Fire Key1"},
    {"0E000000", "LED Mode"},   {"0C000000", "Report Rate"}, {"00000000", "Key Off"},
    {"00000000", "Key Off"},    {"00000000", "Key Off"},   {"0781F018", "Game Mode"},
    {"07D1F018", "Game Mode"},  {"00000000", "Key Off"},   {"00000000", "Key Off"},
    {"00000000", "Key Off"},    {"00000000", "Key Off"},   {"00000000", "Key Off"},
};

TEST_F(ShowNames, JsonAndTextGiveEveryButtonItsName) {
  ASSERT_EQ(Orvanectl("--simulate=" + mouse + " preset 3").status, 0);

  const Outcome json = Orvanectl("--simulate=" + mouse + " show --json");
  ASSERT_EQ(json.status, 0) << json.out;
  const std::regex jsonPair("\\{\\s*\"code\": \"([0-9A-F]{8})\",\\s*\"name\": \"([^\"]*)\"\\s*\\}");
  EXPECT_EQ(CodesAndNames(json.out, jsonPair), kPreset3);

  const Outcome text = Orvanectl("--simulate=" + mouse + " show");
  ASSERT_EQ(text.status, 0) << text.out;
  const std::regex textPair("code=([0-9A-F]{8}) name=([^\\n]*)\\n");
  EXPECT_EQ(CodesAndNames(text.out, textPair), kPreset3);
}

}  // namespace
