// The seam between the programs and the 3D module. Open CASCADE is large, so the code that uses
// it is built into coilspring-model3d.so, which the CLI's step command and the windows' menu
// entry load from the program's folder when they make a model; nothing else loads it. Only
// plain values cross the seam: the centre line's pieces as they are, no exception.
#pragma once

#include <cstddef>

#include "core/drawing/centre_line.h"

namespace coilspring::model3d {

inline constexpr const char* kModuleFile = "coilspring-model3d.so";

// Receives bytes from the module: the STEP file's text, or the reason it could not be made.
using ByteSink = void (*)(void* context, const char* bytes, std::size_t size);

struct StepRequest {
  const CentrePiece* pieces = nullptr;
  std::size_t count = 0;
  double wire = 0;
  double cutBelow = 0, cutAbove = 0;  // ±infinity: no cut
  const char* product = "";           // UTF-8
};

// Builds the solid and hands its STEP text to `text`; returns 0, or 1 with the reason handed to
// `fail` when no valid solid results.
using StepEntry = int (*)(const StepRequest* request, ByteSink text, ByteSink fail, void* context);
// The entry's symbol; its number changes with the entry's form, so a module of another form is
// refused rather than called.
inline constexpr const char* kStepEntrySymbol = "coilspring_model3d_step_1";

}  // namespace coilspring::model3d
