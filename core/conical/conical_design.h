// A conical compression spring (円すいコイルばね): the coil's mean radius grows evenly along the
// wire from the small end to the large one at one free pitch, so the coils close one by one from
// the largest and the rate rises as the load grows. Its end forms, solid height and materials are
// the compression spring's; its files are JSON, and the field table below names every key.
#pragma once

#include <cstdint>
#include <optional>

#include "core/compression/end_kind.h"
#include "core/records/design_codes.h"
#include "core/records/design_field.h"

namespace coilspring {

struct ConicalDesign {
  // Inputs.
  std::int32_t MaterialNo = 0;
  double WireDiameter = 1.0;  // one of the material's listed diameters
  coilspring::DiameterKind DiameterKind = coilspring::DiameterKind::Mean;
  double SmallDiameter = 8;  // both ends' diameters are of DiameterKind, mm
  double LargeDiameter = 14;
  double TotalTurns = 7;
  coilspring::EndKind EndKind = coilspring::EndKind::ClosedUnground;
  double FreeLength = 20;  // L0, mm
  coilspring::InputMode InputMode = coilspring::InputMode::Lengths;
  double Length1 = 16;  // mm, compressed
  double Length2 = 12;
  double Load1 = 0;  // kgf
  double Load2 = 0;
  bool LeftHand = false;

  // Results.
  std::int32_t WireRow = -1;  // the row of WireDiameter in the material's table, -1 for none
  double SmallMean = 0;       // the mean diameters of the two ends, mm
  double LargeMean = 0;
  double SpringIndexSmall = 0;
  double SpringIndexLarge = 0;
  double ActiveTurns = 0;
  double Pitch = 0;             // the free pitch of every active turn, mm
  double SolidHeight = 0;       // mm
  double InitialRate = 0;       // kgf/mm, while every coil is open
  double FirstContactLoad = 0;  // the load that closes the largest coil, kgf
  double FirstContactLength = 0;
  std::optional<double> Rate1;  // dP/dL at the working points; none once the spring is solid
  std::optional<double> Rate2;
  double Stress1 = 0;  // corrected, kgf/mm^2
  double Stress2 = 0;
  double AllowableStress = 0;
  double MaxLoad = 0;  // kgf
  double SolidLoad = 0;
  double SolidStress = 0;
  std::int32_t LifeClass = 0;

  // Every field with its key, its label and its gravitational unit, inputs first; WireRow and
  // the mean diameters are the calculation's own and not among them.
  template <class Self, class Visitor>
  static void VisitFields(Self& r, Visitor&& v) {
    constexpr FieldRole in = FieldRole::Input, out = FieldRole::Result;
    v(DesignField{"MaterialNo", "材料番号", "", in}, r.MaterialNo);
    v(DesignField{"WireDiameter", "線径", "mm", in}, r.WireDiameter);
    v(DesignField{"DiameterKind", "径の種類", "", in}, r.DiameterKind);
    v(DesignField{"SmallDiameter", "小端の径", "mm", in}, r.SmallDiameter);
    v(DesignField{"LargeDiameter", "大端の径", "mm", in}, r.LargeDiameter);
    v(DesignField{"TotalTurns", "総巻数", "巻", in}, r.TotalTurns);
    v(DesignField{"EndKind", "座巻き", "", in}, r.EndKind);
    v(DesignField{"FreeLength", "自由長さ", "mm", in}, r.FreeLength);
    v(DesignField{"InputMode", "入力モード", "", in}, r.InputMode);
    v(DesignField{"Length1", "長さ（Ｌ１）", "mm", in}, r.Length1);
    v(DesignField{"Length2", "長さ（Ｌ２）", "mm", in}, r.Length2);
    v(DesignField{"Load1", "荷重（Ｐ１）", "kgf", in}, r.Load1);
    v(DesignField{"Load2", "荷重（Ｐ２）", "kgf", in}, r.Load2);
    // A file written before the winding was kept reads as right-hand.
    v(DesignField{"LeftHand", "左巻", "", FieldRole::OptionalInput}, r.LeftHand);
    v(DesignField{"SpringIndexSmall", "バネ指数（小端）", "", out}, r.SpringIndexSmall);
    v(DesignField{"SpringIndexLarge", "バネ指数（大端）", "", out}, r.SpringIndexLarge);
    v(DesignField{"ActiveTurns", "有効巻数", "巻", out}, r.ActiveTurns);
    v(DesignField{"Pitch", "ピッチ", "mm", out}, r.Pitch);
    v(DesignField{"SolidHeight", "密着高さ", "mm", out}, r.SolidHeight);
    v(DesignField{"InitialRate", "初期バネ定数", "kgf/mm", out}, r.InitialRate);
    v(DesignField{"FirstContactLoad", "密着開始荷重", "kgf", out}, r.FirstContactLoad);
    v(DesignField{"FirstContactLength", "密着開始長さ", "mm", out}, r.FirstContactLength);
    v(DesignField{"Rate1", "バネ定数（Ｌ１）", "kgf/mm", out}, r.Rate1);
    v(DesignField{"Rate2", "バネ定数（Ｌ２）", "kgf/mm", out}, r.Rate2);
    v(DesignField{"Stress1", "ねじり応力１", "kgf/mm^2", out}, r.Stress1);
    v(DesignField{"Stress2", "ねじり応力２", "kgf/mm^2", out}, r.Stress2);
    v(DesignField{"AllowableStress", "許容応力", "kgf/mm^2", out}, r.AllowableStress);
    v(DesignField{"MaxLoad", "最大荷重", "kgf", out}, r.MaxLoad);
    v(DesignField{"SolidLoad", "密着荷重", "kgf", out}, r.SolidLoad);
    v(DesignField{"SolidStress", "密着応力", "kgf/mm^2", out}, r.SolidStress);
    v(DesignField{"LifeClass", "寿命クラス", "", out}, r.LifeClass);
  }
  bool operator==(const ConicalDesign&) const = default;
};

}  // namespace coilspring
