// The torsion spring window (ねじりコイルばね): inputs, 計算 (also Enter), results, check lines,
// the moment–angle diagram, the end and side views, reference rows, a history of designs, the
// unit switch, design files (JSON), DXF, the data sheet as PDF and on the printer.
#pragma once

#include <QMainWindow>
#include <vector>

#include "core/display/display_units.h"
#include "core/records/material_table.h"
#include "core/torsion/torsion_calc.h"
#include "ui/platform/platform.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace coilspring {

class CoilInputsBox;

inline constexpr int kTorsionHistorySlots = 30;

class TorsionWindow : public QMainWindow {
  Q_OBJECT

 public:
  // `materials` and `kinds` must outlive the window.
  TorsionWindow(const MaterialTable& materials, const KindIndex& kinds, Platform& platform,
                UnitSystem units, QWidget* parent = nullptr);

  const TorsionDesign& Design() const { return design_; }
  const TorsionCheck& Check() const { return check_; }
  const std::vector<TorsionDesign>& History() const { return history_; }
  UnitSystem Units() const { return units_; }

  // The commands of the buttons and menus, for the menus and for tests.
  void Calculate();
  void StoreInHistory();
  void RecallFromHistory(int row);
  void ToggleInputMode();
  void ToggleUnits();
  void SaveDesignFile();
  void OpenDesignFile();
  void ExportDxf();
  void SaveDataSheetPdf();
  void PrintDataSheet();

 private:
  void BuildMenus();
  QWidget* BuildInputs();
  QWidget* BuildResults();

  TorsionDesign ReadInputs() const;
  void Adopt(const TorsionDesign& design);
  void ShowInputs(const TorsionDesign& design);
  void ShowWorkingPoints(const TorsionDesign& design);
  void ShowInputModeCaptions();
  void ShowStartDesign();
  void ShowResults();
  void ShowHistory();

  const MaterialTable& materials_;
  const KindIndex& kinds_;
  Platform& platform_;
  UnitSystem units_;
  TorsionDesign design_;
  TorsionCheck check_;
  std::vector<TorsionDesign> history_;

  CoilInputsBox* coil_;  // material, wire, coil diameter and turns, as every spring kind has them
  QLineEdit* leg1Edit_;
  QLineEdit* leg2Edit_;
  QLineEdit* armEdit_;
  QLineEdit* rodEdit_;
  QComboBox* modeCombo_;
  QLabel* point1Label_;
  QLabel* point2Label_;
  QLineEdit* point1Edit_;
  QLineEdit* point2Edit_;
  QPushButton* calculateButton_;
  QPushButton* storeButton_;
  QTableWidget* resultsTable_;
  QListWidget* messages_;
  QLabel* diagram_;
  QLabel* views_;
  QTableWidget* referenceTable_;
  QTableWidget* historyTable_;
};

}  // namespace coilspring
