// The material data editor: shows one record of the material table at a time, edits it in
// place, and loads or saves the whole table as a material file.
#pragma once

#include <QDialog>

#include "core/compression/calculator_state.h"
#include "core/editing/material_editing.h"
#include "ui/platform/platform.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace coilspring {

class MaterialEditorDialog : public QDialog {
  Q_OBJECT

 public:
  // Construct after start-up has loaded the material table: the window shows record 0 of it.
  MaterialEditorDialog(CalculatorState& state, Platform& platform, QWidget* parent = nullptr);

  // The record shown, 0..29.
  int currentDataNo() const { return dataNo_; }

  void ShowMaterialRecord(int n);
  // Throws UserError at the first field that does not convert.
  void StoreMaterialRecord();

  // The file dialogs' filter.
  static const QString kFileFilter;
  static const QString kRestartNotice;
  static const QString kEraseQuestion;

  // Whether the boxes and the grid differ from the record they show.
  bool HasUnstoredEdits() const;

 public slots:
  // Closing with unstored edits asks first: 保存 stores them, 破棄 shows the record again.
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  void ShowNextRecord();
  void ShowPreviousRecord();
  void LoadMaterialFile();
  void SaveMaterialFile();
  void InsertRow();
  void DeleteRow();
  void EraseShownRecord();
  void CountKindRecords();
  void ClearWarnings();

 private:
  // Writes the grid's headings and shows record 0.
  void StartAtFirstRecord();

  void BuildControls();
  QLabel* AddLabel(const QString& text, int x, int y);
  QLineEdit* AddEdit(const char* name, int x, int y, int width);
  QPushButton* AddButton(const char* name, const QString& text, int x, int y, int width);
  MaterialTexts ScreenTexts() const;
  // The table entry of the grid's current row.
  int CurrentEntry() const;
  MaterialRecord& current() { return state_.EditMaterials()[dataNo_]; }

  CalculatorState& state_;
  Platform& platform_;
  int dataNo_ = 0;  // the record shown and stored

  QLineEdit* recordNoEdit_;       // Edit7: data number shown
  QPushButton* nextButton_;       // BitBtn3: "▲" shows the next record
  QPushButton* previousButton_;   // BitBtn4: "▼" shows the previous record
  QPushButton* eraseButton_;      // BitBtn8: "消去" erases the shown record
  QPushButton* loadButton_;       // BitBtn1: "load" loads a material file
  QPushButton* saveButton_;       // BitBtn2: "save" saves the table to a material file
  QLineEdit* kindNameEdit_;       // Edit1: KindName
  QLineEdit* symbolEdit_;         // Edit2: Symbol
  QSpinBox* kindNoSpin_;          // SE1: KindNo 0..10
  QLineEdit* kindCountEdit_;      // Edit9: records of the shown kind number
  QLineEdit* shearModulusEdit_;   // Edit3: ShearModulus
  QLineEdit* youngModulusEdit_;   // Edit5: YoungModulus
  QLineEdit* torsionRatioEdit_;   // Edit10: TorsionRatio
  QLineEdit* bendingRatioEdit_;   // Edit11: BendingRatio
  QListWidget* warningList_;      // ListBox1: kind-count warnings, cleared by a double click
  QLineEdit* rowCountEdit_;       // Edit4: RowCount shown
  QPushButton* insertRowButton_;  // BitBtn6: "行挿入" inserts a table row
  QPushButton* deleteRowButton_;  // BitBtn7: "行削除" deletes a table row
  QTableWidget* wireGrid_;        // SG1: the wire table
};

}  // namespace coilspring
