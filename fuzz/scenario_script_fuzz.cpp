// Arbitrary bytes as a scenario: every line becomes a step or an error with a line number
// inside the text, and every step's names can be printed.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "shell/scenario_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const orvane::Scenario scenario = orvane::ParseScenario(text);
  std::size_t lines = 1;
  for (char c : text) lines += c == '\n';
  int last = 0;
  for (const orvane::ScenarioStep& step : scenario.steps) {
    if (step.line <= last || static_cast<std::size_t>(step.line) > lines) __builtin_trap();
    last = step.line;
    if (orvane::ScenarioVerbName(step.verb) == "?") __builtin_trap();
    if (step.verb == orvane::ScenarioVerb::kExpect && orvane::ScenarioCheckName(step.check) == "?")
      __builtin_trap();
    if (step.verb == orvane::ScenarioVerb::kWait &&
        (step.number < 0 || step.number > orvane::kScenarioLongestWaitMs))
      __builtin_trap();
  }
  for (const orvane::ScenarioError& e : scenario.errors)
    if (e.line < 1 || static_cast<std::size_t>(e.line) > lines || e.message.empty()) __builtin_trap();
  if (scenario.steps.size() + scenario.errors.size() > lines) __builtin_trap();
  return 0;
}
