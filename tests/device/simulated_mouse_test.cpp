#include "device/simulated_mouse.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "image/checksum.h"

namespace orvane {
namespace {

using Bytes8 = std::array<std::uint8_t, 8>;
using Reply = std::array<std::uint8_t, 7>;

// An image whose bytes tell their offsets apart, with USB ids 1234:5678.
Image PatternImage() {
  Image image{};
  for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 7 + 3);
  WriteBe16(image, 0, 0x1234);
  WriteBe16(image, 2, 0x5678);
  return image;
}

class SimulatedMouseTest : public ::testing::Test {
 public:
  void Make(SimulatedMouseConfig config) {
    mouse_ = std::make_unique<SimulatedMouse>(clock_, std::move(config));
    query_ = mouse_->OpenQuery(kSimVendorPath);
    ASSERT_NE(query_, kInvalidHandle);
  }
  void MakePattern() {
    SimulatedMouseConfig config;
    config.image = PatternImage();
    Make(config);
  }

  bool Send(const Bytes8& report) { return mouse_->SetFeature(query_, report); }
  bool Command(std::uint8_t code, std::uint8_t b2 = 0, std::uint8_t b3 = 0, std::uint8_t b4 = 0,
               std::uint8_t b5 = 0, std::uint8_t b6 = 0, std::uint8_t b7 = 0) {
    return Send({0x40, code, b2, b3, b4, b5, b6, b7});
  }
  bool Data(const Reply& d) { return Send({0x41, d[0], d[1], d[2], d[3], d[4], d[5], d[6]}); }
  // Fetches one reply; a failed fetch gives seven 0xEE bytes.
  Reply Fetch(HidHandle handle = kInvalidHandle) {
    Bytes8 report{0x41};
    if (!mouse_->GetFeature(handle == kInvalidHandle ? query_ : handle, report)) {
      Reply failed;
      failed.fill(0xEE);
      return failed;
    }
    EXPECT_EQ(report[0], 0x41);
    Reply reply;
    std::copy(report.begin() + 1, report.end(), reply.begin());
    return reply;
  }
  std::uint8_t ImageAt(std::size_t offset) const { return mouse_->Image()[offset]; }

  VirtualClock clock_;
  std::unique_ptr<SimulatedMouse> mouse_;
  HidHandle query_ = kInvalidHandle;
};

Reply PatternBytes(std::size_t from, std::size_t count) {
  const Image image = PatternImage();
  Reply r{};
  for (std::size_t i = 0; i < count; ++i) r[i] = from + i < kImageSize ? image[from + i] : 0xFF;
  return r;
}

constexpr Reply kZeroReply{};

// ---- Interfaces and handles ----

TEST_F(SimulatedMouseTest, EnumeratesPlainMouseThenVendorInterfaceWithImageIds) {
  MakePattern();
  const auto list = mouse_->Enumerate();
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].path, kSimMousePath);
  EXPECT_EQ(list[0].featureReportLength, 0);
  EXPECT_EQ(list[0].inputReportLength, 5);
  EXPECT_EQ(list[1].path, kSimVendorPath);
  EXPECT_EQ(list[1].featureReportLength, 8);
  EXPECT_EQ(list[1].inputReportLength, 8);
  for (const auto& info : list) {
    EXPECT_EQ(info.vendorId, 0x1234);
    EXPECT_EQ(info.productId, 0x5678);
  }
}

TEST_F(SimulatedMouseTest, ForeignDeviceIsListedAndIgnoresFeatureReports) {
  SimulatedMouseConfig config;
  config.image = PatternImage();
  config.foreignDevice = true;
  Make(config);
  const auto list = mouse_->Enumerate();
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].path, kSimForeignPath);
  EXPECT_EQ(list[0].vendorId, kSimForeignVendorId);
  EXPECT_EQ(list[0].featureReportLength, 8);

  const HidHandle other = mouse_->OpenQuery(kSimForeignPath);
  ASSERT_NE(other, kInvalidHandle);
  EXPECT_TRUE(mouse_->SetFeature(other, Bytes8{0x40, 0x05, 0, 10, 0xAA, 0, 0, 1}));
  EXPECT_EQ(ImageAt(10), PatternImage()[10]);
  EXPECT_EQ(mouse_->SetFeatureCount(), 0u);

  // It is another device: it stays when the mouse goes.
  mouse_->Unplug();
  ASSERT_EQ(mouse_->Enumerate().size(), 1u);
  EXPECT_TRUE(mouse_->SetFeature(other, Bytes8{0x40, 0x0D}));
}

