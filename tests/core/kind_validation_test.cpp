// One table over the extension, the torsion and the conical spring: each kind's worked example with
// hostile inputs is refused naming the key, and a design whose results cannot be is reported
// failed.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <string>

#include "core/conical/conical_calc.h"
#include "core/kinds/spring_kinds.h"
#include "support/extension_example.h"
#include "support/torsion_example.h"

namespace coilspring {
namespace {

using enum SpringKind;

// Both worked examples, in a database of their kind's one material, with the inputs changed as
// "Key value ..." names them (codes by number) and then `key` set to `value`.
struct KindExample {
  std::unique_ptr<MaterialTable> materials = std::make_unique<MaterialTable>();
  ExtensionDesign extension;
  TorsionDesign torsion;
  ConicalDesign conical;

  KindExample(SpringKind kind, const std::string& changes, const char* key = "", double value = 0) {
    SetUpTorsionExample(*materials, torsion);
    if (kind != Torsion) (*materials)[0] = ExtensionExampleMaterial();
    for (int n = 1; n < kMaterialCount; ++n) (*materials)[n].KindNo = kEmptyKindNo;
    std::istringstream in(changes);
    std::string name;
    for (double v = 0; in >> name >> v;) Set(name, v);
    Set(key, value);
  }
  void Set(const std::string& name, double v) {
    const auto set = [&](const DesignField& f, auto& field) {
      if (f.IsInput() && name == f.name) field = static_cast<std::decay_t<decltype(field)>>(v);
    };
    ExtensionDesign::VisitFields(extension, set);
    TorsionDesign::VisitFields(torsion, set);
    ConicalDesign::VisitFields(conical, set);
  }
  std::string RefusedKey(SpringKind kind) const {
    const auto problem = kind == Extension ? ExtensionInputProblem(extension, *materials)
                         : kind == Conical ? ConicalInputProblem(conical, *materials)
                                           : TorsionInputProblem(torsion, *materials);
    return problem ? problem->key : "";
  }
};

struct Row {
  SpringKind kind;
  const char* key;
  double value;
  const char* refused;     // "" for a design that may exist
  const char* setup = "";  // other inputs changed first
};

const Row kRows[] = {
    {Extension, "TotalTurns", 10, ""},
    {Extension, "TotalTurns", -1, "TotalTurns"},
    {Extension, "TotalTurns", 0, "TotalTurns"},
    {Extension, "TotalTurns", 40, "FreeLength"},  // a close-wound body of 41 mm in 30 mm
    {Extension, "TotalTurns", 29, ""},            // 30 mm: the hooks are all that is left
    {Extension, "InitialTension", -1e6, "InitialTension"},
    {Extension, "FreeLength", NAN, "FreeLength"},
    {Extension, "MeanDiameter", -8, "MeanDiameter"},
    {Extension, "InnerDiameter", -8, ""},  // a result while the mean diameter is entered
    {Extension, "Length1", -1, "Length1"},
    {Extension, "Load2", INFINITY, "Load2", "InputMode 0 Length1 -1"},
    {Extension, "WireDiameter", 1.1, "WireDiameter"},
    {Extension, "InitialTension", -1, "TotalTurns", "TotalTurns -1"},
    {Torsion, "TotalTurns", 6, ""},
    {Torsion, "TotalTurns", -1, "TotalTurns"},
    {Torsion, "TotalTurns", 0, "TotalTurns", "InputMode 0 Moment1 10 Moment2 20"},
    {Torsion, "Leg1", -1e6, "Leg1"},
    {Torsion, "Angle1", -1e6, "Angle1"},
    {Torsion, "Angle1", 2161, "Angle1"},  // beyond 360° × 6 turns
    {Torsion, "Angle1", -2160, ""},
    {Torsion, "Moment2", INFINITY, "Moment2", "InputMode 0 Angle1 1e9"},
    {Torsion, "Rod", -1, "Rod"},
    {Torsion, "LoadArm", NAN, "LoadArm"},
    {Torsion, "MeanDiameter", -16, "MeanDiameter"},
    {Torsion, "WireDiameter", 2.1, "WireDiameter"},
    {Torsion, "MaterialNo", 1, "MaterialNo"},
    {Torsion, "Leg2", -1, "Leg1", "Leg1 -1"},
    {Conical, "TotalTurns", 7, ""},
    {Conical, "TotalTurns", 0, "TotalTurns"},
    {Conical, "TotalTurns", 20, "FreeLength"},  // solid at 21 mm in 20 mm
    {Conical, "LargeDiameter", 7.9, "LargeDiameter"},
    {Conical, "SmallDiameter", NAN, "SmallDiameter"},
    {Conical, "Length2", -1, "Length2"},
    {Conical, "Length2", -1, "", "InputMode 0"},  // a result while the loads are entered
    {Conical, "Load1", -INFINITY, "Load1", "InputMode 0"},
    {Conical, "WireDiameter", 1.1, "WireDiameter"},
};

TEST(KindValidation, RefusesTheFirstImpossibleInputByItsKey) {
  for (const Row& row : kRows)
    EXPECT_EQ(KindExample(row.kind, row.setup, row.key, row.value).RefusedKey(row.kind),
              row.refused)
        << InfoOf(row.kind).jsonName << " " << row.setup << " " << row.key << " " << row.value;
}

// A material of negative modulus gives each kind a negative rate from inputs that pass.
TEST(KindValidation, NegativeRateFailsTheChecks) {
  for (const SpringKind kind : {Extension, Torsion, Conical}) {
    KindExample x(kind, "");
    MaterialRecord& m = (*x.materials)[0];
    (kind == Torsion ? m.YoungModulus : m.ShearModulus) *= -1;
    ASSERT_EQ(x.RefusedKey(kind), "");
    if (kind == Extension) {
      EXPECT_TRUE(CalculateExtension(x.extension, m, ShippedSettings()).failed());
      EXPECT_LT(x.extension.SpringRate, 0);
    } else if (kind == Conical) {
      EXPECT_TRUE(CalculateConical(x.conical, m, ShippedSettings()).failed());
      EXPECT_LT(x.conical.InitialRate, 0);
    } else {
      CalculateTorsion(x.torsion, *x.materials);
      EXPECT_TRUE(CheckTorsion(x.torsion, *x.materials).failed);
      EXPECT_LT(x.torsion.SpringRate, 0);
    }
  }
}

}  // namespace
}  // namespace coilspring
