// The inputs every coil spring starts from: material kind and symbol, the wire diameter from the
// material's list, the coil diameter as inner, mean or outer diameter, and the number of turns.
// The extension and torsion windows put it at their top; the main window keeps its own panel.
#pragma once

#include <QGroupBox>

#include "core/records/design_codes.h"
#include "core/records/material_table.h"

class QComboBox;
class QLineEdit;

namespace coilspring {

struct CoilInputs {
  std::int32_t materialNo = 0;
  double wireDiameter = 0;
  DiameterKind diameterKind = DiameterKind::Mean;
  double diameter = 0;  // of diameterKind, mm
  double totalTurns = 0;
};

class CoilInputsBox final : public QGroupBox {
  Q_OBJECT

 public:
  // The lists show the materials of `materials` grouped by `kinds`; both must outlive the box.
  CoilInputsBox(const MaterialTable& materials, const KindIndex& kinds, QWidget* parent = nullptr);

  // Reads the boxes; a box that holds no number throws the conversion error (UserError).
  CoilInputs Read() const;
  // Puts the lists on the material and the first wire not smaller than the given one, and the
  // numbers into their boxes in the full number format.
  // The coil diameter's box, for a panel that shows it on a picture of the spring; the box
  // stays this one's to read and fill.
  QLineEdit* DiameterBox() const { return diameterEdit_; }
  void Show(const CoilInputs& inputs);

 signals:
  // A list pick: material, wire or diameter kind.
  void ListChosen();

 private:
  void FillSymbols(int kindPosition);
  void FillWires(double keepDiameter);
  int CurrentMaterial() const;
  // The wire diameter the list shows, of the material the list was filled for; 0 for none.
  double CurrentWire() const;

  const MaterialTable& materials_;
  const KindIndex& kinds_;
  int wireMaterial_ = -1;         // the material whose diameters the wire list holds
  QComboBox* kindCombo_;          // material kind
  QComboBox* symbolCombo_;        // material symbol
  QComboBox* wireCombo_;          // wire diameter
  QComboBox* diameterKindCombo_;  // 内径 / 平均径 / 外径
  QLineEdit* diameterEdit_;       // the coil diameter of that kind
  QLineEdit* turnsEdit_;          // total turns
};

}  // namespace coilspring
