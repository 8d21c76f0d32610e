// An extension spring (引張コイルばね): its inputs and the results calculated from them, kept as
// one readable design. Unlike the compression spring it has no byte image; its files are JSON,
// and the field table below names every key of them.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/records/byte_image.h"
#include "core/records/design_codes.h"

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
  static void VisitInputs(Self& r, Visitor&& v) {
    v(FieldInfo{0, "MaterialNo", "材料番号"}, r.MaterialNo);
    v(FieldInfo{0, "WireDiameter", "線径", "mm"}, r.WireDiameter);
    v(FieldInfo{0, "DiameterKind", "径の種類"}, r.DiameterKind);
    v(FieldInfo{0, "InnerDiameter", "内径", "mm"}, r.InnerDiameter);
    v(FieldInfo{0, "MeanDiameter", "平均径", "mm"}, r.MeanDiameter);
    v(FieldInfo{0, "OuterDiameter", "外径", "mm"}, r.OuterDiameter);
    v(FieldInfo{0, "TotalTurns", "総巻数", "巻"}, r.TotalTurns);
    v(FieldInfo{0, "HookKind", "フック形状"}, r.HookKind);
    v(FieldInfo{0, "Annealed", "低温焼なまし"}, r.Annealed);
    v(FieldInfo{0, "InitialTension", "初張力", "kgf"}, r.InitialTension);
    v(FieldInfo{0, "FreeLength", "自由長さ", "mm"}, r.FreeLength);
    v(FieldInfo{0, "InputMode", "入力モード"}, r.InputMode);
    v(FieldInfo{0, "Length1", "長さ（Ｌ１）", "mm"}, r.Length1);
    v(FieldInfo{0, "Length2", "長さ（Ｌ２）", "mm"}, r.Length2);
    v(FieldInfo{0, "Load1", "荷重（Ｐ１）", "kgf"}, r.Load1);
    v(FieldInfo{0, "Load2", "荷重（Ｐ２）", "kgf"}, r.Load2);
  }
  template <class Self, class Visitor>
  static void VisitResults(Self& r, Visitor&& v) {
    v(FieldInfo{0, "SpringIndex", "バネ指数"}, r.SpringIndex);
    v(FieldInfo{0, "WahlFactor", "応力修正係数"}, r.WahlFactor);
    v(FieldInfo{0, "ActiveTurns", "有効巻数", "巻"}, r.ActiveTurns);
    v(FieldInfo{0, "SpringRate", "バネ定数", "kgf/mm"}, r.SpringRate);
    v(FieldInfo{0, "InitialStress", "初応力", "kgf/mm^2"}, r.InitialStress);
    v(FieldInfo{0, "InitialStressMin", "初応力の下限", "kgf/mm^2"}, r.InitialStressMin);
    v(FieldInfo{0, "InitialStressMax", "初応力の上限", "kgf/mm^2"}, r.InitialStressMax);
    v(FieldInfo{0, "Stress1", "ねじり応力１", "kgf/mm^2"}, r.Stress1);
    v(FieldInfo{0, "Stress2", "ねじり応力２", "kgf/mm^2"}, r.Stress2);
    v(FieldInfo{0, "AllowableStress", "許容応力", "kgf/mm^2"}, r.AllowableStress);
    v(FieldInfo{0, "MaxLoad", "最大荷重", "kgf"}, r.MaxLoad);
    v(FieldInfo{0, "MaxLength", "最大許容引張長さ", "mm"}, r.MaxLength);
    v(FieldInfo{0, "HookStress", "フック応力", "kgf/mm^2"}, r.HookStress);
    v(FieldInfo{0, "LifeClass", "寿命クラス"}, r.LifeClass);
  }
  template <class Self, class Visitor>
  static void VisitFields(Self& r, Visitor&& v) {
    VisitInputs(r, v);
    VisitResults(r, v);
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
