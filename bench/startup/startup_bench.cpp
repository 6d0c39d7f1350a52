// Start-up time of a window program: from the moment it is started until it reports its first
// paint ("painted ..." on its standard output, given --quit-after-paint), measured from
// outside so the program's loading and library start-up count too.
//
//   startup_bench RUNS PROGRAM [ARGS...] [-- PROGRAM [ARGS...]]...
//
// Each program runs RUNS times in turn; the minimum, median and mean are printed, and for
// more than one program each one's median against the first's.

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Steady = std::chrono::steady_clock;

// One start: milliseconds until the "painted" line, or a negative value on failure.
double TimeOneStart(const std::vector<std::string>& command) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
  std::vector<char*> argv;
  for (const std::string& a : command) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  const Steady::time_point start = Steady::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFds[1]);
  double ms = -1;
  if (spawned == 0) {
    std::string line;
    char c = 0;
    while (read(pipeFds[0], &c, 1) == 1) {
      if (c != '\n') {
        line += c;
        continue;
      }
      if (line.rfind("painted", 0) == 0) {
        ms = std::chrono::duration<double, std::milli>(Steady::now() - start).count();
        break;
      }
      line.clear();
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) ms = -1;
  }
  close(pipeFds[0]);
  return ms;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup_bench RUNS PROGRAM [ARGS...] [-- PROGRAM [ARGS...]]...\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  if (runs < 1) {
    std::fprintf(stderr, "startup_bench: RUNS must be at least 1\n");
    return 2;
  }
  std::vector<std::vector<std::string>> commands(1);
  for (int i = 2; i < argc; ++i) {
    if (std::string(argv[i]) == "--") commands.emplace_back();
    else commands.back().push_back(argv[i]);
  }
  double firstMedian = 0;
  for (std::size_t c = 0; c < commands.size(); ++c) {
    if (commands[c].empty()) continue;
    std::vector<double> times;
    for (int r = 0; r < runs; ++r) {
      const double ms = TimeOneStart(commands[c]);
      if (ms < 0) {
        std::fprintf(stderr, "startup_bench: %s did not report its first paint\n", commands[c][0].c_str());
        return 1;
      }
      times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    const double mean = std::accumulate(times.begin(), times.end(), 0.0) / static_cast<double>(times.size());
    if (c == 0) firstMedian = median;
    std::printf("%-40s min %7.1f ms  median %7.1f ms  mean %7.1f ms", commands[c][0].c_str(), times.front(),
                median, mean);
    if (c > 0 && firstMedian > 0) std::printf("  (%.2fx the first)", median / firstMedian);
    std::printf("\n");
  }
  return 0;
}
