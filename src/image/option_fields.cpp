#include "image/option_fields.h"

#include <iterator>

namespace orvane {

namespace {
constexpr OptionEntry kICType[] = {{"Wren", 0}, {"Egret", 1}, {"Quill", 2}, {"Heron", 3}};
constexpr OptionEntry kRepRate[] = {{"125Hz", 0}, {"250Hz", 1}, {"500Hz", 2}, {"1000Hz", 3}};
constexpr OptionEntry kDisableEnable[] = {{"Disable", 0}, {"Enable", 1}};
constexpr OptionEntry kEnableDisable[] = {{"Enable", 0}, {"Disable", 1}};
constexpr OptionEntry kPackage[] = {{"A-Tech LED", 0}, {"Single LED", 2}, {"RGB LED", 3}};
constexpr OptionEntry kCPIIndication[] = {{"No Indication", 1}, {"Fade ", 2}, {"Flash", 3}};
constexpr OptionEntry kCPISet[] = {{"800,1200,1600,2400", 3}, {"600,1200,2400,4800", 2},
                                   {"1000,2400,3200,6000", 1}, {"400,800,1600,2400", 0}};
constexpr OptionEntry kCPILevel[] = {{"1st", 0}, {"4th", 1}, {"3rd", 2}, {"2nd", 3}};
constexpr OptionEntry kSensorRotation[] = {{"270°", 0}, {"180°", 1}, {"90°", 2}, {"0 °", 3}};
constexpr OptionEntry kCPIPrescale[] = {{"1.00x", 3}, {"1.12x", 1}, {"1.25x", 2}, {"1.33x", 0}};
constexpr OptionEntry kFireKeyFreq[] = {{"Random", 0}, {"3Hz", 1}, {"4Hz", 2}, {"5Hz", 3}};
constexpr OptionEntry kFireKeyCount[] = {{"Continue", 0}, {"4 times", 1}, {"3 times", 2}, {"2 times", 3}};
constexpr OptionEntry kLEDCtrl0[] = {{"open drain", 0}, {"drive high", 1}};
constexpr OptionEntry kLEDCtrl1[] = {{"high active", 0}, {"low active", 1}};
constexpr OptionEntry kLEDModeFuse[] = {{"1/F3(ZK LED)", 0}, {"2/F2(ZK LED)", 1},
                                        {"5/F1(ZK LED)", 2}, {"4/2(28s Sync LED)", 3}};
constexpr OptionEntry kComboKeyTime[] = {{"2s", 0}, {"3s", 1}};
constexpr OptionEntry kUSBCDR[] = {{"CDR2", 0}, {"CDR1", 1}};
constexpr OptionEntry kLEDPower[] = {{"drive high", 0}, {"open drain", 1}};

using image::kOptions4, image::kOptions5, image::kOptions6, image::kOptions7, image::kOptions8;

const OptionField kFields[] = {
    {"cb_ICType", kOptions4, 6, 2, kICType},
    {"cb_RepRate", kOptions4, 4, 2, kRepRate},
    {"cb_SensorEnhance", kOptions4, 3, 1, kDisableEnable},
    {"cb_Package", kOptions5, 6, 2, kPackage},
    {"cb_CPIIndication", kOptions5, 4, 2, kCPIIndication, OptionEntry{"No Indication", 0}},
    {"cb_CPISet", kOptions5, 2, 2, kCPISet},
    {"cb_CPILevel", kOptions5, 0, 2, kCPILevel},
    {"cb_SensorRotation", kOptions6, 6, 2, kSensorRotation},
    {"cb_CPIPrescaleSel", kOptions6, 4, 2, kCPIPrescale},
    {"cb_FireKeyFreq", kOptions6, 2, 2, kFireKeyFreq},
    {"cb_FireKeyCount", kOptions6, 0, 2, kFireKeyCount},
    {"cb_LEDCtrl0", kOptions7, 7, 1, kLEDCtrl0},
    {"cb_LEDCtrl1", kOptions7, 6, 1, kLEDCtrl1},
    {"cb_LEDModeFuse", kOptions7, 4, 2, kLEDModeFuse},
    {"cb_ComboKeyTime", kOptions7, 3, 1, kComboKeyTime},
    {"cb_USBCDR", kOptions7, 2, 1, kUSBCDR},
    {"cb_SensorSleep", kOptions7, 1, 1, kEnableDisable},
    {"cb_LEDPower", kOptions7, 0, 1, kLEDPower},
    {"cb_EFTrelyNAK", kOptions8, 3, 1, kDisableEnable},
    {"cb_EFTrelug", kOptions8, 2, 1, kDisableEnable},
    {"cb_KeepProfileInfo", kOptions8, 1, 1, kDisableEnable},
    {"cb_ProfileLEDFlash", kOptions8, 0, 1, kDisableEnable},
};
}  // namespace

int OptionField::EntryFor(std::uint8_t value) const {
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (entries[i].value == value) return static_cast<int>(i);
  if (alias && alias->value == value) {
    for (std::size_t i = 0; i < entries.size(); ++i)
      if (entries[i].text == alias->text) return static_cast<int>(i);
  }
  return -1;
}

std::string_view OptionField::TextFor(std::uint8_t value) const {
  const int entry = EntryFor(value);
  return entry < 0 ? std::string_view{} : entries[static_cast<std::size_t>(entry)].text;
}

std::span<const OptionField> OptionFields() { return kFields; }

const OptionField* FindOptionField(std::string_view control) {
  for (const OptionField& f : kFields)
    if (f.control == control) return &f;
  return nullptr;
}

}  // namespace orvane

namespace orvane {
namespace {
constexpr std::string_view kSensorRegisterControls[] = {
    "edt_Avg_lb_lq", "edt_Avg_hb_lq", "edt_Avg_tg_lq", "edt_Avg_lb", "edt_Avg_hb", "edt_Avg_tg",
    "edt_MiscBitCfg", "edt_HSqDcrDiv_LSqDcrDiv", "edt_LfBpsShlThr", "edt_LfHfsqThr",
    "edt_CrpThrGain1Sql", "edt_CrpThrGain1Sqh", "edt_CrpThrGain2Sql", "edt_CrpThrGain2Sqh",
    "edt_CrpThrGain4Sql", "edt_CrpThrGain4Sqh", "edt_CrpThrGain8Sqx",
    "edt_BpGainThr_LandThrWeight", "edt_CrpCntThr_LftBpsGainThr", "edt_HsqCorBit_LsqCorBit",
    "edt_LftCorBitAvgThr", "edt_SubpixCorBit_MaxGain", "edt_MaxShut", "edt_LandCntThr",
    "edt_LiftCntThr", "edt_CorBitHfsqThr", "edt_illumXledAvgThr", "edt_BpHfsqThr",
    "edt_HgLsqCorBit_LgLsqCorBit", "edt_HgLsqThr", "edt_Misc_G8CorBit"};
static_assert(std::size(kSensorRegisterControls) == image::kSensorRegisters.size);
}  // namespace
std::span<const std::string_view> SensorRegisterControls() { return kSensorRegisterControls; }
}  // namespace orvane
