// The conical spring's load curve against hand-worked values and against the compression
// spring's calculation of the same cylindrical coil.
//
// Worked example: piano wire (G = 78500 N/mm², torsion ratio 45 %, σB 2260 N/mm² at d = 1),
// d = 1, mean diameters 8 and 14 (R1 = 4, R2 = 7), Nt = 7 closed ends (Na = 5), L0 = 20.
//   G = 78500 / 9.8066 = 8004.8131 kgf/mm²;  Hs = (7 + 1)·1 = 8;  p = (20 − 8)/5 + 1 = 3.4
//   c = (p − d)/2π = 2.4/2π;  G·J = G·π/32, so c·G·J = 0.0375·G = 300.18049 kgf·mm
//   k1 = G/(16·5·(4 + 7)(16 + 49)) = G/57200 = 0.13994428 kgf/mm
//   first contact: Pc(7) = 300.18049/343 = 0.87516178 kgf at δ = Pc/k1 = 6.2536443,
//     L = 13.746356
//   a progressive point, Rb = 6: P = 300.18049/216 = 1.3897245 kgf;
//     with B = c·2πNa/(R2 − R1) = 2.4·5/3 = 4, δ = B·(R2 − ¾Rb − R1⁴/(4Rb³))
//     = 4·(7 − 4.5 − 256/864) = 4·(2.5 − 0.2962963) = 8.8148148, L = 11.185185;
//     τ = κ(12)·16·P·6/π, κ(12) = 47/44 + 0.615/12 = 1.1194318, τ = 47.538746 kgf/mm²;
//     dP/dδ = 4GJ(R2 − R1)/(2πNa(Rb⁴ − R1⁴)) = 12·G/(32·10400) = 0.28863509 kgf/mm
//   solid: Pc(4) = 300.18049/64 = 4.6903202 kgf at δ = 5·2.4 = 12, L = 8 = Hs;
//     τ = κ(8)·16·P·4/π, κ(8) = 1.1840179, τ = 113.13340 kgf/mm²
//   τa = 0.45·2260·0.8/9.807 = 82.961150 kgf/mm²
#include "core/conical/conical_calc.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/compression/design_fatigue.h"
#include "core/compression/spring_calc.h"
#include "support/example_material.h"
#include "support/extension_example.h"

namespace coilspring {
namespace {

struct ConicalExample {
  MaterialRecord material = ExtensionExampleMaterial();
  ConicalDesign design;  // the start-up design is the worked example, L1 = 16, L2 = 12
  ConicalCheck Calculate() { return CalculateConical(design, material, ShippedSettings()); }
};

TEST(ConicalCalculation, WorkedExampleFirstContactProgressiveAndSolid) {
  ConicalExample x;
  x.design.InputMode = InputMode::Loads;
  x.design.Load1 = 300.18049069 / 216;
  x.design.Load2 = 4.6903202;
  x.Calculate();
  const ConicalDesign& r = x.design;
  EXPECT_DOUBLE_EQ(r.ActiveTurns, 5);
  EXPECT_DOUBLE_EQ(r.SolidHeight, 8);
  EXPECT_NEAR(r.Pitch, 3.4, 1e-12);
  EXPECT_NEAR(r.InitialRate, 0.13994428, 1e-8);
  EXPECT_NEAR(r.FirstContactLoad, 0.87516178, 1e-8);
  EXPECT_NEAR(r.FirstContactLength, 13.746356, 1e-6);
  EXPECT_NEAR(r.Length1, 11.185185, 1e-6);
  EXPECT_NEAR(r.Stress1, 47.538746, 1e-6);
  EXPECT_NEAR(*r.Rate1, 0.28863509, 1e-8);
  EXPECT_NEAR(r.SolidLoad, 4.6903202, 1e-7);
  EXPECT_NEAR(r.SolidStress, 113.13340, 1e-5);
  EXPECT_NEAR(r.Length2, 8, 1e-6);
  EXPECT_NEAR(r.AllowableStress, 82.961150, 1e-6);

  // The same progressive point from its length: the load is found on the curve.
  ConicalExample y;
  y.design.Length2 = 11.185185185185;
  const ConicalCheck check = y.Calculate();
  EXPECT_NEAR(y.design.Load2, 1.3897245, 1e-7);
  EXPECT_EQ(check.Lines(y.design), std::vector<std::string>{kSuccessLine});
}

// R1 = R2: the first line is the compression spring's 8PNaD³/(Gd⁴), and every coil closes at
// once at solid; the compression calculation of the same coil gives the same results.
TEST(ConicalCalculation, CylindricalCoilIsTheCompressionSpring) {
  for (const auto& [L1, L2] :
       {std::pair{16.0, 12.0}, std::pair{19.0, 9.0}, std::pair{15.0, 17.0}}) {
    ConicalExample x;
    x.design.LargeDiameter = 8;
    x.design.Length1 = L1;
    x.design.Length2 = L2;
    const ConicalCheck check = x.Calculate();

    auto materials = std::make_unique<MaterialTable>();
    (*materials)[0] = x.material;
    DesignRecord c{.WireRow = 1,
                   .WireDiameter = 1,
                   .MeanDiameter = 8,
                   .DiameterKind = DiameterKind::Mean,
                   .TotalTurns = 7,
                   .ActiveTurns = ActiveTurnsFor(7, EndKind::ClosedUnground),
                   .FreeLength = 20,
                   .InputMode = InputMode::Lengths,
                   .Length1 = L1,
                   .Length2 = L2};
    const PreparedMaterial prepared = PrepareMaterial((*materials)[0]);
    CalculateSpring(c, prepared, ShippedSettings());
    DetermineLifeClass(c, *materials);

    const ConicalDesign& r = x.design;
    EXPECT_NEAR(r.InitialRate, c.SpringRate, 1e-12 * c.SpringRate);
    EXPECT_NEAR(r.Load1, c.Load1, 1e-12);
    EXPECT_NEAR(r.Load2, c.Load2, 1e-12);
    EXPECT_NEAR(r.Stress1, c.Stress1, 1e-10);
    EXPECT_NEAR(r.Stress2, c.Stress2, 1e-10);
    EXPECT_EQ(r.SolidHeight, c.SolidHeight);
    EXPECT_EQ(r.AllowableStress, c.AllowableStress);
    EXPECT_NEAR(r.MaxLoad, c.MaxLoad, 1e-12);
    EXPECT_EQ(r.LifeClass, c.LifeClass);
    EXPECT_EQ(check.Lines(r), ValidateDesign(c, prepared).lines.Texts()) << L1 << " " << L2;
  }
}

TEST(ConicalCalculation, CoilsThatNestAreRefusedNamingTheDiameters) {
  ConicalExample x;
  x.design.LargeDiameter = 17.9;  // 0.99 a turn: the coils just miss each other
  EXPECT_EQ(TelescopingRefusal(x.design), std::nullopt);
  x.design.LargeDiameter = 18;  // (18 − 8)/2/5 = 1 = d
  EXPECT_EQ(TelescopingRefusal(x.design),
            "コイルが入れ子になる円すいばねは計算できません（平均径 8～18 mm：1巻ごとの半径の差 "
            "1 mm が線径 1 mm 以上）");
  EXPECT_EQ(x.Calculate().Lines(x.design).back(), "エラー：" + *TelescopingRefusal(x.design));
}

}  // namespace
}  // namespace coilspring
