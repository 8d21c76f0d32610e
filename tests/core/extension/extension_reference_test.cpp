#include "core/extension/extension_reference.h"

#include <gtest/gtest.h>

#include <string>

#include "support/extension_example.h"

namespace coilspring {
namespace {

// ±(Pi·α + (P − Pi)·β) at the worked example's Pi 0.4, P1 1.377150, P2 2.354300 kgf and 10 active
// turns: β 0.05 / 0.10 / 0.15, α 0.10 / 0.15 / 0.20.
TEST(ExtensionLoadTolerance, ByGrade) {
  const struct {
    int grade;
    double load1, load2;
  } cases[] = {
      {1, 0.04 + 0.977150 * 0.05, 0.04 + 1.954300 * 0.05},
      {2, 0.06 + 0.977150 * 0.10, 0.06 + 1.954300 * 0.10},
      {3, 0.08 + 0.977150 * 0.15, 0.08 + 1.954300 * 0.15},
  };
  const ExtensionDesign r = WorkedExtensionResults();
  for (const auto& c : cases) {
    EXPECT_NEAR(ExtensionLoadTolerance(r, c.grade, r.Load1).value, c.load1, 1e-12);
    EXPECT_NEAR(ExtensionLoadTolerance(r, c.grade, r.Load2).value, c.load2, 1e-12);
  }
  ExtensionDesign more = r;
  more.ActiveTurns = 11;  // above 10 turns β is 0.04
  EXPECT_NEAR(ExtensionLoadTolerance(more, 1, r.Load1).value, 0.04 + 0.977150 * 0.04, 1e-12);
  more.ActiveTurns = 2.5;  // below 3 turns the standard gives none
  EXPECT_FALSE(ExtensionLoadTolerance(more, 1, r.Load1).valid);
}

TEST(HookWireLength, ByHook) {
  ExtensionDesign r = WorkedExtensionResults();  // D 8
  const struct {
    HookKind hook;
    double length;
  } cases[] = {{HookKind::Round, 8 * 3.141592654},
               {HookKind::HalfRound, 4 * 3.141592654},
               {HookKind::ReverseRound, 8 * 3.141592654},
               {HookKind::U, 4 * 3.141592654 + 8}};
  for (const auto& c : cases) {
    r.HookKind = c.hook;
    EXPECT_DOUBLE_EQ(HookWireLength(r), c.length);
  }
}

// Free length 30 at c = 8: 1 %, 2 %, 3 % with minimums 0.2, 0.5, 0.7 → 0.3, 0.6, 0.9 mm.
TEST(ExtensionReferenceRows, FreeLengthTolerancesAndUnits) {
  const ExtensionDesign r = WorkedExtensionResults();
  const MaterialRecord m = ExtensionExampleMaterial();
  const auto rows = ExtensionReferenceRows(r, m);
  const auto find = [&](const std::string& item) {
    for (const ReferenceRow& row : rows)
      if (row.item == item) return row;
    return ReferenceRow{};
  };
  EXPECT_EQ(find("自由長さの許容差（1級）").value, "0.3");
  EXPECT_EQ(find("自由長さの許容差（2級）").value, "0.6");
  EXPECT_EQ(find("自由長さの許容差（3級）").value, "0.9");
  EXPECT_EQ(find("荷重P1の許容差（1級）").unit, "kgf");
  const auto si = ExtensionReferenceRows(r, m, UnitSystem::SI);
  EXPECT_EQ(si.size(), rows.size());
  bool newtons = false;
  for (const ReferenceRow& row : si) newtons = newtons || row.unit == "N";
  EXPECT_TRUE(newtons);
}

}  // namespace
}  // namespace coilspring
