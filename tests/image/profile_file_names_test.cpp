#include "image/profile_file_names.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(ProfileFileName, BinIsAddedOnlyWhenMissing) {
  const std::pair<const char*, const char*> cases[] = {
      {"/home/u/mouse", "/home/u/mouse.bin"},
      {"/home/u/mouse.bin", "/home/u/mouse.bin"},  // not "mouse.bin.bin"
      {"/home/u/MOUSE.BIN", "/home/u/MOUSE.BIN"},
      {"/home/u/mouse.bin.txt", "/home/u/mouse.bin.txt.bin"},
      {"bin", "bin.bin"},
      {"", ".bin"},
  };
  for (const auto& [chosen, written] : cases) EXPECT_EQ(ProfileFileName(chosen), written) << chosen;
}

}  // namespace
}  // namespace orvane
