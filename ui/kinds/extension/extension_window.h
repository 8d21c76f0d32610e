// The extension spring window "引張コイルばね": the coil inputs, hook form, initial tension with
// the band that can be coiled, free length with the standard one for the hook, two working
// points, the results with their check lines, the fatigue diagram, the side view, the history
// and the reference rows. Every event reads the boxes once, calculates once and shows once.
#pragma once

#include <memory>
#include <string>

#include "core/extension/extension_calc.h"
#include "json/extension_json.h"
#include "ui/dialogs/spring_kind_window.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace coilspring {

class CoilInputsBox;
class ExtensionShapePicture;
class FatigueDiagramPicture;
class PictureView;
class QuantityBox;
class StalePages;

class ExtensionWindow final : public SpringKindWindow<ExtensionDesign> {
  Q_OBJECT

 public:
  explicit ExtensionWindow(const KindWindowContext& context, QWidget* parent = nullptr);
  ~ExtensionWindow() override;

  // The commands of the buttons and menus, for the menus and for tests.
  void StepShapeView();
  void ToggleInputMode() override;
  void TakeStandardFreeLength();
  void ShowDataSheet() override;

 private:
  QWidget* BuildInputs();
  void BuildClient();
  ExtensionDesign ReadInputs() const;
  ExtensionDesign CalculatedInputs() override;
  void CalculateStored(ExtensionDesign& design) const override;
  void ShowDesign(bool calculated) override;
  void ShowInputs();
  void ShowInputMode();
  void ShowResults();
  void ShowShape();
  QStringList HistoryCells(const ExtensionDesign& stored) const override;
  QString Verdict(const ExtensionDesign& stored) const;
  void ApplyUnits(UnitSystem before, UnitSystem now) override;
  std::string DxfText() const override;
  double ShownLength() const;
  QString Shown(double stored, Quantity quantity) const;

  const CalculatorState& state_;
  ExtensionCheck check_;
  int shapePosition_ = 0;  // 0 free length, 1 at L1, 2 at L2
  SpringState ShownState() const override { return static_cast<SpringState>(shapePosition_); }

  CoilInputsBox* coil_ = nullptr;
  QComboBox* hookCombo_ = nullptr;               // hookCombo: フック形状
  QCheckBox* leftHandCheck_ = nullptr;           // leftHandCheck: 左巻, kept in the design
  QCheckBox* annealedCheck_ = nullptr;           // annealedCheck: 低温焼なまし
  QuantityBox* initialTensionEdit_ = nullptr;    // initialTensionEdit: Pi
  QLabel* bandLabel_ = nullptr;                  // bandLabel: the achievable Pi beside it
  QLineEdit* freeLengthEdit_ = nullptr;          // freeLengthEdit: L0
  QPushButton* standardLengthButton_ = nullptr;  // standardLengthButton: the standard L0
  QLineEdit* length1Edit_ = nullptr;
  QLineEdit* length2Edit_ = nullptr;
  QuantityBox* load1Edit_ = nullptr;
  QuantityBox* load2Edit_ = nullptr;
  QPushButton* calculateButton_ = nullptr;  // calculateButton: 計算
  QTableWidget* resultsGrid_ = nullptr;     // resultsGrid: name, value, unit
  std::unique_ptr<FatigueDiagramPicture> diagram_;
  std::unique_ptr<ExtensionShapePicture> shape_;
  PictureView* diagramView_ = nullptr;
  PictureView* shapeView_ = nullptr;
  QLabel* shapeCaption_ = nullptr;         // shapeCaption: フリー / 荷重１ / 荷重２
  QTableWidget* referenceGrid_ = nullptr;  // referenceGrid: the reference rows
};

}  // namespace coilspring
