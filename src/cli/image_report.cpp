#include "cli/image_report.h"

#include "buttons/image_naming.h"

#include <cstdio>
#include <string>

#include "buttons/function_names.h"
#include "image/option_fields.h"
#include "skin/language_table.h"

namespace orvane::cli {

namespace {

std::string Hex(std::span<const std::uint8_t> bytes, const char* separator = "") {
  std::string out;
  char buf[4];
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i && *separator) out += separator;
    std::snprintf(buf, sizeof buf, "%02X", bytes[i]);
    out += buf;
  }
  return out;
}

std::string Hex16(std::uint16_t v) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%04X", v);
  return buf;
}

template <typename Bytes>
std::span<const std::uint8_t> Slice(const Bytes& bytes, std::size_t first, std::size_t size) {
  return std::span<const std::uint8_t>(bytes.data() + first, size);
}

ReportNode Colours(const Mirror& m, const Area& area) {
  ReportNode list = ReportNode::Array();
  for (std::size_t at = area.first; at < area.end(); at += 3) list.Push(Hex(Slice(m, at, 3)));
  return list;
}

ReportNode VendorSection(const Mirror& m) {
  ReportNode v = ReportNode::Object();
  v.Add("usb_vendor_id", Hex16(ReadBe16(m, image::kUsbVendorId)));
  v.Add("usb_product_id", Hex16(ReadBe16(m, image::kUsbProductId)));
  ReportNode& options = v.Add("options", ReportNode::Object());
  for (const OptionField& f : OptionFields()) {
    const std::uint8_t value = f.ValueIn(m[f.offset]);
    ReportNode& field = options.Add(std::string(f.control), ReportNode::Object());
    field.Add("value", static_cast<int>(value));
    field.Add("text", std::string(f.TextFor(value)));
  }
  ReportNode& registers = v.Add("sensor_registers", ReportNode::Object());
  const auto names = SensorRegisterControls();
  for (std::size_t i = 0; i < names.size(); ++i)
    registers.Add(std::string(names[i]), Hex(Slice(m, image::kSensorRegisters.first + i, 1)));
  v.Add("led_init_0", Hex(Slice(m, image::kLedInit0, 1)));
  v.Add("led_init_1", Hex(Slice(m, image::kLedInit1, 1)));
  v.Add("lighting_mode_mask", Hex(Slice(m, image::kLightingModeMask, 1)));
  v.Add("dpi_levels", static_cast<int>(m[image::kDpiLevelCountMinus1]) + 1);
  ReportNode& indexes = v.Add("dpi_value_indexes", ReportNode::Array());
  for (int level = 0; level < 8; ++level) {
    const std::uint8_t byte = m[image::kDpiValueIndexes.first + static_cast<std::size_t>(level / 2)];
    indexes.Push(static_cast<int>(level % 2 ? byte >> 4 : byte & 0x0F));
  }
  v.Add("breath_lower", static_cast<int>(ReadBe16(m, image::kBreathLower)));
  v.Add("breath_upper", static_cast<int>(ReadBe16(m, image::kBreathUpper)));
  v.Add("breath_lower_time", static_cast<int>(ReadBe16(m, image::kBreathLowerTime)));
  v.Add("breath_upper_time", static_cast<int>(ReadBe16(m, image::kBreathUpperTime)));
  v.Add("led_step_time", static_cast<int>(m[image::kLedStepTime]));
  v.Add("lighting_colours", Colours(m, image::kLightingColours));
  v.Add("dpi_colours", Colours(m, image::kDpiColours));
  std::string product;
  for (std::size_t i = 0; i < image::kUsbProductString.size; ++i) {
    const char c = static_cast<char>(m[image::kUsbProductString.first + i]);
    if (c == 0) break;
    product += c;
  }
  v.Add("usb_product_string", product);
  v.Add("checksum", Hex(Slice(m, image::kVendorSection.checksumOffset(), 1)));
  return v;
}

