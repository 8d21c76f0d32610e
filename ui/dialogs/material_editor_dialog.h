// The material data editor: shows one record of the material table at a time, edits it in
// place, and loads or saves the whole table as a material file.
#pragma once

#include <QDialog>

#include "core/calc/calculator_state.h"
#include "ui/platform/platform.h"
#include "core/editing/material_editing.h"

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

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void BitBtn3Click();
  void BitBtn4Click();
  void BitBtn1Click();
  void BitBtn2Click();
  void BitBtn6Click();
  void BitBtn7Click();
  void BitBtn8Click();
  void SE1Change();
  void ListBox1DblClick();

  void BuildControls();
  // Connects a button to a handler that runs inside the guard.
  void OnClick(QPushButton* button, void (MaterialEditorDialog::*handler)());
  QLabel* AddLabel(const QString& text, int x, int y);
  QLineEdit* AddEdit(const char* name, int x, int y, int width);
  QPushButton* AddButton(const char* name, const QString& text, int x, int y, int width);
  void SetCell(int row, int column, const QString& text, bool fixed);
  MaterialTexts ScreenTexts() const;
  // The table entry of the grid's current row.
  int CurrentEntry() const;
  MaterialRecord& current() { return state_.materials[dataNo_]; }

  CalculatorState& state_;
  Platform& platform_;
  int dataNo_ = 0;  // the record shown and stored

  QLineEdit* Edit7;       // data number shown
  QPushButton* BitBtn3;   // ▲ next record
  QPushButton* BitBtn4;   // ▼ previous record
  QPushButton* BitBtn8;   // erase the shown record
  QPushButton* BitBtn1;   // load a material file
  QPushButton* BitBtn2;   // save the table to a material file
  QLineEdit* Edit1;       // KindName
  QLineEdit* Edit2;       // Symbol
  QSpinBox* SE1;          // KindNo 0..10
  QLineEdit* Edit9;       // records of the shown kind number
  QLineEdit* Edit3;       // ShearModulus
  QLineEdit* Edit5;       // YoungModulus
  QLineEdit* Edit10;      // TorsionRatio
  QLineEdit* Edit11;      // BendingRatio
  QListWidget* ListBox1;  // kind-count warnings
  QLineEdit* Edit4;       // RowCount shown
  QPushButton* BitBtn6;   // insert a table row
  QPushButton* BitBtn7;   // delete a table row
  QTableWidget* SG1;      // the wire table
};

}  // namespace coilspring
