#include "shell/scenario_script.h"

#include <charconv>
#include <span>

namespace orvane {

namespace {

struct Token {
  std::string text;
  bool quoted = false;
};

// Splits a line into words and quoted texts ("a \"b\" \\ c"); '#' outside quotes at the start
// of a word ends the line.
bool Tokenize(std::string_view line, std::vector<Token>& out, std::string& error) {
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
      continue;
    }
    if (c == '#') return true;
    Token token;
    if (c == '"') {
      token.quoted = true;
      ++i;
      bool closed = false;
      while (i < line.size()) {
        const char q = line[i++];
        if (q == '"') {
          closed = true;
          break;
        }
        if (q == '\\') {
          if (i >= line.size()) break;
          const char e = line[i++];
          if (e == '"' || e == '\\') token.text += e;
          else if (e == 'n') token.text += '\n';
          else if (e == 't') token.text += '\t';
          else {
            error = std::string("unknown escape \\") + e + " in a quoted text";
            return false;
          }
          continue;
        }
        token.text += q;
      }
      if (!closed) {
        error = "a quoted text is not closed";
        return false;
      }
      if (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
        error = "a quoted text must be followed by a space";
        return false;
      }
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
        if (line[i] == '"') {
          error = "a quote inside a word";
          return false;
        }
        token.text += line[i++];
      }
    }
    out.push_back(std::move(token));
  }
  return true;
}

bool IsControlName(const Token& t) {
  if (t.quoted || t.text.empty()) return false;
  const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  if (!letter(t.text[0])) return false;
  for (char c : t.text)
    if (!letter(c) && !(c >= '0' && c <= '9')) return false;
  return true;
}

bool ParseNumber(const Token& t, int lowest, int highest, int& out) {
  if (t.quoted || t.text.empty()) return false;
  int value = 0;
  const char* end = t.text.data() + t.text.size();
  const auto [ptr, ec] = std::from_chars(t.text.data(), end, value);
  if (ec != std::errc() || ptr != end || value < lowest || value > highest) return false;
  out = value;
  return true;
}

ScenarioValue ValueOf(const Token& t) {
  ScenarioValue v{t.text, -1};
  int id = 0;
  if (!t.quoted && t.text.size() == 6 && t.text.compare(0, 3, "Str") == 0) {
    const Token digits{t.text.substr(3), false};
    if (digits.text.find_first_not_of("0123456789") == std::string::npos &&
        ParseNumber(digits, 0, 999, id))
      v.languageId = id;
  }
  return v;
}

bool ParseFlag(const Token& t, bool& out) {
  if (t.quoted) return false;
  if (t.text == "yes") out = true;
  else if (t.text == "no") out = false;
  else return false;
  return true;
}

// What follows a verb or a check word.
enum class Shape {
  kNone,          // plug
  kControl,       // click NAME
  kControlPoint,  // press NAME [X Y]
  kControlValue,  // type NAME TEXT
  kControlIndex,  // choose NAME INDEX
  kControlFlag,   // expect visible NAME yes|no
  kMs,            // wait MS
  kValue,         // screenshot FILE
  kDpiKey,        // mouse-dpi-key up|down|cycle
  kAnswer,        // answer ok|cancel|file PATH|text TEXT
  kCheck,         // expect CHECK ...
};

struct VerbRule {
  std::string_view word;
  ScenarioVerb verb;
  Shape shape;
};

