// The command line of coilspring-cli and of the build's data tool: a table of subcommands, each
// run with the arguments after its name, and the one small argument parser they share. The data
// tool links the core alone, so the parser is plain C++ rather than Qt's.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace coilspring::cli {

using Args = std::vector<std::string>;  // the arguments after the subcommand name

struct Command {
  const char* name;
  int (*run)(const Args&);
  const char* usage;  // the command's lines of the usage, then what its options mean
};

// Runs the subcommand argv[1] names and gives its exit code: 0 success, 1 a design that fails
// its checks, 2 an error. "--help" (or "-h") and "--version", given to the program or anywhere
// after a command's name, print the usage (the program's or the command's) and the exit codes,
// or the program's name and version, to stdout and give 0. A missing or unknown name prints the
// usage to stderr and gives 2; a failure, or output to stdout that could not be written, prints
// "<program> <command>: <message>" and gives 2, with a pointer to the command's help when the
// arguments were wrong (std::invalid_argument).
int RunCommandLine(int argc, char** argv, std::span<const Command> commands, const char* title);

struct OptionForm {
  std::string_view name;        // "--slot"
  const char* value = nullptr;  // the value's placeholder ("N"); none for a switch
};

struct ParsedArguments {
  std::vector<std::string> positional;                       // in the order given
  std::vector<std::pair<std::string, std::string>> options;  // name, value ("" for a switch)
};

// Splits `args` into options and the other arguments, which may come in any order. "--name
// VALUE" and "--name=VALUE" both give a value; "--" ends the options. Throws
// std::invalid_argument naming an option that is not in `forms`, a switch given a value and an
// option whose value is missing.
ParsedArguments ParseArguments(const Args& args, std::span<const OptionForm> forms);

// Checks the number of positional arguments against their names ("TABLE.tsv", "OUT.dst"):
// throws std::invalid_argument naming the first missing one or the first extra argument.
void RequirePositional(const ParsedArguments& parsed, std::span<const char* const> names);
inline void RequirePositional(const ParsedArguments& parsed,
                              std::initializer_list<const char*> names) {
  RequirePositional(parsed, std::span<const char* const>(names.begin(), names.size()));
}

// An option value that is not one the option takes: the message names the option, the value
// and what it takes ("--state の値 'middle' は使えません（free、load1、load2 のいずれか）").
std::string BadValueMessage(std::string_view option, std::string_view value,
                            std::string_view expected);
// An option's value read as an integer or a decimal number; a value that is not one gives
// std::invalid_argument naming the option.
int IntegerValue(std::string_view option, const std::string& value);
double DecimalValue(std::string_view option, const std::string& value);

}  // namespace coilspring::cli
