// The coefficient window: shows the seven design coefficients, applies what the user typed and
// writes the settings record back to the settings file.
#pragma once

#include <QDialog>
#include <QString>
#include <array>

#include "core/calc/calculator_state.h"
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

 private slots:
  void ApplyAndSaveSettings();

 private:
  // Shows the settings record in the boxes.
  void ShowSettings();

  void BuildControls();
  std::array<QLineEdit*, kCoefficientCount> Boxes() const;

  CalculatorState& state_;
  Platform& platform_;
  QString settingsPath_;

  QGroupBox* stressGroup_;                     // GroupBox1: allowable stress settings
  QGroupBox* tensionGroup_;                    // GroupBox2: initial tension settings
  QLineEdit* compressionRatioEdit_;            // Edit1: CompressionStressRatio
  QLineEdit* extensionRatioEdit_;              // Edit2: ExtensionStressRatio
  QLineEdit* hookFactorEdit_;                  // Edit3: HookStressFactor
  QLineEdit* stainlessReductionEdit_;          // Edit4: StainlessTensionReduction
  QLineEdit* pianoWireReductionEdit_;          // Edit5: PianoWireTensionReduction
  QLineEdit* hardDrawnReductionEdit_;          // Edit6: HardDrawnTensionReduction
  QLineEdit* annealedStainlessReductionEdit_;  // Edit7: AnnealedStainlessTensionReduction
  QPushButton* applyButton_;  // BitBtn1: "設定ボタン" applies and writes the settings file
};

}  // namespace coilspring
