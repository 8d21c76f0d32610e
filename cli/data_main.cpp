// coilspring-data: the build's tool that makes zaidat.dst and keisuu.dat from their readable
// tables. It is the CLI's own materials and settings commands, linked against the core alone.
#include "cli/command_table.h"
#include "cli/commands.h"

namespace {

const coilspring::cli::Command kCommands[] = {
    {"materials", coilspring::cli::RunMaterials, coilspring::cli::kMaterialsUsage},
    {"settings", coilspring::cli::RunSettings, coilspring::cli::kSettingsUsage},
};

}  // namespace

int main(int argc, char** argv) {
  return coilspring::cli::RunCommandLine(argc, argv, kCommands,
                                         "材料データベースと設定ファイルを作る");
}
