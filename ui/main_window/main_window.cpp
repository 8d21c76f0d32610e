// The main window's construction, start-up and menu wiring. The panel routines, the result and
// history handlers and the file and output commands live in the neighbouring *_view.cpp files.
#include "ui/main_window/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

#include "core/records/file_io.h"
#include "ui/platform/widgets.h"
#include "ui/platform/handler_guard.h"
#include "ui/main_window/reference_page.h"
#include "core/calc/history.h"
#include "core/drawing/illustration.h"
#include "ui/platform/qt_canvas.h"
#include "ui/dialogs/data_sheet_dialog.h"
#include "ui/dialogs/material_editor_dialog.h"
#include "ui/dialogs/coefficient_dialog.h"

namespace coilspring {

namespace {

constexpr int kClientWidth = 817;
constexpr int kClientHeight = 721;

QLabel* PlaceLabel(QWidget* parent, const QString& text, int x, int y) {
  auto* label = new QLabel(text, parent);
  label->move(x, y);
  label->adjustSize();
  return label;
}

}  // namespace

template <class Handler>
void Tf_atu::Guarded(Handler&& handler) {
  RunGuarded(platform_, this, std::forward<Handler>(handler));
}

Tf_atu::Tf_atu(CalculatorState& state, Platform& platform, QString programFolder,
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
  BuildMenus();
  BuildInputPanel();
  BuildResultsGroup();
  BuildDiagramGroup();
  BuildPageControl();
  move(214, 81);
  FormCreate();
}

Tf_atu::~Tf_atu() = default;

void Tf_atu::BuildMenus() {
  QMenuBar* bar = menuBar();
  const auto add = [this](QMenu* menu, const char* name, const QString& caption,
                          void (Tf_atu::*handler)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [this, handler] { Guarded([&] { (this->*handler)(); }); });
    return action;
  };
  QMenu* file = bar->addMenu(QStringLiteral("ファイル　　"));
  file->setObjectName("File1");
  Edit2 = add(file, "Edit2", QStringLiteral("読み取り"), &Tf_atu::Edit2Click);
  N3 = add(file, "N3", QStringLiteral("保存"), &Tf_atu::N3Click);
  N5 = add(file, "N5", QStringLiteral("要目表印刷"), &Tf_atu::N5Click);
  N1 = add(file, "N1", QStringLiteral("画面印刷"), &Tf_atu::N1Click);
  N7 = add(file, "N7", QStringLiteral("ＤＸＦ出力"), &Tf_atu::N7Click);
  QMenu* edit = bar->addMenu(QStringLiteral("編集　　　"));
  edit->setObjectName("Edit3");
  N2 = add(edit, "N2", QStringLiteral("全データーコピー"), &Tf_atu::N2Click);
  N4 = add(edit, "N4", QStringLiteral("寿命グラフコピー"), &Tf_atu::N4Click);
  QMenu* view = bar->addMenu(QStringLiteral("表示　　　"));
  view->setObjectName("N6");
  llcheng = add(view, "llcheng", QStringLiteral("長さ・荷重切替"), &Tf_atu::llchengClick);
  QMenu* tools = bar->addMenu(QStringLiteral("ツール　　　"));
  tools->setObjectName("Tool1");
  N8 = add(tools, "N8", QStringLiteral("材料編集"), &Tf_atu::N8Click);
  N9 = add(tools, "N9", QStringLiteral("係数編集"), &Tf_atu::N9Click);
  QMenu* help = bar->addMenu(QStringLiteral("ヘルプ"));
  help->setObjectName("Help1");
  Help2 = add(help, "Help2", QStringLiteral("ヘルプ"), &Tf_atu::Help2Click);
}

