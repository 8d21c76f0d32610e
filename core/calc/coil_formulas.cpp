#include "core/calc/coil_formulas.h"

#include <bit>
#include <iterator>

namespace coilspring {

void PrepareCompressionAllowable(PreparedMaterial& p, const CoefficientSettings& settings) {
  for (int j = 0; j < p.rows; ++j)
    p.rowAllowable[j] = CompressionAllowableStress(p.rowStress[j], settings);
  p.allowableRatio = settings.CompressionStressRatio;
  p.allowablePrepared = true;
}

const char* CheckLineOf(unsigned faultBit) {
  // By fault bit, lowest first.
  static constexpr const char* kLines[] = {
      "エラー：バネ指数が４以下",         "エラー：バネ指数が２２以上",
      "エラー：L2が密着高さより短い",     "エラー:バネ高さの順番が不適",
      "エラー:ねじり応力オーバー",        "エラー:有効巻き数が３以下です",
      "エラー：線径が許容応力表の範囲外", "エラー：計算できない値があります（入力値を確認）",
  };
  static_assert(kFaultNotFinite == 1u << (std::size(kLines) - 1));
  const int bit = std::countr_zero(faultBit);
  return bit < static_cast<int>(std::size(kLines)) ? kLines[bit] : "";
}

CoilDiameters DiametersFrom(DiameterKind kind, double x, double d, const CoilDiameters& current) {
  switch (kind) {
    case DiameterKind::Inner:
      return {x, x + d, x + 2 * d};
    case DiameterKind::Mean:
      return {x - d, x, x + d};
    case DiameterKind::Outer:
      return {x - 2 * d, x - d, x};
    default:
      return current;
  }
}

double DiameterOfKind(DiameterKind kind, const CoilDiameters& diameters) {
  switch (kind) {
    case DiameterKind::Inner:
      return diameters.inner;
    case DiameterKind::Outer:
      return diameters.outer;
    default:
      return diameters.mean;
  }
}

}  // namespace coilspring
