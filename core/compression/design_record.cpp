#include "core/compression/design_record.h"

namespace coilspring {

void InitDesign(SpringDesign& design) {
  DesignRecord& r = design[0];
  // MaxLoad and the trailing reserved block are deliberately left as they are.
  r.InUse = 1;
  r.MaterialNo = 0;
  r.WireRow = 20;
  r.WireDiameter = 0.8;
  r.InnerDiameter = 9.8;
  r.MeanDiameter = 10.0;
  r.OuterDiameter = 10.2;
  r.DiameterKind = DiameterKind::Mean;
  r.TotalTurns = 10.0;
  r.ActiveTurns = 4.0;
  r.EndKind = EndKind::ClosedUnground;
  r.SolidHeight = 9.6;
  r.SpringIndex = 0;
  r.Reserved84 = {};
  r.Reserved92 = {};
  r.WahlFactor = 0;
  r.FreeLength = 25.0;
  r.RecommendedFreeLength = 0;
  r.InputMode = InputMode::Lengths;
  r.Load1 = 0;
  r.Load2 = 0;
  r.Length1 = 20.0;
  r.Length2 = 15.0;
  r.SpringRate = 0;
  r.Stress1 = 0;
  r.Stress2 = 0;
  r.AllowableStress = 0;
  r.LifeClass = 0;
  r.Reserved200 = {};
  r.Reserved208 = {};
  for (int slot = 1; slot <= kHistorySlots; ++slot) design[slot] = DesignRecord{};
}

}  // namespace coilspring
