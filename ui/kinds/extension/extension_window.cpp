#include "ui/kinds/extension/extension_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <type_traits>
#include <vector>

#include "core/calc/coil_formulas.h"
#include "core/extension/extension_illustration.h"
#include "core/extension/extension_reference.h"
#include "core/extension/extension_shape.h"
#include "core/extension/extension_sheet.h"
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

ExtensionWindow::ExtensionWindow(const KindWindowContext& context, QWidget* parent)
    : SpringKindWindow(context, SpringKind::Extension,
                       {ExtensionDocumentText, ReadExtensionDocumentJson}, parent),
      state_(context.state),
      diagram_(std::make_unique<FatigueDiagramPicture>(devicePixelRatioF())),
      shape_(std::make_unique<ExtensionShapePicture>(devicePixelRatioF())) {
  Frame("ExtensionWindow", "長さ・荷重切替");
  BuildClient();
  ExtensionDesign start;
  if (const auto first = state_.kinds.MaterialAt(0, 0)) start.MaterialNo = *first;
  const MaterialRecord& m = MaterialOf(materials_, start.MaterialNo);
  if (m.UsableRows() > 0)
    start.WireDiameter = m.WireDiameters[FirstRowNotBelow(m, start.WireDiameter).value_or(0)];
  Begin(start);
}

ExtensionWindow::~ExtensionWindow() = default;

QWidget* ExtensionWindow::BuildInputs() {
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
  hookCombo_ = new QComboBox;
  hookCombo_->setObjectName("hookCombo");
  for (const char* name : kHookKindNames) hookCombo_->addItem(QString::fromUtf8(name));
  add("フック形状", hookCombo_);
  annealedCheck_ = new QCheckBox(QStringLiteral("低温焼なまし"));
  annealedCheck_->setObjectName("annealedCheck");
  grid->addWidget(annealedCheck_, row, 1);
  leftHandCheck_ = new QCheckBox(QStringLiteral("左巻"));
  leftHandCheck_->setObjectName("leftHandCheck");
  grid->addWidget(leftHandCheck_, row++, 2);
  initialTensionEdit_ = new QuantityBox("initialTensionEdit", Quantity::Load);
  bandLabel_ = new QLabel;
  bandLabel_->setObjectName("bandLabel");
  add("初張力 Pi", initialTensionEdit_, bandLabel_);
  freeLengthEdit_ = NumberBox("freeLengthEdit");
  standardLengthButton_ = new QPushButton;
  standardLengthButton_->setObjectName("standardLengthButton");
  grid->addWidget(standardLengthButton_, row++, 1);
  length1Edit_ = NumberBox("length1Edit");
  length2Edit_ = NumberBox("length2Edit");
  load1Edit_ = new QuantityBox("load1Edit", Quantity::Load);
  load2Edit_ = new QuantityBox("load2Edit", Quantity::Load);
  namespace place = extension_illustration;
  auto* picture = new IllustrationPanel("extensionIllustration", DrawExtensionIllustration);
  picture->Put(freeLengthEdit_, place::kFreeLength, QStringLiteral("自由長さ"));
  picture->Put(length1Edit_, place::kLength1, QStringLiteral("長さ（Ｌ１）"));
  picture->Put(length2Edit_, place::kLength2, QStringLiteral("長さ（Ｌ２）"));
  picture->Put(load2Edit_, place::kLoad2, QStringLiteral("Ｐ２"));
  picture->Put(load1Edit_, place::kLoad1, QStringLiteral("Ｐ１"));
  picture->Put(coil_->DiameterBox(), place::kDiameter, QStringLiteral("径"));
  column->insertWidget(0, picture);
  column->addLayout(grid);
  calculateButton_ = new QPushButton(QStringLiteral("計算"));
  calculateButton_->setObjectName("calculateButton");
  column->addWidget(calculateButton_);
  column->addWidget(HistoryControls());
  column->addStretch();

  ConnectCalculation(panel, calculateButton_);
  ConnectGuarded(platform_, this, standardLengthButton_, &QPushButton::clicked,
                 &ExtensionWindow::TakeStandardFreeLength);
  return panel;
}