TEST_F(SimulatedMouseTest, OpeningGivesFreshHandlesOnlyForPresentPaths) {
  MakePattern();
  const HidHandle a = mouse_->OpenQuery(kSimVendorPath);
  const HidHandle b = mouse_->OpenReadWrite(kSimVendorPath);
  EXPECT_NE(a, kInvalidHandle);
  EXPECT_NE(a, b);
  EXPECT_NE(a, query_);
  EXPECT_EQ(mouse_->OpenQuery("sim:nothing"), kInvalidHandle);
  EXPECT_EQ(mouse_->OpenQuery(kSimForeignPath), kInvalidHandle);  // not configured
  EXPECT_FALSE(mouse_->LastError().empty());
}

TEST_F(SimulatedMouseTest, RejectsMalformedFeatureReports) {
  MakePattern();
  const HidHandle plain = mouse_->OpenQuery(kSimMousePath);
  const std::array<std::uint8_t, 9> longReport{0x40, 0x0D};
  Bytes8 wrongFetchId{0x40};

  EXPECT_FALSE(mouse_->SetFeature(query_, std::span(longReport)));
  EXPECT_FALSE(mouse_->SetFeature(query_, std::span(longReport).first(7)));
  EXPECT_FALSE(Send({0x42, 0x0D}));
  EXPECT_FALSE(mouse_->GetFeature(query_, wrongFetchId));
  EXPECT_FALSE(mouse_->SetFeature(plain, Bytes8{0x40, 0x0D}));  // no feature reports there
  EXPECT_FALSE(mouse_->SetFeature(kInvalidHandle, Bytes8{0x40, 0x0D}));
  EXPECT_FALSE(mouse_->SetFeature(12345, Bytes8{0x40, 0x0D}));
  EXPECT_EQ(mouse_->Image(), PatternImage());
}

// ---- Reads ----

TEST_F(SimulatedMouseTest, BlockReadIsChunkedIntoSevenBytesWithZeroFiller) {
  MakePattern();
  ASSERT_TRUE(Command(0x09, 0x01, 0x54, 0x00, 0x0C));  // 12 bytes at 340
  EXPECT_EQ(Fetch(), PatternBytes(340, 7));
  EXPECT_EQ(Fetch(), PatternBytes(347, 5));
  EXPECT_EQ(Fetch(), kZeroReply);  // nothing pending

  ASSERT_TRUE(Command(0x09, 0x00, 0x00, 0x00, 0x0E));  // exactly two full pieces
  EXPECT_EQ(Fetch(), PatternBytes(0, 7));
  EXPECT_EQ(Fetch(), PatternBytes(7, 7));
  EXPECT_EQ(Fetch(), kZeroReply);
}

TEST_F(SimulatedMouseTest, WholeImageReadTakes293Replies) {
  MakePattern();
  ASSERT_TRUE(Command(0x09, 0x00, 0x00, 0x08, 0x00));
  Image read{};
  for (std::size_t piece = 0; piece < 293; ++piece) {
    const Reply r = Fetch();
    for (std::size_t i = 0; i < 7 && piece * 7 + i < kImageSize; ++i) read[piece * 7 + i] = r[i];
  }
  EXPECT_EQ(read, PatternImage());
  EXPECT_EQ(Fetch(), kZeroReply);
}

TEST_F(SimulatedMouseTest, AddressesPastTheImageReadAsFF) {
  MakePattern();
  ASSERT_TRUE(Command(0x09, 0x07, 0xFC, 0x00, 0x07));  // 2044..2050
  const Image image = PatternImage();
  EXPECT_EQ(Fetch(), (Reply{image[2044], image[2045], image[2046], image[2047], 0xFF, 0xFF, 0xFF}));
}

TEST_F(SimulatedMouseTest, ParameterReadTakesItsLengthFromByteFive) {
  MakePattern();
  // Byte 4 is not part of the length: 28 bytes, not 0x011C.
  ASSERT_TRUE(Command(0x06, 0x00, 0xA4, 0x01, 0x1C));
  for (std::size_t piece = 0; piece < 4; ++piece) EXPECT_EQ(Fetch(), PatternBytes(164 + 7 * piece, 7));
  EXPECT_EQ(Fetch(), kZeroReply);
}

