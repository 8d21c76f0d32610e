// The main window: the calculator's state, its menus and commands, and the panels that show the
// design. Every event takes one path: read the inputs once, calculate once, show once.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QString>
#include <utility>
#include <vector>

#include "core/compression/calculate_cycle.h"
#include "core/compression/calculator_state.h"
#include "core/display/display_units.h"
#include "core/kinds/spring_kinds.h"
#include "core/records/byte_image.h"
#include "ui/document/kept_work.h"
#include "ui/platform/platform.h"

class QAction;
class QCloseEvent;
class QMenu;
class QTabWidget;

namespace coilspring {

class CoefficientDialog;
class DataSheetDialog;
class DesignSearchDialog;
class HistoryPage;
class InputPanel;
class MaterialEditorDialog;
class ReferencePage;
class ResultsPanel;
class SideViewPage;
class SpringKindWindowBase;

// Every control keeps the object name it has always had: tests and automation find the
// controls by it. The comment at each control member gives that name.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Runs the start-up sequence with the data files of `programFolder`.
  MainWindow(CalculatorState& state, Platform& platform, QString programFolder,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  bool StartupCompleted() const { return startupCompleted_; }

  const QImage& FatigueImage() const;
  const QImage& ShapeImage();
  // The secondary windows, made when the user first opens them (or a caller asks here).
  MaterialEditorDialog* MaterialEditor();
  CoefficientDialog* CoefficientWindow();
  DataSheetDialog* DataSheetWindow();
  DesignSearchDialog* DesignSearchWindow();
  // The window of a kind of the UI list of kinds (spring_kind_commands.cpp); none for another.
  SpringKindWindowBase* KindWindow(SpringKind kind);
  // The spring kinds' windows made so far (spring_kind_commands.cpp).
  std::vector<SpringKindWindowBase*> SpringKindWindows() const;
  const InputPanel& Inputs() const { return *inputPanel_; }

  // Makes `design` the current design as if the user had entered it: the input panel shows it
  // and the "計算" cycle runs (design_search_commands.cpp).
  void AdoptDesign(const DesignRecord& design);

  // Whether the design or the history differs from what the last save or read left, compared as
  // the file would hold them: a result that is not a number (never equal to itself) does not
  // make a design count as changed.
  bool HasUnsavedDesign() const { return !work_.IsKept(Encode(state_.design)); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Which inputs the solid height shown is made of: the handlers read the boxes in different
  // orders, and the label shows the design as it stands at that point of the reading.
  enum class SolidHeightBasis {
    AllInputs,     // a list was picked: everything is read first
    NewDiameters,  // a wire or coil diameter: the new diameters with the turns stored
    NewTurns,      // the total turns: the new turns with the wire stored
  };

  // Input panel events (main_window.cpp)
  void KindChosen();
  void SymbolChosen();
  void WireDiameterChosen();
  void EndFormChosen();
  void CycleDiameterKind();
  void CoilDiameterEntered();
  void TotalTurnsLeft();
  void SetRecommendedFreeLength();
  void SetLength2ToSolidHeight();
  void SetLoad2ToMaxLoad();
  void ToggleInputMode();
  void ToggleUnits();
  void ShowUnits(UnitSystem units);
  void ReadDeriveAndShow(SolidHeightBasis basis);
  void ShowDerivedInputs(const DerivedInputs& derived);

  // Calculation, history and side view (main_window.cpp)
  void Calculate();
  void RecalculateAndShow();
  void StepSideView();
  void ShowSideViewAt(int position);
  void StoreInHistory();
  // Undo: every command that may change the design or the history records the state it left.
  void RecordStep();
  // The title names the design file last saved or read and marks unsaved work.
  void ShowFileState();
  void UndoStep();
  void RedoStep();
  void ShowRestoredStep(const SpringDesign& step);
  void RecallFromHistory();
  void RecallHistorySlot(int slot);
  // Shows the current design after a recall, a file read or a calculation: the lists take its
  // material and wire first; a design not freshly calculated gets its life class.
  void PutDesign(bool freshlyCalculated);
  // Returns whether the working point lies outside the fatigue diagram.
  bool ShowDesign();
  void ShowStoredCheckLines(bool outsideDiagram);
  void ShowHistorySlots();

  // Menu commands (file_commands.cpp, design_search_commands.cpp)
  void OpenDesignFile();
  // Returns whether the file was written (false when the user cancelled the dialog).
  bool SaveDesignFile();
  // Asks 保存 / 破棄 / キャンセル when the design has unsaved changes; returns whether the
  // caller may replace or drop it.
  bool SettleUnsavedDesign();
  void ShowDataSheet();
  void PrintWindow();
  void ExportDxf();
  void ExportStep();
  void CopyHistoryText();
  void CopyFatigueDiagram();
  void EditMaterials();
  void EditCoefficients();
  void OpenDesignSearch();
  void AdoptSearchCandidate(int index);
  void PutShortListIntoHistory();
  void OpenHelp();
  // The menu "ばね" of the other spring kinds' windows (spring_kind_commands.cpp).
  void BuildSpringMenu();
  void OpenKindWindow(SpringKind kind);

  // Construction and start-up (main_window.cpp)
  void BuildMenus();
  void BuildPanels();
  void ConnectPanels();
  void StartUp();
  bool LoadDataFiles();

  CalculatorState& state_;
  Platform& platform_;
  QString programFolder_;
  bool startupCompleted_ = false;
  QString lastDesignSaveName_ = QStringLiteral("aspring.abd");
  QString lastDesignOpenName_;
  QString designPath_;  // the design file last saved or read
  QString lastDxfSaveName_ = QStringLiteral("aspring.dxf");
  UnitSystem units_ = UnitSystem::Gravitational;
  // The steps of the design and history, and what the last save or read left, as .abd images.
  KeptWork<SpringDesign, Bytes> work_;

  InputPanel* inputPanel_ = nullptr;      // GroupBox1: "入力項目"
  ResultsPanel* resultsPanel_ = nullptr;  // GroupBox2: "計算結果"; GroupBox3: "疲れ強さ線図"
  QTabWidget* pages_ = nullptr;           // PageControl1: history, side view, reference
  HistoryPage* historyPage_ = nullptr;      // TabSheet1: "＜計算結果の履歴＞"
  SideViewPage* sideViewPage_ = nullptr;    // TabSheet2: the side view
  ReferencePage* referencePage_ = nullptr;  // "＜参考計算＞": buckling, surge, solid stress...

  // Menu entries
  QAction* openAction_ = nullptr;          // Edit2: "読み取り"
  QAction* saveAction_ = nullptr;          // N3: "保存"
  QAction* dataSheetAction_ = nullptr;     // N5: "要目表印刷"
  QAction* printAction_ = nullptr;         // N1: "画面印刷"
  QAction* dxfAction_ = nullptr;           // N7: "ＤＸＦ出力"
  QAction* stepAction_ = nullptr;          // StepMenu: "3Dモデル出力（STEP）"
  QAction* undoAction_ = nullptr;          // Undo: "元に戻す"
  QAction* redoAction_ = nullptr;          // Redo: "やり直し"
  QAction* copyHistoryAction_ = nullptr;   // N2: "全データーコピー"
  QAction* copyDiagramAction_ = nullptr;   // N4: "寿命グラフコピー"
  QAction* inputModeAction_ = nullptr;     // llcheng: "長さ・荷重切替"
  QAction* unitsAction_ = nullptr;         // UnitsMenu: "単位切替（SI／重力単位）"
  QAction* materialsAction_ = nullptr;     // N8: "材料編集"
  QAction* coefficientsAction_ = nullptr;  // N9: "係数編集"
  QAction* designSearchAction_ = nullptr;  // DesignSearchMenu: "設計支援"
  QAction* helpAction_ = nullptr;          // Help2: "ヘルプ"

  MaterialEditorDialog* materialEditor_ = nullptr;  // data_make
  CoefficientDialog* coefficientDialog_ = nullptr;  // keisuu_make
  DataSheetDialog* dataSheet_ = nullptr;            // prinform
  DesignSearchDialog* designSearch_ = nullptr;      // DesignSearch: "設計支援"
  std::vector<std::pair<SpringKind, SpringKindWindowBase*>> kindWindows_;  // made so far
};

}  // namespace coilspring
