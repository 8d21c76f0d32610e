// The main window's construction, start-up and menus. Each area of the window has a file of
// its own: input_panel.cpp, results.cpp, history.cpp, side_view.cpp and file_commands.cpp.
#include "ui/main_window/main_window.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>

#include "core/display/history.h"
#include "core/records/file_io.h"
#include "core/text/user_error.h"
#include "ui/dialogs/coefficient_dialog.h"
#include "ui/dialogs/data_sheet_dialog.h"
#include "ui/dialogs/material_editor_dialog.h"
#include "ui/main_window/reference_page.h"
#include "ui/platform/handler_guard.h"
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
      programFolder_(std::move(programFolder)) {
  setObjectName("f_atu");
  setWindowTitle(QStringLiteral("圧縮コイルバネ計算"));
  auto* client = new QWidget(this);
  client->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(client);
  // The window keeps its designed size: maximising would only add empty grey space.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  setWindowFlag(Qt::WindowMaximizeButtonHint, false);
  BuildMenus();
  BuildInputPanel();
  BuildResultsGroup();
  BuildDiagramGroup();
  BuildPages();
  ApplySavedUnits();
  move(214, 81);
  StartUp();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildMenus() {
  QMenuBar* bar = menuBar();
  QMenu* file = bar->addMenu(QStringLiteral("ファイル　　"));
  file->setObjectName("File1");
  openAction_ = AddAction(file, "Edit2", QStringLiteral("読み取り"));
  saveAction_ = AddAction(file, "N3", QStringLiteral("保存"));
  dataSheetAction_ = AddAction(file, "N5", QStringLiteral("要目表印刷"));
  printAction_ = AddAction(file, "N1", QStringLiteral("画面印刷"));
  dxfAction_ = AddAction(file, "N7", QStringLiteral("ＤＸＦ出力"));
  QMenu* edit = bar->addMenu(QStringLiteral("編集　　　"));
  edit->setObjectName("Edit3");
  copyHistoryAction_ = AddAction(edit, "N2", QStringLiteral("全データーコピー"));
  copyDiagramAction_ = AddAction(edit, "N4", QStringLiteral("寿命グラフコピー"));
  QMenu* view = bar->addMenu(QStringLiteral("表示　　　"));
  view->setObjectName("N6");
  inputModeAction_ = AddAction(view, "llcheng", QStringLiteral("長さ・荷重切替"));
  unitsAction_ = AddAction(view, "UnitsMenu", QStringLiteral("単位切替（SI／重力単位）"));
  QMenu* tools = bar->addMenu(QStringLiteral("ツール　　　"));
  tools->setObjectName("Tool1");
  materialsAction_ = AddAction(tools, "N8", QStringLiteral("材料編集"));
  coefficientsAction_ = AddAction(tools, "N9", QStringLiteral("係数編集"));
  designSearchAction_ = AddAction(tools, "DesignSearchMenu", QStringLiteral("設計支援"));
  QMenu* help = bar->addMenu(QStringLiteral("ヘルプ"));
  help->setObjectName("Help1");
  helpAction_ = AddAction(help, "Help2", QStringLiteral("ヘルプ"));

  ConnectGuarded(platform_, this, openAction_, &QAction::triggered, &MainWindow::OpenDesignFile);
  ConnectGuarded(platform_, this, saveAction_, &QAction::triggered, &MainWindow::SaveDesignFile);
  ConnectGuarded(platform_, this, dataSheetAction_, &QAction::triggered,
                 &MainWindow::ShowDataSheet);
  ConnectGuarded(platform_, this, printAction_, &QAction::triggered, &MainWindow::PrintWindow);
  ConnectGuarded(platform_, this, dxfAction_, &QAction::triggered, &MainWindow::ExportDxf);
  ConnectGuarded(platform_, this, copyHistoryAction_, &QAction::triggered,
                 &MainWindow::CopyHistoryText);
  ConnectGuarded(platform_, this, copyDiagramAction_, &QAction::triggered,
                 &MainWindow::CopyFatigueDiagram);
  ConnectGuarded(platform_, this, inputModeAction_, &QAction::triggered,
                 &MainWindow::ToggleInputMode);
  ConnectGuarded(platform_, this, unitsAction_, &QAction::triggered, &MainWindow::ToggleUnits);
  ConnectGuarded(platform_, this, materialsAction_, &QAction::triggered,
                 &MainWindow::EditMaterials);
  ConnectGuarded(platform_, this, coefficientsAction_, &QAction::triggered,
                 &MainWindow::EditCoefficients);
  ConnectGuarded(platform_, this, designSearchAction_, &QAction::triggered,
                 &MainWindow::OpenDesignSearch);
  ConnectGuarded(platform_, this, helpAction_, &QAction::triggered, &MainWindow::OpenHelp);
}

void MainWindow::BuildDiagramGroup() {
  fatigueDiagramGroup_ = Place<QGroupBox>(centralWidget(), "GroupBox3", 392, 8, 417, 449);
  fatigueDiagramGroup_->setTitle(QStringLiteral("疲れ強さ線図"));
  fatigueDiagramView_ =
      new PictureView(fatigueDiagramGroup_, "Image1", 8, 20, fatigueDiagram_.Image());
}

void MainWindow::BuildPages() {
  pages_ = Place<QTabWidget>(centralWidget(), "PageControl1", 8, 472, 801, 241);
  historyPage_ = new QWidget;
  historyPage_->setObjectName("TabSheet1");
  sideViewPage_ = new QWidget;
  sideViewPage_->setObjectName("TabSheet2");
  pages_->addTab(historyPage_, QStringLiteral("＜計算結果の履歴＞"));
  pages_->addTab(sideViewPage_,
                 QStringLiteral("＜バネ形状(整数巻き＋クローズドはプラス０．５の形状)＞"));
  BuildHistoryPage();
  BuildSideViewPage();
  referencePage_ = new ReferencePage(nullptr);
  pages_->addTab(referencePage_, Utf8(kReferenceTabCaption));
}

// The two boxes act when they lose the focus as well, so a value typed and left is taken in
// without Enter.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    if (watched == coilDiameterEdit_) RunGuarded(platform_, this, [this] { CoilDiameterLeft(); });
    if (watched == totalTurnsEdit_) RunGuarded(platform_, this, [this] { TotalTurnsLeft(); });
  }
  return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::LoadDataFiles() {
  const std::string folder = programFolder_.toStdString();
  const std::string settingsPath = folder + "/" + kSettingsFileName;
  try {
    ReadRecordFile(settingsPath, state_.settings);
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
    ReadRecordFile(materialsPath, state_.materials);
  } catch (const UserError& e) {
    platform_.ShowMessage(this, MessageKind::Error, Utf8(e.what()));
    return false;
  }
  // Without a material to choose, the first reading of the boxes would only report an empty
  // wire diameter: say what is wrong and where.
  if (!HasUsableMaterial(state_.materials)) {
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
  historyGrid_->setRowCount(kHistoryRows);
  historySlotSpin_->setMaximum(kHistorySlots);
  if (!LoadDataFiles()) {
    // Without the data there is no design to act on: everything that would act on it is off.
    // The two tools stay available, so the missing file can be made again from inside.
    for (QWidget* w : {static_cast<QWidget*>(inputGroup_), static_cast<QWidget*>(resultsGroup_),
                       static_cast<QWidget*>(sideViewStepButton_)})
      w->setEnabled(false);
    for (QAction* a : {openAction_, saveAction_, dataSheetAction_, dxfAction_, inputModeAction_})
      a->setEnabled(false);
    FillHistoryGrid();  // empty slots under their headings: the page still reads as the history
    return;
  }
  state_.kinds = BuildKindIndex(state_.materials);
  FillKindList();
  kindCombo_->setCurrentIndex(0);
  FillSymbolList(0);
  symbolCombo_->setCurrentIndex(0);
  FillWireList(0);
  wireDiameterCombo_->setCurrentIndex(0);
  endFormCombo_->setCurrentIndex(0);
  InitDesign(state_.design);
  bool completed = false;
  RunGuarded(platform_, this, [&] {
    ShowDesign();
    ReadInputBoxes();
    FillHistoryGrid();
    CalculateAndShowSpringIndex();
    ReadAndShowRecommendedValues();
    completed = true;
  });
  startupCompleted_ = completed;
  pages_->setCurrentIndex(0);
}

void MainWindow::CreateSecondaryWindows() {
  const QString settingsPath = programFolder_ + "/" + kSettingsFileName;
  materialEditor_ = new MaterialEditorDialog(state_, platform_, this);
  coefficientDialog_ = new CoefficientDialog(state_, platform_, settingsPath, this);
  dataSheet_ = new DataSheetDialog(platform_, this);
  CreateDesignSearchWindow();
}

void MainWindow::EditMaterials() { materialEditor_->exec(); }
void MainWindow::EditCoefficients() { coefficientDialog_->exec(); }

}  // namespace coilspring
