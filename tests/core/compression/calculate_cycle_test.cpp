#include "core/compression/calculate_cycle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "../param_names.h"
#include "support/worked_example.h"

namespace coilspring {
namespace {

// The worked example with a tensile column and a ratio for the cases without a stress table.
CalculatorState WorkedExampleState() {
  CalculatorState state;
  SetUpWorkedExample(state.EditMaterials(), state.settings, state.current());
  state.EditMaterials()[0].TensileStrengths = {2100, 2000, 1900};
  state.EditMaterials()[0].TorsionRatio = 45;
  return state;
}

void NoChange(CalculatorState&) {}
void RatioTable(CalculatorState& s) { s.EditMaterials()[0].AllowableTorsion = {}; }

struct EditCase {
  const char* name;
  void (*before)(CalculatorState&);  // before the calculation that prepares the material
  void (*edit)(CalculatorState&);
  double allowable;  // kgf/mm^2 = stress (N/mm^2) * q / 100 / 9.807
};

void PrintTo(const EditCase& c, std::ostream* out) { *out << c.name; }

class CalculateCycleEditTest : public ::testing::TestWithParam<EditCase> {};

TEST_P(CalculateCycleEditTest, NextCalculationUsesTheEditedData) {
  const EditCase& c = GetParam();
  CalculatorState state = WorkedExampleState();
  c.before(state);
  RecalculateDesign(state, 0, DesignInputs::AsEntered);
  c.edit(state);
  RecalculateDesign(state, 0, DesignInputs::AsEntered);
  EXPECT_NEAR(state.current().AllowableStress, c.allowable, 1e-9 * c.allowable);
}

INSTANTIATE_TEST_SUITE_P(
    StateEdits, CalculateCycleEditTest,
    ::testing::Values(
        EditCase{"nothing", NoChange, NoChange, 122.361578464},  // 1500
        EditCase{"coefficient q 60", NoChange,
                 [](CalculatorState& s) { s.settings.CompressionStressRatio = 60; },
                 91.771183848},  // 1500 at 60 %
        EditCase{"stress at the wire", NoChange,
                 [](CalculatorState& s) { s.EditMaterials()[0].AllowableTorsion[1] = 1200; },
                 97.889262771},
        EditCase{"diameter of the wire row", NoChange,
                 [](CalculatorState& s) { s.EditMaterials()[0].WireDiameters[1] = 2.2; },
                 123.721151558},  // 1550 - 50 / 0.6 * 0.4 between 1.6 and 2.2
        EditCase{"row count 1", NoChange, [](CalculatorState& s) { s.EditMaterials()[0].RowCount = 1; },
                 126.440297747},  // no segment: the only entry, 1550
        EditCase{"column cleared", NoChange, RatioTable, 73.416947079},  // 45 % of 2000
        EditCase{"ratio 40", RatioTable,
                 [](CalculatorState& s) { s.EditMaterials()[0].TorsionRatio = 40; },
                 65.259508514},  // 40 % of 2000
        EditCase{"tensile at the wire", RatioTable,
                 [](CalculatorState& s) { s.EditMaterials()[0].TensileStrengths[1] = 2200; },
                 80.758641786},  // 45 % of 2200
        EditCase{"whole database replaced", NoChange,
                 [](CalculatorState& s) {
                   MaterialTable read = s.materials();
                   read[0].AllowableTorsion[1] = 1000;
                   s.EditMaterials() = read;
                 },
                 81.574385643}),
    [](const auto& info) { return test_names::FromText(info.param.name); });

// A copy of a state calculates on its own materials, not on those it was copied from.
TEST(CalculateCycle, CopiedStateUsesItsOwnMaterials) {
  CalculatorState original = WorkedExampleState();
  RecalculateDesign(original, 0, DesignInputs::AsEntered);
  CalculatorState copy = original;
  original.EditMaterials()[0].ShearModulus = 1;
  RecalculateDesign(copy, 0, DesignInputs::AsEntered);
  // G d^4 / (8 Na D^3) / 9.8066 = 78500 * 16 / (64 * 5832) / 9.8066
  EXPECT_NEAR(copy.current().SpringRate, 0.3431418504, 1e-9);
  EXPECT_NEAR(copy.current().AllowableStress, 122.361578464, 1e-6);
}

}  // namespace
}  // namespace coilspring
