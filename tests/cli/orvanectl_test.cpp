// orvanectl end to end on the simulated mouse: the program is run as a user runs it.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status = -1;
  std::string out;
};

class OrvanectlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("orvanectl-" + std::to_string(::getpid()) + "-" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  // Runs orvanectl with the arguments; stdout and stderr together.
  Outcome Orvanectl(const std::string& args) const {
    const std::string command = std::string(ORVANECTL_PATH) + " " + args + " 2>&1";
    Outcome run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buf;
    std::size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), pipe)) > 0) run.out.append(buf.data(), n);
    const int raw = ::pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
  }
  std::string Path(const std::string& name) const { return (dir / name).string(); }
  static std::vector<unsigned char> Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  static std::vector<std::string> Lines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  fs::path dir;
};

TEST_F(OrvanectlTest, ReadThenWriteSendsBackTheSame2048Bytes) {
  const std::string sim = Path("mouse.bin"), profile = Path("profile.bin"), trace = Path("trace.txt");
  ASSERT_EQ(Orvanectl("--simulate=" + sim + " preset 3").status, 0);
  const Outcome readRun = Orvanectl("--simulate=" + sim + " read " + profile);
  ASSERT_EQ(readRun.status, 0) << readRun.out;
  const auto saved = Bytes(profile);
  ASSERT_EQ(saved.size(), 2048u);
  EXPECT_EQ(saved, Bytes(sim));

  const Outcome writeRun = Orvanectl("--simulate=" + sim + " --trace " + trace + " write " + profile);
  ASSERT_EQ(writeRun.status, 0) << writeRun.out;
  // The data reports of the whole-image write carry exactly the saved bytes.
  const auto lines = Lines(trace);
  std::vector<unsigned char> sent;
  bool inWrite = false;
  for (const std::string& line : lines) {
    if (line.rfind("S 40 07 00 00 08 00", 0) == 0) inWrite = true;
    else if (line.rfind("S 40", 0) == 0) inWrite = false;
    else if (inWrite && line.rfind("S 41", 0) == 0) {
      std::istringstream hex(line.substr(5));
      for (int i = 0; i < 7; ++i) {
        unsigned v;
        hex >> std::hex >> v;
        if (sent.size() < 2048) sent.push_back(static_cast<unsigned char>(v));
      }
    }
  }
  EXPECT_EQ(sent, saved);
  EXPECT_EQ(Bytes(sim), saved);
}

TEST_F(OrvanectlTest, PresetTwoLeavesGameMode) {
  const std::string sim = Path("mouse.bin");
  const Outcome run = Orvanectl("--simulate=" + sim + " preset 2");
  ASSERT_EQ(run.status, 0) << run.out;
  const auto image = Bytes(sim);
  ASSERT_EQ(image.size(), 2048u);
  EXPECT_EQ(image[164], 1);
  const Outcome show = Orvanectl("--simulate=" + sim + " show --json");
  ASSERT_EQ(show.status, 0);
  EXPECT_NE(show.out.find("\"mode_name\": \"Game Mode\""), std::string::npos) << show.out;
}

TEST_F(OrvanectlTest, TraceHasOneLinePerReportInOrder) {
  const std::string trace = Path("t.txt");
  ASSERT_EQ(Orvanectl("--simulate --trace " + trace + " info").status, 0);
  const auto lines = Lines(trace);
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[0], "S 40 0D 00 00 00 00 00 00");
  EXPECT_EQ(lines[1].substr(0, 7), "G 41 00");
  EXPECT_EQ(lines[2], "S 40 0D 00 00 00 00 00 00");
  const Outcome failed = Orvanectl("--simulate --sim fail-fetch=2 --trace " + trace + " info");
  EXPECT_EQ(Lines(trace)[3], "G 41 00 00 00 00 00 00 00 FAILED") << failed.out;
}

