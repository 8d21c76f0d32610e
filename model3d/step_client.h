// The programs' side of the 3D module (step_module.h).
#pragma once

#include <stdexcept>
#include <string>

#include "core/drawing/centre_line.h"

namespace coilspring::model3d {

// A centre line or a solid that cannot be made: the design's fault, not the program's.
class CannotModel : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The STEP (AP214) text of the wire swept along `line`, named `product`, made by the module at
// `modulePath` (by default the one beside the running program). Throws std::runtime_error with
// the reason for a module that cannot be loaded, and CannotModel for the line's refusal or a
// solid that cannot be made.
std::string StepText(const CentreLine& line, const std::string& product,
                     const std::string& modulePath = {});

}  // namespace coilspring::model3d
