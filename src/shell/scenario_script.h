#pragma once
// A scenario for the window: one action or expectation per line, read from a text file
// (`orvane-config --simulate --script FILE`). This is only the reading of the text; the
// window runs the steps. The grammar is in docs/scenarios.md.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

enum class ScenarioVerb {
  kClick, kDoubleClick, kRightClick, kPress, kRelease, kHover, kLeave, kType, kChoose, kKey,
  kWait, kPlug, kUnplug, kMouseDpiKey, kMouseProfileKey, kAnswer, kClearTrace, kScreenshot,
  kScreenshotBusy, kExpect,
};

enum class ScenarioAnswer { kOk, kCancel, kFile, kText };

enum class ScenarioCheck {
  kCaption, kText, kVisible, kEnabled, kPicture, kIndex, kChecked, kMessage, kNoMessage, kTrace,
};

// A text as written: literal, or (a bare word "Str" + three digits) a text of the window's
// current language table.
struct ScenarioValue {
  std::string text;
  int languageId = -1;  // 0..999 when the value names a language text
  bool operator==(const ScenarioValue&) const = default;
};

struct ScenarioPoint {
  int x = 0;
  int y = 0;
  bool operator==(const ScenarioPoint&) const = default;
};

struct ScenarioStep {
  int line = 0;
  ScenarioVerb verb = ScenarioVerb::kClick;
  std::string control;                // object name of the control acted on or checked
  std::optional<ScenarioPoint> at;    // press/release point inside the control
  ScenarioValue value;                // typed text, key name, answer path or text, expected text
  int number = 0;                     // wait ms, list index, DPI key code
  bool flag = false;                  // expected visibility, enabled or check state
  ScenarioAnswer answer = ScenarioAnswer::kOk;
  ScenarioCheck check = ScenarioCheck::kCaption;
};

struct ScenarioError {
  int line = 0;
  std::string message;
};

struct Scenario {
  std::vector<ScenarioStep> steps;
  std::vector<ScenarioError> errors;  // empty when every line was understood
};

inline constexpr int kScenarioLongestWaitMs = 3'600'000;  // one hour of virtual time per line

// Reads every line; a line that is not understood becomes an error and the rest go on.
Scenario ParseScenario(std::string_view text);

// The DPI key code of a name: "up" 1, "down" 2, "cycle" 4.
std::optional<int> ScenarioDpiKeyCode(std::string_view name);

// The words of a verb and of a check, as the scenario writes them.
std::string_view ScenarioVerbName(ScenarioVerb verb);
std::string_view ScenarioCheckName(ScenarioCheck check);

}  // namespace orvane