ReportNode UserSection(const Mirror& m) {
  static const char* const kModes[] = {"Office Mode", "Game Mode", "Third Mode"};
  ReportNode u = ReportNode::Object();
  const int mode = m[image::kModeAndProfileColour] & 0x0F;
  u.Add("mode", mode);
  u.Add("mode_name", mode < 3 ? kModes[mode] : "");
  u.Add("profile_colour", static_cast<int>(m[image::kModeAndProfileColour] >> 4));
  u.Add("led_mode_byte", Hex(Slice(m, image::kLedModeByte, 1)));
  u.Add("current_dpi_level", static_cast<int>(m[image::kCurrentDpiLevel]));
  u.Add("button_effect", static_cast<int>(m[image::kButtonEffect]));
  u.Add("mode_byte", static_cast<int>(m[image::kModeByte]));
  u.Add("offset_value", static_cast<int>(m[image::kOffsetValue]));
  for (const auto& [name, area] : {std::pair{"x_offsets", image::kXOffsets}, std::pair{"y_offsets", image::kYOffsets}}) {
    ReportNode& list = u.Add(name, ReportNode::Array());
    for (std::size_t at = area.first; at < area.end(); ++at) list.Push(static_cast<int>(static_cast<std::int8_t>(m[at])));
  }
  u.Add("checksum", Hex(Slice(m, image::kUserSection.checksumOffset(), 1)));
  return u;
}

// What naming needs from the image read: the fire keys of the info block and the mouse's
// type. The fire macro file and the mouse's macro list are not loaded here, so gun codes are
// named by their gun and macro references stay unnamed.
ReportNode Codes(const Mirror& m, std::size_t first, std::size_t count, CodeNameContext& naming) {
  ReportNode list = ReportNode::Array();
  for (std::size_t i = 0; i < count; ++i) {
    const FunctionCode code = FunctionCode::FromBytes(Slice(m, first + 4 * i, 4).first<4>());
    ReportNode& entry = list.Push(ReportNode::Object());
    entry.Add("code", code.Text());
    entry.Add("name", FunctionCodeName(code, naming));
  }
  return list;
}

ReportNode InfoBlock(const Mirror& m) {
  ReportNode info = ReportNode::Object();
  info.Add("customer_vendor_id", static_cast<int>(m[image::kCustomerVendorId]));
  info.Add("customer_product_id", static_cast<int>(m[image::kCustomerProductId]));
  ReportNode& keys = info.Add("fire_keys", ReportNode::Array());
  for (int k = 1; k <= 3; ++k) {
    ReportNode& key = keys.Push(ReportNode::Object());
    key.Add("count", static_cast<int>(m[image::FireKeyCountOffset(k)]) + 1);
    key.Add("time", static_cast<int>(ReadBe16(m, image::FireKeyTimeOffset(k))));
  }
  info.Add("type_code", static_cast<int>(m[image::kInfoTypeCode]));
  return info;
}

}  // namespace

ReportNode BuildImageReport(const MouseSession& session, int languageIndex) {
  const ImageState& s = session.State();
  const Mirror& m = s.ImageMirror;
  const LanguageSet languages = LanguageSet::LoadBuiltIn();
  CodeNameContext naming =
      NamingContextFromImage(m, session.DeviceICType(), languages.Table(languageIndex));
  naming.refreshUnderWay = true;  // nothing on screen to tick
  ReportNode root = ReportNode::Object();
  root.Add("device_type", std::string(DeviceTypeName(session.DeviceICType())));
  root.Add("vendor", VendorSection(m));
  root.Add("user", UserSection(m));
  root.Add("profile1", Codes(m, image::kProfile1.first, image::kButtonCount, naming));
  root.Add("profile2", Codes(m, image::kProfile2.first, image::kButtonCount, naming));
  root.Add("combination_keys", Codes(m, image::kComboKeys.first, image::kComboKeyCount, naming));
  root.Add("info_block", InfoBlock(m));
  ReportNode& guns = root.Add("gun_table", ReportNode::Array());
  for (std::size_t g = 0; g < image::kGunCount; ++g)
    guns.Push(Hex(Slice(s.gunTable, g * image::kGunEntrySize, image::kGunEntrySize), " "));
  ReportNode& macros = root.Add("device_macro_area", ReportNode::Array());
  for (std::size_t row = 0; row < image::kDeviceMacroArea.size; row += 16)
    macros.Push(Hex(Slice(s.deviceMacroMirror, row, 16), " "));
  root.Add("patch_check_value", Hex16(PatchCheckValue(s)));
  const RepairReport& r = session.LastRepairs();
  ReportNode& repaired = root.Add("repaired_sections", ReportNode::Array());
  for (const auto& [name, flag] : {std::pair{"vendor", r.vendor}, std::pair{"user", r.user},
                                   std::pair{"profile1", r.profile1}, std::pair{"profile2", r.profile2}})
    if (flag) repaired.Push(name);
  return root;
}

}  // namespace orvane::cli