TEST_F(OrvanectlTest, ExitStatusSaysWhatWentWrong) {
  struct Case {
    std::string args;
    int status;
    std::string says;
  } cases[] = {
      {"", 1, "no command"},
      {"frobnicate", 1, "unknown command"},
      {"--simulate preset 4", 1, "1, 2 or 3"},
      {"--simulate read", 1, "wrong number"},
      {"--sim colour=red --simulate info", 1, "colour"},
      {"--device 12 --simulate info", 1, "VID:PID"},
      {"--simulate --device 1234:5678 info", 2, "no mouse"},
      {"--simulate --sim customer=12:34 info", 3, "product id error"},
      {"--simulate --sim type=QL840 info", 3, "file type error"},
      {"--simulate --sim marker=0 info", 3, "not accepted"},
      {"--simulate write " + Path("missing.bin"), 4, "missing.bin"},
      {"--simulate read " + Path("no/such/folder/x.bin"), 4, "cannot"},
      {"--hidraw-root " + Path("empty") + " info", 2, "no mouse"},
  };
  for (const Case& c : cases) {
    const Outcome run = Orvanectl(c.args);
    EXPECT_EQ(run.status, c.status) << c.args << "\n" << run.out;
    EXPECT_NE(run.out.find(c.says), std::string::npos) << c.args << "\n" << run.out;
  }
}

TEST_F(OrvanectlTest, UnreadableProfileSendsNothing) {
  const std::string trace = Path("t.txt"), sim = Path("mouse.bin");
  ASSERT_EQ(Orvanectl("--simulate=" + sim + " preset 1").status, 0);
  const auto before = Bytes(sim);
  EXPECT_EQ(Orvanectl("--simulate=" + sim + " --trace " + trace + " write " + dir.string()).status, 4);
  for (const std::string& line : Lines(trace)) EXPECT_NE(line.rfind("S 41", 0), 0u) << line;
  EXPECT_EQ(Bytes(sim), before);
}

TEST_F(OrvanectlTest, ListTellsWhichInterfaceIsTheMouse) {
  const Outcome run = Orvanectl("--simulate --sim foreign-device=1 list");
  ASSERT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("sim:mouse-vendor  1209:0001  feature 8  input 8  the mouse"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("not the mouse's vendor interface"), std::string::npos);
  EXPECT_NE(run.out.find("other USB ids"), std::string::npos);
}

TEST_F(OrvanectlTest, ListReadsAHidrawTree) {
  const fs::path node = dir / "sys" / "hidraw0" / "device";
  fs::create_directories(node);
  std::ofstream(node / "uevent") << "HID_ID=0003:00001209:00000001\nHID_NAME=Mouse\n";
  // A vendor collection with feature ids 0x40, 0x41 and input id 0x42, seven bytes each.
  const unsigned char descriptor[] = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x07,
                                      0x85, 0x40, 0x09, 0x01, 0xB1, 0x02, 0x85, 0x41, 0x09, 0x01, 0xB1,
                                      0x02, 0x85, 0x42, 0x09, 0x01, 0x81, 0x02, 0xC0};
  std::ofstream(node / "report_descriptor", std::ios::binary)
      .write(reinterpret_cast<const char*>(descriptor), sizeof descriptor);
  const Outcome run = Orvanectl("--hidraw-root " + (dir / "sys").string() + " --dev-root " + (dir / "dev").string() + " list");
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_NE(run.out.find("1209:0001  feature 8  input 8  the mouse"), std::string::npos) << run.out;
}

TEST_F(OrvanectlTest, HelpListsCommandsAndSimulatorSettings) {
  const Outcome run = Orvanectl("--help");
  EXPECT_EQ(run.status, 0);
  for (const char* word : {"list", "info", "read FILE", "write FILE", "preset N", "show", "--simulate",
                           "--trace", "fail-fetch", "customer"})
    EXPECT_NE(run.out.find(word), std::string::npos) << word;
}

}  // namespace
