#include "ui/kinds/conical/conical_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <type_traits>
#include <vector>

#include "core/compression/spring_calc.h"
#include "core/conical/conical_illustration.h"
#include "core/conical/conical_reference.h"
#include "core/conical/conical_shape.h"
#include "core/conical/conical_sheet.h"
#include "core/conical/load_curve_diagram.h"
#include "core/records/input_problem.h"
#include "core/text/sjis.h"
#include "core/text/user_error.h"
#include "ui/dialogs/data_sheet_dialog.h"
#include "ui/dialogs/illustration_panel.h"
#include "ui/render/picture_views.h"
#include "ui/render/pictures.h"
#include "ui/render/qt_canvas.h"
#include "ui/widgets/coil_inputs_box.h"
#include "ui/widgets/lazy_page.h"
#include "ui/widgets/look.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/quantity_box.h"

namespace coilspring {

namespace {

const char* const kShapeCaptions[] = {"フリー", "荷重１", "荷重２"};

}  // namespace

ConicalWindow::ConicalWindow(const KindWindowContext& context, QWidget* parent)
    : SpringKindWindow(context, SpringKind::Conical, {ConicalDocumentText, ReadConicalDocumentJson},
                       parent),
      state_(context.state),
      diagram_(std::make_unique<FatigueDiagramPicture>(devicePixelRatioF())),
      curveImage_(QtCanvas::MakeImage(kLoadCurveWidth, kLoadCurveHeight, devicePixelRatioF())),
      shapeImage_(QtCanvas::MakeImage(SpringShapePicture::kWidth, SpringShapePicture::kHeight,
                                      devicePixelRatioF())) {
  Frame("ConicalWindow", "長さ・荷重切替");
  BuildClient();
  ConicalDesign start;
  if (const auto first = state_.kinds.MaterialAt(0, 0)) start.MaterialNo = *first;
  const MaterialRecord& m = MaterialOf(materials_, start.MaterialNo);
  if (m.UsableRows() > 0)
    start.WireDiameter = m.WireDiameters[FirstRowNotBelow(m, start.WireDiameter).value_or(0)];
  Begin(start);
}

ConicalWindow::~ConicalWindow() = default;

QWidget* ConicalWindow::BuildInputs() {
  auto* panel = new QWidget;
  auto* column = new QVBoxLayout(panel);
  coil_ = new CoilInputsBox(materials_, state_.kinds, panel);
  column->addWidget(coil_);

  auto* grid = new QGridLayout;
  int row = 0;
  const auto add = [&](const char* caption, QWidget* box, QWidget* beside = nullptr) {
    grid->addWidget(new QLabel(QString::fromUtf8(caption)), row, 0);
    grid->addWidget(box, row, 1);
    if (beside) grid->addWidget(beside, row, 2);
    ++row;
  };
  largeDiameterEdit_ = NumberBox("largeDiameterEdit");
  endCombo_ = new QComboBox;
  endCombo_->setObjectName("endCombo");
  for (const char* name : kEndKindNames) endCombo_->addItem(QString::fromUtf8(name));
  leftHandCheck_ = new QCheckBox(QStringLiteral("左巻"));
  leftHandCheck_->setObjectName("leftHandCheck");
  add("座巻き", endCombo_, leftHandCheck_);
  freeLengthEdit_ = NumberBox("freeLengthEdit");
  length1Edit_ = NumberBox("length1Edit");
  length2Edit_ = NumberBox("length2Edit");
  load1Edit_ = new QuantityBox("load1Edit", Quantity::Load);
  load2Edit_ = new QuantityBox("load2Edit", Quantity::Load);
  namespace place = conical_illustration;
  auto* picture = new IllustrationPanel("conicalIllustration", DrawConicalPanelIllustration);
  picture->Put(freeLengthEdit_, place::kFreeLength, QStringLiteral("自由長さ"));
  picture->Put(length1Edit_, place::kLength1, QStringLiteral("長さ（Ｌ１）"));
  picture->Put(length2Edit_, place::kLength2, QStringLiteral("長さ（Ｌ２）"));
  picture->Put(load2Edit_, place::kLoad2, QStringLiteral("Ｐ２"));
  picture->Put(load1Edit_, place::kLoad1, QStringLiteral("Ｐ１"));
  picture->Put(coil_->DiameterBox(), place::kSmallDiameter, QStringLiteral("小端"));
  picture->Put(largeDiameterEdit_, place::kLargeDiameter, QStringLiteral("大端"));
  column->insertWidget(0, picture);
  column->addLayout(grid);
  calculateButton_ = new QPushButton(QStringLiteral("計算"));
  calculateButton_->setObjectName("calculateButton");
  column->addWidget(calculateButton_);
  column->addWidget(HistoryControls());
  column->addStretch();
  ConnectCalculation(panel, calculateButton_);
  return panel;
}

void ConicalWindow::BuildClient() {
  QWidget* inputs = BuildInputs();
  resultsGrid_ = ItemTable("resultsGrid");
  // The load–deflection curve and the fatigue diagram take the place of the other kinds' one
  // diagram as two pages: side by side they would not leave the results room on a laptop.
  auto* diagrams = new QTabWidget;
  diagrams->setObjectName("diagramPages");
  curveView_ = new PictureView(nullptr, "curveView", 0, 0, curveImage_);
  curveView_->setFixedSize(QtCanvas::LogicalSize(curveImage_));
  diagramView_ = new PictureView(nullptr, "diagramView", 0, 0, diagram_->Image());
  diagramView_->setFixedSize(QtCanvas::LogicalSize(diagram_->Image()));
  diagrams->addTab(curveView_, QStringLiteral("＜荷重－たわみ線図＞"));
  diagrams->addTab(diagramView_, QStringLiteral("＜疲労線図＞"));

  auto* sideView = new QWidget;
  auto* sideColumn = new QVBoxLayout(sideView);
  auto* shapeRow = new QHBoxLayout;
  auto* step = new QPushButton(QStringLiteral("▲"));
  step->setObjectName("shapeStepButton");
  step->setToolTip(QStringLiteral("フリー・荷重１・荷重２の形状を順に表示"));
  shapeCaption_ = new QLabel;
  shapeCaption_->setObjectName("shapeCaption");
  shapeRow->addWidget(step);
  shapeRow->addWidget(shapeCaption_);
  shapeRow->addStretch();
  sideColumn->addLayout(shapeRow);
  shapeView_ = new PictureView(sideView, "shapeView", 0, 0, shapeImage_);
  shapeView_->setFixedSize(QtCanvas::LogicalSize(shapeImage_));
  sideColumn->addWidget(shapeView_);

  HistoryGrid({"材料", "d", "D1", "D2", "総巻数", "座巻き", "L0", "L1", "L2", "P1", "P2",
               "初期バネ定数", "τ2", "許容応力", "寿命", "判定"},
              {"", "mm", "mm", "mm", "巻", "", "mm", "mm", "mm", "kgf", "kgf", "kgf/mm", "kgf/mm^2",
               "kgf/mm^2", "回", ""});
  referenceGrid_ = ItemTable("referenceGrid");
  PlaceClient(inputs, resultsGrid_, diagrams, sideView, referenceGrid_);
  stalePages_->Add(Page(kReferencePage), [this] {
    ShowReferenceRows(referenceGrid_, ConicalReferenceRows(Design(), Material(Design()), units_,
                                                           OperatingTemperature()));
  });
  ConnectGuarded(platform_, this, step, &QPushButton::clicked, &ConicalWindow::StepShapeView);
}

const MaterialRecord& ConicalWindow::Material(const ConicalDesign& design) const {
  return MaterialOf(materials_, design.MaterialNo);
}

ConicalDesign ConicalWindow::ReadInputs() const {
  const CoilInputs coil = coil_->Read();
  ConicalDesign r = Design();
  r.MaterialNo = coil.materialNo;
  r.WireDiameter = coil.wireDiameter;
  r.DiameterKind = coil.diameterKind;
  r.SmallDiameter = coil.diameter;
  r.TotalTurns = coil.totalTurns;
  r.LargeDiameter = BoxNumber(largeDiameterEdit_);
  r.EndKind = static_cast<EndKind>(endCombo_->currentIndex());
  r.LeftHand = leftHandCheck_->isChecked();
  r.FreeLength = BoxNumber(freeLengthEdit_);
  if (r.InputMode == InputMode::Loads) {
    r.Load1 = load1Edit_->ReadStored(units_);
    r.Load2 = load2Edit_->ReadStored(units_);
  } else {
    r.Length1 = BoxNumber(length1Edit_);
    r.Length2 = BoxNumber(length2Edit_);
  }
  return r;
}

// A design that cannot exist, or whose coils would nest, is refused before anything changes.
ConicalDesign ConicalWindow::CalculatedInputs() {
  ConicalDesign r = ReadInputs();
  if (const auto problem = ConicalInputProblem(r, materials_))
    throw UserError(InputProblemMessage(*problem));
  if (const auto refusal = TelescopingRefusal(r)) throw UserError(*refusal);
  check_ = CalculateConical(r, Material(r), state_.settings);
  return r;
}

void ConicalWindow::CalculateStored(ConicalDesign& design) const {
  CalculateConical(design, Material(design), state_.settings);
}

// A design not calculated just now shows the results it holds; its check lines come from a
// calculation of a copy.
void ConicalWindow::ShowDesign(bool calculated) {
  if (!calculated) {
    ConicalDesign copy = Design();
    check_ = CalculateConical(copy, Material(copy), state_.settings);
  }
  shapePosition_ = 0;
  ShowInputs();
  ShowResults();
  ShowShape();
}

void ConicalWindow::StepShapeView() {
  const int next = (shapePosition_ + 1) % 3;
  Calculate();
  shapePosition_ = next;
  ShowShape();
}

QString ConicalWindow::Shown(double stored, Quantity quantity) const {
  return ShortText(ShownValue(stored, quantity, units_));
}

void ConicalWindow::ShowInputs() {
  const ConicalDesign& r = Design();
  coil_->Show({r.MaterialNo, r.WireDiameter, r.DiameterKind, r.SmallDiameter, r.TotalTurns});
  largeDiameterEdit_->setText(FullText(r.LargeDiameter));
  endCombo_->setCurrentIndex(IsValid(r.EndKind) ? RawOf(r.EndKind) : 0);
  leftHandCheck_->setChecked(r.LeftHand);
  freeLengthEdit_->setText(FullText(r.FreeLength));
  const bool lengths = r.InputMode != InputMode::Loads;
  length1Edit_->setText(lengths ? FullText(r.Length1) : ShortText(r.Length1));
  length2Edit_->setText(lengths ? FullText(r.Length2) : ShortText(r.Length2));
  load1Edit_->ShowStored(r.Load1, units_, !lengths);
  load2Edit_->ShowStored(r.Load2, units_, !lengths);
  ShowInputMode();
}

void ConicalWindow::ShowInputMode() {
  const bool lengths = Design().InputMode != InputMode::Loads;
  for (QLineEdit* box : {length1Edit_, length2Edit_}) ShowAsInput(box, lengths);
  for (QLineEdit* box : {static_cast<QLineEdit*>(load1Edit_), static_cast<QLineEdit*>(load2Edit_)})
    ShowAsInput(box, !lengths);
}

void ConicalWindow::ShowResults() {
  const ConicalDesign& r = Design();
  std::vector<QStringList> rows;
  ConicalDesign::VisitFields(r, [&](const DesignField& f, const auto& value) {
    using T = std::decay_t<decltype(value)>;
    if (f.IsInput()) return;
    if constexpr (std::is_same_v<T, double>)
      rows.push_back({QString::fromUtf8(f.label), ShortText(ShownFieldValue(value, f, units_)),
                      Utf8(FieldUnitCaption(f, units_))});
    if constexpr (std::is_same_v<T, std::optional<double>>)
      rows.push_back(
          {QString::fromUtf8(f.label),
           value ? ShortText(ShownFieldValue(*value, f, units_)) : QString::fromUtf8(kNotAvailable),
           Utf8(FieldUnitCaption(f, units_))});
  });
  rows.push_back({QStringLiteral("期待寿命"), Utf8(LifeClassText(r.LifeClass)), {}});
  resultsGrid_->setRowCount(static_cast<int>(rows.size()));
  for (std::size_t i = 0; i < rows.size(); ++i)
    SetCells(resultsGrid_, static_cast<int>(i), rows[i]);

  ShowCheckLines(check_.Lines(r), check_.failed());

  // A design holding a value that is not a number never equals itself: it is simply drawn again.
  if (!curveShown_ || !(curveShown_->first == r) || curveShown_->second != units_) {
    curveShown_.emplace(r, units_);
    QtCanvas canvas(curveImage_);
    DrawLoadCurveDiagram(canvas, r, Material(r), units_);
    curveView_->Refresh();
  }
  diagram_->Show(ConicalFatigueCoefficients(r, Material(r)));
  diagramView_->Refresh();
  stalePages_->DesignChanged();
}

void ConicalWindow::ShowShape() {
  const ConicalDesign& r = Design();
  const double lengths[] = {r.FreeLength, r.Length1, r.Length2};
  const double length = lengths[shapePosition_];
  if (!shapeShown_ || !(shapeShown_->first == r) || shapeShown_->second != length) {
    shapeShown_.emplace(r, length);
    QtCanvas canvas(shapeImage_);
    DrawConicalShape(canvas, r, length);
    shapeView_->Refresh();
  }
  shapeCaption_->setText(QString::fromUtf8(kShapeCaptions[shapePosition_]));
}

QStringList ConicalWindow::HistoryCells(const ConicalDesign& h) const {
  return {Utf8(SjisToUtf8(Material(h).Symbol.Raw())),
          ShortText(h.WireDiameter),
          ShortText(h.SmallDiameter),
          ShortText(h.LargeDiameter),
          ShortText(h.TotalTurns),
          Utf8(EndKindName(h.EndKind)),
          ShortText(h.FreeLength),
          ShortText(h.Length1),
          ShortText(h.Length2),
          Shown(h.Load1, Quantity::Load),
          Shown(h.Load2, Quantity::Load),
          Shown(h.InitialRate, Quantity::Rate),
          Shown(h.Stress2, Quantity::Stress),
          Shown(h.AllowableStress, Quantity::Stress),
          Utf8(LifeClassText(h.LifeClass)),
          Verdict(h)};
}

// The stored design's checks, as a calculation of a copy gives them (its results stay as stored).
QString ConicalWindow::Verdict(const ConicalDesign& stored) const {
  ConicalDesign copy = stored;
  const bool failed = CalculateConical(copy, Material(copy), state_.settings).failed();
  return failed ? QStringLiteral("NG") : QStringLiteral("OK");
}

void ConicalWindow::ToggleInputMode() {
  InputMode& mode = document_.design().InputMode;
  mode = mode == InputMode::Loads ? InputMode::Lengths : InputMode::Loads;
  ShowInputMode();
  ShowFileState(document_.Path(), document_.HasUnsavedWork());  // the mode is in the file
}

// Numbers typed and not calculated yet keep their value: read in the old units, shown in the
// new.
void ConicalWindow::ApplyUnits(UnitSystem before, UnitSystem now) {
  for (QuantityBox* box : {load1Edit_, load2Edit_}) box->SwitchUnits(before, now);
  ShowResults();
  ShowHistory();
}

std::string ConicalWindow::DxfText() const { return ConicalDxfText(Design()); }

void ConicalWindow::ShowDataSheet() {
  DataSheetWindow()->ShowSheet(MakeConicalDataSheet(Design(), materials_, false), SheetPdfName());
}

}  // namespace coilspring
