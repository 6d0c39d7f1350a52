// Build-time tool: writes the three factory images and the empty PC macro library.
//   factory_image_generator OUTDIR
// Every file is written to a temporary name in OUTDIR and renamed into place; any I/O
// failure, or a value table that leaves a byte unset or sets one twice, exits non-zero.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "image/checksum.h"
#include "image/data/factory_image_values.h"
#include "image/image_layout.h"

namespace {

using orvane::Image;
using orvane::Section;
using orvane::factory::Field;
using orvane::factory::FieldTable;
namespace image = orvane::image;

constexpr std::size_t kPcLibraryRecords = 100;
constexpr std::size_t kPcLibraryRecordSize = 272;  // 16-byte name + 256-byte body

constexpr Section kChecksummed[] = {image::kVendorSection, image::kUserSection,
                                    image::kProfile1Section, image::kProfile2Section,
                                    image::kPatchLedSection};

bool Fail(const std::string& message) {
  std::fprintf(stderr, "factory_image_generator: %s\n", message.c_str());
  return false;
}

bool IsChecksumByte(std::size_t offset) {
  for (const Section& s : kChecksummed)
    if (s.checksumOffset() == offset) return true;
  return false;
}

// Image 1's table must set every byte exactly once, apart from the checksum bytes.
bool ApplyBase(Image& img, const FieldTable& fields) {
  std::vector<const Field*> owner(orvane::kImageSize, nullptr);
  for (const Field& f : fields) {
    if (f.bytes.empty() || f.offset + f.bytes.size() > orvane::kImageSize)
      return Fail("field '" + std::string(f.name) + "' lies outside the image");
    for (std::size_t i = 0; i < f.bytes.size(); ++i) {
      const std::size_t at = f.offset + i;
      if (owner[at] || IsChecksumByte(at))
        return Fail("byte " + std::to_string(at) + " set twice (field '" + std::string(f.name) +
                    "')");
      owner[at] = &f;
      img[at] = f.bytes[i];
    }
  }
  for (std::size_t at = 0; at < orvane::kImageSize; ++at)
    if (!owner[at] && !IsChecksumByte(at))
      return Fail("byte " + std::to_string(at) + " left unset");
  return true;
}

// A difference may only replace values inside one field of the base table.
bool ApplyDifferences(Image& img, const FieldTable& base, const FieldTable& diff) {
  for (const Field& d : diff) {
    bool inside = false;
    for (const Field& b : base)
      inside = inside || (!d.bytes.empty() && d.offset >= b.offset &&
                          d.offset + d.bytes.size() <= b.offset + b.bytes.size());
    if (!inside)
      return Fail("difference '" + std::string(d.name) + "' does not replace a base field");
    std::copy(d.bytes.begin(), d.bytes.end(), img.begin() + static_cast<std::ptrdiff_t>(d.offset));
  }
  return true;
}

bool BuildImage(int number, Image& img) {
  img.fill(0);
  const FieldTable base = orvane::factory::Image1Fields();
  if (!ApplyBase(img, base)) return false;
  if (number == 2 && !ApplyDifferences(img, base, orvane::factory::Image2Differences()))
    return false;
  if (number == 3 && !ApplyDifferences(img, base, orvane::factory::Image3Differences()))
    return false;
  for (const Section& s : kChecksummed) orvane::SetSectionChecksum(img, s);
  return true;
}

bool WriteAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
  std::filesystem::path temp = path;
  temp += ".tmp";
  std::FILE* file = std::fopen(temp.string().c_str(), "wb");
  if (!file) return Fail("cannot create " + temp.string());
  const bool written =
      std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
  const bool closed = std::fclose(file) == 0;
  std::error_code ec;
  if (!written || !closed) {
    std::filesystem::remove(temp, ec);
    return Fail("cannot write " + temp.string());
  }
  std::filesystem::rename(temp, path, ec);
  if (ec) {
    std::filesystem::remove(temp, ec);
    return Fail("cannot rename " + temp.string() + " to " + path.string());
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: factory_image_generator OUTDIR\n");
    return 2;
  }
  const std::filesystem::path outDir = argv[1];
  for (int n = 1; n <= 3; ++n) {
    Image img{};
    if (!BuildImage(n, img)) return 1;
    if (!WriteAtomically(outDir / ("OrvaneData_Cfg" + std::to_string(n) + ".bin"), img)) return 1;
  }
  const std::vector<std::uint8_t> emptyLibrary(kPcLibraryRecords * kPcLibraryRecordSize, 0);
  if (!WriteAtomically(outDir / "PCMacroData.bin", emptyLibrary)) return 1;
  return 0;
}
