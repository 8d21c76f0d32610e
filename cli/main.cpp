// coilspring-cli: the calculator's core for scripts.
#include "cli/command_table.h"
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
    "  coilspring-cli settings export FILE\n"
    "  coilspring-cli solve REQ.json [--rank mass|life|margin|solid] [--top N] [--json]\n"
    "                [--write OUT.abd] [--materials F] [--settings F] [--threads N]\n"
    "  coilspring-cli design export FILE.abd [--slot N]\n"
    "  coilspring-cli design import DESIGN.json OUT.abd [--materials F] [--settings F]\n";

constexpr coilspring::cli::Command kCommands[] = {
    {"calc", coilspring::cli::RunCalc},           {"dxf", coilspring::cli::RunDxf},
    {"picture", coilspring::cli::RunPicture},     {"sheet", coilspring::cli::RunSheet},
    {"materials", coilspring::cli::RunMaterials}, {"settings", coilspring::cli::RunSettings},
    {"solve", coilspring::cli::RunSolve},         {"design", coilspring::cli::RunDesign},
};

}  // namespace

int main(int argc, char** argv) {
  return coilspring::cli::RunCommandLine(argc, argv, kCommands, kUsage);
}
