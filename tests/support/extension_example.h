// The worked example of the extension spring: piano wire SWP-B (G 78500 N/mm^2, torsion ratio
// 45 %, σB 2260 N/mm^2 at d = 1), d = 1, D = 8 (mean), Nt = 10, round hook, annealed,
// Pi = 0.4 kgf, L0 = 30, L1 = 35, L2 = 40 mm (the design's start-up values); the shipped
// coefficients: 80 %, 80 %, hook factor 1.25, piano wire 25 %.
//   c  = 8 / 1 = 8;  κ = 31/28 + 0.615/8 = 1.107143 + 0.076875 = 1.184018
//   k  = 78500 · 1 / (8 · 10 · 512) / 9.8066 = 1.916504 / 9.8066 = 0.1954300 kgf/mm
//   P1 = 0.4 + 0.19543 · 5 = 1.377150;  P2 = 0.4 + 0.19543 · 10 = 2.354300 kgf
//   τi = 8 · 8 · 0.4 / π = 8.148733;  τ1 = κ · 64 · 1.37715 / π = 33.21770;
//   τ2 = κ · 64 · 2.3543 / π = 56.78716 kgf/mm^2
//   τa = 0.45 · 2260 · 0.8 · 0.8 / 9.807 = 650.88 / 9.807 = 66.36892 kgf/mm^2
//   Pmax = π · 66.36892 / (64 · κ) = 2.751544 kgf;  Lmax = 30 + (2.751544 − 0.4)/0.19543 = 42.03266
//   τh = 1.25 · 64 · 2.3543 / π = 59.95176 kgf/mm^2
//   band: 231·e^(−0.84) = 99.72513, ± 6.9 · (4 − 5/6.5) = ± 22.29231 → 77.43282 … 122.0174 N/mm^2,
//   × 0.75 / 9.807 → 5.921752 … 9.331404 kgf/mm^2 (τi inside: no warning)
//   x = 33.2177 · 9.8 / 2260 = 0.14404, y = 56.78716 · 9.8 / 2260 = 0.24625 → class 0, 1000万
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <type_traits>

#include "core/extension/extension_calc.h"
#include "core/text/sjis.h"
#include "support/example_material.h"

namespace coilspring {

inline MaterialRecord ExtensionExampleMaterial() {
  MaterialRecord m;
  m.KindName.AssignRaw(Utf8ToSjis("ピアノ線"));
  m.Symbol.AssignRaw("SWP-B");
  m.ShearModulus = 78500;
  m.TorsionRatio = 45;
  SetThreeRows(m, {0.9, 1, 1.2}, &MaterialRecord::TensileStrengths, {2300, 2260, 2210});
  return m;
}

// The example's material and coefficients; its design starts as ExtensionDesign{}.
struct ExtensionExample {
  MaterialRecord material = ExtensionExampleMaterial();
  CoefficientSettings settings = ShippedSettings();
  ExtensionDesign design;
  ExtensionCheck Calculate() { return CalculateExtension(design, material, settings); }
};

// The example's design with the hand-worked results above that the reference rows, the shape
// and the data sheet read.
inline ExtensionDesign WorkedExtensionResults() {
  return {.Load1 = 1.377150,
          .Load2 = 2.354300,
          .SpringIndex = 8,
          .ActiveTurns = 10,
          .SpringRate = 0.1954300,
          .MaxLength = 42.03266};
}

// The design with inputs changed as "Key value Key value ..." names them (codes by number); a
// key that is not an input fails the test.
inline ExtensionDesign WithInputs(ExtensionDesign r, const std::string& changes) {
  std::istringstream in(changes);
  std::string key;
  double value = 0;
  while (in >> key >> value) {
    bool found = false;
    ExtensionDesign::VisitFields(r, [&](const DesignField& f, auto& field) {
      if (!f.IsInput() || key != f.name) return;
      found = true;
      using T = std::decay_t<decltype(field)>;
      if constexpr (std::is_same_v<T, double>)
        field = value;
      else
        field = static_cast<T>(static_cast<int>(value));
    });
    EXPECT_TRUE(found) << key;
  }
  EXPECT_TRUE(in.eof()) << changes;
  return r;
}

}  // namespace coilspring
