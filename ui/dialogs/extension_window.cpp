#include "ui/dialogs/extension_window.h"

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

#include "core/extension/extension_reference.h"
#include "core/extension/extension_shape.h"
#include "core/extension/extension_sheet.h"
#include "core/text/sjis.h"
#include "ui/dialogs/data_sheet_dialog.h"
#include "ui/render/picture_views.h"
#include "ui/render/pictures.h"
#include "ui/render/qt_canvas.h"
#include "ui/widgets/coil_inputs_box.h"
#include "ui/widgets/qt_text.h"

namespace coilspring {

namespace {

const char* const kShapeCaptions[] = {"フリー", "荷重１", "荷重２"};

constexpr KindFileFormat<ExtensionDesign> kKind = {
    {"引張コイルばねの設計 (*.json)", "extension.json", "", "extension.dxf"},
    HistoryOrder::OldestFirst,
    ExtensionDocumentText,
    ReadExtensionDocumentJson};

}  // namespace

ExtensionWindow::ExtensionWindow(const CalculatorState& state, Platform& platform, UnitSystem units,
                                 QWidget* parent)
    : SpringKindWindow(platform, units, kKind, state.materials(), parent),
      state_(state),
      diagram_(std::make_unique<FatigueDiagramPicture>(devicePixelRatioF())),
      shape_(std::make_unique<ExtensionShapePicture>(devicePixelRatioF())) {
  const auto [file, view] = Frame("ExtensionWindow", "引張コイルばね");
  AddGuardedMenuEntries<ExtensionWindow>(
      platform_, this,
      {{file, "OpenMenu", "読み取り", &ExtensionWindow::OpenDesign},
       {file, "SaveMenu", "保存", &ExtensionWindow::SaveDesign},
       {file, "SheetMenu", "要目表印刷", &ExtensionWindow::ShowDataSheet},
       {file, "DxfMenu", "ＤＸＦ出力", &ExtensionWindow::ExportDxf},
       {view, "InputModeMenu", "長さ・荷重切替", &ExtensionWindow::ToggleInputMode},
       {view, "UnitsMenu", "単位切替（SI／重力単位）", &ExtensionWindow::ToggleUnits}});
  QWidget* inputs = BuildInputs();
  PlaceColumns(inputs, BuildResults());
  if (const auto first = state_.kinds.MaterialAt(0, 0)) design_.MaterialNo = *first;
  const MaterialRecord& m = MaterialOf(materials_, design_.MaterialNo);
  if (m.UsableRows() > 0)
    design_.WireDiameter = m.WireDiameters[FirstRowNotBelow(m, design_.WireDiameter).value_or(0)];
  ShowCalculated();
  KeepAsSaved();
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
  initialTensionEdit_ = NumberBox("initialTensionEdit");
  bandLabel_ = new QLabel;
  bandLabel_->setObjectName("bandLabel");
  add("初張力 Pi", initialTensionEdit_, bandLabel_);
  freeLengthEdit_ = NumberBox("freeLengthEdit");
  standardLengthButton_ = new QPushButton;
  standardLengthButton_->setObjectName("standardLengthButton");
  add("自由長さ L0 (mm)", freeLengthEdit_, standardLengthButton_);
  length1Edit_ = NumberBox("length1Edit");
  length2Edit_ = NumberBox("length2Edit");
  load1Edit_ = NumberBox("load1Edit");
  load2Edit_ = NumberBox("load2Edit");
  add("長さ L1 (mm)", length1Edit_);
  add("長さ L2 (mm)", length2Edit_);
  add("荷重 P1", load1Edit_);
  add("荷重 P2", load2Edit_);
  column->addLayout(grid);
  calculateButton_ = new QPushButton(QStringLiteral("計算"));
  calculateButton_->setObjectName("calculateButton");
  column->addWidget(calculateButton_);
  auto* store = new QPushButton(QStringLiteral("▼ 履歴に入れる"));
  store->setObjectName("storeButton");
  column->addWidget(store);
  column->addStretch();

  ConnectCommands(panel, calculateButton_, store);
  ConnectGuarded(platform_, this, standardLengthButton_, &QPushButton::clicked,
                 &ExtensionWindow::TakeStandardFreeLength);
  return panel;
}

QWidget* ExtensionWindow::BuildResults() {
  auto* panel = new QWidget;
  auto* column = new QVBoxLayout(panel);
  auto* top = new QHBoxLayout;
  resultsGrid_ = ItemTable("resultsGrid");
  resultsGrid_->horizontalHeader()->setStretchLastSection(true);
  top->addWidget(resultsGrid_, 1);
  diagramView_ = new PictureView(panel, "diagramView", 0, 0, diagram_->Image());
  diagramView_->setFixedSize(QtCanvas::LogicalSize(diagram_->Image()));
  top->addWidget(diagramView_);
  column->addLayout(top);
  messageList_ = new QListWidget;
  messageList_->setObjectName("messageList");
  messageList_->setMaximumHeight(90);
  column->addWidget(messageList_);
  auto* shapeRow = new QHBoxLayout;
  shapeCaption_ = new QLabel;
  shapeCaption_->setObjectName("shapeCaption");
  auto* step = new QPushButton(QStringLiteral("▲"));
  step->setObjectName("shapeStepButton");
  shapeRow->addWidget(shapeCaption_);
  shapeRow->addWidget(step);
  shapeRow->addStretch();
  column->addLayout(shapeRow);
  shapeView_ = new PictureView(panel, "shapeView", 0, 0, shape_->Image());
  shapeView_->setFixedSize(QtCanvas::LogicalSize(shape_->Image()));
  column->addWidget(shapeView_);
  historyGrid_ = new QTableWidget(0, 0);
  historyGrid_->setObjectName("historyGrid");
  historyGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  historyGrid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  referenceGrid_ = ItemTable("referenceGrid");
  auto* pages = new QTabWidget;
  pages->addTab(historyGrid_, QStringLiteral("履歴"));
  pages->addTab(referenceGrid_, QStringLiteral("参考値"));
  column->addWidget(pages, 1);
  ConnectGuarded(platform_, this, step, &QPushButton::clicked, &ExtensionWindow::StepShapeView);
  RecallOnClick(historyGrid_);
  return panel;
}

void ExtensionWindow::ReadInputs() {
  const CoilInputs coil = coil_->Read();
  ExtensionDesign& r = design_;
  r.MaterialNo = coil.materialNo;
  r.WireDiameter = coil.wireDiameter;
  r.DiameterKind = coil.diameterKind;
  r.InnerDiameter = r.MeanDiameter = r.OuterDiameter = coil.diameter;
  r.TotalTurns = coil.totalTurns;
  r.HookKind = static_cast<HookKind>(hookCombo_->currentIndex());
  r.Annealed = annealedCheck_->isChecked();
  r.InitialTension = StoredValue(BoxNumber(initialTensionEdit_), Quantity::Load, units_);
  r.FreeLength = BoxNumber(freeLengthEdit_);
  if (r.InputMode == InputMode::Loads) {
    r.Load1 = StoredValue(BoxNumber(load1Edit_), Quantity::Load, units_);
    r.Load2 = StoredValue(BoxNumber(load2Edit_), Quantity::Load, units_);
  } else {
    r.Length1 = BoxNumber(length1Edit_);
    r.Length2 = BoxNumber(length2Edit_);
  }
}

void ExtensionWindow::Calculate() {
  ReadInputs();
  ShowCalculated();
}

void ExtensionWindow::ShowCalculated() {
  check_ = CalculateExtension(design_, MaterialOf(materials_, design_.MaterialNo), state_.settings);
  shapePosition_ = 0;
  ShowDesign();
}

void ExtensionWindow::StepShapeView() {
  const int next = (shapePosition_ + 1) % 3;
  Calculate();
  shapePosition_ = next;
  ShowDesign();
}

QString ExtensionWindow::Shown(double stored, Quantity quantity) const {
  return ShortText(ShownValue(stored, quantity, units_));
}

double ExtensionWindow::ShownLength() const {
  const double lengths[] = {design_.FreeLength, design_.Length1, design_.Length2};
  return lengths[shapePosition_];
}

void ExtensionWindow::ShowInputs() {
  const ExtensionDesign& r = design_;
  coil_->Show({r.MaterialNo, r.WireDiameter, r.DiameterKind, EnteredDiameterOf(r), r.TotalTurns});
  hookCombo_->setCurrentIndex(IsValid(r.HookKind) ? RawOf(r.HookKind) : 0);
  annealedCheck_->setChecked(r.Annealed);
  initialTensionEdit_->setText(FullText(ShownValue(r.InitialTension, Quantity::Load, units_)));
  freeLengthEdit_->setText(FullText(r.FreeLength));
  const bool lengths = r.InputMode != InputMode::Loads;
  length1Edit_->setText(lengths ? FullText(r.Length1) : ShortText(r.Length1));
  length2Edit_->setText(lengths ? FullText(r.Length2) : ShortText(r.Length2));
  const auto load = [&](double v) {
    return lengths ? Shown(v, Quantity::Load) : FullText(ShownValue(v, Quantity::Load, units_));
  };
  load1Edit_->setText(load(r.Load1));
  load2Edit_->setText(load(r.Load2));
  const StressBand band = InitialTensionBand(r);
  const QString unit = Utf8(UnitCaption(Quantity::Load, units_));
  bandLabel_->setText(
      QStringLiteral("%1 (製作範囲 %2～%3)")
          .arg(unit, Shown(band.min, Quantity::Load), Shown(band.max, Quantity::Load)));
  standardLengthButton_->setText(QStringLiteral("推奨 %1").arg(ShortText(StandardFreeLength(r))));
  ShowInputMode();
}

void ExtensionWindow::ShowInputMode() {
  const bool lengths = design_.InputMode != InputMode::Loads;
  for (QLineEdit* box : {length1Edit_, length2Edit_}) box->setReadOnly(!lengths);
  for (QLineEdit* box : {load1Edit_, load2Edit_}) box->setReadOnly(lengths);
}

void ExtensionWindow::ShowDesign() {
  ShowInputs();
  const ExtensionDesign& r = design_;
  resultsGrid_->setRowCount(0);
  const auto addRow = [&](const char* label, const QString& value, const QString& unit) {
    const int row = resultsGrid_->rowCount();
    resultsGrid_->insertRow(row);
    SetCells(resultsGrid_, row, {QString::fromUtf8(label), value, unit});
  };
  ExtensionDesign::VisitResults(r, [&](const FieldInfo& f, const auto& value) {
    if constexpr (std::is_same_v<std::decay_t<decltype(value)>, double>) {
      const auto quantity = QuantityOfUnit(f.unit);
      addRow(f.label, quantity ? Shown(value, *quantity) : ShortText(value),
             Utf8(ShownUnit(f.unit, units_)));
    }
  });
  addRow("期待寿命", Utf8(LifeClassText(r.LifeClass)), {});
  resultsGrid_->resizeColumnsToContents();

  messageList_->clear();
  for (const std::string& line : check_.Lines(r.InputMode)) messageList_->addItem(Utf8(line));
  messageList_->setStyleSheet(check_.failed() ? "color: rgb(255, 0, 0)" : "");

  const MaterialRecord& m = MaterialOf(materials_, r.MaterialNo);
  diagram_->Show(ExtensionFatigueCoefficients(r, m));
  diagramView_->Refresh();
  shape_->Show(r, ShownLength());
  shapeView_->Refresh();
  shapeCaption_->setText(QString::fromUtf8(kShapeCaptions[shapePosition_]));
  ShowHistory();
  ShowReferenceRows(referenceGrid_, ExtensionReferenceRows(design_, m, units_));
}

void ExtensionWindow::ShowHistory() {
  const QStringList headings = {"材料", "d",  "D",  "総巻数",   "フック", "Pi",       "L0",  "L1",
                                "L2",   "P1", "P2", "バネ定数", "τ2",     "許容応力", "寿命"};
  historyGrid_->setColumnCount(static_cast<int>(headings.size()));
  historyGrid_->setHorizontalHeaderLabels(headings);
  historyGrid_->setRowCount(static_cast<int>(history_.size()));
  for (int row = 0; row < static_cast<int>(history_.size()); ++row) {
    const ExtensionDesign& h = history_[static_cast<std::size_t>(row)];
    SetCells(historyGrid_, row,
             {Utf8(SjisToUtf8(MaterialOf(materials_, h.MaterialNo).Symbol.Raw())),
              ShortText(h.WireDiameter), ShortText(h.MeanDiameter), ShortText(h.TotalTurns),
              Utf8(HookKindName(h.HookKind)), Shown(h.InitialTension, Quantity::Load),
              ShortText(h.FreeLength), ShortText(h.Length1), ShortText(h.Length2),
              Shown(h.Load1, Quantity::Load), Shown(h.Load2, Quantity::Load),
              Shown(h.SpringRate, Quantity::Rate), Shown(h.Stress2, Quantity::Stress),
              Shown(h.AllowableStress, Quantity::Stress), Utf8(LifeClassText(h.LifeClass))});
  }
}

void ExtensionWindow::Recall(const ExtensionDesign& stored) {
  design_ = stored;
  ShowCalculated();
}

void ExtensionWindow::ToggleInputMode() {
  design_.InputMode = design_.InputMode == InputMode::Loads ? InputMode::Lengths : InputMode::Loads;
  ShowInputMode();
}

void ExtensionWindow::ToggleUnits() {
  SwitchUnits();
  ShowDesign();
}

void ExtensionWindow::TakeStandardFreeLength() {
  ReadInputs();
  freeLengthEdit_->setText(ShortText(StandardFreeLength(design_)));
  Calculate();
}

void ExtensionWindow::Adopt(ExtensionDocument read) {
  history_ = std::move(read.history);
  Recall(read.design);
}

std::string ExtensionWindow::DxfText() const { return ExtensionDxfText(design_); }

void ExtensionWindow::ShowDataSheet() {
  if (dataSheet_ == nullptr) dataSheet_ = new DataSheetDialog(platform_, this);
  dataSheet_->ShowSheet(MakeExtensionDataSheet(design_, materials_, leftHandCheck_->isChecked()));
}

}  // namespace coilspring
