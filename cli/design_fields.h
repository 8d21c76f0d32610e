// The fields of a design record by name, with label and unit, for printing.
#pragma once

#include <cstdint>

#include "app/design_record.h"

namespace coilspring::cli {

struct DesignField {
  const char* name;
  const char* label;
  const char* unit;
  bool isInteger;
  std::int32_t DesignRecord::*intField;
  double DesignRecord::*realField;

  std::int32_t integer(const DesignRecord& r) const { return r.*intField; }
  double real(const DesignRecord& r) const { return r.*realField; }
};

constexpr DesignField Int(const char* name, const char* label, std::int32_t DesignRecord::*f) {
  return {name, label, "", true, f, nullptr};
}
constexpr DesignField Real(const char* name, const char* label, const char* unit,
                           double DesignRecord::*f) {
  return {name, label, unit, false, nullptr, f};
}

inline constexpr DesignField kDesignFields[] = {
    Int("InUse", "使用中", &DesignRecord::InUse),
    Int("MaterialNo", "材料番号", &DesignRecord::MaterialNo),
    Int("WireRow", "線径の行", &DesignRecord::WireRow),
    Real("WireDiameter", "線径", "mm", &DesignRecord::WireDiameter),
    Real("InnerDiameter", "内径", "mm", &DesignRecord::InnerDiameter),
    Real("MeanDiameter", "平均径", "mm", &DesignRecord::MeanDiameter),
    Real("OuterDiameter", "外径", "mm", &DesignRecord::OuterDiameter),
    Int("DiameterKind", "径の種類", &DesignRecord::DiameterKind),
    Real("TotalTurns", "総巻数", "巻", &DesignRecord::TotalTurns),
    Real("ActiveTurns", "有効巻数", "巻", &DesignRecord::ActiveTurns),
    Int("EndKind", "座巻き", &DesignRecord::EndKind),
    Real("SolidHeight", "密着高さ", "mm", &DesignRecord::SolidHeight),
    Real("SpringIndex", "バネ指数", "", &DesignRecord::SpringIndex),
    Real("WahlFactor", "応力修正係数", "", &DesignRecord::WahlFactor),
    Real("FreeLength", "自由長さ", "mm", &DesignRecord::FreeLength),
    Real("RecommendedFreeLength", "推奨自由高さ", "mm", &DesignRecord::RecommendedFreeLength),
    Real("MaxLoad", "最大荷重", "kgf", &DesignRecord::MaxLoad),
    Int("InputMode", "入力モード", &DesignRecord::InputMode),
    Real("Load1", "荷重（Ｐ１）", "kgf", &DesignRecord::Load1),
    Real("Load2", "荷重（Ｐ２）", "kgf", &DesignRecord::Load2),
    Real("Length1", "長さ（Ｌ１）", "mm", &DesignRecord::Length1),
    Real("Length2", "長さ（Ｌ２）", "mm", &DesignRecord::Length2),
    Real("SpringRate", "バネ定数", "kgf/mm", &DesignRecord::SpringRate),
    Real("Stress1", "ねじり応力１", "kgf/mm^2", &DesignRecord::Stress1),
    Real("Stress2", "ねじり応力２", "kgf/mm^2", &DesignRecord::Stress2),
    Real("AllowableStress", "許容応力", "kgf/mm^2", &DesignRecord::AllowableStress),
    Int("LifeClass", "寿命クラス", &DesignRecord::LifeClass),
};

}  // namespace coilspring::cli
