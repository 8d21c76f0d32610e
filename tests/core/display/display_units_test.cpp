#include "core/display/display_units.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/compression/design_sheet.h"
#include "core/compression/design_units.h"
#include "core/compression/reference_rows.h"
#include "core/compression/spring_calc.h"
#include "core/display/reference_rows.h"
#include "core/output/data_sheet.h"
#include "core/text/number_format.h"
#include "support/worked_example.h"

namespace coilspring {
namespace {

// The worked example in length mode, calculated.
DesignRecord WorkedExample() {
  MaterialTable materials;
  CoefficientSettings settings;
  DesignRecord r;
  SetUpWorkedExample(materials, settings, r);
  AllowableStressTable table;
  CalculateSpring(r, materials, settings, table);
  return r;
}

struct ShownCase {
  const char* field;
  double DesignRecord::*member;
  const char* gravitational;  // short number format
  const char* si;             // kgf values × 9.807 (rate × 9.8066) by hand, short format
};

// k = 78500·16 / (8·8·5832) = 3.36505 N/mm; τa = 1500·0.8 = 1200 N/mm^2;
// P1 1.715709 × 9.807 = 16.82596; P2 3.431419 × 9.807 = 33.65193; τ1 11.42362 × 9.807 =
// 112.0314; τ2 22.84723 × 9.807 = 224.0628; Pmax 18.37745 × 9.807 = 180.2277.
const ShownCase kWorkedCases[] = {
    {"SpringRate", &DesignRecord::SpringRate, "0.3431", "3.365"},
    {"AllowableStress", &DesignRecord::AllowableStress, "122.4", "1200"},
    {"Load1", &DesignRecord::Load1, "1.716", "16.83"},
    {"Load2", &DesignRecord::Load2, "3.431", "33.65"},
    {"Stress1", &DesignRecord::Stress1, "11.42", "112"},
    {"Stress2", &DesignRecord::Stress2, "22.85", "224.1"},
    {"MaxLoad", &DesignRecord::MaxLoad, "18.38", "180.2"},
    {"FreeLength", &DesignRecord::FreeLength, "40", "40"},
    {"Length2", &DesignRecord::Length2, "30", "30"},
    {"WireDiameter", &DesignRecord::WireDiameter, "2", "2"},
};

TEST(DisplayUnits, WorkedExampleInBothSystems) {
  const DesignRecord stored = WorkedExample();
  const DesignRecord gravitational = ShownRecord(stored, UnitSystem::Gravitational);
  const DesignRecord si = ShownRecord(stored, UnitSystem::SI);
  for (const ShownCase& c : kWorkedCases) {
    SCOPED_TRACE(c.field);
    EXPECT_EQ(FormatShort(gravitational.*c.member), c.gravitational);
    EXPECT_EQ(FormatShort(si.*c.member), c.si);
  }
  // The gravitational copy is the record itself, byte for byte.
  EXPECT_EQ(std::memcmp(&gravitational, &stored, sizeof stored), 0);
}

TEST(DisplayUnits, LoadsAndStressesAgreeWithTheDataSheet) {
  MaterialTable materials;
  for (double kgf : {1.715709, 3.431419, 22.84723, 1300.0, 10.0, 0.0, 0.00012344, 123.456}) {
    DesignRecord r;
    r.Load1 = r.Load2 = r.Stress1 = r.Stress2 = kgf;
    const DataSheet sheet = MakeDataSheet(r, materials, false);
    const DesignRecord si = ShownRecord(r, UnitSystem::SI);
    SCOPED_TRACE(kgf);
    EXPECT_EQ(FormatShort(si.Load1), sheet.cells[8][3]);
    EXPECT_EQ(FormatShort(si.Stress1), sheet.cells[10][3]);
    EXPECT_EQ(FormatShort(si.Load2), sheet.cells[11][3]);
    EXPECT_EQ(FormatShort(si.Stress2), sheet.cells[13][3]);
  }
}

struct UnitCase {
  Quantity quantity;
  const char* gravitational;
  const char* si;
  double factor;
};

const UnitCase kUnitCases[] = {
    {Quantity::Load, "kgf", "N", 9.807},
    {Quantity::Rate, "kgf/mm", "N/mm", 9.8066},
    {Quantity::Stress, "kgf/mm^2", "N/mm^2", 9.807},
    {Quantity::Energy, "kgf·mm", "N·mm", 9.807},
};

TEST(DisplayUnits, CaptionsFactorsAndTypedValues) {
  for (const UnitCase& c : kUnitCases) {
    SCOPED_TRACE(c.gravitational);
    EXPECT_STREQ(UnitCaption(c.quantity, UnitSystem::Gravitational), c.gravitational);
    EXPECT_STREQ(UnitCaption(c.quantity, UnitSystem::SI), c.si);
    EXPECT_EQ(QuantityOfUnit(c.gravitational), c.quantity);
    EXPECT_EQ(ShownUnit(c.gravitational, UnitSystem::SI), c.si);
    EXPECT_EQ(ShownUnit(c.gravitational, UnitSystem::Gravitational), c.gravitational);
    EXPECT_DOUBLE_EQ(ShownValue(2, c.quantity, UnitSystem::SI), 2 * c.factor);
    EXPECT_DOUBLE_EQ(StoredValue(2 * c.factor, c.quantity, UnitSystem::SI), 2);
    for (double x : {0.0, 1.0, 1.715709, -3.5, 1e300})
      EXPECT_EQ(ShownValue(x, c.quantity, UnitSystem::Gravitational), x);
  }
  // A typed 9.807 N is exactly 1 kgf, and 19.614 N exactly 2.
  EXPECT_EQ(StoredValue(9.807, Quantity::Load, UnitSystem::SI), 1.0);
  EXPECT_EQ(StoredValue(19.614, Quantity::Load, UnitSystem::SI), 2.0);
  for (const char* other : {"mm", "", "巻", "回", "g", "N/mm^2"}) {
    EXPECT_FALSE(QuantityOfUnit(other));
    EXPECT_EQ(ShownUnit(other, UnitSystem::SI), other);
  }
}

TEST(DisplayUnits, SystemNames) {
  EXPECT_EQ(UnitSystemNamed("si"), UnitSystem::SI);
  EXPECT_EQ(UnitSystemNamed("gravity"), UnitSystem::Gravitational);
  for (const char* bad : {"", "SI", "kgf", "N"}) EXPECT_FALSE(UnitSystemNamed(bad)) << bad;
  for (UnitSystem u : {UnitSystem::SI, UnitSystem::Gravitational})
    EXPECT_EQ(UnitSystemNamed(UnitSystemName(u)), u);
}

TEST(DisplayUnits, ReferenceChecksConvertOnlyForcesAndStresses) {
  ReferenceChecks x;
  const auto set = [](ReferenceValue& v, double value) { v = {value, true}; };
  set(x.solidLoad, 10);
  set(x.solidStress, 100);
  set(x.solidStressRatio, 0.5);
  set(x.energy12, 2);
  set(x.rateAtTemperature, 1);
  set(x.pitch, 3);
  set(x.tolerances[1].load1, 0.1);
  set(x.worstCase.load2Max, 4);
  set(x.worstCase.stress2Max, 50);
  const ReferenceChecks si = ShownReferenceChecks(x, UnitSystem::SI);
  EXPECT_DOUBLE_EQ(si.solidLoad.value, 98.07);
  EXPECT_DOUBLE_EQ(si.solidStress.value, 980.7);
  EXPECT_DOUBLE_EQ(si.energy12.value, 19.614);
  EXPECT_DOUBLE_EQ(si.rateAtTemperature.value, 9.8066);
  EXPECT_DOUBLE_EQ(si.tolerances[1].load1.value, 0.9807);
  EXPECT_DOUBLE_EQ(si.worstCase.load2Max.value, 39.228);
  EXPECT_DOUBLE_EQ(si.worstCase.stress2Max.value, 490.35);
  EXPECT_EQ(si.solidStressRatio.value, 0.5);
  EXPECT_EQ(si.pitch.value, 3);
  EXPECT_TRUE(si.solidLoad.valid);
  EXPECT_FALSE(si.load1AtTemperature.valid);
  // Every unit of the tab's rows has its SI counterpart.
  for (const ReferenceRow& row : ReferenceRows(si)) {
    const std::string unit = ShownUnit(row.unit, UnitSystem::SI);
    EXPECT_EQ(unit.find("kgf"), std::string::npos) << row.item;
  }
}

}  // namespace
}  // namespace coilspring
