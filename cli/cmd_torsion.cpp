// calc and dxf for a torsion spring's design file.
#include <cmath>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <type_traits>

#include "cli/reference_json.h"
#include "cli/torsion_commands.h"
#include "core/drawing/shape_primitives.h"
#include "core/records/file_io.h"
#include "core/text/display_width.h"
#include "core/text/number_format.h"
#include "core/text/user_error.h"
#include "core/torsion/torsion_centre_line.h"
#include "core/torsion/torsion_reference.h"
#include "core/torsion/torsion_views.h"
#include "json/torsion_json.h"

namespace coilspring::cli {

namespace {

// calc's options that a torsion spring has: the units and the operating temperature.
struct TorsionCalcOptions {
  std::optional<UnitSystem> units;
  ReferenceInputs reference;
};

TorsionCalcOptions CalcOptions(const DesignFileOptions& o) {
  TorsionCalcOptions options;
  for (const auto& [name, value] : o.own) {
    if (name == "--temperature") {
      TakeReferenceOption(name, value, options.reference);
      continue;
    }
    if (name != "--units")
      throw std::invalid_argument(name + " はねじりコイルばねの設計には使えません");
    options.units = UnitSystemNamed(value);
    if (!options.units) throw std::invalid_argument(BadValueMessage(name, value, "si、gravity"));
  }
  return options;
}

void PrintReference(const LoadedTorsion& file, double temperature, UnitSystem units) {
  const MaterialRecord& m = MaterialOf(*file.materials, file.design.MaterialNo);
  std::printf("参考計算\n");
  PrintReferenceRows(
      TorsionReferenceRows(ComputeTorsionReference(file.design, m, temperature), units));
}

void PrintTable(const TorsionDesign& t, UnitSystem units) {
  std::printf("ねじりコイルばね\n");
  // MaterialNo with the numbers, the codes left out: the table is what the design measures.
  TorsionDesign::VisitFields(t, [&](const DesignField& f, const auto& field) {
    using T = std::decay_t<decltype(field)>;
    std::optional<double> v;
    if constexpr (std::is_same_v<T, std::int32_t>) {
      std::printf("  %-24s %s %d\n", f.name, PadToWidth(f.label, 18).c_str(), field);
      return;
    } else if constexpr (std::is_same_v<T, double> || std::is_same_v<T, std::optional<double>>) {
      v = field;
    } else {
      return;
    }
    const std::string value = v ? FormatFull(ShownFieldValue(*v, f, units)) : "―";
    std::printf("  %-24s %s %s %s\n", f.name, PadToWidth(f.label, 18).c_str(), value.c_str(),
                FieldUnitCaption(f, units).c_str());
  });
}

}  // namespace

LoadedTorsion LoadTorsion(const DesignFile& file, const DesignFileOptions& o) {
  LoadedTorsion t{LoadKindDesign<TorsionDesign>(file, o, ReadTorsionDocument), {}};
  // One bending table serves the calculation and its checks.
  const PreparedMaterial material = PrepareMaterial(MaterialOf(*t.materials, t.design.MaterialNo));
  CalculateTorsion(t.design, material);
  t.check = CheckTorsion(t.design, material);
  return t;
}

int RunTorsionCalc(const DesignFile& file, const DesignFileOptions& o) {
  const TorsionCalcOptions options = CalcOptions(o);
  const std::optional<UnitSystem> units = options.units;
  const UnitSystem shown = units.value_or(UnitSystem::Gravitational);
  const LoadedTorsion t = LoadTorsion(file, o);
  if (o.json) {
    PrintCalcJson(TorsionMembers(t.design, shown), units, t.check.lines);
  } else {
    PrintTable(t.design, shown);
    for (const std::string& line : t.check.lines) std::printf("  %s\n", line.c_str());
    PrintReference(t, options.reference.temperature, shown);
  }
  return t.check.failed ? 1 : 0;
}

int RunTorsionDxf(const DesignFile& file, const DesignFileOptions& o) {
  // Unlike a stored compression design, a torsion design file holds only its inputs: the
  // drawing is made from the design as calc calculates it.
  const LoadedTorsion t = LoadTorsion(file, o);
  WriteFileAtomically(o.files[0], TorsionDxfText(t.design));
  return ReportUndrawn(TorsionCannotDrawMessage(t.design), "図面");
}

std::string TorsionCannotDrawMessage(const TorsionDesign& t) {
  if (!BuildTorsionViews(t).groups.empty()) return {};
  // The views refuse what the side view of a coil refuses, in the same words.
  for (double v :
       {t.WireDiameter, t.MeanDiameter, t.TotalTurns, t.Leg1, t.Leg2, t.Angle1, t.Angle2})
    if (!std::isfinite(v)) return CannotDrawMessage(ShapeStatus::NonFiniteInput);
  if (!(t.WireDiameter > 0)) return CannotDrawMessage(ShapeStatus::NoWire);
  if (!(t.MeanDiameter > t.WireDiameter)) return CannotDrawMessage(ShapeStatus::WireFillsCoil);
  if (t.TotalTurns > kMaxBodyTurns) return CannotDrawMessage(ShapeStatus::TooManyTurns);
  if (!(t.TotalTurns > 0)) return "側面図を描けません: 総巻数が 0 以下です";
  return CannotDrawMessage(ShapeStatus::UndefinedPoint);
}

SpringModel TorsionModel(const DesignFile& file, const DesignFileOptions& o, SpringState state,
                         bool leftHand) {
  const LoadedTorsion t = LoadTorsion(file, o);
  return SpringModelOf(t.design, *t.materials, state, leftHand);
}

}  // namespace coilspring::cli
