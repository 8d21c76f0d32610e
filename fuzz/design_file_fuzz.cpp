// Reading a design file: the byte image over the whole design with its 30 history slots, then
// everything the window shows of it without recalculating (history rows, data sheet).
#include <cstddef>
#include <cstdint>

#include "core/calc/fatigue.h"
#include "core/compression/design_record.h"
#include "core/compression/design_sheet.h"
#include "core/compression/history.h"
#include "core/output/data_sheet.h"
#include "fuzz/fuzz_support.h"

using namespace coilspring;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static SpringDesign design;
  InitDesign(design);
  const auto image = fuzz::AsBytes(data, size);
  OverlayBytes(design, image);
  fuzz::RequireRoundTrip(design, image);

  const MaterialTable& materials = fuzz::ShippedMaterials();
  for (int slot = 1; slot <= kHistorySlots; ++slot) HistoryRowTexts(design[slot], materials);
  LifeClassText(design[0].LifeClass);
  MakeDataSheet(design[0], materials, size % 2 == 0);

  // A slot recalled into the current design is an exact copy.
  const int slot = 1 + static_cast<int>(size % kHistorySlots);
  CopyDesignRecord(design, slot, 0);
  fuzz::Require(Encode(design[0]) == Encode(design[slot]), "recalled slot differs");
  return 0;
}
