// The embedded factory images and the empty PC macro library, checked byte by byte
// against the values the mouse ships with (docs/factory-images.md).

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "image/builtin_data.h"
#include "image/checksum.h"
#include "image/image_layout.h"

namespace orvane {
namespace {

using Bytes = std::vector<std::uint8_t>;
using ::testing::ElementsAreArray;

std::span<const std::uint8_t> FactoryImage(int n) {
  return FactoryResource("OrvaneData_Cfg" + std::to_string(n));
}

// "FF 0F 7F" -> {0xFF, 0x0F, 0x7F}
Bytes Hex(std::string_view text) {
  Bytes out;
  for (std::size_t i = 0; i + 1 < text.size();) {
    if (text[i] == ' ') {
      ++i;
      continue;
    }
    out.push_back(
        static_cast<std::uint8_t>(std::stoul(std::string(text.substr(i, 2)), nullptr, 16)));
    i += 2;
  }
  return out;
}
Bytes Fill(std::size_t count, std::uint8_t value) { return Bytes(count, value); }
Bytes Padded(Bytes b, std::size_t size) {
  b.resize(size, 0);
  return b;
}
Bytes Text(std::string_view s) { return Bytes(s.begin(), s.end()); }

enum ImageSet : unsigned {
  k1 = 1,
  k2 = 2,
  k3 = 4,
  k12 = k1 | k2,
  k13 = k1 | k3,
  k23 = k2 | k3,
  kAll = 7
};

struct Row {
  unsigned images;
  std::size_t offset;
  Bytes bytes;
  const char* what;
};

const Bytes kDefaultProfile =
    Hex("01010000 01080000 0692001E 01020000 01100000 02080700 01040000 09000000 08000000"
        " 00000000 00000000 00000000");

const std::vector<Row>& FactoryTable() {
  static const std::vector<Row> rows = {
      {kAll, 0, Hex("12 09 00 01"), "USB vendor and product id"},
      {kAll, 4, Hex("FF 0F 7F 7F AF"), "controller option bytes"},
      {kAll, 9,
       Hex("0F FF 04 21 10 0A 08 10 45 02 98 10 FF 10 EF 10 FF 02 60 31 01 32 48 96 FA 10 1E 02 31 "
           "20 13"),
       "sensor tuning registers"},
      {kAll, 40, Hex("00 46"), "LED init bytes"},
      {kAll, 42, Hex("FE 05 63"), "mode mask, six DPI levels, indexes 3 and 6"},
      {k12, 45, Hex("A8 EB"), "DPI indexes 8, 10, 11, 14"},
      {k3, 45, Hex("98 BA"), "DPI indexes 8, 9, 10, 11"},
      {kAll, 47, Hex("FF"), "DPI levels 7 and 8 unused"},
      {kAll, 48, Hex("0000 00FF 0064 0064 09"), "breathing and step time"},
      {kAll, 57, Hex("00FF00 FF0000 0000FF 00FFFF FFFF00 FF8000 FF00FF FF0080 7F00FF FFFFFF"),
       "lighting colours"},
      {k1, 87, Hex("FF0000 00FF00 0000FF FFFF00 00FFFF FF00FF FF7F00 7F7F7F"), "DPI colours"},
      {k2, 87, Hex("00FF00 FF0000 0000FF FFFF00 00FFFF FF00FF FF7F00 7F7F7F"), "DPI colours"},
      {k3, 87, Hex("00FF00 FF00FF 0000FF FF0000 00FFFF FFFF00 FF7F00 7F7F7F"), "DPI colours"},
      {kAll, 111, Text("USB Gaming Mouse"), "USB product string"},
      {kAll, 127, Fill(8, 0), "combination keys 1, 2"},
      {k12, 135, Hex("07 80 00 18"), "combination key 3"},
      {k3, 135, Hex("07 81 F0 18"), "combination key 3"},
      {kAll, 139, Hex("07 D1 F0 18"), "combination key 4"},
      {kAll, 143, Fill(20, 0), "combination keys 5..9"},
      {k13, 164, Hex("00 81 01 00 00 00 00"), "office mode user bytes"},
      {k2, 164, Hex("01 81 01 04 0F 00 18"), "game mode user bytes"},
      {kAll, 171, Fill(20, 0), "gun X and Y offsets"},
      {k12, 192, kDefaultProfile, "profile 1"},
      {k12, 241, kDefaultProfile, "profile 2"},
      {kAll, 290, Hex("00 00 02 00 1E 04 00 1E 07 00 1E 00"), "info block"},
      {k1, 304, Padded(Hex("FD00 A1 FE0001 040008 FE0001 21 FE0001 FC 00"), 24), "gun 1"},
      {k23, 304, Padded(Hex("A1 FE0006 FD00 040007 FE0014 FC 21 FE0006 00"), 24), "gun 1"},
      {kAll, 484, Hex("FF FF 02 00 32 04 00 32 07 00 32 E0"), "default header"},
      {kAll, 496, Fill(16, 0x00), "device macro area: empty first record"},
      {kAll, 512, Fill(496, 0xFF), "device macro area: erased rest"},
      {kAll, 1008, Hex("04 00 04 00 00 5A 05 E3 01 80 00 00 00 00 00 DB"), "patch header"},
      {kAll, 1024, Fill(1024, 0xFF), "patch code filler"},
  };
  return rows;
}

class FactoryImageTest : public ::testing::TestWithParam<int> {
 protected:
  std::span<const std::uint8_t> img() const { return FactoryImage(GetParam()); }
};

TEST_P(FactoryImageTest, IsAWholeImageWhoseChecksumsHold) {
  ASSERT_EQ(img().size(), kImageSize);
  for (const Section& s : {image::kVendorSection, image::kUserSection, image::kProfile1Section,
                           image::kProfile2Section, image::kPatchLedSection})
    EXPECT_TRUE(SectionChecksumValid(img(), s)) << "section at " << s.area.first;
}

TEST_P(FactoryImageTest, HoldsTheFactoryValues) {
  ASSERT_EQ(img().size(), kImageSize);
  const unsigned self = 1u << (GetParam() - 1);
  for (const Row& row : FactoryTable()) {
    if (!(row.images & self)) continue;
    ASSERT_LE(row.offset + row.bytes.size(), kImageSize);
    EXPECT_THAT(img().subspan(row.offset, row.bytes.size()), ElementsAreArray(row.bytes))
        << row.what << " at " << row.offset;
  }
}

TEST_P(FactoryImageTest, OfficeProfileKeepsALeftKey) {
  ASSERT_EQ(img().size(), kImageSize);
  const Bytes left = Hex("01 01 00 00");
  bool found = false;
  for (int b = 1; b <= 12; ++b)
    found = found ||
            std::equal(left.begin(), left.end(), img().begin() + image::Profile1ButtonOffset(b));
  EXPECT_TRUE(found);
}

// A fire-key button is named after the fire key whose count and interval it carries;
// one that matches none would show an empty caption.
TEST_P(FactoryImageTest, FireKeyButtonsMatchAFireKeyOfTheInfoBlock) {
  ASSERT_EQ(img().size(), kImageSize);
  const auto im = img();
  for (std::size_t first : {image::kProfile1.first, image::kProfile2.first}) {
    for (std::size_t at = first; at < first + 48; at += 4) {
      if (im[at] != 0x06) continue;
      bool named = false;
      for (int key = 1; key <= 3; ++key)
        named = named || ((im[at + 1] & 0x0F) == im[image::FireKeyCountOffset(key)] &&
                          ReadBe16(im, at + 2) == ReadBe16(im, image::FireKeyTimeOffset(key)));
      EXPECT_TRUE(named) << "fire key code at " << at;
    }
  }
}

// Length of a gun fire macro event; 0 for a byte that is no gun opcode.
std::size_t GunEventLength(std::uint8_t op) {
  struct Event {
    std::uint8_t op;
    std::size_t length;
  };
  static constexpr Event kEvents[] = {{0xA1, 1}, {0x21, 1}, {0xFC, 1}, {0x00, 1},
                                      {0xFD, 2}, {0x04, 3}, {0xFE, 3}};
  for (const Event& e : kEvents)
    if (e.op == op) return e.length;
  return 0;
}

// Each gun entry must be a body the mouse can play and the gun page can edit: only the
// gun opcodes, one repeated block, a movement followed by its delay, a terminator inside
// the 24 bytes and zero padding after it.
TEST_P(FactoryImageTest, GunEntriesAreEditableFireMacros) {
  ASSERT_EQ(img().size(), kImageSize);
  for (std::size_t g = 0; g < image::kGunCount; ++g) {
    SCOPED_TRACE("gun " + std::to_string(g + 1));
    const auto entry =
        img().subspan(image::kGunTable.first + g * image::kGunEntrySize, image::kGunEntrySize);
    int repeatStarts = 0, repeatEnds = 0, moves = 0, timedMoves = 0;
    bool moved = false, ended = false;
    std::size_t at = 0;
    while (at < entry.size() && !ended) {
      const std::uint8_t op = entry[at];
      const std::size_t length = GunEventLength(op);
      ASSERT_NE(length, 0u) << "opcode " << int{op} << " at " << at;
      ASSERT_LE(at + length, entry.size()) << "event at " << at << " crosses the entry";
      repeatStarts += op == 0xFD;
      repeatEnds += op == 0xFC;
      if (op == 0x04) {
        ++moves;
        moved = true;
      }
      if (op == 0xFE && moved) {
        ++timedMoves;
        moved = false;
      }
      ended = op == 0x00;
      at += length;
    }
    EXPECT_TRUE(ended);
    EXPECT_EQ(repeatStarts, 1);
    EXPECT_EQ(repeatEnds, 1);
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(timedMoves, 1);
    for (; at < entry.size(); ++at) EXPECT_EQ(entry[at], 0) << "padding at " << at;
  }
}

INSTANTIATE_TEST_SUITE_P(AllImages, FactoryImageTest, ::testing::Values(1, 2, 3));

// Images 2 and 3 are image 1 with a few documented changes; any other changed byte is a fault.
TEST(FactoryImagesTest, DifferFromImageOneOnlyWhereDocumented) {
  struct Case {
    int image;
    std::vector<Area> allowed;
  };
  const Case cases[] = {
      {2, {image::kDpiColours, {164, 1}, {167, 2}, {170, 1}, {191, 1}, image::kGunTable}},
      {3,
       {image::kDpiValueIndexes,
        image::kDpiColours,
        {135, 4},
        {163, 1},
        image::kProfiles,
        image::kGunTable}},
  };
  const auto one = FactoryImage(1);
  ASSERT_EQ(one.size(), kImageSize);
  for (const Case& c : cases) {
    const auto other = FactoryImage(c.image);
    ASSERT_EQ(other.size(), kImageSize);
    for (std::size_t at = 0; at < kImageSize; ++at) {
      if (one[at] == other[at]) continue;
      bool allowed = false;
      for (const Area& a : c.allowed) allowed = allowed || (at >= a.first && at < a.end());
      EXPECT_TRUE(allowed) << "image " << c.image << " differs from image 1 at " << at;
    }
  }
}

TEST(FactoryImagesTest, GunTablesAndProfilesDifferAsDocumented) {
  const auto area = [](int n, Area a) {
    const auto img = FactoryImage(n);
    return Bytes(img.begin() + a.first, img.begin() + a.end());
  };
  ASSERT_EQ(FactoryImage(1).size(), kImageSize);
  ASSERT_EQ(FactoryImage(2).size(), kImageSize);
  ASSERT_EQ(FactoryImage(3).size(), kImageSize);
  EXPECT_NE(area(1, image::kGunTable), area(2, image::kGunTable));
  EXPECT_EQ(area(2, image::kGunTable), area(3, image::kGunTable));
  EXPECT_NE(area(3, Area{image::kProfile1.first, 48}), kDefaultProfile);
  EXPECT_NE(area(3, Area{image::kProfile2.first, 48}), kDefaultProfile);
}

TEST(FactoryImagesTest, PcMacroLibraryIsEmpty) {
  const auto library = FactoryResource("PCMacroData");
  ASSERT_EQ(library.size(), 27200u);
  EXPECT_EQ(std::count(library.begin(), library.end(), 0), 27200);
}

}  // namespace
}  // namespace orvane
