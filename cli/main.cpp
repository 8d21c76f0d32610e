// coilspring-cli: the calculator's core for scripts and for the build.
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "cli/commands.h"

namespace {

constexpr const char* kUsage =
    "使い方:\n"
    "  coilspring-cli calc FILE.abd [--slot N] [--all] [--materials F] [--settings F] [--json]\n"
    "  coilspring-cli dxf FILE.abd OUT.dxf [--slot N]\n"
    "  coilspring-cli picture FILE.abd --diagram OUT.png [--slot N]\n"
    "  coilspring-cli picture FILE.abd --shape OUT.png [--state free|load1|load2] [--slot N]\n"
    "  coilspring-cli sheet FILE.abd OUT.pdf [--slot N] [--materials F] [--settings F] [--left]\n"
    "  coilspring-cli materials import TABLE.tsv OUT.dst\n"
    "  coilspring-cli materials export FILE.dst\n"
    "  coilspring-cli settings import TABLE.tsv OUT\n"
    "  coilspring-cli settings export FILE\n";

struct Command {
  const char* name;
  int (*run)(const coilspring::cli::Args&);
};

constexpr Command kCommands[] = {
    {"calc", coilspring::cli::RunCalc},
    {"dxf", coilspring::cli::RunDxf},
    {"picture", coilspring::cli::RunPicture},
    {"sheet", coilspring::cli::RunSheet},
    {"materials", coilspring::cli::RunMaterials},
    {"settings", coilspring::cli::RunSettings},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const coilspring::cli::Args args(argv + 2, argv + argc);
  for (const Command& c : kCommands) {
    if (std::strcmp(argv[1], c.name) != 0) continue;
    try {
      return c.run(args);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "coilspring-cli %s: %s\n", c.name, e.what());
      return 2;
    }
  }
  std::fputs(kUsage, stderr);
  return 2;
}
