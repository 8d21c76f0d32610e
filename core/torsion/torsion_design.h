// The torsion spring (ねじりコイルばね): a close-wound body of round wire with two straight legs,
// loaded by a moment that winds the coil up. Units as the compression spring's: mm, degrees,
// kgf, kgf·mm, kgf·mm/°, kgf/mm^2.
#pragma once

#include <cstdint>
#include <optional>

#include "core/display/display_units.h"
#include "core/records/design_codes.h"
#include "core/records/design_field.h"

namespace coilspring {

// InputMode keeps its meaning: Lengths (1) enters the deflections, here the angles, and derives
// the loads, here the moments; Loads (0) the other way round.
inline constexpr InputMode kAnglesEntered = InputMode::Lengths;
inline constexpr InputMode kMomentsEntered = InputMode::Loads;

struct TorsionDesign {
  // Inputs.
  std::int32_t MaterialNo = 0;
  double WireDiameter = 0;  // d, one of the material's listed diameters
  coilspring::DiameterKind DiameterKind = coilspring::DiameterKind::Mean;
  double InnerDiameter = 0;  // the three coil diameters; the one of DiameterKind is entered
  double MeanDiameter = 0;   // D
  double OuterDiameter = 0;
  double TotalTurns = 0;          // Nt, the body's turns
  double Leg1 = 0;                // l1, mm from the coil axis
  double Leg2 = 0;                // l2
  std::optional<double> LoadArm;  // R, where the load acts; Leg1 when not given
  std::optional<double> Rod;      // the rod the coil works over; no check when not given
  coilspring::InputMode InputMode = kAnglesEntered;
  double Angle1 = 0, Angle2 = 0;    // θ1, θ2, degrees of wind-up
  double Moment1 = 0, Moment2 = 0;  // M1, M2, kgf·mm
  bool LeftHand = false;  // 左巻: the coil winds up the other way; right-hand when a file is silent

  // Results.
  double SpringIndex = 0;      // c = D / d
  double BendingFactor = 0;    // κb
  double ActiveTurns = 0;      // Na, the body and the legs' own bending
  double SpringRate = 0;       // kT, kgf·mm per degree
  double Stress1 = 0;          // σ1, kgf/mm^2
  double Stress2 = 0;          // σ2
  double AllowableStress = 0;  // σa
  double MaxMoment = 0;        // Mmax, at which σ reaches σa
  double MaxAngle = 0;         // θmax
  double MeanDiameter2 = 0;    // the coil wound up to θ2
  double InnerDiameter2 = 0;
  double BodyLength2 = 0;
  std::optional<double> Load1;  // P = M / R, when an arm is known
  std::optional<double> Load2;
  double TensileStrength = 0;   // σB of the wire's row, kgf/mm^2
  double UpperStressRatio = 0;  // σ2 / σB

  // Every field under the name the design files and scripts use, in file order: the codes and
  // MaterialNo first, then the inputs (LoadArm and Rod may be left out), then the results
  // (Load1 and Load2 only when an arm is known).
  template <class Self, class Visitor>
  static void VisitFields(Self& t, Visitor&& v) {
    constexpr FieldRole in = FieldRole::Input, optional = FieldRole::OptionalInput,
                        out = FieldRole::Result;
    v(DesignField{"MaterialNo", "材料番号", "", in}, t.MaterialNo);
    v(DesignField{"DiameterKind", "径の種類", "", in}, t.DiameterKind);
    v(DesignField{"InputMode", "入力モード", "", in}, t.InputMode);
    v(DesignField{"WireDiameter", "線径", "mm", in}, t.WireDiameter);
    v(DesignField{"InnerDiameter", "コイル内径", "mm", in}, t.InnerDiameter);
    v(DesignField{"MeanDiameter", "コイル平均径", "mm", in}, t.MeanDiameter);
    v(DesignField{"OuterDiameter", "コイル外径", "mm", in}, t.OuterDiameter);
    v(DesignField{"TotalTurns", "総巻数", "巻", in}, t.TotalTurns);
    v(DesignField{"Leg1", "腕の長さ1", "mm", in}, t.Leg1);
    v(DesignField{"Leg2", "腕の長さ2", "mm", in}, t.Leg2);
    v(DesignField{"LoadArm", "荷重点の腕の長さ", "mm", optional}, t.LoadArm);
    v(DesignField{"Rod", "案内棒径", "mm", optional}, t.Rod);
    v(DesignField{"Angle1", "ねじれ角1", "°", in}, t.Angle1);
    v(DesignField{"Angle2", "ねじれ角2", "°", in}, t.Angle2);
    v(DesignField{"Moment1", "モーメント1", "kgf·mm", in}, t.Moment1);
    v(DesignField{"Moment2", "モーメント2", "kgf·mm", in}, t.Moment2);
    v(DesignField{"LeftHand", "左巻", "", optional}, t.LeftHand);
    v(DesignField{"SpringIndex", "ばね指数", "", out}, t.SpringIndex);
    v(DesignField{"BendingFactor", "曲げ応力修正係数", "", out}, t.BendingFactor);
    v(DesignField{"ActiveTurns", "有効巻数", "巻", out}, t.ActiveTurns);
    v(DesignField{"SpringRate", "ばね定数", "kgf·mm/°", out}, t.SpringRate);
    v(DesignField{"Stress1", "曲げ応力1", "kgf/mm^2", out}, t.Stress1);
    v(DesignField{"Stress2", "曲げ応力2", "kgf/mm^2", out}, t.Stress2);
    v(DesignField{"AllowableStress", "許容曲げ応力", "kgf/mm^2", out}, t.AllowableStress);
    v(DesignField{"MaxMoment", "最大モーメント", "kgf·mm", out}, t.MaxMoment);
    v(DesignField{"MaxAngle", "最大ねじれ角", "°", out}, t.MaxAngle);
    v(DesignField{"MeanDiameter2", "θ2でのコイル平均径", "mm", out}, t.MeanDiameter2);
    v(DesignField{"InnerDiameter2", "θ2でのコイル内径", "mm", out}, t.InnerDiameter2);
    v(DesignField{"BodyLength2", "θ2でのコイル長さ", "mm", out}, t.BodyLength2);
    v(DesignField{"Load1", "荷重1", "kgf", out}, t.Load1);
    v(DesignField{"Load2", "荷重2", "kgf", out}, t.Load2);
    v(DesignField{"TensileStrength", "引張強さ", "kgf/mm^2", out}, t.TensileStrength);
    v(DesignField{"UpperStressRatio", "上限応力係数", "", out}, t.UpperStressRatio);
  }
  bool operator==(const TorsionDesign&) const = default;
};

// The coil diameter DiameterKind says is entered (the mean diameter for a kind outside the
// enumeration), and its field's name.
double& EnteredDiameter(TorsionDesign& design);
double EnteredDiameter(const TorsionDesign& design);
const char* EnteredDiameterName(DiameterKind kind);

// The arm the loads act at: LoadArm, or Leg1 when none is given; nothing when neither is a
// positive length.
std::optional<double> LoadArmOf(const TorsionDesign& design);

// The JSON "kind" of a torsion spring's design file.
inline constexpr const char* kTorsionKind = "torsion";

}  // namespace coilspring