constexpr VerbRule kVerbs[] = {
    {"click", ScenarioVerb::kClick, Shape::kControl},
    {"double-click", ScenarioVerb::kDoubleClick, Shape::kControl},
    {"right-click", ScenarioVerb::kRightClick, Shape::kControl},
    {"press", ScenarioVerb::kPress, Shape::kControlPoint},
    {"release", ScenarioVerb::kRelease, Shape::kControlPoint},
    {"hover", ScenarioVerb::kHover, Shape::kControl},
    {"leave", ScenarioVerb::kLeave, Shape::kControl},
    {"type", ScenarioVerb::kType, Shape::kControlValue},
    {"choose", ScenarioVerb::kChoose, Shape::kControlIndex},
    {"key", ScenarioVerb::kKey, Shape::kControlValue},
    {"wait", ScenarioVerb::kWait, Shape::kMs},
    {"plug", ScenarioVerb::kPlug, Shape::kNone},
    {"unplug", ScenarioVerb::kUnplug, Shape::kNone},
    {"mouse-dpi-key", ScenarioVerb::kMouseDpiKey, Shape::kDpiKey},
    {"mouse-profile-key", ScenarioVerb::kMouseProfileKey, Shape::kNone},
    {"answer", ScenarioVerb::kAnswer, Shape::kAnswer},
    {"clear-trace", ScenarioVerb::kClearTrace, Shape::kNone},
    {"screenshot", ScenarioVerb::kScreenshot, Shape::kValue},
    {"screenshot-busy", ScenarioVerb::kScreenshotBusy, Shape::kValue},
    {"expect", ScenarioVerb::kExpect, Shape::kCheck},
};

struct CheckRule {
  std::string_view word;
  ScenarioCheck check;
  Shape shape;
};

constexpr CheckRule kChecks[] = {
    {"caption", ScenarioCheck::kCaption, Shape::kControlValue},
    {"text", ScenarioCheck::kText, Shape::kControlValue},
    {"visible", ScenarioCheck::kVisible, Shape::kControlFlag},
    {"enabled", ScenarioCheck::kEnabled, Shape::kControlFlag},
    {"picture", ScenarioCheck::kPicture, Shape::kControlValue},
    {"index", ScenarioCheck::kIndex, Shape::kControlIndex},
    {"checked", ScenarioCheck::kChecked, Shape::kControlFlag},
    {"message", ScenarioCheck::kMessage, Shape::kValue},
    {"no-message", ScenarioCheck::kNoMessage, Shape::kNone},
    {"trace", ScenarioCheck::kTrace, Shape::kValue},
};

constexpr struct {
  std::string_view word;
  int code;
} kDpiKeys[] = {{"up", 1}, {"down", 2}, {"cycle", 4}};

constexpr struct {
  std::string_view word;
  ScenarioAnswer answer;
  bool takesValue;
} kAnswers[] = {
    {"ok", ScenarioAnswer::kOk, false},
    {"cancel", ScenarioAnswer::kCancel, false},
    {"file", ScenarioAnswer::kFile, true},
    {"text", ScenarioAnswer::kText, true},
};

constexpr int kLargestIndex = 1'000'000;

