// step: the 3D model of a design file's spring as a STEP file, made by the 3D module, which is
// loaded only here.
#include <cstdio>
#include <stdexcept>

#include "cli/commands.h"
#include "cli/kind_commands.h"
#include "core/records/file_io.h"
#include "model3d/step_client.h"

namespace coilspring::cli {
namespace {

constexpr OptionForm kStepOptions[] = {{"--state", "free|load1|load2"}, {"--left"}};

}  // namespace

int RunStep(const Args& args) {
  const DesignFileOptions o = ParseDesignFileOptions(args, kStepOptions, {"OUT.step"});
  if (o.json) throw std::invalid_argument("--json は step では使えません");
  SpringState state = SpringState::Free;
  bool leftHand = false;
  for (const auto& [option, value] : o.own) {
    if (option == "--left") {
      leftHand = true;
    } else if (value == "free" || value == "load1" || value == "load2") {
      state = value == "free"    ? SpringState::Free
              : value == "load1" ? SpringState::Load1
                                 : SpringState::Load2;
    } else {
      throw std::invalid_argument(BadValueMessage(option, value, "free、load1、load2 のいずれか"));
    }
  }
  const DesignFile file = ReadDesignFile(o.designPath);
  const SpringModel model = CommandsOf(file.kind).model(file, o, state, leftHand);
  try {
    WriteFileAtomically(o.files[0], model3d::StepText(model.line, model.product));
  } catch (const model3d::CannotModel& e) {
    // The design's fault: the reason, exit code 1, and the old file left as it was.
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}

}  // namespace coilspring::cli
