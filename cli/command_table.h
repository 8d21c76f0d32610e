// The command line of coilspring-cli and of the build's data tool: a table of subcommands, each
// run with the arguments after its name.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace coilspring::cli {

using Args = std::vector<std::string>;  // the arguments after the subcommand name

struct Command {
  const char* name;
  int (*run)(const Args&);
};

// Runs the subcommand argv[1] names. A missing or unknown name prints `usage` and gives 2; a
// failure prints "<program> <command>: <message>" and gives 2.
int RunCommandLine(int argc, char** argv, std::span<const Command> commands, const char* usage);

}  // namespace coilspring::cli
