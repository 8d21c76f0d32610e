// An extension spring (引張コイルばね): its inputs and the results calculated from them, kept as
// one readable design. Unlike the compression spring it has no byte image; its files are JSON,
// and the field table below names every key of them.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/records/design_codes.h"
#include "core/records/design_field.h"

namespace coilspring {

// The hook forms, in the order of the hook list.
enum class HookKind : std::int32_t {
  Round = 0,         // 丸フック
  HalfRound = 1,     // 半丸フック
  ReverseRound = 2,  // 逆丸フック
  U = 3,             // Uフック
};
template <>
struct CodeCount<HookKind> : std::integral_constant<std::int32_t, 4> {};

extern const std::array<const char*, CodeCount<HookKind>::value> kHookKindNames;
// The text of a hook form; "" for a value outside the enumeration.
const char* HookKindName(HookKind kind);

struct ExtensionDesign {
  // Inputs.
  std::int32_t MaterialNo = 0;
  double WireDiameter = 1.0;  // one of the material's listed diameters
  coilspring::DiameterKind DiameterKind = coilspring::DiameterKind::Mean;
  double InnerDiameter = 7.0;
  double MeanDiameter = 8.0;
  double OuterDiameter = 9.0;
  double TotalTurns = 10;  // body turns; every one of them is active
  coilspring::HookKind HookKind = coilspring::HookKind::Round;
  bool Annealed = true;         // 低温焼なまし after coiling
  double InitialTension = 0.4;  // Pi, kgf
  double FreeLength = 30;       // L0, inside the hooks, mm
  coilspring::InputMode InputMode = coilspring::InputMode::Lengths;
  double Length1 = 35;  // mm, extended
  double Length2 = 40;
  double Load1 = 0;  // kgf
  double Load2 = 0;
  bool LeftHand = false;  // 左巻: the helix winds the other way; right-hand when a file is silent

  // Results.
  std::int32_t WireRow = -1;  // the row of WireDiameter in the material's table, -1 for none
  double SpringIndex = 0;
  double WahlFactor = 0;
  double ActiveTurns = 0;
  double SpringRate = 0;        // kgf/mm
  double InitialStress = 0;     // kgf/mm^2, uncorrected
  double InitialStressMin = 0;  // the band that can be coiled, kgf/mm^2
  double InitialStressMax = 0;
  double Stress1 = 0;  // corrected, kgf/mm^2
  double Stress2 = 0;
  double AllowableStress = 0;
  double MaxLoad = 0;     // kgf
  double MaxLength = 0;   // mm
  double HookStress = 0;  // kgf/mm^2
  std::int32_t LifeClass = 0;

  // Every field with its key, its label and its gravitational unit, inputs first; WireRow is
  // the calculation's own and not among them.
  template <class Self, class Visitor>
  static void VisitFields(Self& r, Visitor&& v) {
    constexpr FieldRole in = FieldRole::Input, out = FieldRole::Result;
    v(DesignField{"MaterialNo", "材料番号", "", in}, r.MaterialNo);
    v(DesignField{"WireDiameter", "線径", "mm", in}, r.WireDiameter);
    v(DesignField{"DiameterKind", "径の種類", "", in}, r.DiameterKind);
    v(DesignField{"InnerDiameter", "内径", "mm", in}, r.InnerDiameter);
    v(DesignField{"MeanDiameter", "平均径", "mm", in}, r.MeanDiameter);
    v(DesignField{"OuterDiameter", "外径", "mm", in}, r.OuterDiameter);
    v(DesignField{"TotalTurns", "総巻数", "巻", in}, r.TotalTurns);
    v(DesignField{"HookKind", "フック形状", "", in}, r.HookKind);
    v(DesignField{"Annealed", "低温焼なまし", "", in}, r.Annealed);
    v(DesignField{"InitialTension", "初張力", "kgf", in}, r.InitialTension);
    v(DesignField{"FreeLength", "自由長さ", "mm", in}, r.FreeLength);
    v(DesignField{"InputMode", "入力モード", "", in}, r.InputMode);
    v(DesignField{"Length1", "長さ（Ｌ１）", "mm", in}, r.Length1);
    v(DesignField{"Length2", "長さ（Ｌ２）", "mm", in}, r.Length2);
    v(DesignField{"Load1", "荷重（Ｐ１）", "kgf", in}, r.Load1);
    v(DesignField{"Load2", "荷重（Ｐ２）", "kgf", in}, r.Load2);
    v(DesignField{"LeftHand", "左巻", "", FieldRole::OptionalInput}, r.LeftHand);
    v(DesignField{"SpringIndex", "バネ指数", "", out}, r.SpringIndex);
    v(DesignField{"WahlFactor", "応力修正係数", "", out}, r.WahlFactor);
    v(DesignField{"ActiveTurns", "有効巻数", "巻", out}, r.ActiveTurns);
    v(DesignField{"SpringRate", "バネ定数", "kgf/mm", out}, r.SpringRate);
    v(DesignField{"InitialStress", "初応力", "kgf/mm^2", out}, r.InitialStress);
    v(DesignField{"InitialStressMin", "初応力の下限", "kgf/mm^2", out}, r.InitialStressMin);
    v(DesignField{"InitialStressMax", "初応力の上限", "kgf/mm^2", out}, r.InitialStressMax);
    v(DesignField{"Stress1", "ねじり応力１", "kgf/mm^2", out}, r.Stress1);
    v(DesignField{"Stress2", "ねじり応力２", "kgf/mm^2", out}, r.Stress2);
    v(DesignField{"AllowableStress", "許容応力", "kgf/mm^2", out}, r.AllowableStress);
    v(DesignField{"MaxLoad", "最大荷重", "kgf", out}, r.MaxLoad);
    v(DesignField{"MaxLength", "最大許容引張長さ", "mm", out}, r.MaxLength);
    v(DesignField{"HookStress", "フック応力", "kgf/mm^2", out}, r.HookStress);
    v(DesignField{"LifeClass", "寿命クラス", "", out}, r.LifeClass);
  }
  bool operator==(const ExtensionDesign&) const = default;
};

// The coil diameter the design's DiameterKind names.
double EnteredDiameterOf(const ExtensionDesign& design);

// Whether a design document may hold the key: the design's fields, "kind", the window's
// "history", and what "calc --json" adds ("LifeClassText", "reference", "lines"), so that its
// output reads back. Results are ignored when read; they are always calculated again.
bool IsExtensionDocumentKey(std::string_view key);

}  // namespace coilspring
