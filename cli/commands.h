// Subcommands of coilspring-cli. Each returns the process exit code: 0 success, 2 a bad file
// or bad arguments (the message has gone to stderr).
#pragma once

#include <string>
#include <vector>

#include "cli/command_table.h"
#include "core/calc/calculate_cycle.h"

namespace coilspring::cli {

int RunMaterials(const Args& args);  // materials import TABLE OUT.dst | materials export FILE.dst
int RunSettings(const Args& args);   // settings import TABLE OUT | settings export FILE
int RunCalc(const Args& args);       // calc FILE.abd [--slot N] [--all] [--materials F] [--settings F] [--json]
int RunPicture(const Args& args);    // picture FILE.abd (--diagram | --shape) OUT.png [--state S] [--slot N]
int RunDxf(const Args& args);        // dxf FILE.abd OUT.dxf [--slot N]
int RunSheet(const Args& args);      // sheet FILE.abd OUT.pdf [--slot N] [--materials F] ... [--left]
int RunSolve(const Args& args);      // solve REQ.json [--rank R] [--top N] [--json] [--write OUT.abd]
int RunDesign(const Args& args);     // design export FILE.abd [--slot N] | design import DESIGN.json OUT.abd

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
// A design file made of one design given as JSON (cmd_design.cpp); the history is empty.
SpringDesign ReadDesignJsonFile(const std::string& path);
}  // namespace coilspring::cli
