#include "image/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace orvane {

namespace {
std::string Describe(const std::string& what, const std::string& path) {
  return what + " '" + path + "': " + std::strerror(errno);
}
}  // namespace

bool ReadFilePrefix(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& out,
                    std::string& error) {
  out.clear();
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    error = "cannot read '" + path + "': it is a folder";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = Describe("cannot open", path);
    return false;
  }
  out.resize(maxBytes);
  in.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(maxBytes));
  if (in.bad()) {
    error = Describe("cannot read", path);
    out.clear();
    return false;
  }
  out.resize(static_cast<std::size_t>(in.gcount()));
  return true;
}

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                         std::string& error) {
  namespace fs = std::filesystem;
  const fs::path target(path);
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string temp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) {
    error = Describe("cannot create a file in", folder.string());
    return false;
  }
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      error = Describe("cannot write", path);
      ::close(fd);
      ::unlink(temp.c_str());
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  // mkstemp makes the file private; a saved profile is an ordinary user file.
  ::fchmod(fd, 0644);
  if (::fsync(fd) != 0 || ::close(fd) != 0) {
    error = Describe("cannot write", path);
    ::unlink(temp.c_str());
    return false;
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    error = Describe("cannot replace", path);
    ::unlink(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace orvane
