// The main window: input panel, results, fatigue diagram, history and side view.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QString>

#include "core/calc/calculator_state.h"
#include "ui/platform/pictures.h"
#include "ui/platform/platform.h"

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
class ReferencePage;
class PictureView;

class Tf_atu : public QMainWindow {
  Q_OBJECT

 public:
  // Runs the start-up sequence with the data files of `programFolder`.
  Tf_atu(CalculatorState& state, Platform& platform, QString programFolder,
         QWidget* parent = nullptr);
  ~Tf_atu() override;

  // The secondary windows are created after the main window, once the data is loaded.
  void CreateSecondaryWindows();
  bool StartupCompleted() const { return startupCompleted_; }

  // Routines shared by the handlers.
  void ReadInputs();
  void UpdateDiameters();
  void ShowRecommendedValues();
  void ShowInputMode();
  void ShowDesign();
  void CalculateSpring();
  void DrawSpringShape(double length);
  void FillKindList();
  void FillSymbolList(int kindPosition);
  void FillWireList(int materialNo);
  void SelectMaterial(int materialNo);
  void SetUpHistoryGrid();
  void ShowHistoryRow(int slot);

  // Event handlers, named after their control and event.
  void ComboBox5Change();
  void ComboBox7Change();
  void ComboBox6Change();
  void BitBtn1Click();
  void Edit18KeyPress();
  void Edit18Exit();
  void Edit19Exit();
  void ComboBox8Change();
  void BitBtn6Click();
  void SpeedButton7Click();
  void SpeedButton1Click();
  void llchengClick();
  void BitBtn2Click();
  void BitBtn3Click();
  void SpeedButton5Click();
  void SpeedButton6Click();
  void sg1Click(int row, int column);
  void N3Click();
  void Edit2Click();
  void N5Click();
  void N1Click();
  void N7Click();
  void N2Click();
  void N4Click();
  void Help2Click();
  void N8Click();
  void N9Click();

  const QImage& FatigueImage() const { return fatigueDiagram_.Image(); }
  const QImage& ShapeImage() const { return springShape_.Image(); }
  MaterialEditorDialog* MaterialEditor() const { return dataMake_; }
  CoefficientDialog* CoefficientWindow() const { return keisuuMake_; }
  DataSheetDialog* DataSheetWindow() const { return prinform_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus();
  void BuildInputPanel();
  void BuildResultsGroup();
  void BuildDiagramGroup();
  void BuildPageControl();
  void FormCreate();
  bool LoadDataFiles();
  template <class Handler>
  void Guarded(Handler&& handler);
  void RunCalculateCycle();
  void ShowSideViewAt(int position);
  void ShowListLines(const std::vector<std::string>& lines, bool asError);
  void AddListLine(const QString& line);
  int SlotFromSpinBox() const;

  CalculatorState& state_;
  Platform& platform_;
  QString programFolder_;
  bool startupCompleted_ = false;
  QString lastDesignSaveName_ = QStringLiteral("aspring.abd");
  QString lastDesignOpenName_;
  QString lastDxfSaveName_ = QStringLiteral("aspring.dxf");
  FatigueDiagramPicture fatigueDiagram_;
  SpringShapePicture springShape_;

  // Regions
  QGroupBox* GroupBox1 = nullptr;  // "入力項目": the input panel
  QGroupBox* GroupBox2 = nullptr;  // "計算結果": results, checks and history buttons
  QGroupBox* GroupBox3 = nullptr;  // "疲れ強さ線図": the fatigue diagram
  QTabWidget* PageControl1 = nullptr;  // history and side view tabs
  QWidget* TabSheet1 = nullptr;    // "＜計算結果の履歴＞"
  QWidget* TabSheet2 = nullptr;    // the side view tab

  // Input panel
  QLabel* Image5 = nullptr;        // illustration of the spring and its dimensions
  QComboBox* ComboBox5 = nullptr;  // material kind
  QComboBox* ComboBox7 = nullptr;  // material symbol
  QComboBox* ComboBox6 = nullptr;  // wire diameter
  QLabel* Label48 = nullptr;       // which diameter Edit18 holds
  QToolButton* BitBtn1 = nullptr;  // cycles the diameter kind
  QLineEdit* Edit18 = nullptr;     // coil diameter
  QLineEdit* Edit19 = nullptr;     // total turns
  QLineEdit* Edit1 = nullptr;      // active turns (read-only)
  QCheckBox* cb1 = nullptr;        // left-hand winding, read by the data sheet
  QComboBox* ComboBox8 = nullptr;  // end form
  QLineEdit* Edit20 = nullptr;     // free length
  QLineEdit* Edit21 = nullptr;     // length L1
  QLineEdit* Edit22 = nullptr;     // length L2
  QLineEdit* Edit23 = nullptr;     // load P1
  QLineEdit* Edit24 = nullptr;     // load P2
  QLabel* Label28 = nullptr;       // spring index
  QGroupBox* GroupBox5 = nullptr;  // "推奨値"
  QLabel* Label30 = nullptr;       // recommended free length
  QToolButton* BitBtn6 = nullptr;  // sets the recommended free length
  QLabel* Label36 = nullptr;       // solid height
  QToolButton* SpeedButton7 = nullptr;  // sets L2 to the solid height
  QLabel* Label56 = nullptr;       // maximum load
  QToolButton* SpeedButton1 = nullptr;  // sets P2 to the maximum load

  // Results
  QPushButton* BitBtn2 = nullptr;  // "計算"
  QLineEdit* Edit25 = nullptr;     // spring rate
  QLineEdit* Edit27 = nullptr;     // torsional stress at P2
  QLineEdit* Edit26 = nullptr;     // expected life
  QLineEdit* Edit28 = nullptr;     // allowable stress
  QListWidget* ListBox1 = nullptr; // check lines
  QSpinBox* SpinEdit1 = nullptr;   // history slot number
  QToolButton* SpeedButton5 = nullptr;  // "▼" store into the slot
  QToolButton* SpeedButton6 = nullptr;  // "▲" recall the slot

  // Diagram, history, side view
  PictureView* Image1 = nullptr;   // fatigue diagram, 400 x 417
  QTableWidget* sg1 = nullptr;     // history grid
  PictureView* Image2 = nullptr;   // side view, 777 x 201
  QLabel* Label8 = nullptr;        // which length the side view shows
  QPushButton* BitBtn3 = nullptr;  // "▲" steps the side view and recalculates
  ReferencePage* referencePage_ = nullptr;  // "＜参考計算＞": buckling, surge, solid stress, tolerances

  // Menu entries that need loaded data
  QAction* Edit2 = nullptr;        // "読み取り"
  QAction* N3 = nullptr;           // "保存"
  QAction* N5 = nullptr;           // "要目表印刷"
  QAction* N1 = nullptr;           // "画面印刷"
  QAction* N7 = nullptr;           // "ＤＸＦ出力"
  QAction* N2 = nullptr;           // "全データーコピー"
  QAction* N4 = nullptr;           // "寿命グラフコピー"
  QAction* llcheng = nullptr;      // "長さ・荷重切替"
  QAction* N8 = nullptr;           // "材料編集"
  QAction* N9 = nullptr;           // "係数編集"
  QAction* Help2 = nullptr;        // "ヘルプ"

  MaterialEditorDialog* dataMake_ = nullptr;
  CoefficientDialog* keisuuMake_ = nullptr;
  DataSheetDialog* prinform_ = nullptr;
  bool gridUnfocused_ = false;
};

}  // namespace coilspring
