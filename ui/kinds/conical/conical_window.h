// The conical spring window "円すいコイルばね": the coil inputs with the small end's diameter, the
// large end's diameter, end form, free length and two working points; the results with their
// check lines, the load–deflection curve beside the fatigue diagram, the side view, the history
// and the reference rows. Every event reads the boxes once, calculates once and shows once.
#pragma once

#include <QImage>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "core/conical/conical_calc.h"
#include "json/conical_json.h"
#include "ui/dialogs/spring_kind_window.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace coilspring {

class CoilInputsBox;
class FatigueDiagramPicture;
class PictureView;
class QuantityBox;

class ConicalWindow final : public SpringKindWindow<ConicalDesign> {
  Q_OBJECT

 public:
  explicit ConicalWindow(const KindWindowContext& context, QWidget* parent = nullptr);
  ~ConicalWindow() override;

  // The commands of the buttons and menus, for the menus and for tests.
  void StepShapeView();
  void ToggleInputMode() override;
  void ShowDataSheet() override;

 private:
  QWidget* BuildInputs();
  void BuildClient();
  ConicalDesign ReadInputs() const;
  ConicalDesign CalculatedInputs() override;
  void CalculateStored(ConicalDesign& design) const override;
  void ShowDesign(bool calculated) override;
  void ShowInputs();
  void ShowInputMode();
  void ShowResults();
  void ShowShape();
  QStringList HistoryCells(const ConicalDesign& stored) const override;
  QString Verdict(const ConicalDesign& stored) const;
  void ApplyUnits(UnitSystem before, UnitSystem now) override;
  std::string DxfText() const override;
  QString Shown(double stored, Quantity quantity) const;
  const MaterialRecord& Material(const ConicalDesign& design) const;

  const CalculatorState& state_;
  ConicalCheck check_;
  int shapePosition_ = 0;  // 0 free length, 1 at L1, 2 at L2
  SpringState ShownState() const override { return static_cast<SpringState>(shapePosition_); }

  CoilInputsBox* coil_ = nullptr;           // its diameter is the small end's
  QLineEdit* largeDiameterEdit_ = nullptr;  // largeDiameterEdit: 大端の径
  QComboBox* endCombo_ = nullptr;           // endCombo: 座巻き
  QCheckBox* leftHandCheck_ = nullptr;      // leftHandCheck: 左巻, kept in the design
  QLineEdit* freeLengthEdit_ = nullptr;     // freeLengthEdit: L0
  QLineEdit* length1Edit_ = nullptr;
  QLineEdit* length2Edit_ = nullptr;
  QuantityBox* load1Edit_ = nullptr;
  QuantityBox* load2Edit_ = nullptr;
  QPushButton* calculateButton_ = nullptr;  // calculateButton: 計算
  QTableWidget* resultsGrid_ = nullptr;     // resultsGrid: name, value, unit
  std::unique_ptr<FatigueDiagramPicture> diagram_;
  QImage curveImage_;
  QImage shapeImage_;
  // What the two images show: each is drawn again only for another design, unit or length.
  std::optional<std::pair<ConicalDesign, UnitSystem>> curveShown_;
  std::optional<std::pair<ConicalDesign, double>> shapeShown_;
  PictureView* curveView_ = nullptr;    // curveView: the load–deflection diagram
  PictureView* diagramView_ = nullptr;  // diagramView: the fatigue diagram
  PictureView* shapeView_ = nullptr;
  QLabel* shapeCaption_ = nullptr;         // shapeCaption: フリー / 荷重１ / 荷重２
  QTableWidget* referenceGrid_ = nullptr;  // referenceGrid: the reference rows
};

}  // namespace coilspring
