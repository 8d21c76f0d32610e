#include "core/torsion/torsion_reference.h"

#include <gtest/gtest.h>

#include <string>

#include "core/torsion/torsion_calc.h"
#include "core/torsion/torsion_sheet.h"
#include "support/torsion_example.h"

namespace coilspring {
namespace {

using TorsionReferenceTest = CalculatedTorsionExample;

// By hand for the example (kT = 0.9047451 kgf·mm/°, M1 = 27.142353, M2 = 54.284707):
//   wire: π·16·6 + 2·(25 − 8) = 301.59289 + 34 = 335.59289 mm;
//   mass: π/4·2²·335.59289·7.85 / 1000 = 8.276225 g (a steel wire, 7.85 g/cm³);
//   energy 0→θ2: 54.284707·(60/57.29578)/2 = 28.42341 kgf·mm;
//   energy θ1→θ2: (27.142353 + 54.284707)/2·(30/57.29578) = 21.31755 kgf·mm;
//   at 120 °C: E·(1 − 0.00025·100) = 206000·0.975 = 200850 N/mm², kT·0.975 = 0.8821265.
TEST_F(TorsionReferenceTest, ValuesByHand) {
  const TorsionReference r = ComputeTorsionReference(t, (*materials)[0], 120);
  struct Case {
    const char* what;
    ReferenceValue value;
    double expected;
  };
  for (const Case& c :
       {Case{"wire", r.wireLength, 335.59289}, Case{"mass", r.mass, 8.276225},
        Case{"energy2", r.energy2, 28.42341}, Case{"energy12", r.energy12, 21.31755},
        Case{"E", r.youngAtTemperature, 200850}, Case{"rate", r.rateAtTemperature, 0.8821265},
        Case{"moment2", r.moment2AtTemperature, 0.8821265 * 60}}) {
    SCOPED_TRACE(c.what);
    EXPECT_TRUE(c.value.valid);
    EXPECT_NEAR(c.value.value, c.expected, 2e-6 * c.expected);
  }
}

// c = 8 is in the band 4..8 of the coil-diameter table; 6 turns in the band 3..10 of the
// angle tables. Outer diameter 18: grade 1 max(1 %·18, 0.15) = 0.18, grade 2 max(0.27, 0.2) =
// 0.27, grade 3 max(0.45, 0.4) = 0.45. Free angle ±10, 15, 20°. Moment at θ2 = 60°:
// (60·β1 + 10)·kT with β1 0.03, 0.05, 0.08: 11.8·kT, 13·kT, 14.8·kT.
TEST_F(TorsionReferenceTest, TolerancesOfTheThreeGrades) {
  struct Case {
    int grade;
    double coil, angle, momentFactor;
  };
  for (const Case& c : {Case{1, 0.18, 10, 11.8}, Case{2, 0.27, 15, 13}, Case{3, 0.45, 20, 14.8}}) {
    SCOPED_TRACE(c.grade);
    const TorsionTolerances tol = TorsionTolerancesOf(t, c.grade);
    EXPECT_NEAR(tol.coilDiameter.value, c.coil, 1e-12);
    EXPECT_EQ(tol.freeAngle.value, c.angle);
    EXPECT_NEAR(tol.moment2.value, c.momentFactor * t.SpringRate, 1e-12);
  }
}

TEST_F(TorsionReferenceTest, TurnsBeyondTheTablesGiveNoTolerance) {
  struct Case {
    double turns;
    bool angle, moment;
  };
  // Up to 3 turns the free angle has a tolerance but the moment's scatter is not given.
  for (const Case& c : {Case{2.5, true, false}, Case{3, true, false}, Case{30, true, true},
                        Case{31, false, false}}) {
    SCOPED_TRACE(c.turns);
    t.TotalTurns = c.turns;
    const TorsionTolerances tol = TorsionTolerancesOf(t, 2);
    EXPECT_EQ(tol.freeAngle.valid, c.angle);
    EXPECT_EQ(tol.moment1.valid, c.moment);
  }
}

TEST_F(TorsionReferenceTest, RowsFollowTheUnits) {
  const TorsionReference r = ComputeTorsionReference(t, (*materials)[0]);
  const std::vector<ReferenceRow> gravity = TorsionReferenceRows(r, UnitSystem::Gravitational);
  const std::vector<ReferenceRow> si = TorsionReferenceRows(r, UnitSystem::SI);
  ASSERT_EQ(gravity.size(), si.size());
  EXPECT_EQ(gravity[2].unit, "kgf·mm");
  EXPECT_EQ(si[2].unit, "N·mm");
  EXPECT_EQ(gravity[2].value, "28.42");  // 28.42341
  EXPECT_EQ(si[2].value, "278.7");       // 28.42341·9.807 = 278.7484
  EXPECT_EQ(gravity[0].value, "335.6");
}

// The sheet in N, N·mm and N/mm²: M2 54.284707·9.807 = 532.37 N·mm, kT 0.9047451·9.8066 =
// 8.87247 N·mm/°, σ2 76.214315·9.807 = 747.43 N/mm².
TEST_F(TorsionReferenceTest, DataSheetRows) {
  (*materials)[0].Symbol.AssignRaw("SWP-B");
  const std::vector<TorsionSheetRow> rows = TorsionSheetRows(t, *materials);
  const auto value = [&](const std::string& item) {
    for (const TorsionSheetRow& row : rows)
      if (row.item == item) return row.value;
    return std::string("(none)");
  };
  struct Case {
    const char* item;
    const char* value;
  };
  for (const Case& c :
       {Case{"材料", "SWP-B"}, Case{"モーメント 2", "532.4"}, Case{"ばね定数", "8.872"},
        Case{"曲げ応力 2", "747.4"}, Case{"ねじれ角 2", "60"}, Case{"荷重点の腕の長さ", "25"},
        Case{"案内棒径", "―"}, Case{"コイル内径", "14"}})
    EXPECT_EQ(value(c.item), c.value) << c.item;
}

}  // namespace
}  // namespace coilspring
