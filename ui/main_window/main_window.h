// The main window: input panel, results, fatigue diagram, history and side view.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "core/calc/calculator_state.h"
#include "core/display/display_units.h"
#include "ui/render/pictures.h"
#include "ui/platform/platform.h"
#include "ui/render/picture_views.h"
#include "ui/widgets/widgets.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;
class QToolButton;

namespace coilspring {

class MaterialEditorDialog;
class CoefficientDialog;
class DataSheetDialog;
class DesignSearchDialog;
class ReferencePage;
class PictureView;

// Every control keeps the object name it has always had: tests and automation find the
// controls by it. The comment at each control member gives that name.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Runs the start-up sequence with the data files of `programFolder`.
  MainWindow(CalculatorState& state, Platform& platform, QString programFolder,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  // The secondary windows are created after the main window, once the data is loaded.
  void CreateSecondaryWindows();
  bool StartupCompleted() const { return startupCompleted_; }

  const QImage& FatigueImage() const { return fatigueDiagram_.Image(); }
  const QImage& ShapeImage() const { return springShape_.Image(); }
  MaterialEditorDialog* MaterialEditor() const { return materialEditor_; }
  CoefficientDialog* CoefficientWindow() const { return coefficientDialog_; }
  DataSheetDialog* DataSheetWindow() const { return dataSheet_; }
  DesignSearchDialog* DesignSearchWindow() const { return designSearch_; }

  // Makes `design` the current design as if the user had entered it: the input panel shows it
  // and the "計算" cycle runs (design_search_commands.cpp).
  void AdoptDesign(const DesignRecord& design);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  // Input panel (input_panel.cpp)
  void KindChosen();
  void SymbolChosen();
  void WireDiameterChosen();
  void EndFormChosen();
  void CycleDiameterKind();
  void CoilDiameterEntered();
  void CoilDiameterLeft();
  void TotalTurnsLeft();
  void SetRecommendedFreeLength();
  void SetLength2ToSolidHeight();
  void SetLoad2ToMaxLoad();
  void ToggleInputMode();
  void ToggleUnits();  // units.cpp

  // Results (results.cpp), side view (side_view.cpp), history (history.cpp)
  void Calculate();
  void StepSideView();
  void StoreInHistory();
  void RecallFromHistory();
  void RecallHistoryRow(int row, int column);

  // Menu commands (file_commands.cpp, main_window.cpp)
  void OpenDesignFile();
  void SaveDesignFile();
  void ShowDataSheet();
  void PrintWindow();
  void ExportDxf();
  void CopyHistoryText();
  void CopyFatigueDiagram();
  void EditMaterials();
  void EditCoefficients();
  void OpenDesignSearch();
  void AdoptSearchCandidate(int index);
  void PutShortListIntoHistory();
  void OpenHelp();

 private:
  // Construction and start-up (main_window.cpp)
  void BuildMenus();
  void BuildDiagramGroup();
  void BuildPages();
  void CreateDesignSearchWindow();
  void StartUp();
  bool LoadDataFiles();

  // Input panel (input_panel.cpp)
  void BuildInputPanel();
  void FillKindList();
  void FillSymbolList(int kindPosition);
  void TakeListSelection();
  void FillWireList(int materialNo);
  bool KeepNearestWireDiameter();
  void SelectMaterial(int materialNo);
  void ReadMaterialAndDiameters();
  void ReadInputBoxes();
  void CalculateAndShowSpringIndex();
  void ShowSpringIndex(double index);
  void ShowSolidHeightOf(const DesignRecord& r);
  void ShowRecommendedFreeLength(double length);
  void ReadAndShowRecommendedValues();
  void ShowDerivedLabels();
  void ShowInputMode();

  // Loads, rate and stresses in the units chosen (units.cpp): the record keeps kgf, each box
  // remembers the stored value it shows, so a switch shows the same numbers again.
  void ApplySavedUnits();
  void ShowUnitCaptions();
  void ShowQuantity(QLineEdit* box, double stored, Quantity quantity);
  void ShowMaxLoad(double stored);
  double ReadLoadBox(const QLineEdit* box) const;
  void ShowAgainInUnits(UnitSystem before);

  // Results (results.cpp)
  void BuildResultsGroup();
  void ShowDesign();
  void RecalculateAndShow();
  void ShowCheckLines(const std::vector<std::string>& lines, bool asError);
  void AddCheckLine(const QString& line);

  // Side view (side_view.cpp)
  void BuildSideViewPage();
  void DrawSideView(double length);
  void ShowSideViewAt(int position);

  // History (history.cpp)
  void BuildHistoryPage();
  void FillHistoryGrid();
  void ShowHistoryRow(int slot);
  int ChosenHistorySlot() const;

  CalculatorState& state_;
  Platform& platform_;
  QString programFolder_;
  bool startupCompleted_ = false;
  QString lastDesignSaveName_ = QStringLiteral("aspring.abd");
  QString lastDesignOpenName_;
  QString lastDxfSaveName_ = QStringLiteral("aspring.dxf");
  FatigueDiagramPicture fatigueDiagram_{ScreenPixelRatio()};
  SpringShapePicture springShape_{ScreenPixelRatio()};

  // Regions
  QGroupBox* inputGroup_ = nullptr;    // GroupBox1: "入力項目"
  QGroupBox* resultsGroup_ = nullptr;  // GroupBox2: "計算結果", checks and history buttons
  QGroupBox* fatigueDiagramGroup_ = nullptr;  // GroupBox3: "疲れ強さ線図"
  QTabWidget* pages_ = nullptr;               // PageControl1: history, side view, reference
  QWidget* historyPage_ = nullptr;            // TabSheet1: "＜計算結果の履歴＞"
  QWidget* sideViewPage_ = nullptr;           // TabSheet2: the side view

  // Input panel
  IllustrationView* illustration_ = nullptr;      // Image5: the spring and its dimensions
  QComboBox* kindCombo_ = nullptr;                // ComboBox5: material kind
  QComboBox* symbolCombo_ = nullptr;              // ComboBox7: material symbol
  QComboBox* wireDiameterCombo_ = nullptr;        // ComboBox6: wire diameter
  QLabel* diameterKindLabel_ = nullptr;           // Label48: which diameter the coil box holds
  QToolButton* diameterKindButton_ = nullptr;     // BitBtn1: cycles the diameter kind
  QLineEdit* coilDiameterEdit_ = nullptr;         // Edit18: inner, mean or outer diameter
  QLineEdit* totalTurnsEdit_ = nullptr;           // Edit19: total turns
  QLineEdit* activeTurnsEdit_ = nullptr;          // Edit1: active turns (read-only)
  QCheckBox* leftHandCheck_ = nullptr;            // cb1: left-hand winding, for the data sheet
  QComboBox* endFormCombo_ = nullptr;             // ComboBox8: end form
  QLineEdit* freeLengthEdit_ = nullptr;           // Edit20: free length
  QLineEdit* length1Edit_ = nullptr;              // Edit21: length L1
  QLineEdit* length2Edit_ = nullptr;              // Edit22: length L2
  QLineEdit* load1Edit_ = nullptr;                // Edit23: load P1
  QLineEdit* load2Edit_ = nullptr;                // Edit24: load P2
  QLabel* springIndexLabel_ = nullptr;            // Label28: spring index
  QGroupBox* recommendedGroup_ = nullptr;         // GroupBox5: "推奨値"
  QLabel* recommendedFreeLengthLabel_ = nullptr;  // Label30: recommended free length
  QToolButton* setFreeLengthButton_ = nullptr;    // BitBtn6: takes the recommended free length
  QLabel* solidHeightLabel_ = nullptr;            // Label36: solid height
  QToolButton* setLength2Button_ = nullptr;       // SpeedButton7: sets L2 to the solid height
  QLabel* maxLoadLabel_ = nullptr;                // Label56: maximum load
  QToolButton* setLoad2Button_ = nullptr;         // SpeedButton1: sets P2 to the maximum load

  // Results
  QPushButton* calculateButton_ = nullptr;    // BitBtn2: "計算"
  QLineEdit* springRateEdit_ = nullptr;       // Edit25: spring rate
  QLineEdit* stress2Edit_ = nullptr;          // Edit27: torsional stress at P2
  QLineEdit* lifeEdit_ = nullptr;             // Edit26: expected life
  QLineEdit* allowableStressEdit_ = nullptr;  // Edit28: allowable stress
  QListWidget* checkList_ = nullptr;          // ListBox1: check lines
  QSpinBox* historySlotSpin_ = nullptr;       // SpinEdit1: history slot number
  QToolButton* storeButton_ = nullptr;        // SpeedButton5: "▼" stores into the slot
  QToolButton* recallButton_ = nullptr;       // SpeedButton6: "▲" recalls the slot

  // Diagram, history, side view
  PictureView* fatigueDiagramView_ = nullptr;  // Image1: fatigue diagram, 400 x 417
  QTableWidget* historyGrid_ = nullptr;        // sg1: history grid
  PictureView* sideView_ = nullptr;            // Image2: side view, 777 x 201
  QLabel* sideViewCaption_ = nullptr;          // Label8: which length the side view shows
  QPushButton* sideViewStepButton_ = nullptr;  // BitBtn3: "▲" steps the view and recalculates
  ReferencePage* referencePage_ = nullptr;  // "＜参考計算＞": buckling, surge, solid stress...

  // Menu entries
  QAction* openAction_ = nullptr;          // Edit2: "読み取り"
  QAction* saveAction_ = nullptr;          // N3: "保存"
  QAction* dataSheetAction_ = nullptr;     // N5: "要目表印刷"
  QAction* printAction_ = nullptr;         // N1: "画面印刷"
  QAction* dxfAction_ = nullptr;           // N7: "ＤＸＦ出力"
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
  bool historyGridUnfocused_ = false;
  UnitSystem units_ = UnitSystem::Gravitational;
  std::vector<std::pair<QLabel*, Quantity>> unitCaptions_;  // the unit beside each box
};

}  // namespace coilspring
