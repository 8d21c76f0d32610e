// The coefficient window: shows the seven design coefficients, applies what the user typed and
// writes the settings record back to the settings file.
#pragma once

#include <QDialog>
#include <QString>
#include <array>

#include "core/compression/calculator_state.h"
#include "core/editing/coefficient_editing.h"
#include "ui/platform/platform.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace coilspring {

class CoefficientDialog : public QDialog {
  Q_OBJECT

 public:
  // Construct after start-up has read the settings record: the boxes show it. `settingsPath`
  // is the settings file that start-up reads.
  CoefficientDialog(CalculatorState& state, Platform& platform, QString settingsPath,
                    QWidget* parent = nullptr);

  // Whether a box differs from the coefficient it shows.
  bool HasUnsavedEdits() const;

 public slots:
  // Closing with unsaved edits asks first: 保存 applies and writes them, 破棄 shows the
  // coefficients again.
  void reject() override;

 private slots:
  void ApplyAndSaveSettings();

 private:
  // Shows the settings record in the boxes.
  void ShowSettings();
  CoefficientTexts BoxTexts() const;

  void BuildControls();

  CalculatorState& state_;
  Platform& platform_;
  QString settingsPath_;

  QGroupBox* stressGroup_;   // GroupBox1: allowable stress settings
  QGroupBox* tensionGroup_;  // GroupBox2: initial tension settings
  // Edit1..Edit7: one box per coefficient, in the order of kCoefficientRows
  // (CompressionStressRatio .. AnnealedStainlessTensionReduction).
  std::array<QLineEdit*, kCoefficientCount> boxes_{};
  QPushButton* applyButton_;  // BitBtn1: "設定ボタン" applies and writes the settings file
};

}  // namespace coilspring
