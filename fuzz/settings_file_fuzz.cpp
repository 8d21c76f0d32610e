// Reading a settings file: the byte image over the settings record, the coefficient window's
// texts and back, and a calculation of the start-up design with those coefficients.
#include <cstddef>
#include <cstdint>

#include "core/compression/design_record.h"
#include "core/compression/spring_calc.h"
#include "core/editing/coefficient_editing.h"
#include "core/records/coefficient_settings.h"
#include "fuzz/fuzz_support.h"

using namespace coilspring;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CoefficientSettings settings;
  const auto image = fuzz::AsBytes(data, size);
  OverlayBytes(settings, image);
  fuzz::RequireRoundTrip(settings, image);

  // The window's boxes, applied unedited, never stop at a text the window wrote itself.
  CoefficientSettings applied = settings;
  ApplyCoefficientTexts(TextsOfSettings(settings), applied);

  static SpringDesign design;
  InitDesign(design);
  DesignRecord& r = design[0];
  const MaterialTable& materials = fuzz::ShippedMaterials();
  r.MaterialNo = static_cast<std::int32_t>(size % kMaterialCount);
  DeriveInputsFromRecord(r, materials);
  AllowableStressTable allowable;
  CalculateSpring(r, materials, settings, allowable);
  ValidateDesign(r, allowable);
  return 0;
}
