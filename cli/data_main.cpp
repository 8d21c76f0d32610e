// coilspring-data: the build's tool that makes zaidat.dst and keisuu.dat from their readable
// tables. It is the CLI's own materials and settings commands, linked against the core alone.
#include "cli/command_table.h"
#include "cli/commands.h"

namespace {

constexpr const char* kUsage =
    "使い方:\n"
    "  coilspring-data materials import TABLE.tsv OUT.dst\n"
    "  coilspring-data settings import TABLE.tsv OUT\n";

constexpr coilspring::cli::Command kCommands[] = {
    {"materials", coilspring::cli::RunMaterials},
    {"settings", coilspring::cli::RunSettings},
};

}  // namespace

int main(int argc, char** argv) {
  return coilspring::cli::RunCommandLine(argc, argv, kCommands, kUsage);
}
