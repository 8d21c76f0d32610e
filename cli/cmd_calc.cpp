// calc: recalculates a design file's design as the window would and prints every field.
#include "cli/commands.h"
#include "cli/kind_commands.h"

namespace coilspring::cli {

namespace {

constexpr OptionForm kCalcOptions[] = {
    {"--all"},       {"--grade", "1|2|3"},   {"--bore", "MM"},
    {"--rod", "MM"}, {"--temperature", "C"}, {"--units", "si|gravity"}};

}  // namespace

int RunCalc(const Args& args) {
  const DesignFileOptions o = ParseDesignFileOptions(args, kCalcOptions);
  const DesignFile file = ReadDesignFile(o.designPath);
  return CommandsOf(file.kind).calc(file, o);
}

}  // namespace coilspring::cli
