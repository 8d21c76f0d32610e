// Subcommands of coilspring-cli. Each returns the process exit code: 0 success, 2 a bad file
// or bad arguments (the message has gone to stderr).
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "cli/command_table.h"
#include "cli/design_file.h"
#include "core/compression/calculate_cycle.h"
#include "core/display/display_units.h"

namespace coilspring::cli {

// The usage of the commands both programs have (see Command::usage).
extern const char* const kMaterialsUsage;
extern const char* const kSettingsUsage;

int RunMaterials(const Args& args);  // materials import TABLE OUT.dst | materials export FILE.dst
int RunSettings(const Args& args);   // settings import TABLE OUT | settings export FILE
int RunCalc(
    const Args& args);  // calc FILE.abd [--slot N] [--all] [--materials F] [--settings F] [--json]
int RunPicture(
    const Args& args);  // picture FILE.abd (--diagram | --shape) OUT.png [--state S] [--slot N]
int RunDxf(const Args& args);    // dxf FILE.abd OUT.dxf [--slot N]
int RunSheet(const Args& args);  // sheet FILE.abd OUT.pdf [--slot N] [--materials F] ... [--left]
int RunStep(const Args& args);   // step FILE OUT.step [--slot N] [--state S] [--left]
int RunSolve(const Args& args);  // solve REQ.json [--rank R] [--top N] [--json] [--write OUT.abd]
int RunDesign(
    const Args& args);  // design export FILE.abd [--slot N] | design import DESIGN.json OUT.abd

// The data files a command reads and its output form: --materials F, --settings F, --json.
struct DataFileOptions {
  std::string materialsPath;  // defaults to zaidat.dst beside the executable
  std::string settingsPath;   // defaults to the settings file beside the executable
  bool json = false;
};
inline constexpr OptionForm kDataFileOptions[] = {
    {"--materials", "F"}, {"--settings", "F"}, {"--json"}};
// The data files beside the executable, text output.
DataFileOptions DefaultDataFileOptions();
// Takes a parsed option of kDataFileOptions into `o`; false for any other option.
bool TakeDataFileOption(const std::string& name, const std::string& value, DataFileOptions& o);
// Reads the material database and then the settings file the options name.
void ReadDataFiles(const DataFileOptions& o, MaterialTable& materials,
                   CoefficientSettings& settings);

// The value of --units: "si" or "gravity"; throws std::invalid_argument for any other.
UnitSystem UnitsOption(const std::string& name, const std::string& value);

// A drawing or picture written empty because the spring cannot be drawn: prints `reason` and
// that the empty `drawing` ("図面", "図") was written to stderr and gives exit code 1. Gives 0
// and prints nothing for an empty reason (the spring was drawn).
int ReportUndrawn(const std::string& reason, const char* drawing);

// Shared option handling for the subcommands that read a design file.
struct DesignFileOptions : DataFileOptions {
  std::string designPath;
  int slot = 0;
  std::vector<std::string> files;  // the arguments after the design file (output files)
  // The command's own options with their values ("" for a switch), in the order given.
  std::vector<std::pair<std::string, std::string>> own;
};
// The options every design-file command takes besides its own: --slot and the data-file options.
std::vector<OptionForm> CommonDesignFileOptions();
// Parses FILE, the output files named in `outputs`, the common options (--slot and the data-file
// options) and the command's own `options`, in any order; throws std::invalid_argument on bad
// usage, naming the argument.
DesignFileOptions ParseDesignFileOptions(const Args& args, std::span<const OptionForm> options = {},
                                         std::initializer_list<const char*> outputs = {});

// What a command needs of the slot it reads.
enum class SlotUse {
  // A design to calculate or draw: the file must be long enough to hold the slot's whole
  // record, a history slot must be in use and the record's inputs must make sense.
  MustHoldDesign,
  // The record as stored, whatever it holds (the window reads short files this way too).
  AsStored,
};

// The compression design file read by ReadDesignFile: the .abd file's bytes or the JSON design
// (and, with `withData`, the material database and the settings). Throws UserError for a slot
// that does not hold a design (see SlotUse) and for a JSON document of another kind.
CalculatorState LoadDesignFile(const DesignFile& file, const DesignFileOptions& options,
                               bool withData, SlotUse use = SlotUse::MustHoldDesign);
// Throws UserError when record `slot` of a loaded state is not a design that can be calculated:
// an empty history slot, or inputs no saved design has (an end form or material number out of
// range, a number that is not finite). `withMaterials`: the material must be in the database.
void RequireStoredDesign(const CalculatorState& state, int slot, const std::string& path,
                         bool withMaterials);
}  // namespace coilspring::cli