// Fills the step from the words after the verb (or check word). Empty on success, else why not.
std::string ParseArguments(Shape shape, std::span<const Token> args, ScenarioStep& step) {
  const auto count = [&](std::size_t lowest, std::size_t highest) {
    return args.size() >= lowest && args.size() <= highest;
  };
  const auto control = [&]() -> std::string {
    if (args.empty() || !IsControlName(args[0])) return "wants a control name first";
    step.control = args[0].text;
    return {};
  };
  switch (shape) {
    case Shape::kNone:
      return args.empty() ? "" : "takes nothing after it";
    case Shape::kControl:
      if (!count(1, 1)) return "wants one control name";
      return control();
    case Shape::kControlPoint: {
      if (!count(1, 1) && !count(3, 3)) return "wants a control name and optionally X Y";
      if (std::string e = control(); !e.empty()) return e;
      if (args.size() == 3) {
        ScenarioPoint p;
        if (!ParseNumber(args[1], -100000, 100000, p.x) || !ParseNumber(args[2], -100000, 100000, p.y))
          return "wants whole numbers for X and Y";
        step.at = p;
      }
      return {};
    }
    case Shape::kControlValue:
      if (!count(2, 2)) return "wants a control name and one text (quote texts with spaces)";
      if (std::string e = control(); !e.empty()) return e;
      step.value = ValueOf(args[1]);
      return {};
    case Shape::kControlIndex:
      if (!count(2, 2)) return "wants a control name and an index";
      if (std::string e = control(); !e.empty()) return e;
      if (!ParseNumber(args[1], -1, kLargestIndex, step.number)) return "wants an index from -1 up";
      return {};
    case Shape::kControlFlag:
      if (!count(2, 2)) return "wants a control name and yes or no";
      if (std::string e = control(); !e.empty()) return e;
      if (!ParseFlag(args[1], step.flag)) return "wants yes or no";
      return {};
    case Shape::kMs:
      if (!count(1, 1) || !ParseNumber(args[0], 0, kScenarioLongestWaitMs, step.number))
        return "wants milliseconds from 0 to " + std::to_string(kScenarioLongestWaitMs);
      return {};
    case Shape::kValue:
      if (!count(1, 1)) return "wants one text (quote texts with spaces)";
      step.value = ValueOf(args[0]);
      if (step.value.text.empty()) return "wants a text that is not empty";
      return {};
    case Shape::kDpiKey: {
      const std::optional<int> code = count(1, 1) && !args[0].quoted ? ScenarioDpiKeyCode(args[0].text) : std::nullopt;
      if (!code) return "wants up, down or cycle";
      step.number = *code;
      return {};
    }
    case Shape::kAnswer:
      for (const auto& a : kAnswers) {
        if (args.empty() || args[0].quoted || args[0].text != a.word) continue;
        if (!count(a.takesValue ? 2 : 1, a.takesValue ? 2 : 1))
          return std::string("answer ") + std::string(a.word) + (a.takesValue ? " wants one text" : " takes nothing after it");
        step.answer = a.answer;
        if (a.takesValue) step.value = ScenarioValue{args[1].text, -1};
        return {};
      }
      return "wants ok, cancel, file PATH or text TEXT";
    case Shape::kCheck:
      for (const CheckRule& rule : kChecks) {
        if (args.empty() || args[0].quoted || args[0].text != rule.word) continue;
        step.check = rule.check;
        return ParseArguments(rule.shape, args.subspan(1), step);
      }
      return "wants one of caption, text, visible, enabled, picture, index, checked, message, "
             "no-message, trace";
  }
  return "cannot be read";
}

}  // namespace

std::optional<int> ScenarioDpiKeyCode(std::string_view name) {
  for (const auto& k : kDpiKeys)
    if (k.word == name) return k.code;
  return std::nullopt;
}

std::string_view ScenarioVerbName(ScenarioVerb verb) {
  for (const VerbRule& r : kVerbs)
    if (r.verb == verb) return r.word;
  return "?";
}

std::string_view ScenarioCheckName(ScenarioCheck check) {
  for (const CheckRule& r : kChecks)
    if (r.check == check) return r.word;
  return "?";
}

Scenario ParseScenario(std::string_view text) {
  Scenario scenario;
  int lineNumber = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    ++lineNumber;
    start = end + 1;

    std::vector<Token> tokens;
    std::string error;
    if (!Tokenize(line, tokens, error)) {
      scenario.errors.push_back({lineNumber, error});
      continue;
    }
    if (tokens.empty()) continue;
    const VerbRule* rule = nullptr;
    if (!tokens[0].quoted) {
      for (const VerbRule& r : kVerbs)
        if (r.word == tokens[0].text) rule = &r;
    }
    if (!rule) {
      scenario.errors.push_back({lineNumber, "unknown action '" + tokens[0].text + "'"});
      continue;
    }
    ScenarioStep step;
    step.line = lineNumber;
    step.verb = rule->verb;
    error = ParseArguments(rule->shape, std::span<const Token>(tokens).subspan(1), step);
    if (!error.empty()) {
      scenario.errors.push_back({lineNumber, std::string(rule->word) + " " + error});
      continue;
    }
    scenario.steps.push_back(std::move(step));
  }
  return scenario;
}

}  // namespace orvane
