// What makes an entered design one that cannot exist, named by the key of its field: the
// readers of design files refuse it with a key error, the windows before they calculate. The
// rules every kind shares live here; each kind's entry (ExtensionInputProblem,
// TorsionInputProblem) runs them over its fields in field-table order.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/records/design_codes.h"
#include "core/records/material_table.h"

namespace coilspring {

struct InputProblem {
  const char* key;
  std::string what;  // "…にしてください" completes it
};

// "キー 'KEY' は<what>にしてください", the key quoted as every message quotes user input.
std::string InputProblemMessage(const InputProblem& problem);

// The key of the coil diameter a design of DiameterKind `kind` enters: InnerDiameter,
// MeanDiameter (also for a kind outside the enumeration) or OuterDiameter.
const char* DiameterKeyOf(DiameterKind kind);

// A material the database does not have (key MaterialNo), or a wire diameter its table does not
// list (key WireDiameter).
std::optional<InputProblem> MaterialInputProblem(std::int32_t materialNo, double wireDiameter,
                                                 const MaterialTable& materials);

// A value that is not finite, or below 0 (a length, a diameter, a tension) or not above 0 (turns).
std::optional<InputProblem> FiniteProblem(const char* key, double value);
std::optional<InputProblem> NegativeProblem(const char* key, double value);
std::optional<InputProblem> NotPositiveProblem(const char* key, double value);
// A wind-up angle beyond the turns there are: |angle| > 360·totalTurns, or not finite.
std::optional<InputProblem> AngleProblem(const char* key, double angle, double totalTurns);

}  // namespace coilspring