void Tf_atu::BuildInputPanel() {
  QWidget* client = centralWidget();
  GroupBox1 = Place<QGroupBox>(client, "GroupBox1", 8, 8, 377, 321);
  GroupBox1->setTitle(QStringLiteral("入力項目"));
  QWidget* g = GroupBox1;

  Image5 = Place<QLabel>(g, "Image5", 8, 16, 360, 200);
  QImage art(360, 200, QImage::Format_RGB32);
  {
    QtCanvas canvas(art);
    DrawSpringIllustration(canvas);
  }
  Image5->setPixmap(QPixmap::fromImage(art));

  // Boxes and labels that sit on the picture, on white like the picture itself.
  const auto onPicture = [](QLabel* label) {
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, Qt::white);
    label->setPalette(p);
    return label;
  };
  // The captions left of the length boxes cross the picture's extension line: they stay
  // transparent so the line shows through.
  PlaceLabel(g, QStringLiteral("自由長さ"), 34, 35);
  Edit20 = PlaceEdit(g, "Edit20", 88, 32, 65, QStringLiteral("20"));
  onPicture(PlaceLabel(g, QStringLiteral("mm"), 156, 35));
  PlaceLabel(g, QStringLiteral("長さ（Ｌ１）"), 16, 64);
  Edit21 = PlaceEdit(g, "Edit21", 88, 61, 65, QStringLiteral("15"));
  onPicture(PlaceLabel(g, QStringLiteral("mm"), 156, 64));
  PlaceLabel(g, QStringLiteral("長さ（Ｌ２）"), 16, 96);
  Edit22 = PlaceEdit(g, "Edit22", 88, 93, 65, QStringLiteral("12"));
  onPicture(PlaceLabel(g, QStringLiteral("mm"), 156, 96));
  onPicture(PlaceLabel(g, QStringLiteral("荷重（Ｐ２）"), 208, 80));
  Edit24 = PlaceEdit(g, "Edit24", 280, 77, 81, QStringLiteral("2"));
  onPicture(PlaceLabel(g, QStringLiteral("kgf"), 340, 62));
  onPicture(PlaceLabel(g, QStringLiteral("荷重（Ｐ１）"), 208, 120));
  Edit23 = PlaceEdit(g, "Edit23", 280, 117, 81, QStringLiteral("1"));
  onPicture(PlaceLabel(g, QStringLiteral("kgf"), 340, 102));
  Label28 = onPicture(PlaceLabel(g, QStringLiteral("バネ指数="), 256, 24));
  Label28->setObjectName("Label28");
  Label28->setMinimumWidth(100);
  onPicture(PlaceLabel(g, QStringLiteral("適正範囲=4～22"), 256, 40));
  Label48 = onPicture(PlaceLabel(g, QStringLiteral("平均径"), 304, 160));
  Label48->setObjectName("Label48");
  BitBtn1 = PlaceSmallButton(g, "BitBtn1", 288, 160, QStringLiteral("径切替"));
  Edit18 = PlaceEdit(g, "Edit18", 288, 176, 73, QStringLiteral("10"));
  onPicture(PlaceLabel(g, QStringLiteral("mm"), 350, 160));

  PlaceLabel(g, QStringLiteral("材料"), 8, 227);
  ComboBox5 = PlaceCombo(g, "ComboBox5", 40, 224, 145);
  PlaceLabel(g, QStringLiteral("記号"), 8, 251);
  ComboBox7 = PlaceCombo(g, "ComboBox7", 40, 248, 145);
  PlaceLabel(g, QStringLiteral("線径"), 8, 275);
  ComboBox6 = PlaceCombo(g, "ComboBox6", 40, 272, 81);
  PlaceLabel(g, QStringLiteral("mm"), 124, 275);
  PlaceLabel(g, QStringLiteral("総巻数"), 8, 299);
  Edit19 = PlaceEdit(g, "Edit19", 56, 296, 41, QStringLiteral("5"));
  PlaceLabel(g, QStringLiteral("有効"), 112, 299);
  Edit1 = PlaceEdit(g, "Edit1", 144, 296, 41, QString());
  Edit1->setReadOnly(true);
  Edit1->setToolTip(QStringLiteral("有効巻数"));
  cb1 = Place<QCheckBox>(g, "cb1", 144, 278, 49, 18);
  cb1->setText(QStringLiteral("左巻"));
  PlaceLabel(g, QStringLiteral("座巻き"), 196, 227);
  ComboBox8 = PlaceCombo(g, "ComboBox8", 240, 224, 129);
  for (const char* name : kEndKindNames) ComboBox8->addItem(QString::fromUtf8(name));
  ComboBox8->setCurrentIndex(0);

  GroupBox5 = Place<QGroupBox>(g, "GroupBox5", 192, 244, 177, 73);
  GroupBox5->setTitle(QStringLiteral("推奨値"));
  BitBtn6 = PlaceSmallButton(GroupBox5, "BitBtn6", 8, 18, QStringLiteral("自由長さ設定"));
  Label30 = PlaceLabel(GroupBox5, QStringLiteral("自由高さ="), 26, 16);
  Label30->setObjectName("Label30");
  SpeedButton7 = PlaceSmallButton(GroupBox5, "SpeedButton7", 8, 37, QString());
  Label36 = PlaceLabel(GroupBox5, QStringLiteral("密着高さ="), 26, 36);
  Label36->setObjectName("Label36");
  SpeedButton1 = PlaceSmallButton(GroupBox5, "SpeedButton1", 8, 56, QString());
  Label56 = PlaceLabel(GroupBox5, QStringLiteral("最大荷重="), 26, 56);
  Label56->setObjectName("Label56");
  for (QLabel* l : {Label30, Label36, Label56}) l->setMinimumWidth(140);

  for (QLineEdit* e : {Edit18, Edit19, Edit20, Edit21, Edit22}) SetBoxColour(e, kAqua);
  for (QComboBox* c : {ComboBox5, ComboBox7, ComboBox6, ComboBox8}) SetBoxColour(c, kAqua);

  const auto on = [this](auto* sender, auto signal, void (Tf_atu::*handler)()) {
    connect(sender, signal, this, [this, handler] { Guarded([&] { (this->*handler)(); }); });
  };
  on(ComboBox5, &QComboBox::activated, &Tf_atu::ComboBox5Change);
  on(ComboBox7, &QComboBox::activated, &Tf_atu::ComboBox7Change);
  on(ComboBox6, &QComboBox::activated, &Tf_atu::ComboBox6Change);
  on(ComboBox8, &QComboBox::activated, &Tf_atu::ComboBox8Change);
  on(BitBtn1, &QToolButton::clicked, &Tf_atu::BitBtn1Click);
  on(Edit18, &QLineEdit::returnPressed, &Tf_atu::Edit18KeyPress);
  on(BitBtn6, &QToolButton::clicked, &Tf_atu::BitBtn6Click);
  on(SpeedButton7, &QToolButton::clicked, &Tf_atu::SpeedButton7Click);
  on(SpeedButton1, &QToolButton::clicked, &Tf_atu::SpeedButton1Click);
  Edit18->installEventFilter(this);
  Edit19->installEventFilter(this);
}

