#include "shell/scenario_script.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(ScenarioScript, ReadsEachKindOfLine) {
  const Scenario s = ParseScenario(
      "# start-up\n"
      "wait 1500\n"
      "\n"
      "click Btn_Switch_1   # game mode\n"
      "press Img_Base_1 10 -4\n"
      "release Img_Base_1\n"
      "type Edt_Delay \"12 \\\"ms\\\"\"\n"
      "choose cb_Profile 2\n"
      "key Edt_Delay Return\n"
      "mouse-dpi-key cycle\n"
      "answer file \"/tmp/a b.bin\"\n"
      "answer cancel\r\n"
      "expect caption Btn_Main_1 Str022\n"
      "expect caption Key1 \"Str022\"\n"
      "expect visible Disable_All_1 no\n"
      "expect index cb_Profile -1\n"
      "expect no-message\n"
      "expect trace \"S 40 05 00 A4 01 00 00 01\"");
  ASSERT_TRUE(s.errors.empty()) << s.errors[0].line << ": " << s.errors[0].message;
  ASSERT_EQ(s.steps.size(), 16u);

  EXPECT_EQ(s.steps[0].verb, ScenarioVerb::kWait);
  EXPECT_EQ(s.steps[0].number, 1500);
  EXPECT_EQ(s.steps[0].line, 2);
  EXPECT_EQ(s.steps[1].verb, ScenarioVerb::kClick);
  EXPECT_EQ(s.steps[1].control, "Btn_Switch_1");
  EXPECT_EQ(s.steps[1].line, 4);
  EXPECT_EQ(s.steps[2].at, (ScenarioPoint{10, -4}));
  EXPECT_FALSE(s.steps[3].at.has_value());
  EXPECT_EQ(s.steps[4].value, (ScenarioValue{"12 \"ms\"", -1}));
  EXPECT_EQ(s.steps[5].number, 2);
  EXPECT_EQ(s.steps[6].value.text, "Return");
  EXPECT_EQ(s.steps[7].number, 4);
  EXPECT_EQ(s.steps[8].answer, ScenarioAnswer::kFile);
  EXPECT_EQ(s.steps[8].value.text, "/tmp/a b.bin");
  EXPECT_EQ(s.steps[9].answer, ScenarioAnswer::kCancel);
  // A bare Str word names a language text; quoted it is literal.
  EXPECT_EQ(s.steps[10].value.languageId, 22);
  EXPECT_EQ(s.steps[11].value, (ScenarioValue{"Str022", -1}));
  EXPECT_EQ(s.steps[12].check, ScenarioCheck::kVisible);
  EXPECT_FALSE(s.steps[12].flag);
  EXPECT_EQ(s.steps[13].number, -1);
  EXPECT_EQ(s.steps[14].check, ScenarioCheck::kNoMessage);
  EXPECT_EQ(s.steps[15].check, ScenarioCheck::kTrace);
  EXPECT_EQ(s.steps[15].value.text, "S 40 05 00 A4 01 00 00 01");
}

TEST(ScenarioScript, ReportsEveryBadLineWithItsNumberAndKeepsTheRest) {
  struct Case {
    const char* line;
    const char* says;  // a part of the message
  } cases[] = {
      {"jump Key1", "unknown action"},
      {"\"click\" Key1", "unknown action"},
      {"click", "one control name"},
      {"click Key1 Key2", "one control name"},
      {"click 7Key", "control name"},
      {"click \"Key1\"", "control name"},
      {"press Key1 10", "X Y"},
      {"press Key1 ten 4", "whole numbers"},
      {"type Edt_Delay", "one text"},
      {"type Edt_Delay \"open", "not closed"},
      {"type Edt_Delay \"a\"b", "followed by a space"},
      {"type Edt_Delay a\"b", "quote inside a word"},
      {"type Edt_Delay \"\\q\"", "unknown escape"},
      {"choose cb_Profile -2", "index"},
      {"choose cb_Profile 1x", "index"},
      {"wait -1", "milliseconds"},
      {"wait 3600001", "milliseconds"},
      {"wait 99999999999999999999", "milliseconds"},
      {"plug now", "nothing after"},
      {"mouse-dpi-key 1", "up, down or cycle"},
      {"answer maybe", "ok, cancel"},
      {"answer file", "one text"},
      {"answer ok please", "nothing after"},
      {"screenshot \"\"", "not empty"},
      {"expect", "caption, text"},
      {"expect colour Key1 red", "caption, text"},
      {"expect visible Key1 maybe", "yes or no"},
      {"expect checked rb_1", "yes or no"},
      {"expect no-message Key1", "nothing after"},
  };
  for (const Case& c : cases) {
    const Scenario s = ParseScenario(std::string("wait 1\n") + c.line + "\nunplug\n");
    ASSERT_EQ(s.errors.size(), 1u) << c.line;
    EXPECT_EQ(s.errors[0].line, 2) << c.line;
    EXPECT_NE(s.errors[0].message.find(c.says), std::string::npos) << c.line << " -> " << s.errors[0].message;
    ASSERT_EQ(s.steps.size(), 2u) << c.line;
    EXPECT_EQ(s.steps[1].line, 3);
  }
}

TEST(ScenarioScript, StrWordsThatAreNotLanguageIdsStayLiteral) {
  for (const char* word : {"Str22", "Str0222", "Strabc", "Str-12", "Str+12", "str022"}) {
    const Scenario s = ParseScenario(std::string("expect message ") + word);
    ASSERT_EQ(s.steps.size(), 1u) << word;
    EXPECT_EQ(s.steps[0].value, (ScenarioValue{word, -1})) << word;
  }
}

TEST(ScenarioScript, NamesRoundTrip) {
  const Scenario s = ParseScenario("double-click Key3\nexpect picture Img_Main_1 SetS_03\n");
  ASSERT_EQ(s.steps.size(), 2u);
  EXPECT_EQ(ScenarioVerbName(s.steps[0].verb), "double-click");
  EXPECT_EQ(ScenarioCheckName(s.steps[1].check), "picture");
}

}  // namespace
}  // namespace orvane
