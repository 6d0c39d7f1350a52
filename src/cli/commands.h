#pragma once
// orvanectl's commands, one handler each, found by name in one table.

#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "cli/cli_options.h"

namespace orvane::cli {

class CliSession;

struct CommandContext {
  const CliOptions& options;
  CliSession& session;
  std::ostream& out;
  std::ostream& err;
};

struct Command {
  std::string_view name;
  std::size_t minArguments;
  std::size_t maxArguments;
  int (*run)(CommandContext& context);
};

std::span<const Command> Commands();
const Command* FindCommand(std::string_view name);

}  // namespace orvane::cli
