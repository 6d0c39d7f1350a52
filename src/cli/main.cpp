// orvanectl: the command-line tool over the same core as the window.

#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_session.h"
#include "cli/commands.h"

using namespace orvane::cli;

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  CliOptions options;
  std::string error;
  switch (ParseCommandLine(args, options, error)) {
    case ParseOutcome::kHelp:
      std::cout << UsageText();
      return kExitOk;
    case ParseOutcome::kVersion:
      std::cout << "orvanectl " << ORVANE_VERSION << '\n';
      return kExitOk;
    case ParseOutcome::kError:
      std::cerr << "orvanectl: " << error << "\n(see orvanectl --help)\n";
      return kExitUsage;
    case ParseOutcome::kRun:
      break;
  }
  const Command* command = FindCommand(options.command);
  if (!command) {
    std::cerr << "orvanectl: unknown command '" << options.command << "'\n(see orvanectl --help)\n";
    return kExitUsage;
  }
  if (options.arguments.size() < command->minArguments ||
      options.arguments.size() > command->maxArguments) {
    std::cerr << "orvanectl: wrong number of arguments for '" << options.command
              << "'\n(see orvanectl --help)\n";
    return kExitUsage;
  }
  int status = kExitOk;
  auto session = CliSession::Create(options, std::cerr, error, status);
  if (!session) {
    std::cerr << "orvanectl: " << error << '\n';
    return status;
  }
  CommandContext context{options, *session, std::cout, std::cerr};
  status = command->run(context);
  if (!session->Finish(error)) {
    std::cerr << "orvanectl: " << error << '\n';
    if (status == kExitOk) status = kExitFile;
  }
  return status;
}