TEST_F(SimulatedMouseTest, NewCommandAbandonsPendingReplies) {
  MakePattern();
  ASSERT_TRUE(Command(0x09, 0x00, 0x00, 0x00, 0x15));
  EXPECT_EQ(Fetch(), PatternBytes(0, 7));
  ASSERT_TRUE(Command(0x0D));
  EXPECT_EQ(Fetch(), (Reply{0, 0x5A, 0xC0, 0, 0, 0, 0}));
  EXPECT_EQ(Fetch(), kZeroReply);
}

// ---- Writes ----

TEST_F(SimulatedMouseTest, BlockWriteStoresOnlyTheRequestedBytes) {
  MakePattern();
  ASSERT_TRUE(Command(0x07, 0x01, 0x22, 0x00, 0x0C));  // 12 bytes at 290
  ASSERT_TRUE(Data({1, 2, 3, 4, 5, 6, 7}));
  ASSERT_TRUE(Data({8, 9, 10, 11, 12, 0xAA, 0xBB}));  // last two are filler
  ASSERT_TRUE(Data({0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC}));  // nothing pending any more

  const Image image = mouse_->Image();
  for (int i = 0; i < 12; ++i) EXPECT_EQ(image[290 + i], i + 1) << i;
  EXPECT_EQ(image[302], PatternImage()[302]);
  EXPECT_EQ(image[303], PatternImage()[303]);
}

TEST_F(SimulatedMouseTest, BlockWritePastTheImageEndIsDropped) {
  MakePattern();
  ASSERT_TRUE(Command(0x07, 0x07, 0xFE, 0x00, 0x05));  // 2046..2050
  ASSERT_TRUE(Data({0x11, 0x22, 0x33, 0x44, 0x55, 0, 0}));
  Image expected = PatternImage();
  expected[2046] = 0x11;
  expected[2047] = 0x22;
  EXPECT_EQ(mouse_->Image(), expected);
}

TEST_F(SimulatedMouseTest, NewCommandAbandonsBlockWrite) {
  MakePattern();
  ASSERT_TRUE(Command(0x07, 0x00, 0x10, 0x00, 0x0E));
  ASSERT_TRUE(Data({1, 1, 1, 1, 1, 1, 1}));
  ASSERT_TRUE(Command(0x0D));
  ASSERT_TRUE(Data({2, 2, 2, 2, 2, 2, 2}));
  EXPECT_EQ(ImageAt(0x10), 1);
  EXPECT_EQ(ImageAt(0x17), PatternImage()[0x17]);
}

