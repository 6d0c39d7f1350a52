#pragma once
// Reading and writing the tool's files whole. Writes replace the file atomically (a
// temporary file in the same folder, flushed, then renamed), so a crash or a full disk
// never leaves half a file behind.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace orvane {

// Reads at most maxBytes from the start of the file. False with a readable error.
bool ReadFilePrefix(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& out,
                    std::string& error);
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                         std::string& error);

}  // namespace orvane
