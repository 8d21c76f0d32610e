// The main window's construction, start-up, menus and the input, calculation and history events.
// The file, output and design-search commands have files of their own.
#include "ui/main_window/main_window.h"

#include <QAction>
#include <QKeySequence>
#include <QLayout>
#include <QMenuBar>
#include <QTabWidget>

#include "core/calc/fatigue.h"
#include "core/compression/history.h"
#include "core/records/data_files.h"
#include "core/records/file_io.h"
#include "core/text/user_error.h"
#include "ui/dialogs/coefficient_dialog.h"
#include "ui/dialogs/data_sheet_dialog.h"
#include "ui/dialogs/design_search_dialog.h"
#include "ui/dialogs/material_editor_dialog.h"
#include "ui/main_window/history_page.h"
#include "ui/main_window/input_panel.h"
#include "ui/main_window/reference_page.h"
#include "ui/main_window/results_panel.h"
#include "ui/main_window/side_view_page.h"
#include "ui/platform/handler_guard.h"
#include "ui/platform/units_setting.h"
#include "ui/platform/window_place.h"
#include "ui/widgets/widgets.h"

namespace coilspring {

namespace {

constexpr int kClientWidth = 817;
constexpr int kClientHeight = 721;

QAction* AddAction(QMenu* menu, const char* name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  return action;
}

}  // namespace

MainWindow::MainWindow(CalculatorState& state, Platform& platform, QString programFolder,
                       QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      platform_(platform),
      programFolder_(std::move(programFolder)),
      units_(UnitsSetting::Instance().Units()) {
  setObjectName("f_atu");
  ShowFileState();
  auto* client = new QWidget(this);
  client->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(client);
  // The window keeps its designed size: maximising would only add empty grey space.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  setWindowFlag(Qt::WindowMaximizeButtonHint, false);
  BuildMenus();
  BuildPanels();
  ConnectPanels();
  connect(&UnitsSetting::Instance(), &UnitsSetting::Changed, this, &MainWindow::ShowUnits);
  KeepWindowPlace(this);
  StartUp();
}

MainWindow::~MainWindow() { delete designSearch_; }

void MainWindow::BuildMenus() {
  QMenuBar* bar = menuBar();
  QMenu* file = bar->addMenu(QStringLiteral("ファイル(&F)"));
  file->setObjectName("File1");
  openAction_ = AddAction(file, "Edit2", QStringLiteral("読み取り"));
  saveAction_ = AddAction(file, "N3", QStringLiteral("保存"));
  dataSheetAction_ = AddAction(file, "N5", QStringLiteral("要目表印刷"));
  printAction_ = AddAction(file, "N1", QStringLiteral("画面印刷"));
  dxfAction_ = AddAction(file, "N7", QStringLiteral("ＤＸＦ出力"));
  stepAction_ = AddAction(file, "StepMenu", QStringLiteral("3Dモデル出力（STEP）"));
  QMenu* edit = bar->addMenu(QStringLiteral("編集(&E)"));
  edit->setObjectName("Edit3");
  undoAction_ = AddAction(edit, "Undo", QStringLiteral("元に戻す"));
  redoAction_ = AddAction(edit, "Redo", QStringLiteral("やり直し"));
  edit->addSeparator();
  copyHistoryAction_ = AddAction(edit, "N2", QStringLiteral("全データーコピー"));
  copyDiagramAction_ = AddAction(edit, "N4", QStringLiteral("寿命グラフコピー"));
  QMenu* view = bar->addMenu(QStringLiteral("表示(&V)"));
  view->setObjectName("N6");
  inputModeAction_ = AddAction(view, "llcheng", QStringLiteral("長さ・荷重切替"));
  unitsAction_ = AddAction(view, "UnitsMenu", QStringLiteral("単位切替（SI／重力単位）"));
  QMenu* tools = bar->addMenu(QStringLiteral("ツール(&T)"));
  tools->setObjectName("Tool1");
  materialsAction_ = AddAction(tools, "N8", QStringLiteral("材料編集"));
  coefficientsAction_ = AddAction(tools, "N9", QStringLiteral("係数編集"));
  designSearchAction_ = AddAction(tools, "DesignSearchMenu", QStringLiteral("設計支援"));
  BuildSpringMenu();
  QMenu* help = bar->addMenu(QStringLiteral("ヘルプ(&H)"));
  help->setObjectName("Help1");
  helpAction_ = AddAction(help, "Help2", QStringLiteral("ヘルプ"));

  const std::pair<QAction*, void (MainWindow::*)()> commands[] = {
      {openAction_, &MainWindow::OpenDesignFile},
      {dataSheetAction_, &MainWindow::ShowDataSheet},
      {printAction_, &MainWindow::PrintWindow},
      {dxfAction_, &MainWindow::ExportDxf},
      {stepAction_, &MainWindow::ExportStep},
      {undoAction_, &MainWindow::UndoStep},
      {redoAction_, &MainWindow::RedoStep},
      {copyHistoryAction_, &MainWindow::CopyHistoryText},
      {copyDiagramAction_, &MainWindow::CopyFatigueDiagram},
      {inputModeAction_, &MainWindow::ToggleInputMode},
      {unitsAction_, &MainWindow::ToggleUnits},
      {materialsAction_, &MainWindow::EditMaterials},
      {coefficientsAction_, &MainWindow::EditCoefficients},
      {designSearchAction_, &MainWindow::OpenDesignSearch},
      {helpAction_, &MainWindow::OpenHelp}};
  const std::pair<QAction*, QKeySequence> shortcuts[] = {
      {openAction_, QKeySequence(Qt::CTRL | Qt::Key_O)},
      {saveAction_, QKeySequence(Qt::CTRL | Qt::Key_S)},
      {printAction_, QKeySequence(Qt::CTRL | Qt::Key_P)},
      {helpAction_, QKeySequence(Qt::Key_F1)},
      {undoAction_, QKeySequence(Qt::CTRL | Qt::Key_Z)},
      {redoAction_, QKeySequence(Qt::CTRL | Qt::Key_Y)}};
  for (const auto& [action, keys] : shortcuts) action->setShortcut(keys);
  for (const auto& [action, command] : commands)
    ConnectGuarded(platform_, this, action, &QAction::triggered, command);
  ConnectGuarded(platform_, this, saveAction_, &QAction::triggered, &MainWindow::SaveDesignFile);
}

void MainWindow::BuildPanels() {
  inputPanel_ = new InputPanel(centralWidget(), state_, units_);
  resultsPanel_ = new ResultsPanel(centralWidget(), units_);
  pages_ = Place<QTabWidget>(centralWidget(), "PageControl1", 8, 472, 801, 241);
  historyPage_ = new HistoryPage(units_);
  sideViewPage_ = new SideViewPage;
  referencePage_ = new ReferencePage(nullptr);
  referencePage_->SetUnits(units_);
  pages_->addTab(historyPage_, QStringLiteral("＜計算結果の履歴＞"));
  pages_->addTab(sideViewPage_,
                 QStringLiteral("＜バネ形状(整数巻き＋クローズドはプラス０．５の形状)＞"));
  pages_->addTab(referencePage_, Utf8(kReferenceTabCaption));
  LazyPage::BuildOnFirstShow(pages_);
}

void MainWindow::ConnectPanels() {
  const std::pair<void (InputPanel::*)(), void (MainWindow::*)()> inputEvents[] = {
      {&InputPanel::KindChosen, &MainWindow::KindChosen},
      {&InputPanel::SymbolChosen, &MainWindow::SymbolChosen},
      {&InputPanel::WireDiameterChosen, &MainWindow::WireDiameterChosen},
      {&InputPanel::EndFormChosen, &MainWindow::EndFormChosen},
      {&InputPanel::DiameterKindClicked, &MainWindow::CycleDiameterKind},
      {&InputPanel::CoilDiameterEntered, &MainWindow::CoilDiameterEntered},
      {&InputPanel::TotalTurnsLeft, &MainWindow::TotalTurnsLeft},
      {&InputPanel::SetFreeLengthClicked, &MainWindow::SetRecommendedFreeLength},
      {&InputPanel::SetLength2Clicked, &MainWindow::SetLength2ToSolidHeight},
      {&InputPanel::SetLoad2Clicked, &MainWindow::SetLoad2ToMaxLoad}};
  for (const auto& [signal, handler] : inputEvents)
    ConnectGuarded(platform_, this, inputPanel_, signal, handler);
  ConnectGuarded(platform_, this, resultsPanel_, &ResultsPanel::CalculateClicked,
                 &MainWindow::Calculate);
  ConnectGuarded(platform_, this, inputPanel_, &InputPanel::CalculateRequested,
                 &MainWindow::Calculate);
  inputPanel_->ChainTabOrder(resultsPanel_->CalculateButton());
  ConnectGuarded(platform_, this, resultsPanel_, &ResultsPanel::StoreClicked,
                 &MainWindow::StoreInHistory);
  ConnectGuarded(platform_, this, resultsPanel_, &ResultsPanel::RecallClicked,
                 &MainWindow::RecallFromHistory);
  ConnectGuarded(platform_, this, historyPage_, &HistoryPage::SlotClicked,
                 &MainWindow::RecallHistorySlot);
  ConnectGuarded(platform_, this, sideViewPage_, &SideViewPage::StepClicked,
                 &MainWindow::StepSideView);
}

bool MainWindow::LoadDataFiles() {
  const std::string folder = programFolder_.toStdString();
  const std::string settingsPath = folder + "/" + kSettingsFileName;
  try {
    ReadSettingsFile(settingsPath, state_.settings);
  } catch (const UnusableDataFile& e) {
    platform_.ShowMessage(
        this, MessageKind::Warning,
        Utf8(e.what()) + QStringLiteral("\n係数が使えないため計算できません。「ツール」→"
                                        "「係数編集」で係数を設定してから、プログラムを"
                                        "起動し直してください。"));
    return false;
  } catch (const UserError&) {
    platform_.ShowMessage(
        this, MessageKind::Warning,
        QStringLiteral(
            "設定ファイル %1 を読み込めません。\n係数が読めないため計算できません。"
            "「ツール」→「係数編集」で係数を設定してから、プログラムを起動し直してください。")
            .arg(Utf8(settingsPath)));
    return false;
  }
  const std::string materialsPath = folder + "/" + kMaterialFileName;
  try {
    ReadMaterialFile(materialsPath, state_.EditMaterials());
  } catch (const UserError& e) {
    platform_.ShowMessage(this, MessageKind::Error, Utf8(e.what()));
    return false;
  }
  // Without a material to choose, the first reading of the boxes would only report an empty
  // wire diameter: say what is wrong and where.
  if (!HasUsableMaterial(state_.materials())) {
    platform_.ShowMessage(
        this, MessageKind::Error,
        QStringLiteral("材料データファイル %1 には使える材料がありません。\n材料が選べないため計算"
                       "できません。「ツール」→「材料編集」で材料を登録して保存してから、プログ"
                       "ラムを起動し直してください。")
            .arg(Utf8(materialsPath)));
    return false;
  }
  return true;
}

void MainWindow::StartUp() {
  if (!LoadDataFiles()) {
    // Without the data there is no design to act on: everything that would act on it is off.
    // The two tools stay available, so the missing file can be made again from inside.
    for (QWidget* w : std::initializer_list<QWidget*>{inputPanel_, resultsPanel_, sideViewPage_})
      w->setEnabled(false);
    for (QAction* a : {openAction_, saveAction_, dataSheetAction_, dxfAction_, inputModeAction_,
                       undoAction_, redoAction_})
      a->setEnabled(false);
    ShowHistorySlots();  // empty slots under their headings: the page still reads as the history
    return;
  }
  state_.kinds = BuildKindIndex(state_.materials());
  inputPanel_->ShowFirstListEntries(state_.current());
  InitDesign(state_.design);
  bool completed = false;
  RunGuarded(platform_, this, [&] {
    DesignRecord& r = state_.current();
    PutDesign(false);
    inputPanel_->ReadInputs(r);
    ShowHistorySlots();
    inputPanel_->ShowSolidHeightOf(r);
    ShowDerivedInputs(DeriveFromInputs(state_));
    completed = true;
  });
  startupCompleted_ = completed;
  work_.Start(state_.design, Encode(state_.design));
  RecordStep();
  pages_->setCurrentIndex(0);
}

// ---- Input panel events ---------------------------------------------------------------------

void MainWindow::KindChosen() {
  if (inputPanel_->FollowKindChoice(state_.current()))
    ReadDeriveAndShow(SolidHeightBasis::AllInputs);
}

void MainWindow::SymbolChosen() {
  if (inputPanel_->FollowSymbolChoice(state_.current()))
    ReadDeriveAndShow(SolidHeightBasis::AllInputs);
}

void MainWindow::WireDiameterChosen() { ReadDeriveAndShow(SolidHeightBasis::NewDiameters); }
void MainWindow::EndFormChosen() { ReadDeriveAndShow(SolidHeightBasis::AllInputs); }
void MainWindow::CoilDiameterEntered() { ReadDeriveAndShow(SolidHeightBasis::NewDiameters); }
void MainWindow::TotalTurnsLeft() { ReadDeriveAndShow(SolidHeightBasis::NewTurns); }

// The one path of a changed input: the boxes read once, the design calculated once, the
// recommended values shown. A box that is no number stops it where the reading stands.
void MainWindow::ReadDeriveAndShow(SolidHeightBasis basis) {
  DesignRecord& r = state_.current();
  switch (basis) {
    case SolidHeightBasis::AllInputs:
      inputPanel_->ReadInputs(r);
      inputPanel_->ShowSolidHeightOf(r);
      break;
    case SolidHeightBasis::NewDiameters:
      inputPanel_->ReadDiameters(r);
      inputPanel_->ShowSolidHeightOf(r);
      inputPanel_->ReadTotalTurns(r);
      inputPanel_->ReadRemainingInputs(r);
      break;
    case SolidHeightBasis::NewTurns:
      inputPanel_->ReadTotalTurns(r);
      inputPanel_->ShowSolidHeightOf(r);
      inputPanel_->ReadDiameters(r);
      inputPanel_->ReadRemainingInputs(r);
      break;
  }
  ShowDerivedInputs(DeriveFromInputs(state_));
}

void MainWindow::ShowDerivedInputs(const DerivedInputs& derived) {
  inputPanel_->ShowDerived(derived);
  if (derived.indexInRange)
    resultsPanel_->ClearCheckLines();
  else
    resultsPanel_->ShowCheckLines({kSpringIndexOutOfRangeLine}, true);
}

void MainWindow::CycleDiameterKind() {
  DesignRecord& r = state_.current();
  r.DiameterKind = NextDiameterKind(r.DiameterKind);
  inputPanel_->ShowDiameterKindOf(r);
}

void MainWindow::SetRecommendedFreeLength() {
  DesignRecord& r = state_.current();
  inputPanel_->PutRecommendedFreeLength(r.RecommendedFreeLength);
  inputPanel_->ReadInputs(r);
  const DerivedInputs derived = DeriveFromInputs(state_);
  inputPanel_->ShowSpringIndex(derived.springIndex);
  r.FreeLength = derived.recommendedFreeLength;
}

void MainWindow::SetLength2ToSolidHeight() {
  const DesignRecord& r = state_.current();
  inputPanel_->PutLength2(SolidHeightOf(r.TotalTurns, r.WireDiameter));
}

void MainWindow::SetLoad2ToMaxLoad() {
  // Only the maximum load is taken over: the free length stays what its box shows, so a design
  // stored right after this holds the free length the user sees.
  inputPanel_->ReadInputs(state_.current());
  const DerivedInputs derived = DeriveFromInputs(state_);
  inputPanel_->ShowSpringIndex(derived.springIndex);
  inputPanel_->ShowMaxLoad(derived.maxLoad);
  inputPanel_->PutLoad2(derived.maxLoad);
}

void MainWindow::ToggleInputMode() {
  DesignRecord& r = state_.current();
  r.InputMode = r.InputMode == InputMode::Loads ? InputMode::Lengths : InputMode::Loads;
  inputPanel_->ShowInputMode(r.InputMode);
}

// Every window of the program follows: they all show the one setting.
void MainWindow::ToggleUnits() {
  UnitsSetting::Instance().Set(units_ == UnitSystem::SI ? UnitSystem::Gravitational
                                                        : UnitSystem::SI);
}

void MainWindow::ShowUnits(UnitSystem units) {
  if (units == units_) return;
  units_ = units;
  inputPanel_->SetUnits(units_);
  resultsPanel_->SetUnits(units_);
  historyPage_->SetUnits(units_, state_.design, state_.materials());
  referencePage_->SetUnits(units_);
  if (designSearch_ != nullptr) designSearch_->SetUnits(units_);
}

// ---- Calculation, side view and history -----------------------------------------------------

void MainWindow::Calculate() {
  RecalculateAndShow();
  ShowSideViewAt(0);
  RecordStep();
}

// Reads the boxes, recalculates and checks the design, and shows it with the check lines.
void MainWindow::RecalculateAndShow() {
  inputPanel_->ReadInputs(state_.current());
  const ValidationResult checks = RecalculateDesign(state_, 0, DesignInputs::AsEntered);
  inputPanel_->ShowSpringIndex(state_.current().SpringIndex);
  PutDesign(true);
  resultsPanel_->ShowCheckLines(checks.lines.Texts(), checks.failed);
}

void MainWindow::PutDesign(bool freshlyCalculated) {
  DesignRecord& r = state_.current();
  const std::int32_t materialBefore = r.MaterialNo;
  inputPanel_->AlignListsWith(r);
  // The lists may have put the design on another material (one that stands in no kind).
  if (!freshlyCalculated || r.MaterialNo != materialBefore) DetermineCurrentLifeClass(state_);
  const bool outsideDiagram = ShowDesign();
  // A calculation shows its own checks next; any other design brings the verdict it stores.
  if (!freshlyCalculated) ShowStoredCheckLines(outsideDiagram);
}

bool MainWindow::ShowDesign() {
  const DesignRecord& r = state_.current();
  inputPanel_->ShowDesign(r);
  return resultsPanel_->ShowDesign(r, state_.materials());
}

void MainWindow::ShowStoredCheckLines(bool outsideDiagram) {
  const ValidationResult checks = CheckStoredDesign(state_);
  std::vector<std::string> lines = checks.lines.Texts();
  if (outsideDiagram) lines.emplace_back(kGraphAreaOverLine);
  resultsPanel_->ShowCheckLines(lines, checks.failed);
}

void MainWindow::ShowHistorySlots() { historyPage_->ShowAll(state_.design, state_.materials()); }

// The side view and the reference page follow the calculate actions only, never a recall or a
// file read.
void MainWindow::ShowSideViewAt(int position) {
  state_.shapeViewPosition = position;
  sideViewPage_->ShowAt(state_.current(), position, inputPanel_->LeftHandWound());
  referencePage_->Refresh(state_.current(), state_.currentMaterial());
}

void MainWindow::StepSideView() {
  RecalculateAndShow();
  const int position = state_.shapeViewPosition;
  ShowSideViewAt(position >= 2 || position < 0 ? 0 : position + 1);
}

void MainWindow::StoreInHistory() {
  const int n = resultsPanel_->ChosenHistorySlot();
  state_.current().InUse = 1;
  CopyDesignRecord(state_.design, 0, n);
  historyPage_->ShowSlot(n, state_.design[n], state_.materials());
  RecordStep();
}

void MainWindow::RecallFromHistory() {
  const int n = resultsPanel_->ChosenHistorySlot();
  if (state_.design[n].InUse == 0) return;
  CopyDesignRecord(state_.design, n, 0);
  PutDesign(false);
  RecordStep();
}

void MainWindow::RecallHistorySlot(int slot) {
  if (state_.design[slot].InUse != 1) return;
  CopyDesignRecord(state_.design, slot, 0);
  PutDesign(false);
  RecordStep();
}

void MainWindow::RecordStep() {
  work_.Commit(state_.design, Encode(state_.design));
  undoAction_->setEnabled(work_.CanUndo());
  redoAction_->setEnabled(work_.CanRedo());
  ShowFileState();
}

void MainWindow::ShowFileState() {
  setWindowTitle(DesignWindowTitle(designPath_, QStringLiteral("圧縮コイルバネ計算")));
  setWindowModified(HasUnsavedDesign());
}

void MainWindow::UndoStep() {
  if (work_.CanUndo()) ShowRestoredStep(work_.Undo());
}

void MainWindow::RedoStep() {
  if (work_.CanRedo()) ShowRestoredStep(work_.Redo());
}

// The step's design is shown as a recall shows one, its verdict with it, and the history as it
// stood then.
void MainWindow::ShowRestoredStep(const SpringDesign& step) {
  state_.design = step;
  PutDesign(false);
  inputPanel_->PutLengthsInFull(state_.current());
  ShowHistorySlots();
  undoAction_->setEnabled(work_.CanUndo());
  redoAction_->setEnabled(work_.CanRedo());
  ShowFileState();
}

const QImage& MainWindow::FatigueImage() const { return resultsPanel_->DiagramImage(); }
const QImage& MainWindow::ShapeImage() { return sideViewPage_->ShapeImage(); }

// ---- Secondary windows, made on first use ---------------------------------------------------

MaterialEditorDialog* MainWindow::MaterialEditor() {
  if (materialEditor_ == nullptr)
    materialEditor_ = new MaterialEditorDialog(state_, platform_, this);
  return materialEditor_;
}

CoefficientDialog* MainWindow::CoefficientWindow() {
  if (coefficientDialog_ == nullptr)
    coefficientDialog_ =
        new CoefficientDialog(state_, platform_, programFolder_ + "/" + kSettingsFileName, this);
  return coefficientDialog_;
}

DataSheetDialog* MainWindow::DataSheetWindow() {
  if (dataSheet_ == nullptr) dataSheet_ = new DataSheetDialog(platform_, this);
  return dataSheet_;
}

void MainWindow::EditMaterials() { MaterialEditor()->exec(); }
void MainWindow::EditCoefficients() { CoefficientWindow()->exec(); }

}  // namespace coilspring
