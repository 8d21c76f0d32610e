// The design state: the current design (record 0) and the 30 history slots. Its byte image is
// the design file.
#pragma once

#include <cstdint>
#include <string_view>
#include <type_traits>

#include "core/compression/end_kind.h"
#include "core/records/byte_image.h"
#include "core/records/design_codes.h"
#include "core/records/design_field.h"

namespace coilspring {

struct DesignRecord {
  std::int32_t InUse = 0;                   // 1 = holds a design
  std::int32_t MaterialNo = 0;              // record number in MaterialTable
  std::int32_t WireRow = 0;                 // row of the wire diameter in the material's table
  double WireDiameter = 0;                  // d, mm
  double InnerDiameter = 0;                 // mm
  double MeanDiameter = 0;                  // D, mm
  double OuterDiameter = 0;                 // mm
  coilspring::DiameterKind DiameterKind{};  // which diameter Edit18 holds
  double TotalTurns = 0;                    // Nt
  double ActiveTurns = 0;                   // Na
  coilspring::EndKind EndKind{};            // end form
  double SolidHeight = 0;                   // Hs, mm
  double SpringIndex = 0;                   // c = D/d
  std::array<std::uint8_t, 8> Reserved84{};
  std::array<std::uint8_t, 4> Reserved92{};
  double WahlFactor = 0;              // stress correction factor
  double FreeLength = 0;              // L0, mm
  double RecommendedFreeLength = 0;   // mm
  double MaxLoad = 0;                 // kgf
  coilspring::InputMode InputMode{};  // which pair of working points is entered
  double Load1 = 0;                   // kgf
  double Load2 = 0;                   // kgf
  double Length1 = 0;                 // mm
  double Length2 = 0;                 // mm
  double SpringRate = 0;              // kgf/mm
  double Stress1 = 0;                 // kgf/mm^2
  double Stress2 = 0;                 // kgf/mm^2
  double AllowableStress = 0;         // kgf/mm^2
  std::int32_t LifeClass = 0;         // 0..8
  std::array<std::uint8_t, 8> Reserved200{};
  std::array<std::uint8_t, 8> Reserved208{};
  std::array<std::uint8_t, 120> Reserved216{};

  static constexpr std::size_t kSize = 336;

  template <class Self, class Visitor>
  static void VisitFields(Self& r, Visitor&& v) {
    v({0, "InUse", "使用中"}, r.InUse);
    v({4, "MaterialNo", "材料番号"}, r.MaterialNo);
    v({8, "WireRow", "線径の行"}, r.WireRow);
    v({12, "WireDiameter", "線径", "mm"}, r.WireDiameter);
    v({20, "InnerDiameter", "内径", "mm"}, r.InnerDiameter);
    v({28, "MeanDiameter", "平均径", "mm"}, r.MeanDiameter);
    v({36, "OuterDiameter", "外径", "mm"}, r.OuterDiameter);
    v({44, "DiameterKind", "径の種類"}, r.DiameterKind);
    v({48, "TotalTurns", "総巻数", "巻"}, r.TotalTurns);
    v({56, "ActiveTurns", "有効巻数", "巻"}, r.ActiveTurns);
    v({64, "EndKind", "座巻き"}, r.EndKind);
    v({68, "SolidHeight", "密着高さ", "mm"}, r.SolidHeight);
    v({76, "SpringIndex", "バネ指数"}, r.SpringIndex);
    v({84, "Reserved84"}, r.Reserved84);
    v({92, "Reserved92"}, r.Reserved92);
    v({96, "WahlFactor", "応力修正係数"}, r.WahlFactor);
    v({104, "FreeLength", "自由長さ", "mm"}, r.FreeLength);
    v({112, "RecommendedFreeLength", "推奨自由高さ", "mm"}, r.RecommendedFreeLength);
    v({120, "MaxLoad", "最大荷重", "kgf"}, r.MaxLoad);
    v({128, "InputMode", "入力モード"}, r.InputMode);
    v({132, "Load1", "荷重（Ｐ１）", "kgf"}, r.Load1);
    v({140, "Load2", "荷重（Ｐ２）", "kgf"}, r.Load2);
    v({148, "Length1", "長さ（Ｌ１）", "mm"}, r.Length1);
    v({156, "Length2", "長さ（Ｌ２）", "mm"}, r.Length2);
    v({164, "SpringRate", "バネ定数", "kgf/mm"}, r.SpringRate);
    v({172, "Stress1", "ねじり応力１", "kgf/mm^2"}, r.Stress1);
    v({180, "Stress2", "ねじり応力２", "kgf/mm^2"}, r.Stress2);
    v({188, "AllowableStress", "許容応力", "kgf/mm^2"}, r.AllowableStress);
    v({196, "LifeClass", "寿命クラス"}, r.LifeClass);
    v({200, "Reserved200"}, r.Reserved200);
    v({208, "Reserved208"}, r.Reserved208);
    v({216, "Reserved216"}, r.Reserved216);
  }
  // The record's numbers as the other kinds describe theirs (core/records/design_field.h), for
  // its readable forms and the unit switch: the byte image's table without the reserved bytes,
  // so that the two never drift apart.
  template <class Self, class Visitor>
  static void VisitDesignFields(Self& r, Visitor&& v) {
    VisitFields(r, [&](const FieldInfo& info, auto& value) {
      using T = std::remove_cvref_t<decltype(value)>;
      if constexpr (std::is_same_v<T, std::int32_t> || std::is_same_v<T, double> || StoredCode<T>)
        v(DesignField{info.name, info.label, info.unit, RoleOf(info.name)}, value);
    });
  }
  bool operator==(const DesignRecord&) const = default;

 private:
  static constexpr FieldRole RoleOf(std::string_view name) {
    for (std::string_view input :
         {"MaterialNo", "WireDiameter", "InnerDiameter", "MeanDiameter", "OuterDiameter",
          "DiameterKind", "TotalTurns", "EndKind", "FreeLength", "InputMode", "Load1", "Load2",
          "Length1", "Length2"})
      if (name == input) return FieldRole::Input;
    return FieldRole::Result;
  }
};

constexpr int kHistorySlots = 30;

// Record 0 is the current design, records 1..30 the history slots.
using SpringDesign = RecordArray<DesignRecord, kHistorySlots + 1>;
static_assert(SpringDesign::kSize == 10416);

// Record 0 gets its start-up values; every history slot becomes empty (all zero).
void InitDesign(SpringDesign& design);

}  // namespace coilspring
