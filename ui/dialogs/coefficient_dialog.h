// The coefficient window: shows the seven design coefficients, applies what the user typed and
// writes the settings record back to the settings file.
#pragma once

#include <QDialog>
#include <QString>
#include <array>

#include "core/calc/calculator_state.h"
#include "ui/platform/platform.h"
#include "core/editing/coefficient_editing.h"

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

 private:
  void FormCreate();
  void BitBtn1Click();

  void BuildControls();
  std::array<QLineEdit*, kCoefficientCount> Boxes() const;

  CalculatorState& state_;
  Platform& platform_;
  QString settingsPath_;

  QGroupBox* GroupBox1;  // allowable stress settings
  QGroupBox* GroupBox2;  // initial tension settings
  QLineEdit* Edit1;      // CompressionStressRatio
  QLineEdit* Edit2;      // ExtensionStressRatio
  QLineEdit* Edit3;      // HookStressFactor
  QLineEdit* Edit4;      // StainlessTensionReduction
  QLineEdit* Edit5;      // PianoWireTensionReduction
  QLineEdit* Edit6;      // HardDrawnTensionReduction
  QLineEdit* Edit7;      // AnnealedStainlessTensionReduction
  QPushButton* BitBtn1;  // apply and write the settings file
};

}  // namespace coilspring
