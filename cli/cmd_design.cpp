// design export / design import: a design as readable JSON and back.
#include <cstdio>
#include <stdexcept>
#include <string>

#include "cli/commands.h"
#include "cli/design_json.h"
#include "core/records/file_io.h"
#include "core/text/user_error.h"

namespace coilspring::cli {

namespace {

std::string TextOf(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

int Export(const Args& args) {
  DesignFileOptions o = ParseDesignFileOptions(args);
  if (!o.rest.empty()) throw std::invalid_argument("unknown argument " + o.rest.front());
  const CalculatorState state = LoadDesignFile(o, false);
  std::printf("%s\n", DesignJson(state.design[o.slot]).c_str());
  return 0;
}

// The design becomes the current design of a new file, recalculated as "calc" would so that
// the window shows its results; the history stays empty.
int Import(const Args& args) {
  DesignFileOptions o = ParseDesignFileOptions(args);
  if (o.rest.size() != 1 || o.rest.front().starts_with("--"))
    throw std::invalid_argument("design import DESIGN.json OUT.abd");
  CalculatorState state = LoadDesignFile(o, true);
  RecalculateDesign(state, 0, DesignInputs::FromRecord);
  WriteRecordFile(o.rest.front(), state.design);
  return 0;
}

}  // namespace

int RunDesign(const Args& args) {
  if (args.empty())
    throw std::invalid_argument("design export FILE.abd | design import DESIGN.json OUT.abd");
  const Args rest(args.begin() + 1, args.end());
  if (args[0] == "export") return Export(rest);
  if (args[0] == "import") return Import(rest);
  throw std::invalid_argument("unknown design command " + args[0]);
}

// A design given as JSON: the current design of an otherwise empty design state.
SpringDesign ReadDesignJsonFile(const std::string& path) {
  SpringDesign design{};
  try {
    design[0] = ReadDesignJson(TextOf(ReadWholeFile(path)));
  } catch (const UserError& e) {
    throw UserError(path + ": " + e.what());
  }
  return design;
}

}  // namespace coilspring::cli
