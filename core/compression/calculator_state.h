// Everything the calculator keeps for the whole run, in one place: the design with its
// history, the material database with its kind index, the coefficients and the small working
// tables of the calculation and the drawing.
#pragma once

#include "core/calc/prepared_material_cache.h"
#include "core/compression/design_record.h"
#include "core/compression/spring_calc.h"
#include "core/records/coefficient_settings.h"
#include "core/records/material_table.h"

namespace coilspring {

// How often the window's events ran the calculation and the life class: each event should run
// them once, and a test holds it to that.
struct WorkCount {
  long calculations = 0;
  long lifeClasses = 0;
};

struct CalculatorState {
  SpringDesign design;
  KindIndex kinds;
  CoefficientSettings settings;
  PreparedMaterialCache prepared;  // the calculate cycle's tables, following the materials
  int shapeViewPosition = 0;       // 0 free length, 1 under load 1, 2 under load 2
  WorkCount work;

  // The material database. Every change goes through EditMaterials, which has the prepared
  // tables look at the materials again before the next calculation: a calculation on an
  // unchanged database then costs no comparison. Take the reference anew for each change.
  const MaterialTable& materials() const { return materials_; }
  MaterialTable& EditMaterials() {
    prepared.MaterialsMayHaveChanged();
    return materials_;
  }

  DesignRecord& current() { return design[0]; }
  const DesignRecord& current() const { return design[0]; }
  const MaterialRecord& currentMaterial() const {
    return MaterialOf(materials_, design[0].MaterialNo);
  }

 private:
  MaterialTable materials_;
};

}  // namespace coilspring