void ExtensionWindow::BuildClient() {
  QWidget* inputs = BuildInputs();
  resultsGrid_ = ItemTable("resultsGrid");
  diagramView_ = new PictureView(nullptr, "diagramView", 0, 0, diagram_->Image());
  diagramView_->setFixedSize(QtCanvas::LogicalSize(diagram_->Image()));

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
  shapeView_ = new PictureView(sideView, "shapeView", 0, 0, shape_->Image());
  shapeView_->setFixedSize(QtCanvas::LogicalSize(shape_->Image()));
  sideColumn->addWidget(shapeView_);

  HistoryGrid({"材料", "d", "D", "総巻数", "フック", "Pi", "L0", "L1", "L2", "P1", "P2", "バネ定数",
               "τ2", "許容応力", "寿命", "判定"},
              {"", "mm", "mm", "巻", "", "kgf", "mm", "mm", "mm", "kgf", "kgf", "kgf/mm",
               "kgf/mm^2", "kgf/mm^2", "回", ""});
  referenceGrid_ = ItemTable("referenceGrid");
  PlaceClient(inputs, resultsGrid_, diagramView_, sideView, referenceGrid_);
  stalePages_->Add(Page(kReferencePage), [this] {
    ShowReferenceRows(referenceGrid_,
                      ExtensionReferenceRows(Design(), MaterialOf(materials_, Design().MaterialNo),
                                             units_, OperatingTemperature()));
  });
  ConnectGuarded(platform_, this, step, &QPushButton::clicked, &ExtensionWindow::StepShapeView);
}

