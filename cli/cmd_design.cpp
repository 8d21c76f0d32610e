// design export / design import: a design as readable JSON and back.
#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "cli/commands.h"
#include "core/records/file_io.h"
#include "core/text/excerpt.h"
#include "core/text/user_error.h"
#include "json/compression_json.h"

namespace coilspring::cli {

namespace {

int Export(const Args& args) {
  const DesignFileOptions o = ParseDesignFileOptions(args);
  const CalculatorState state = LoadDesignFile(o, false, SlotUse::AsStored);
  std::printf("%s\n", DesignJson(state.design[o.slot]).c_str());
  return 0;
}

// The design becomes the current design of a new file, recalculated as "calc" would so that
// the window shows its results; the history stays empty.
int Import(const Args& args) {
  const DesignFileOptions o = ParseDesignFileOptions(args, {}, {"OUT.abd"});
  CalculatorState state = LoadDesignFile(o, true);
  RecalculateDesign(state, 0, DesignInputs::FromRecord);
  WriteRecordFile(o.files.front(), state.design);
  return 0;
}

}  // namespace

int RunDesign(const Args& args) {
  // The action is the first argument that is neither an option nor an option's value, so
  // options may come first.
  const std::vector<OptionForm> common = CommonDesignFileOptions();
  const auto takesValue = [&](const std::string& name) {
    return std::any_of(common.begin(), common.end(),
                       [&](const OptionForm& f) { return f.name == name && f.value; });
  };
  auto action = args.begin();
  while (action != args.end() && action->starts_with("--"))
    action += takesValue(*action) && action + 1 != args.end() ? 2 : 1;
  if (action == args.end()) throw std::invalid_argument("export か import を指定してください");
  Args rest(args.begin(), action);
  rest.insert(rest.end(), action + 1, args.end());
  if (*action == "export") return Export(rest);
  if (*action == "import") return Import(rest);
  throw std::invalid_argument("不明な操作 '" + Excerpt(*action) + "'（export か import）");
}

// A design given as JSON: the current design of an otherwise empty design state.
SpringDesign ReadDesignJsonFile(const std::string& path) {
  SpringDesign design{};
  // Read as a table is, at most 1 MB; its message names the file itself.
  const std::string text = ReadTextTable(path);
  try {
    design[0] = ReadDesignJson(text);
  } catch (const UserError& e) {
    throw UserError(ShownPath(path) + ": " + e.what());
  }
  return design;
}

}  // namespace coilspring::cli
