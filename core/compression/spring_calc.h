// The compression spring: its formulas and its six design checks.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/allowable_stress.h"
#include "core/calc/coil_formulas.h"
#include "core/compression/design_record.h"
#include "core/records/coefficient_settings.h"
#include "core/records/material_table.h"

namespace coilspring {

// Computes every result field of `design` from its inputs. Returns nothing: design faults are
// the business of ValidateDesign.
void CalculateSpring(DesignRecord& design, const MaterialTable& materials,
                     const CoefficientSettings& settings, AllowableStressTable& table);
// The same for a design of the prepared material (its MaterialNo is not looked at).
void CalculateSpring(DesignRecord& design, const PreparedMaterial& material,
                     const CoefficientSettings& settings);

inline constexpr const char* kSpringIndexOutOfRangeLine = "エラー：バネ指数が範囲外";

ValidationResult ValidateDesign(const DesignRecord& design, const AllowableStressTable& table);
// The same for a design calculated on the prepared material.
ValidationResult ValidateDesign(const DesignRecord& design, const PreparedMaterial& material);

// The faults ValidateDesign reports (DesignFault).
unsigned CheckDesign(const DesignRecord& design, bool tableCoversWire);
// Whether the prepared table holds the design's wire diameter (TableCovers).
bool PreparedCovers(const PreparedMaterial& material, const DesignRecord& design);

// Values the input panel derives from its boxes.
double ActiveTurnsFor(double totalTurns, EndKind endKind);
// The turns an end form takes from the total: 2 for closed ends, 1.5 for open ones.
double EndTurnsOf(EndKind endKind);

// End style of the side view for an end kind (2, as for ClosedUnground, outside the
// enumeration).
int EndDrawModeOf(EndKind endKind);
// Body turns of the side view: TotalTurns - 2 rounded to the nearest integer, halves to even.
double BodyTurnsOf(double totalTurns);

// The seven end-form texts, in the order of EndKind.
extern const std::array<const char*, CodeCount<EndKind>::value> kEndKindNames;

// The caption of Label48 for a diameter kind and the text of an end form; "" for a value
// outside the enumeration.
const char* DiameterKindName(DiameterKind kind);
const char* EndKindName(EndKind kind);

}  // namespace coilspring

namespace coilspring {

// Brings a stored design's inputs into the form the input panel would read them in: the wire
// diameter from the material's table at WireRow (kept where that row does not exist), the three
// coil diameters from the stored diameter of DiameterKind, ActiveTurns from TotalTurns and
// EndKind. Used where a design is recalculated without a window.
void DeriveInputsFromRecord(DesignRecord& design, const MaterialTable& materials);

// Diameter of the kind the record says Edit18 holds.
double EnteredDiameterOf(const DesignRecord& design);

}  // namespace coilspring