ExtensionDesign ExtensionWindow::ReadInputs() const {
  const CoilInputs coil = coil_->Read();
  ExtensionDesign r = Design();
  r.MaterialNo = coil.materialNo;
  r.WireDiameter = coil.wireDiameter;
  r.DiameterKind = coil.diameterKind;
  // The other two diameters follow the typed one now, so that what is derived from the inputs
  // before 計算 (the standard free length) is the calculation's.
  const CoilDiameters derived = DiametersFrom(coil.diameterKind, coil.diameter, coil.wireDiameter,
                                              {r.InnerDiameter, r.MeanDiameter, r.OuterDiameter});
  r.InnerDiameter = derived.inner;
  r.MeanDiameter = derived.mean;
  r.OuterDiameter = derived.outer;
  r.TotalTurns = coil.totalTurns;
  r.HookKind = static_cast<HookKind>(hookCombo_->currentIndex());
  r.Annealed = annealedCheck_->isChecked();
  r.LeftHand = leftHandCheck_->isChecked();
  r.InitialTension = initialTensionEdit_->ReadStored(units_);
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

// A design that cannot exist is refused naming its field, before anything changes.
ExtensionDesign ExtensionWindow::CalculatedInputs() {
  ExtensionDesign r = ReadInputs();
  if (const auto problem = ExtensionInputProblem(r, materials_))
    throw UserError(InputProblemMessage(*problem));
  check_ = CalculateExtension(r, MaterialOf(materials_, r.MaterialNo), state_.settings);
  return r;
}

void ExtensionWindow::CalculateStored(ExtensionDesign& design) const {
  CalculateExtension(design, MaterialOf(materials_, design.MaterialNo), state_.settings);
}

// A design not calculated just now shows the results it holds; its check lines come from a
// calculation of a copy, which leaves those results as they are.
void ExtensionWindow::ShowDesign(bool calculated) {
  if (!calculated) {
    ExtensionDesign copy = Design();
    check_ = CalculateExtension(copy, MaterialOf(materials_, copy.MaterialNo), state_.settings);
  }
  shapePosition_ = 0;
  ShowInputs();
  ShowResults();
  ShowShape();
}

void ExtensionWindow::StepShapeView() {
  const int next = (shapePosition_ + 1) % 3;
  Calculate();
  shapePosition_ = next;
  ShowShape();
}

QString ExtensionWindow::Shown(double stored, Quantity quantity) const {
  return ShortText(ShownValue(stored, quantity, units_));
}

double ExtensionWindow::ShownLength() const {
  const double lengths[] = {Design().FreeLength, Design().Length1, Design().Length2};
  return lengths[shapePosition_];
}

void ExtensionWindow::ShowInputs() {
  const ExtensionDesign& r = Design();
  coil_->Show({r.MaterialNo, r.WireDiameter, r.DiameterKind, EnteredDiameterOf(r), r.TotalTurns});
  hookCombo_->setCurrentIndex(IsValid(r.HookKind) ? RawOf(r.HookKind) : 0);
  annealedCheck_->setChecked(r.Annealed);
  leftHandCheck_->setChecked(r.LeftHand);
  initialTensionEdit_->ShowStored(r.InitialTension, units_);
  freeLengthEdit_->setText(FullText(r.FreeLength));
  const bool lengths = r.InputMode != InputMode::Loads;
  length1Edit_->setText(lengths ? FullText(r.Length1) : ShortText(r.Length1));
  length2Edit_->setText(lengths ? FullText(r.Length2) : ShortText(r.Length2));
  load1Edit_->ShowStored(r.Load1, units_);
  load2Edit_->ShowStored(r.Load2, units_);
  ShowInputMode();
}

void ExtensionWindow::ShowInputMode() {
  const bool lengths = Design().InputMode != InputMode::Loads;
  for (QLineEdit* box : {length1Edit_, length2Edit_}) ShowAsInput(box, lengths);
  for (QLineEdit* box : {static_cast<QLineEdit*>(load1Edit_), static_cast<QLineEdit*>(load2Edit_)})
    ShowAsInput(box, !lengths);
}

void ExtensionWindow::ShowResults() {
  const ExtensionDesign& r = Design();
  const StressBand band = InitialTensionBand(r);
  const QString unit = Utf8(UnitCaption(Quantity::Load, units_));
  bandLabel_->setText(
      QStringLiteral("%1 (製作範囲 %2～%3)")
          .arg(unit, Shown(band.min, Quantity::Load), Shown(band.max, Quantity::Load)));
  standardLengthButton_->setText(QStringLiteral("推奨 %1").arg(ShortText(StandardFreeLength(r))));
  std::vector<QStringList> rows;
  ExtensionDesign::VisitFields(r, [&](const DesignField& f, const auto& value) {
    if constexpr (std::is_same_v<std::decay_t<decltype(value)>, double>)
      if (!f.IsInput())
        rows.push_back({QString::fromUtf8(f.label), ShortText(ShownFieldValue(value, f, units_)),
                        Utf8(FieldUnitCaption(f, units_))});
  });
  rows.push_back({QStringLiteral("期待寿命"), Utf8(LifeClassText(r.LifeClass)), {}});
  resultsGrid_->setRowCount(static_cast<int>(rows.size()));
  for (std::size_t i = 0; i < rows.size(); ++i)
    SetCells(resultsGrid_, static_cast<int>(i), rows[i]);

  ShowCheckLines(check_.Lines(r.InputMode), check_.failed());

  const MaterialRecord& m = MaterialOf(materials_, r.MaterialNo);
  diagram_->Show(ExtensionFatigueCoefficients(r, m));
  diagramView_->Refresh();
  stalePages_->DesignChanged();
}

void ExtensionWindow::ShowShape() {
  shape_->Show(Design(), ShownLength());
  shapeView_->Refresh();
  shapeCaption_->setText(QString::fromUtf8(kShapeCaptions[shapePosition_]));
}

QStringList ExtensionWindow::HistoryCells(const ExtensionDesign& h) const {
  return {Utf8(SjisToUtf8(MaterialOf(materials_, h.MaterialNo).Symbol.Raw())),
          ShortText(h.WireDiameter),
          ShortText(h.MeanDiameter),
          ShortText(h.TotalTurns),
          Utf8(HookKindName(h.HookKind)),
          Shown(h.InitialTension, Quantity::Load),
          ShortText(h.FreeLength),
          ShortText(h.Length1),
          ShortText(h.Length2),
          Shown(h.Load1, Quantity::Load),
          Shown(h.Load2, Quantity::Load),
          Shown(h.SpringRate, Quantity::Rate),
          Shown(h.Stress2, Quantity::Stress),
          Shown(h.AllowableStress, Quantity::Stress),
          Utf8(LifeClassText(h.LifeClass)),
          Verdict(h)};
}

// The stored design's checks, as a calculation of a copy gives them (its results stay as stored).
QString ExtensionWindow::Verdict(const ExtensionDesign& stored) const {
  ExtensionDesign copy = stored;
  const bool failed =
      CalculateExtension(copy, MaterialOf(materials_, copy.MaterialNo), state_.settings).failed();
  return failed ? QStringLiteral("NG") : QStringLiteral("OK");
}

void ExtensionWindow::ToggleInputMode() {
  InputMode& mode = document_.design().InputMode;
  mode = mode == InputMode::Loads ? InputMode::Lengths : InputMode::Loads;
  ShowInputMode();
  ShowFileState(document_.Path(), document_.HasUnsavedWork());  // the mode is in the file
}

// Numbers typed and not calculated yet keep their value: read in the old units, shown in the
// new.
void ExtensionWindow::ApplyUnits(UnitSystem before, UnitSystem now) {
  for (QuantityBox* box : {initialTensionEdit_, load1Edit_, load2Edit_})
    box->SwitchUnits(before, now);
  ShowResults();
  ShowHistory();
}

void ExtensionWindow::TakeStandardFreeLength() {
  freeLengthEdit_->setText(ShortText(StandardFreeLength(ReadInputs())));
  Calculate();
}

std::string ExtensionWindow::DxfText() const { return ExtensionDxfText(Design()); }

void ExtensionWindow::ShowDataSheet() {
  DataSheetWindow()->ShowSheet(MakeExtensionDataSheet(Design(), materials_, Design().LeftHand),
                               SheetPdfName());
}

}  // namespace coilspring
