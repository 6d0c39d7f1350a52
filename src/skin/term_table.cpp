#include "skin/term_table.h"

#include <cstdlib>

namespace orvane {
namespace {

// Term id, then the English, (empty) and simplified Chinese texts.
constexpr TermEntry kTerms[] = {
    {0, {"Office Mode", "", "办公模式"}},
    {1, {"Gaming Mode", "", "游戏模式"}},
    {2, {"Profile3", "", "配置3"}},
    {3, {"Advanced", "", "高级"}},
    {4, {"Breathing Light", "", "呼吸灯"}},
    {5, {"Macro", "", "宏"}},
    {6, {"Update", "", "更新"}},
    {7, {"Engineer Mode", "", "工程模式"}},
    {8, {"Load", "", "载入"}},
    {9, {"Save", "", "保存"}},
    {10, {"Default", "", "默认"}},
    {11, {"Import Base Macro", "", "导入基本宏"}},
    {12, {"Import Fire Macro", "", "导入射击宏"}},
    {13, {"Load Patch Code", "", "载入补丁代码"}},
    {14, {"LED Setting", "", "灯光设置"}},
    {15, {"LED Mode:", "", "灯光模式："}},
    {16, {"LED Type:", "", "灯光类型："}},
    {17, {"LED Number:", "", "灯珠数量："}},
    {18, {"RGB LED", "", "RGB 灯"}},
    {19, {"Sync LED", "", "同步灯"}},
    {20, {"BMR LED", "", "BMR 灯"}},
    {21, {"MCU LED", "", "MCU 灯"}},
    {22, {"LED Step:", "", "灯光步进："}},
    {23, {"LED Light Mode:", "", "亮度模式："}},
    {24, {"Half Light", "", "半亮"}},
    {25, {"All Light", "", "全亮"}},
    {26, {"CPI LED Number", "", "CPI 指示灯数量"}},
    {27, {"LED Breath Step", "", "呼吸步进"}},
    {28, {"Off", "", "关闭"}},
    {29, {"Random", "", "随机"}},
    {30, {"Sequence", "", "顺序"}},
    {31, {"Fixed", "", "固定"}},
    {32, {"Blend", "", "混色"}},
    {33, {"CPI Breath", "", "CPI 呼吸"}},
    {34, {"Sync Breath", "", "同步呼吸"}},
    {35, {"Sync No-breath", "", "同步常亮"}},
    {36, {"Random", "", "随机"}},
    {37, {"Blend", "", "混色"}},
    {38, {"Fixed", "", "固定"}},
    {39, {"CPI Breath", "", "CPI 呼吸"}},
    {40, {"CPI Breath", "", "CPI 呼吸"}},
    {41, {"Colorful Light", "", "炫彩灯光"}},
    {42, {"Rainbow", "", "彩虹"}},
    {43, {"Floe Light", "", "浮冰灯光"}},
    {44, {"Waltz Light", "", "华尔兹灯光"}},
    {45, {"4-Seasons", "", "四季"}},
    {46, {"LED Mode Select", "", "灯光模式选择"}},
    {47, {"CPI", "", "CPI"}},
    {48, {"CPI Steps:", "", "CPI 档数："}},
    {49, {"Current CPI:", "", "当前 CPI："}},
    {50, {"CPI 1:", "", "CPI 1："}},
    {51, {"CPI 2:", "", "CPI 2："}},
    {52, {"CPI 3:", "", "CPI 3："}},
    {53, {"CPI 4:", "", "CPI 4："}},
    {54, {"CPI 5:", "", "CPI 5："}},
    {55, {"CPI 6:", "", "CPI 6："}},
    {56, {"CPI 7:", "", "CPI 7："}},
    {57, {"CPI 8:", "", "CPI 8："}},
    {58, {"Fire Key", "", "连发键"}},
    {59, {"Fire Key 1:", "", "连发键 1："}},
    {60, {"Fire Key 2:", "", "连发键 2："}},
    {61, {"Fire Key 3:", "", "连发键 3："}},
    {62, {"Repeat", "", "重复次数"}},
    {63, {"Time (*1ms)", "", "时间（×1ms）"}},
    {64, {"Continue", "", "持续"}},
    {65, {"VID/PID/USB Description", "", "VID/PID/USB 描述"}},
    {66, {"VID:", "", "VID："}},
    {67, {"(Hex)", "", "（十六进制）"}},
    {68, {"PID:", "", "PID："}},
    {69, {"(Hex)", "", "（十六进制）"}},
    {70, {"USB Description:", "", "USB 描述："}},
    {71, {"LED Color", "", "灯光颜色"}},
    {72, {"Color1 R:", "", "颜色1 R："}},
    {73, {"Color1 G:", "", "颜色1 G："}},
    {74, {"Color1 B:", "", "颜色1 B："}},
    {75, {"Color2 R:", "", "颜色2 R："}},
    {76, {"Color2 G:", "", "颜色2 G："}},
    {77, {"Color2 B:", "", "颜色2 B："}},
    {78, {"Color3 R:", "", "颜色3 R："}},
    {79, {"Color3 G:", "", "颜色3 G："}},
    {80, {"Color3 B:", "", "颜色3 B："}},
    {81, {"Color4 R:", "", "颜色4 R："}},
    {82, {"Color4 G:", "", "颜色4 G："}},
    {83, {"Color4 B:", "", "颜色4 B："}},
    {84, {"Color5 R:", "", "颜色5 R："}},
    {85, {"Color5 G:", "", "颜色5 G："}},
    {86, {"Color5 B:", "", "颜色5 B："}},
    {87, {"Color6 R:", "", "颜色6 R："}},
    {88, {"Color6 G:", "", "颜色6 G："}},
    {89, {"Color6 B:", "", "颜色6 B："}},
    {90, {"Color7 R:", "", "颜色7 R："}},
    {91, {"Color7 G:", "", "颜色7 G："}},
    {92, {"Color7 B:", "", "颜色7 B："}},
    {93, {"Color8 R:", "", "颜色8 R："}},
    {94, {"Color8 G:", "", "颜色8 G："}},
    {95, {"Color8 B:", "", "颜色8 B："}},
    {96, {"Color9 R:", "", "颜色9 R："}},
    {97, {"Color9 G:", "", "颜色9 G："}},
    {98, {"Color9 B:", "", "颜色9 B："}},
    {99, {"Color10 R:", "", "颜色10 R："}},
    {100, {"Color10 G:", "", "颜色10 G："}},
    {101, {"Color10 B:", "", "颜色10 B："}},
    {102, {"CPI Color", "", "CPI 颜色"}},
    {103, {"LED Breath", "", "呼吸灯参数"}},
    {104, {"LED Lower:", "", "亮度下限："}},
    {105, {"LED Upper:", "", "亮度上限："}},
    {106, {"Lower Delay:", "", "下限延时："}},
    {107, {"Upper Delay:", "", "上限延时："}},
    {108, {"Step Delay:", "", "步进延时："}},
    {109, {"Switch Mouse LED Mode:", "", "切换灯光模式："}},
    {110, {"No", "", "无"}},
    {111, {"'Back'+'Right Key'", "", "“后退”+“右键”"}},
    {112, {"Switch Mouse Gaming Mode:", "", "切换游戏模式："}},
    {113, {"No", "", "无"}},
    {114, {"Press 'Middle Key'", "", "按“中键”"}},
    {115, {"Press 'CPI Loop'", "", "按“CPI 循环”"}},
    {116, {"Press 'CPI +'", "", "按“CPI +”"}},
    {117, {"Press 'CPI -'", "", "按“CPI -”"}},
    {118, {"'Back'+'Right Key'", "", "“后退”+“右键”"}},
    {119, {"'Forward'+'Right Key'", "", "“前进”+“右键”"}},
    {120, {"Enable Gun Key Switch Gaimg Mode", "", "启用枪械键切换游戏模式"}},
    {121, {"AIM Key CPI:", "", "狙击键 CPI："}},
    {122, {"Button Effect Switch:", "", "按键特效开关："}},
    {123, {"Off", "", "关"}},
    {124, {"On", "", "开"}},
    {125, {"Office Mode Color:", "", "办公模式颜色："}},
    {126, {"Gaming Mode Color:", "", "游戏模式颜色："}},
    {127, {"Profile 3 Color:", "", "配置3颜色："}},
    {128, {"Color 1", "", "颜色 1"}},
    {129, {"Color 2", "", "颜色 2"}},
    {130, {"Color 3", "", "颜色 3"}},
    {131, {"Color 4", "", "颜色 4"}},
    {132, {"Color 5", "", "颜色 5"}},
    {133, {"Color 6", "", "颜色 6"}},
    {134, {"Color 7", "", "颜色 7"}},
    {135, {"Color 8", "", "颜色 8"}},
    {136, {"Color 9", "", "颜色 9"}},
    {137, {"Color 10", "", "颜色 10"}},
    {138, {"Fixed Color", "", "固定颜色"}},
    {139, {"USB Report:", "", "USB 回报率："}},
    {140, {"Sensor Rotation:", "", "传感器方向："}},
    {141, {"Vendor ID:", "", "厂商 ID："}},
    {142, {"Product ID:", "", "产品 ID："}},
    {143, {"Current Profile:", "", "当前配置："}},
    {144, {"Office Mode", "", "办公模式"}},
    {145, {"Gaming Mode", "", "游戏模式"}},
    {146, {"Profile 3", "", "配置3"}},
    {147, {"Current Profile Color:", "", "当前配置颜色："}},
    {148, {"CPI/Profile Test", "", "CPI/配置测试"}},
    {149, {"Profile", "", "配置"}},
    {150, {"Fire Key X/Y Offset", "", "射击键 X/Y 偏移"}},
    {151, {"Fire Key Setting", "", "射击键设置"}},
    {152, {"Is Left Key in Fire Key:", "", "射击键含左键："}},
    {153, {"Fire Key Start:", "", "射击键起始："}},
    {154, {"Fire Key Number:", "", "射击键数量："}},
    {155, {"New Fire Key", "", "新建射击键"}},
    {156, {"Delect Fire Key", "", "删除射击键"}},
};

constexpr std::string_view kSimplifiedChineseLocale = "zh_cn";

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::span<const TermEntry> TermTable() { return kTerms; }

std::optional<std::string_view> FindTerm(int id, int termLanguage) {
  if (termLanguage < 0 || termLanguage >= 3) return std::nullopt;
  for (const TermEntry& entry : kTerms) {
    if (entry.id == id) return entry.texts[static_cast<std::size_t>(termLanguage)];
  }
  return std::nullopt;
}

std::uint8_t TermLanguageForLocale(std::string_view localeName) {
  // Language and territory end at the code set (".UTF-8") or modifier ("@...").
  const std::string_view name = localeName.substr(0, localeName.find_first_of(".@"));
  if (name.size() != kSimplifiedChineseLocale.size()) return kTermLanguageEnglish;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const char c = name[i] == '-' ? '_' : LowerAscii(name[i]);
    if (c != kSimplifiedChineseLocale[i]) return kTermLanguageEnglish;
  }
  return kTermLanguageChinese;
}

std::string LocaleNameFromEnvironment() {
  return LocaleNameFromEnvironment(
      [](const char* name) -> const char* { return std::getenv(name); });
}

std::string LocaleNameFromEnvironment(const std::function<const char*(const char*)>& getEnv) {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = getEnv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return {};
}

std::string_view EngineerFontName(int termLanguage) {
  return termLanguage == 1 ? "Microsoft JhengHei" : "MS Sans Serif";
}

}  // namespace orvane
