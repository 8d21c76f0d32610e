#include "cli/command_table.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <string_view>

namespace coilspring::cli {

int RunCommandLine(int argc, char** argv, std::span<const Command> commands, const char* usage) {
  if (argc >= 2) {
    const Args args(argv + 2, argv + argc);
    for (const Command& c : commands) {
      if (std::strcmp(argv[1], c.name) != 0) continue;
      try {
        return c.run(args);
      } catch (const std::exception& e) {
        const std::string_view program(argv[0]);
        const std::string name(program.substr(program.rfind('/') + 1));
        std::fprintf(stderr, "%s %s: %s\n", name.c_str(), c.name, e.what());
        return 2;
      }
    }
  }
  std::fputs(usage, stderr);
  return 2;
}

}  // namespace coilspring::cli
