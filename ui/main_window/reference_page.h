// The third tab of the main window, "＜参考計算＞": buckling, natural frequency, stress at
// solid height, diameter growth, tolerance grades, the worst case of one grade, coil clearance,
// energy, wire length and mass, and the spring at its operating temperature, of the last
// calculated design.
#pragma once

#include <optional>

#include "core/compression/design_record.h"
#include "core/compression/reference.h"
#include "core/display/display_units.h"
#include "core/records/material_table.h"
#include "ui/widgets/lazy_page.h"

class QComboBox;
class QLineEdit;
class QTableWidget;

namespace coilspring {

inline constexpr const char* kReferenceTabCaption = "＜参考計算＞";

class ReferencePage : public LazyPage {
 public:
  explicit ReferencePage(QWidget* parent);

  // Recomputes for a freshly calculated design and shows it (when the page is first shown, if it
  // has not been yet). A design of another material brings that material's default density back
  // into the density box.
  void Refresh(const DesignRecord& design, const MaterialRecord& material);

  // Forces, the rate and stresses in kgf or N from now on; the checks themselves stay.
  void SetUnits(UnitSystem units);

  // What the tab shows now, in the record's units; empty before the first Refresh.
  const std::optional<ReferenceChecks>& checks() {
    EnsureBuilt();
    return checks_;
  }

 protected:
  void Build() override;

 private:
  void Recompute();
  void ShowChecks();
  double DensityFromBox() const;

  QComboBox* seatingBox_ = nullptr;       // "ReferenceSeating": how the ends are held
  QLineEdit* densityEdit_ = nullptr;      // "ReferenceDensity": g/cm^3, for the frequency
  QComboBox* gradeBox_ = nullptr;         // "ReferenceGrade": JIS grade 1..3 of the worst case
  QLineEdit* boreEdit_ = nullptr;         // "ReferenceBore": mm, empty for no bore
  QLineEdit* rodEdit_ = nullptr;          // "ReferenceRod": mm, empty for no rod
  QLineEdit* temperatureEdit_ = nullptr;  // "ReferenceTemperature": °C
  QTableWidget* grid_ = nullptr;          // "ReferenceGrid": item, value, unit, verdict
  std::optional<DesignRecord> design_;
  MaterialRecord material_;
  std::optional<ReferenceChecks> checks_;
  UnitSystem units_ = UnitSystem::Gravitational;
};

}  // namespace coilspring
