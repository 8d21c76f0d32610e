// Subcommands of coilspring-cli. Each returns the process exit code: 0 success, 2 a bad file
// or bad arguments (the message has gone to stderr).
#pragma once

#include <string>
#include <vector>

#include "app/calculator_state.h"

namespace coilspring::cli {

using Args = std::vector<std::string>;  // the arguments after the subcommand name

int RunMaterials(const Args& args);  // materials import TABLE OUT.dst | materials export FILE.dst
int RunSettings(const Args& args);   // settings import TABLE OUT | settings export FILE
int RunCalc(const Args& args);       // calc FILE.abd [--slot N] [--all] [--materials F] [--settings F] [--json]
int RunPicture(const Args& args);    // picture FILE.abd (--diagram | --shape) OUT.png [--state S] [--slot N]
int RunDxf(const Args& args);        // dxf FILE.abd OUT.dxf [--slot N]
int RunSheet(const Args& args);      // sheet FILE.abd OUT.pdf [--slot N] [--materials F] ... [--left]

// Shared option handling for the subcommands that read a design file.
struct DesignFileOptions {
  std::string designPath;
  int slot = 0;
  std::string materialsPath;  // defaults to zaidat.dst beside the executable
  std::string settingsPath;   // defaults to the settings file beside the executable
  bool json = false;
  std::vector<std::string> rest;  // options a subcommand handles itself
};
// Parses FILE and the common options; throws std::invalid_argument on bad usage.
DesignFileOptions ParseDesignFileOptions(const Args& args);

// Reads the design file (and, with `withData`, the material database and the settings).
CalculatorState LoadDesignFile(const DesignFileOptions& options, bool withData);
// Recalculates one record as the calculate button would (inputs derived as the panel reads
// them, calculation, life class) and returns its check lines.
ValidationResult RecalculateSlot(CalculatorState& state, int slot);

}  // namespace coilspring::cli
