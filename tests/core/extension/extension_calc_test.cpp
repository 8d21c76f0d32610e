#include "core/extension/extension_calc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/text/sjis.h"
#include "support/extension_example.h"

namespace coilspring {
namespace {

void ExpectRelative(double actual, double expected, double tolerance = 2e-6) {
  EXPECT_NEAR(actual, expected, std::fabs(expected) * tolerance) << "expected " << expected;
}

struct Expected {
  const char* name;
  double ExtensionDesign::*field;
  double value;
};

TEST(CalculateExtension, WorkedExample) {
  ExtensionExample x;
  const ExtensionCheck check = x.Calculate();
  const Expected table[] = {
      {"SpringIndex", &ExtensionDesign::SpringIndex, 8},
      {"WahlFactor", &ExtensionDesign::WahlFactor, 1.184018},
      {"ActiveTurns", &ExtensionDesign::ActiveTurns, 10},
      {"SpringRate", &ExtensionDesign::SpringRate, 0.1954300},
      {"Load1", &ExtensionDesign::Load1, 1.377150},
      {"Load2", &ExtensionDesign::Load2, 2.354300},
      {"InitialStress", &ExtensionDesign::InitialStress, 8.148733},
      {"InitialStressMin", &ExtensionDesign::InitialStressMin, 5.921752},
      {"InitialStressMax", &ExtensionDesign::InitialStressMax, 9.331404},
      {"Stress1", &ExtensionDesign::Stress1, 33.21770},
      {"Stress2", &ExtensionDesign::Stress2, 56.78716},
      {"AllowableStress", &ExtensionDesign::AllowableStress, 66.36892},
      {"MaxLoad", &ExtensionDesign::MaxLoad, 2.751544},
      {"MaxLength", &ExtensionDesign::MaxLength, 42.03266},
      {"HookStress", &ExtensionDesign::HookStress, 59.95176},
      {"InnerDiameter", &ExtensionDesign::InnerDiameter, 7},
      {"OuterDiameter", &ExtensionDesign::OuterDiameter, 9},
  };
  for (const Expected& e : table) {
    SCOPED_TRACE(e.name);
    ExpectRelative(x.design.*e.field, e.value);
  }
  EXPECT_EQ(x.design.WireRow, 1);
  EXPECT_EQ(x.design.LifeClass, 0);
  EXPECT_EQ(check.faults, 0u);
  EXPECT_EQ(check.Lines(InputMode::Lengths), std::vector<std::string>{"Calculation Success!"});
}

// Inputs the calculation derives: the lengths from the loads entered (InputMode 0), the coil
// from the outer diameter entered (DiameterKind 2).
TEST(CalculateExtension, DerivedInputs) {
  ExtensionExample x;
  x.design = WithInputs(x.design, "InputMode 0 Load1 1.3771500348 Load2 2.3543000696");
  x.Calculate();
  EXPECT_NEAR(x.design.Length1, 35, 1e-8);
  EXPECT_NEAR(x.design.Length2, 40, 1e-8);
  x.design = WithInputs({}, "DiameterKind 2 OuterDiameter 11 MeanDiameter 99");
  x.Calculate();
  EXPECT_EQ(x.design.MeanDiameter, 10);
  EXPECT_EQ(x.design.InnerDiameter, 9);
}

// Each case moves the worked example over one limit (values worked out by hand from the
// example's formulas; τa = 66.369 kgf/mm^2 throughout, 64.91 for the wire beyond the table).
TEST(CalculateExtension, CheckLines) {
  const struct {
    const char* changes;
    std::vector<std::string> lines;
    bool failed;
  } cases[] = {
      // c = 3.5: k = 2.333, P2 = 1.517, τ2 = 19.95, τi = 12.48 inside 10.16 … 14.30.
      {"MeanDiameter 3.5 InitialTension 1.4 Length1 30.02 Length2 30.05",
       {"エラー：バネ指数が４以下"},
       true},
      // c = 4 passes: τi = 12.22 inside 9.578 … 13.64; τ2 = 18.27.
      {"MeanDiameter 4 InitialTension 1.2 Length1 30.02 Length2 30.05",
       {"Calculation Success!"},
       false},
      // c = 23: τi = 1.757 inside 1.092 … 2.066; τ2 = 2.4.
      {"MeanDiameter 23 InitialTension 0.03 Length1 30.5 Length2 31",
       {"エラー：バネ指数が２２以上"},
       true},
      {"TotalTurns 2.5 Length1 30.5 Length2 31", {"エラー:有効巻き数が３以下です"}, true},
      // L2 = 41: τ2 = 61.50, τh = 64.93 both pass.
      {"Length2 41", {"Calculation Success!"}, false},
      // L2 = 41.5: τ2 = 63.86 passes, τh = 67.42 does not.
      {"Length2 41.5", {"エラー:フック応力オーバー"}, true},
      // L2 = 43: τ2 = 68.57 and τh = 72.39.
      {"Length2 43", {"エラー:ねじり応力オーバー", "エラー:フック応力オーバー"}, true},
      {"Length1 29", {"エラー:引張長さの順番が不適（L0≦L1≦L2）"}, true},
      {"Length1 30 Length2 30", {"Calculation Success!"}, false},  // L1 = L0 = L2
      // Loads entered, P1 below Pi.
      {"InputMode 0 Load1 0.3 Load2 1", {"エラー:荷重の順番が不適（Pi≦P1≦P2）"}, true},
      // τi = 10.19 above 9.331: a warning, the design does not fail.
      {"InitialTension 0.5", {"警告:初応力が製作できる範囲の外"}, false},
      // d = 1.3 beyond the table's 1.2: τa from its end, τi = 7.23, τ2 = 44.8.
      {"WireDiameter 1.3 MeanDiameter 10.4 InitialTension 0.6",
       {"エラー：線径が許容応力表の範囲外"},
       true},
      // No turns: the rate, loads and stresses are infinite, and so over every stress limit.
      {"TotalTurns 0",
       {"エラー:有効巻き数が３以下です", "エラー:ねじり応力オーバー", "エラー:フック応力オーバー",
        "エラー：計算できない値があります（入力値を確認）"},
       true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.changes);
    ExtensionExample x;
    x.design = WithInputs(x.design, c.changes);
    const ExtensionCheck check = x.Calculate();
    EXPECT_EQ(check.Lines(x.design.InputMode), c.lines);
    EXPECT_EQ(check.failed(), c.failed);
  }
}

// The band at c = 8 is 77.43282 … 122.0174 N/mm^2 (see support/extension_example.h); each class and
// annealing lowers it by its coefficients (15, 25, 25, 20 %).
TEST(InitialTensionBand, LoweredByWireClass) {
  CoefficientSettings s = ShippedSettings();
  s.HardDrawnTensionReduction = 30;  // apart from piano wire's 25
  const struct {
    WireClass wire;
    bool annealed;
    double factor;
  } cases[] = {
      {WireClass::PianoWire, false, 1},    {WireClass::PianoWire, true, 0.75},
      {WireClass::HardDrawn, false, 1},    {WireClass::HardDrawn, true, 0.7},
      {WireClass::Stainless, false, 0.85}, {WireClass::Stainless, true, 0.85 * 0.8},
      {WireClass::Other, true, 1},
  };
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(InitialTensionFactor(c.wire, c.annealed, s), c.factor);
  const StressBand band = CoiledInitialStressBand(8);
  ExpectRelative(band.min, 77.43282);
  ExpectRelative(band.max, 122.0174);
}

TEST(WireClassOf, ByKindNameAndSymbol) {
  const struct {
    const char* kind;
    const char* symbol;
    WireClass wire;
  } cases[] = {
      {"ピアノ線", "SWP-B", WireClass::PianoWire},
      {"硬鋼線", "SW-C", WireClass::HardDrawn},
      {"ステンレス鋼線", "SUS304-WPB", WireClass::Stainless},
      {"", "SUS631J1", WireClass::Stainless},
      {"オイルテンパー線", "SWOSC-V", WireClass::Other},
  };
  for (const auto& c : cases) {
    MaterialRecord m;
    m.KindName.AssignRaw(Utf8ToSjis(c.kind));
    m.Symbol.AssignRaw(c.symbol);
    EXPECT_EQ(WireClassOf(m), c.wire) << c.kind;
  }
}

// Standard free length (Nt + 1)·d + 2·h with Di = 7: round 11 + 14 = 25, half-round 11 + 7 = 18.
// The entered diameter decides over stale others: an inner 9 gives 11 + 18 = 29, an outer 12
// the inner 10 and 11 + 20 = 31, whatever the mean still says (8).
TEST(StandardFreeLength, ByHook) {
  const struct {
    HookKind hook;
    DiameterKind entered;
    double length;
  } cases[] = {{HookKind::Round, DiameterKind::Mean, 25},
               {HookKind::HalfRound, DiameterKind::Mean, 18},
               {HookKind::ReverseRound, DiameterKind::Mean, 25},
               {HookKind::U, DiameterKind::Mean, 25},
               {HookKind::Round, DiameterKind::Inner, 29},
               {HookKind::Round, DiameterKind::Outer, 31}};
  for (const auto& c : cases) {
    ExtensionDesign r;
    r.HookKind = c.hook;
    r.DiameterKind = c.entered;
    r.InnerDiameter = 9;
    r.OuterDiameter = 12;
    if (c.entered == DiameterKind::Mean) r.InnerDiameter = 7;
    EXPECT_DOUBLE_EQ(StandardFreeLength(r), c.length);
  }
}

TEST(IsExtensionDocumentKey, InputsResultsAndTheDocumentsOwn) {
  for (const char* key : {"MaterialNo", "Load2", "Annealed", "HookStress", "LifeClass", "kind",
                          "history", "LifeClassText", "reference", "lines"})
    EXPECT_TRUE(IsExtensionDocumentKey(key)) << key;
  for (const char* key : {"units", "slot", "EndKind", "WireRow", ""})
    EXPECT_FALSE(IsExtensionDocumentKey(key)) << key;
}

TEST(HookKindName, EveryFormAndNone) {
  EXPECT_STREQ(HookKindName(HookKind::Round), "丸フック");
  EXPECT_STREQ(HookKindName(HookKind::U), "Uフック");
  EXPECT_STREQ(HookKindName(static_cast<HookKind>(4)), "");
}

}  // namespace
}  // namespace coilspring
