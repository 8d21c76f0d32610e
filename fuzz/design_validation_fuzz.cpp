// The one validation of a stored design: any record image either is refused with a message that
// names a field, or is a design the calculate cycle takes. With the material database the
// validation refuses at least what it refuses without one, and the same record always gets the
// same verdict.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "core/compression/calculate_cycle.h"
#include "core/compression/design_validation.h"
#include "fuzz/fuzz_support.h"

using namespace coilspring;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static CalculatorState state = fuzz::ShippedState();
  DesignRecord r;
  OverlayBytes(r, fuzz::AsBytes(data, size));
  const auto withoutMaterials = ValidateStoredDesign(r, nullptr);
  const auto withMaterials = ValidateStoredDesign(r, &state.materials());
  fuzz::Require(!withoutMaterials || withMaterials, "the database made a damaged design whole");
  fuzz::Require(ValidateStoredDesign(r, &state.materials()) == withMaterials, "verdict changed");
  if (withMaterials) {
    // A message names the field in the record's own words, and quotes no raw input.
    fuzz::Require(withMaterials->find(" = ") != std::string::npos ||
                      withMaterials->find("有限の数ではありません") != std::string::npos,
                  "message names no field", *withMaterials);
    for (const char c : *withMaterials)
      fuzz::Require(static_cast<unsigned char>(c) >= 0x20, "control character in the message");
    return 0;
  }
  state.current() = r;
  fuzz::Require(!RecalculateDesign(state, 0, DesignInputs::FromRecord).lines.empty(),
                "validation wrote no line");
  return 0;
}