void Tf_atu::BuildResultsGroup() {
  GroupBox2 = Place<QGroupBox>(centralWidget(), "GroupBox2", 8, 336, 377, 121);
  GroupBox2->setTitle(QStringLiteral("計算結果"));
  QWidget* g = GroupBox2;
  BitBtn2 = Place<QPushButton>(g, "BitBtn2", 8, 18, 64, 42);
  BitBtn2->setText(QStringLiteral("計算"));
  PlaceLabel(g, QStringLiteral("バネ定数"), 78, 19);
  Edit25 = PlaceEdit(g, "Edit25", 138, 16, 56, QString());
  PlaceLabel(g, QStringLiteral("kgf/mm"), 196, 19);
  PlaceLabel(g, QStringLiteral("ねじり応力"), 78, 43);
  Edit27 = PlaceEdit(g, "Edit27", 138, 40, 56, QString());
  PlaceLabel(g, QStringLiteral("kgf/mm^2"), 196, 43);
  PlaceLabel(g, QStringLiteral("期待寿命"), 256, 19);
  Edit26 = PlaceEdit(g, "Edit26", 306, 16, 62, QString());
  PlaceLabel(g, QStringLiteral("許容応力"), 256, 43);
  Edit28 = PlaceEdit(g, "Edit28", 306, 40, 62, QString());
  for (QLineEdit* e : {Edit25, Edit26, Edit27, Edit28}) e->setReadOnly(true);
  ListBox1 = Place<QListWidget>(g, "ListBox1", 8, 64, 256, 52);
  ListBox1->setFocusPolicy(Qt::NoFocus);
  PlaceLabel(g, QStringLiteral("履歴"), 272, 68);
  SpinEdit1 = Place<QSpinBox>(g, "SpinEdit1", 300, 64, 44, 22);
  SpinEdit1->setRange(1, 10);
  SpinEdit1->setValue(1);
  SpeedButton5 = Place<QToolButton>(g, "SpeedButton5", 300, 90, 22, 22);
  SpeedButton5->setText(QStringLiteral("▼"));
  SpeedButton5->setToolTip(QStringLiteral("履歴に保存"));
  SpeedButton6 = Place<QToolButton>(g, "SpeedButton6", 322, 90, 22, 22);
  SpeedButton6->setText(QStringLiteral("▲"));
  SpeedButton6->setToolTip(QStringLiteral("履歴から呼び出し"));
  const auto on = [this](auto* sender, auto signal, void (Tf_atu::*handler)()) {
    connect(sender, signal, this, [this, handler] { Guarded([&] { (this->*handler)(); }); });
  };
  on(BitBtn2, &QPushButton::clicked, &Tf_atu::BitBtn2Click);
  on(SpeedButton5, &QToolButton::clicked, &Tf_atu::SpeedButton5Click);
  on(SpeedButton6, &QToolButton::clicked, &Tf_atu::SpeedButton6Click);
}

void Tf_atu::BuildDiagramGroup() {
  GroupBox3 = Place<QGroupBox>(centralWidget(), "GroupBox3", 392, 8, 417, 449);
  GroupBox3->setTitle(QStringLiteral("疲れ強さ線図"));
  Image1 = new PictureView(GroupBox3, "Image1", 8, 20, fatigueDiagram_.Image());
}

