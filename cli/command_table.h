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

// Runs the subcommand argv[1] names and gives its exit code: 0 success, 1 a design that fails
// its checks, 2 an error. "--help" prints `usage` and the exit codes to stdout and gives 0; a
// missing or unknown name prints them to stderr and gives 2; a failure, or output to stdout that
// could not be written, prints "<program> <command>: <message>" and gives 2.
int RunCommandLine(int argc, char** argv, std::span<const Command> commands, const char* usage);

}  // namespace coilspring::cli