TEST_F(SimulatedMouseTest, ConfigurationWriteFormats) {
  struct Case {
    const char* name;
    Bytes8 report;
    std::vector<std::pair<std::size_t, std::uint8_t>> written;
  };
  const Case cases[] = {
      {"one byte", {0x40, 0x05, 0, 166, 3, 0x77, 0x77, 1}, {{166, 3}}},
      {"two bytes", {0x40, 0x05, 0, 0, 0x04, 0x6D, 0x77, 2}, {{0, 0x04}, {1, 0x6D}}},
      {"three bytes", {0x40, 0x05, 0, 255, 9, 8, 7, 3}, {{255, 9}, {256, 8}, {257, 7}}},
      {"count 0 writes nothing", {0x40, 0x05, 0, 20, 9, 8, 7, 0}, {}},
      {"count 4 writes nothing", {0x40, 0x05, 0, 20, 9, 8, 7, 4}, {}},
      {"format 1: four bytes", {0x40, 0x05, 1, 44, 0xA1, 0xB2, 0xC3, 0xD4},
       {{44, 0xA1}, {45, 0xB2}, {46, 0xC3}, {47, 0xD4}}},
      {"unknown format", {0x40, 0x05, 2, 44, 1, 2, 3, 3}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MakePattern();
    ASSERT_TRUE(Send(c.report));
    Image expected = PatternImage();
    for (const auto& [offset, value] : c.written) expected[offset] = value;
    EXPECT_EQ(mouse_->Image(), expected);
  }
}

TEST_F(SimulatedMouseTest, UnknownCommandChangesNothing) {
  MakePattern();
  EXPECT_TRUE(Command(0x03, 0x00, 0x10, 0x55, 0x55, 0x55, 0x55));
  EXPECT_TRUE(Command(0xFF, 0x00, 0x10, 0x55, 0x55, 0x55, 0x55));
  EXPECT_EQ(mouse_->Image(), PatternImage());
  EXPECT_EQ(Fetch(), kZeroReply);
  EXPECT_EQ(mouse_->Restarts(), 0);
}

TEST_F(SimulatedMouseTest, XDataWriteAndRead) {
  MakePattern();
  ASSERT_TRUE(Command(0x01, 0xFF, 0xFF, 0x5C));
  ASSERT_TRUE(Command(0x01, 0x00, 0x00, 0x11));
  ASSERT_TRUE(Command(0x02, 0xFF, 0xFF, 0, 1));
  EXPECT_EQ(Fetch(), (Reply{0x5C, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Fetch(), kZeroReply);
  const auto xdata = mouse_->XData();
  ASSERT_EQ(xdata.size(), 65536u);
  EXPECT_EQ(xdata[0xFFFF], 0x5C);
  EXPECT_EQ(xdata[0], 0x11);
  EXPECT_EQ(mouse_->Image(), PatternImage());  // a separate memory
}

// ---- Device information and customer ids ----

TEST_F(SimulatedMouseTest, DeviceInformationReply) {
  struct Case {
    const char* name;
    void (*setUp)(SimulatedMouseConfig&);
    Reply reply;
  };
  const Case cases[] = {
      {"I2C", [](SimulatedMouseConfig&) {}, {0, 0x5A, 0xC0, 0, 0, 0, 0}},
      {"QL840", [](SimulatedMouseConfig& c) { c.type = SimDeviceType::kQL840; },
       {0, 0x5A, 0x40, 0, 0, 26, 0}},
      {"status and marker",
       [](SimulatedMouseConfig& c) {
         c.status = 129;
         c.marker = 0x5B;
       },
       {129, 0x5B, 0xC0, 0, 0, 0, 0}},
      {"type byte and bytes 4, 5",
       [](SimulatedMouseConfig& c) {
         c.type = SimDeviceType::kQL840;
         c.typeByte = 0x41;
         c.info45 = InfoBytes45{1, 2};
       },
       {0, 0x5A, 0x41, 0, 1, 2, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SimulatedMouseConfig config;
    c.setUp(config);
    Make(config);
    ASSERT_TRUE(Command(0x0D));
    EXPECT_EQ(Fetch(), c.reply);
  }
}

TEST_F(SimulatedMouseTest, DeviceInformationChangesAtRunTime) {
  MakePattern();
  mouse_->SetStatus(1);
  mouse_->SetMarker(0);
  mouse_->SetTypeByte(0x00);
  mouse_->SetInfoBytes45(InfoBytes45{0, 26});
  ASSERT_TRUE(Command(0x0D));
  EXPECT_EQ(Fetch(), (Reply{1, 0, 0, 0, 0, 26, 0}));
}

TEST_F(SimulatedMouseTest, CustomerIdsGoIntoTheInfoBlockOfTheType) {
  for (const auto& [type, at] : {std::pair{SimDeviceType::kI2C, std::size_t{290}},
                                 std::pair{SimDeviceType::kQL840, std::size_t{340}}}) {
    SimulatedMouseConfig config;
    config.image = PatternImage();
    config.type = type;
    config.customerIds = CustomerIds{0x21, 0x43};
    Make(config);
    Image expected = PatternImage();
    expected[at] = 0x21;
    expected[at + 1] = 0x43;
    EXPECT_EQ(mouse_->Image(), expected);

    mouse_->SetCustomerIds({7, 8});
    EXPECT_EQ(ImageAt(at), 7);
    EXPECT_EQ(ImageAt(at + 1), 8);
  }
}

// ---- Restart, unplug ----

TEST_F(SimulatedMouseTest, RestartVanishesForTheRestartTimeAndReturnsWithImageIds) {
  SimulatedMouseConfig config;
  config.image = PatternImage();
  config.restartMs = 3000;
  Make(config);
  const HidHandle reader = mouse_->OpenReadWrite(kSimVendorPath);
  ASSERT_TRUE(Send({0x40, 0x05, 0, 0, 0xAB, 0xCD, 0, 2}));  // new vendor id
  ASSERT_TRUE(Command(0x07, 0x00, 0x10, 0x00, 0x0E));        // left pending
  ASSERT_TRUE(Command(0x0E));
  EXPECT_EQ(mouse_->Restarts(), 1);

  EXPECT_TRUE(mouse_->Enumerate().empty());
  EXPECT_FALSE(mouse_->Present());
  EXPECT_EQ(mouse_->OpenQuery(kSimVendorPath), kInvalidHandle);
  clock_.Advance(2999);
  EXPECT_TRUE(mouse_->Enumerate().empty());
  clock_.Advance(1);
  const auto list = mouse_->Enumerate();
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[1].vendorId, 0xABCD);
  EXPECT_EQ(list[1].productId, 0x5678);

  // Handles from before stay dead.
  EXPECT_FALSE(Command(0x0D));
  Bytes8 fetch{0x41};
  EXPECT_FALSE(mouse_->GetFeature(query_, fetch));
  Bytes8 input{};
  EXPECT_EQ(mouse_->ReadInput(reader, input, 0), ReadStatus::kGone);

  // The block write begun before the restart was dropped.
  query_ = mouse_->OpenQuery(kSimVendorPath);
  ASSERT_NE(query_, kInvalidHandle);
  ASSERT_TRUE(Data({9, 9, 9, 9, 9, 9, 9}));
  EXPECT_EQ(ImageAt(0x10), PatternImage()[0x10]);
}

TEST_F(SimulatedMouseTest, UnplugKillsHandlesAndPlugPowersUpWithImageIds) {
  MakePattern();
  ASSERT_TRUE(Send({0x40, 0x05, 0, 2, 0x00, 0x42, 0, 2}));  // new product id, not yet seen
  EXPECT_EQ(mouse_->Enumerate()[1].productId, 0x5678);
  mouse_->Unplug();
  EXPECT_TRUE(mouse_->Enumerate().empty());
  EXPECT_FALSE(mouse_->PressDpiKey(1));
  mouse_->Plug();
  EXPECT_FALSE(Command(0x0D));
  ASSERT_EQ(mouse_->Enumerate().size(), 2u);
  EXPECT_EQ(mouse_->Enumerate()[1].productId, 0x0042);
  EXPECT_EQ(mouse_->Restarts(), 0);
}

// ---- The mouse's keys and input reports ----

TEST_F(SimulatedMouseTest, DpiKeysMoveTheCurrentLevelWithinTheLevelCount) {
  struct Case {
    int code;
    std::uint8_t level;
    std::uint8_t lastIndex;  // byte 43
    std::uint8_t expected;
  };
  const Case cases[] = {
      {1, 0, 3, 1}, {1, 3, 3, 3},  // up stops at the last level
      {2, 2, 3, 1}, {2, 0, 3, 0},  // down stops at the first
      {4, 2, 3, 3}, {4, 3, 3, 0},  // cycle wraps
      {4, 0, 0, 0},                // one level only
      {1, 6, 3, 3}, {4, 9, 7, 0},  // a level beyond the count counts as the last
      {1, 7, 200, 7},              // no more than eight levels
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "code " << c.code << " level " << int(c.level)
                                    << " last " << int(c.lastIndex));
    SimulatedMouseConfig config;
    config.image[image::kDpiLevelCountMinus1] = c.lastIndex;
    config.image[image::kCurrentDpiLevel] = c.level;
    Make(config);
    ASSERT_TRUE(mouse_->PressDpiKey(c.code));
    EXPECT_EQ(ImageAt(image::kCurrentDpiLevel), c.expected);
  }
}

TEST_F(SimulatedMouseTest, KeyPressQueuesPressAndReleaseReports) {
  SimulatedMouseConfig config;
  config.image[image::kDpiLevelCountMinus1] = 3;
  Make(config);
  const HidHandle reader = mouse_->OpenReadWrite(kSimVendorPath);
  const HidHandle second = mouse_->OpenReadWrite(kSimVendorPath);
  const HidHandle plain = mouse_->OpenReadWrite(kSimMousePath);
  ASSERT_TRUE(mouse_->PressDpiKey(2));
  ASSERT_TRUE(mouse_->PressProfileKey());

  for (const HidHandle h : {reader, second}) {
    for (const Bytes8& want : {Bytes8{0x42, 0, 0, 2}, Bytes8{0x42}, Bytes8{0x42, 0, 0, 8},
                               Bytes8{0x42}}) {
      Bytes8 got{};
      ASSERT_EQ(mouse_->ReadInput(h, got, 0), ReadStatus::kOk);
      EXPECT_EQ(got, want);
    }
    Bytes8 none{};
    EXPECT_EQ(mouse_->ReadInput(h, none, 5), ReadStatus::kTimeout);
  }
  Bytes8 none{};
  EXPECT_EQ(mouse_->ReadInput(plain, none, 0), ReadStatus::kTimeout);
  EXPECT_EQ(mouse_->ReadInput(query_, none, 0), ReadStatus::kError);  // query handles read nothing
  EXPECT_FALSE(mouse_->PressDpiKey(3));
  EXPECT_FALSE(mouse_->PressDpiKey(8));
}

TEST_F(SimulatedMouseTest, ProfileKeyTogglesModeKeepingTheColourNibble) {
  SimulatedMouseConfig config;
  config.image[image::kModeAndProfileColour] = 0x30;
  Make(config);
  ASSERT_TRUE(mouse_->PressProfileKey());
  EXPECT_EQ(ImageAt(164), 0x31);
  ASSERT_TRUE(mouse_->PressProfileKey());
  EXPECT_EQ(ImageAt(164), 0x30);
}

TEST_F(SimulatedMouseTest, KeysKeepASoundUserChecksumSound) {
  SimulatedMouseConfig config;
  config.image[image::kDpiLevelCountMinus1] = 3;
  SetSectionChecksum(config.image, image::kUserSection);
  Make(config);
  ASSERT_TRUE(mouse_->PressDpiKey(1));
  ASSERT_TRUE(mouse_->PressProfileKey());
  EXPECT_TRUE(SectionChecksumValid(mouse_->Image(), image::kUserSection));

  // A broken section is not mended behind the tool's back.
  config.image[image::kUserSection.checksumOffset()] ^= 1;
  Make(config);
  ASSERT_TRUE(mouse_->PressDpiKey(1));
  EXPECT_EQ(ImageAt(191), config.image[191]);
}

TEST_F(SimulatedMouseTest, BlockedReaderDoesNotBlockFeatureReports) {
  MakePattern();
  const HidHandle reader = mouse_->OpenReadWrite(kSimVendorPath);
  std::atomic<bool> done{false};
  Bytes8 got{};
  ReadStatus status = ReadStatus::kError;
  std::thread thread([&] {
    status = mouse_->ReadInput(reader, got, -1);
    done = true;
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(20));  // let it block
  for (int i = 0; i < 50; ++i) {
    ASSERT_TRUE(Command(0x09, 0x01, 0x54, 0x00, 0x0C));
    EXPECT_EQ(Fetch(), PatternBytes(340, 7));
  }
  EXPECT_FALSE(done.load());
  ASSERT_TRUE(mouse_->PressDpiKey(4));
  thread.join();
  EXPECT_EQ(status, ReadStatus::kOk);
  EXPECT_EQ(got, (Bytes8{0x42, 0, 0, 4}));
}

TEST_F(SimulatedMouseTest, ReaderWakesWithGoneWhenTheHandleOrMouseGoes) {
  struct Case {
    const char* name;
    void (*end)(SimulatedMouseTest&, HidHandle reader);
  };
  const Case cases[] = {
      {"close", [](SimulatedMouseTest& t, HidHandle reader) { t.mouse_->Close(reader); }},
      {"unplug", [](SimulatedMouseTest& t, HidHandle) { t.mouse_->Unplug(); }},
      {"restart", [](SimulatedMouseTest& t, HidHandle) { ASSERT_TRUE(t.Command(0x0E)); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MakePattern();
    const HidHandle reader = mouse_->OpenReadWrite(kSimVendorPath);
    ReadStatus status = ReadStatus::kOk;
    std::thread thread([&] {
      Bytes8 buffer{};
      status = mouse_->ReadInput(reader, buffer, -1);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    c.end(*this, reader);
    thread.join();
    EXPECT_EQ(status, ReadStatus::kGone);
    Bytes8 buffer{};
    EXPECT_EQ(mouse_->ReadInput(reader, buffer, 0), ReadStatus::kGone);
  }
}

// ---- Faults ----

class SimulatedMouseFaultTest : public SimulatedMouseTest {
 public:
  // 'S'/'s' a set that worked/failed, 'G'/'g' the same for gets.
  std::string Run(int rounds) {
    std::string log;
    for (int i = 0; i < rounds; ++i) {
      log += Command(0x0D) ? 'S' : 's';
      log += Fetch() == Reply{0, 0x5A, 0xC0, 0, 0, 0, 0} ? 'G' : 'g';
    }
    return log;
  }
};

TEST_F(SimulatedMouseFaultTest, InjectedFailures) {
  struct Case {
    const char* name;
    std::vector<SimFault> faults;
    const char* log;
    bool presentAfter;
  };
  const Case cases[] = {
      {"none", {}, "SGSGSG", true},
      {"second send", {FailSend(2)}, "SGsgSG", true},
      {"sends from the second", {FailSendsFrom(2)}, "SGsgsg", true},
      {"third fetch", {FailFetch(3)}, "SGSGSg", true},
      {"two rules", {FailSend(1), FailFetch(2)}, "sgSgSG", true},
      {"unplug after three reports", {UnplugAfter(3)}, "SGSgsg", false},
      {"every report from the fourth", {{FaultCounter::kReport, 4, kForever, FaultAction::kFail}},
       "SGSgsg", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SimulatedMouseConfig config;
    config.faults = c.faults;
    Make(config);
    EXPECT_EQ(Run(3), c.log);
    EXPECT_EQ(mouse_->Present(), c.presentAfter);
  }
}

TEST_F(SimulatedMouseFaultTest, FailedSendDoesNotReachTheMouse) {
  SimulatedMouseConfig config;
  config.image = PatternImage();
  config.faults = {FailSend(2)};
  Make(config);
  ASSERT_TRUE(Command(0x07, 0x00, 0x10, 0x00, 0x0E));
  EXPECT_FALSE(Data({1, 1, 1, 1, 1, 1, 1}));  // lost
  ASSERT_TRUE(Data({2, 2, 2, 2, 2, 2, 2}));   // becomes the first piece
  EXPECT_EQ(ImageAt(0x10), 2);
  EXPECT_EQ(ImageAt(0x17), PatternImage()[0x17]);
}

TEST_F(SimulatedMouseFaultTest, FailedFetchLosesOnlyItsOwnPiece) {
  SimulatedMouseConfig config;
  config.image = PatternImage();
  config.faults = {FailFetch(1)};
  Make(config);
  ASSERT_TRUE(Command(0x09, 0x00, 0x00, 0x00, 0x0E));
  Reply failed;
  failed.fill(0xEE);
  EXPECT_EQ(Fetch(), failed);
  EXPECT_EQ(Fetch(), PatternBytes(7, 7));
}

TEST_F(SimulatedMouseFaultTest, FaultsChangeAtRunTime) {
  MakePattern();
  EXPECT_EQ(Run(1), "SG");
  mouse_->AddFault(FailSend(mouse_->SetFeatureCount() + 1));
  EXPECT_EQ(Run(2), "sgSG");
  mouse_->SetFaults({UnplugAfter(mouse_->ReportCount() + 1)});
  EXPECT_EQ(Run(1), "Sg");
  EXPECT_FALSE(mouse_->Present());
  EXPECT_EQ(mouse_->SetFeatureCount(), 4u);
  EXPECT_EQ(mouse_->GetFeatureCount(), 3u);  // the last fetch found no mouse
}

TEST_F(SimulatedMouseFaultTest, LatencyRunsOnTheClock) {
  SimulatedMouseConfig config;
  config.latencyMs = 4;
  Make(config);
  EXPECT_EQ(Run(2), "SGSG");
  EXPECT_EQ(clock_.NowMs(), 16);
  mouse_->SetLatencyMs(0);
  EXPECT_EQ(Run(1), "SG");
  EXPECT_EQ(clock_.NowMs(), 16);
}

}  // namespace
}  // namespace orvane