void Tf_atu::BuildPageControl() {
  PageControl1 = Place<QTabWidget>(centralWidget(), "PageControl1", 8, 472, 801, 241);
  TabSheet1 = new QWidget;
  TabSheet1->setObjectName("TabSheet1");
  TabSheet2 = new QWidget;
  TabSheet2->setObjectName("TabSheet2");
  PageControl1->addTab(TabSheet1, QStringLiteral("＜計算結果の履歴＞"));
  PageControl1->addTab(TabSheet2,
                       QStringLiteral("＜バネ形状(整数巻き＋クローズドはプラス０．５の形状)＞"));

  sg1 = MakeHistoryGrid(TabSheet1, &gridUnfocused_);
  connect(sg1, &QTableWidget::cellClicked, this,
          [this](int row, int column) { Guarded([&] { sg1Click(row, column); }); });

  // The picture fills the page; the step button and the caption lie on its white top-left.
  Image2 = new PictureView(TabSheet2, "Image2", 4, 2, springShape_.Image());
  BitBtn3 = Place<QPushButton>(TabSheet2, "BitBtn3", 8, 4, 24, 18);
  BitBtn3->setText(QStringLiteral("▲"));
  BitBtn3->setToolTip(QStringLiteral("フリー・荷重１・荷重２の形状を順に表示"));
  Label8 = PlaceLabel(TabSheet2, QString(), 38, 7);
  Label8->setObjectName("Label8");
  Label8->setMinimumWidth(60);
  referencePage_ = new ReferencePage(nullptr);
  PageControl1->addTab(referencePage_, QString::fromUtf8(kReferenceTabCaption));
  connect(BitBtn3, &QPushButton::clicked, this, [this] { Guarded([&] { BitBtn3Click(); }); });
}

bool Tf_atu::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    if (watched == Edit18) Guarded([&] { Edit18Exit(); });
    if (watched == Edit19) Guarded([&] { Edit19Exit(); });
  }
  return QMainWindow::eventFilter(watched, event);
}

bool Tf_atu::LoadDataFiles() {
  const std::string folder = programFolder_.toStdString();
  const std::string settingsPath = folder + "/" + kSettingsFileName;
  try {
    ReadRecordFile(settingsPath, state_.settings);
  } catch (const UserError&) {
    platform_.ShowMessage(
        this, MessageKind::Warning,
        QStringLiteral("設定ファイル %1 を読み込めません。\n係数が読めないため計算できません。"
                       "「ツール」→「係数編集」で係数を設定してから、プログラムを起動し直してください。")
            .arg(QString::fromStdString(settingsPath)));
    return false;
  }
  try {
    ReadRecordFile(folder + "/" + kMaterialFileName, state_.materials);
  } catch (const UserError& e) {
    platform_.ShowMessage(this, MessageKind::Error, QString::fromUtf8(e.what()));
    return false;
  }
  return true;
}

void Tf_atu::FormCreate() {
  if (!LoadDataFiles()) {
    // Without the data there is no design to act on: everything that would act on it is off.
    // The two tools stay available, so the missing file can be made again from inside.
    for (QWidget* w : {static_cast<QWidget*>(GroupBox1), static_cast<QWidget*>(GroupBox2),
                       static_cast<QWidget*>(BitBtn3)})
      w->setEnabled(false);
    for (QAction* a : {Edit2, N3, N5, N7, llcheng}) a->setEnabled(false);
    return;
  }
  sg1->setRowCount(kHistoryRows);
  SpinEdit1->setMaximum(kHistorySlots);
  state_.kinds = BuildKindIndex(state_.materials);
  FillKindList();
  ComboBox5->setCurrentIndex(0);
  FillSymbolList(0);
  ComboBox7->setCurrentIndex(0);
  FillWireList(0);
  ComboBox6->setCurrentIndex(0);
  ComboBox8->setCurrentIndex(0);
  InitDesign(state_.design);
  bool completed = false;
  Guarded([&] {
    ShowDesign();
    ReadInputs();
    SetUpHistoryGrid();
    CalculateSpring();
    ShowRecommendedValues();
    completed = true;
  });
  startupCompleted_ = completed;
  PageControl1->setCurrentIndex(0);
}

void Tf_atu::CreateSecondaryWindows() {
  const QString settingsPath = programFolder_ + "/" + kSettingsFileName;
  dataMake_ = new MaterialEditorDialog(state_, platform_, this);
  keisuuMake_ = new CoefficientDialog(state_, platform_, settingsPath, this);
  prinform_ = new DataSheetDialog(platform_, this);
}

void Tf_atu::N8Click() { dataMake_->exec(); }
void Tf_atu::N9Click() { keisuuMake_->exec(); }

}  // namespace coilspring
