#include "core/records/input_problem.h"

#include <algorithm>
#include <cmath>

#include "core/text/excerpt.h"
#include "core/text/number_format.h"

namespace coilspring {

std::string InputProblemMessage(const InputProblem& p) {
  return "キー '" + Excerpt(p.key) + "' は" + p.what + "にしてください";
}

const char* DiameterKeyOf(DiameterKind kind) {
  switch (kind) {
    case DiameterKind::Inner:
      return "InnerDiameter";
    case DiameterKind::Outer:
      return "OuterDiameter";
    default:
      return "MeanDiameter";
  }
}

std::optional<InputProblem> MaterialInputProblem(std::int32_t materialNo, double d,
                                                 const MaterialTable& materials) {
  if (materialNo < 0 || materialNo >= kMaterialCount ||
      materials[static_cast<std::size_t>(materialNo)].KindNo == kEmptyKindNo)
    return InputProblem{"MaterialNo", "材料データベースにある材料の番号"};
  const MaterialRecord& m = materials[static_cast<std::size_t>(materialNo)];
  const int rows = m.UsableRows();
  const auto listed = m.WireDiameters.begin() + rows;
  if (std::find(m.WireDiameters.begin(), listed, d) != listed) return std::nullopt;
  return InputProblem{"WireDiameter",
                      "材料番号 " + std::to_string(materialNo) + " の線径表にある値（" +
                          (rows > 0 ? FormatFull(m.WireDiameters[0]) + "～" +
                                          FormatFull(m.WireDiameters[rows - 1]) + " の表の値）"
                                    : std::string("表は空です）"))};
}

std::optional<InputProblem> FiniteProblem(const char* key, double v) {
  if (std::isfinite(v)) return std::nullopt;
  return InputProblem{key, "有限の数値"};
}

std::optional<InputProblem> NegativeProblem(const char* key, double v) {
  if (std::isfinite(v) && v >= 0) return std::nullopt;
  return InputProblem{key, "0 以上の有限の数値"};
}

std::optional<InputProblem> NotPositiveProblem(const char* key, double v) {
  if (std::isfinite(v) && v > 0) return std::nullopt;
  return InputProblem{key, "0 より大きい有限の数値"};
}

std::optional<InputProblem> AngleProblem(const char* key, double angle, double totalTurns) {
  const double limit = 360 * totalTurns;
  if (std::isfinite(angle) && std::fabs(angle) <= limit) return std::nullopt;
  return InputProblem{key, "絶対値が 360×総巻数（" + FormatFull(limit) + "）以下の数値"};
}

}  // namespace coilspring
