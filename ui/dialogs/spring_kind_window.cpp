#include "ui/dialogs/spring_kind_window.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <limits>

#include "core/compression/history.h"
#include "core/records/file_io.h"
#include "core/search/search_kinds.h"
#include "core/text/text_number.h"
#include "core/text/user_error.h"
#include "model3d/step_client.h"
#include "ui/dialogs/data_sheet_dialog.h"
#include "ui/platform/help_window.h"
#include "ui/platform/units_setting.h"
#include "ui/platform/unsaved_work.h"
#include "ui/platform/window_place.h"
#include "ui/widgets/half_width_spin_box.h"
#include "ui/widgets/lazy_page.h"
#include "ui/widgets/look.h"
#include "ui/widgets/string_grid.h"

namespace coilspring {

SpringKindWindowBase::SpringKindWindowBase(const KindWindowContext& context, SpringKind kind,
                                           QWidget* parent)
    : QMainWindow(parent),
      context_(context),
      platform_(context_.platform),
      materials_(context.state.materials()),
      units_(UnitsSetting::Instance().Units()),
      kind_(InfoOf(kind)) {
  setWindowFlag(Qt::Window);
  ConnectGuarded(platform_, this, &UnitsSetting::Instance(), &UnitsSetting::Changed,
                 [](SpringKindWindowBase* w, UnitSystem now) {
                   const UnitSystem before = std::exchange(w->units_, now);
                   if (before == now) return;
                   w->ShowHistoryHeadings();
                   w->ApplyUnits(before, now);
                 });
  KeepWindowPlace(this);
}

void SpringKindWindowBase::Frame(const char* name, const char* viewEntry) {
  setObjectName(QLatin1String(name));
  ShowFileState({}, false);
  QMenuBar* bar = menuBar();
  QMenu* file = bar->addMenu(QStringLiteral("ファイル(&F)"));
  QMenu* edit = bar->addMenu(QStringLiteral("編集(&E)"));
  QMenu* view = bar->addMenu(QStringLiteral("表示(&V)"));
  QMenu* tools = bar->addMenu(QStringLiteral("ツール(&T)"));
  QMenu* help = bar->addMenu(QStringLiteral("ヘルプ(&H)"));
  using W = SpringKindWindowBase;
  const struct {
    QMenu* menu;
    const char* name;
    QString caption;
    void (W::*command)();
    QKeySequence keys;
  } entries[] = {
      {file, "KindOpen", QStringLiteral("読み取り"), &W::OpenDesign, Qt::CTRL | Qt::Key_O},
      {file, "KindSave", QStringLiteral("保存"), &W::SaveDesign, Qt::CTRL | Qt::Key_S},
      {file, "KindSheet", QStringLiteral("要目表印刷"), &W::ShowDataSheet, {}},
      {file, "KindPrint", QStringLiteral("画面印刷"), &W::PrintWindow, Qt::CTRL | Qt::Key_P},
      {file, "KindDxf", QStringLiteral("ＤＸＦ出力"), &W::ExportDxf, {}},
      {file, "KindStep", QStringLiteral("3Dモデル出力（STEP）"), &W::ExportStep, {}},
      {edit, "KindUndo", QStringLiteral("元に戻す"), &W::UndoStep, Qt::CTRL | Qt::Key_Z},
      {edit, "KindRedo", QStringLiteral("やり直し"), &W::RedoStep, Qt::CTRL | Qt::Key_Y},
      {view, "KindInputMode", QString::fromUtf8(viewEntry), &W::ToggleInputMode, {}},
      {view, "KindUnits", QStringLiteral("単位切替（SI／重力単位）"), &W::ToggleUnits, {}},
      {tools, "KindDesignSearch", QStringLiteral("設計支援"), &W::OpenDesignSearch, {}},
      {help, "KindHelp", QStringLiteral("ヘルプ"), &W::OpenHelp, Qt::Key_F1},
  };
  for (const auto& e : entries) {
    if (e.command == &W::OpenDesignSearch && !HasSearch(kind_.kind)) continue;
    QAction* action = e.menu->addAction(e.caption);
    action->setObjectName(QLatin1String(e.name));
    action->setShortcut(e.keys);
    ConnectGuarded(platform_, this, action, &QAction::triggered, e.command);
    if (e.command == &W::UndoStep) undoAction_ = action;
    if (e.command == &W::RedoStep) redoAction_ = action;
  }
  // A kind without a search has nothing under ツール: no empty menu on the bar.
  tools->menuAction()->setVisible(!tools->isEmpty());
}

KindSearchDialog* SpringKindWindowBase::DesignSearchWindow() {
  if (designSearch_ != nullptr) return designSearch_;
  designSearch_ = new KindSearchDialog(kind_.kind, context_.state, platform_, units_, this);
  KeepWindowPlace(designSearch_);
  ConnectGuarded(platform_, this, designSearch_, &KindSearchDialog::AdoptRequested,
                 &SpringKindWindowBase::AdoptSearchCandidate);
  ConnectGuarded(platform_, this, designSearch_, &KindSearchDialog::HistoryRequested,
                 &SpringKindWindowBase::PutSearchListIntoHistory);
  return designSearch_;
}

void SpringKindWindowBase::OpenDesignSearch() {
  KindSearchDialog* window = DesignSearchWindow();
  window->show();
  window->raise();
  window->activateWindow();
}

bool SpringKindWindowBase::ConfirmOverwrite(int count, int used) {
  return platform_.Confirm(designSearch_,
                           QStringLiteral("履歴 1～%1 のうち %2 件には設計が入っています。"
                                          "上書きしますか？")
                               .arg(count)
                               .arg(used));
}

void SpringKindWindowBase::PlaceColumns(QWidget* inputs, QWidget* results) {
  auto* client = new QWidget(this);
  auto* columns = new QHBoxLayout(client);
  columns->addWidget(inputs);
  columns->addWidget(results, 1);
  setCentralWidget(client);
}

void SpringKindWindowBase::PlaceClient(QWidget* inputs, QWidget* results, QWidget* diagram,
                                       QWidget* sideView, QWidget* reference) {
  for (QLineEdit* box : inputs->findChildren<QLineEdit*>()) SetBoxColour(box, kAqua);
  for (QComboBox* list : inputs->findChildren<QComboBox*>()) SetBoxColour(list, kAqua);
  checkList_ = new QListWidget;
  checkList_->setObjectName("messageList");
  checkList_->setMaximumHeight(5 * checkList_->fontMetrics().height() + 4);
  auto* resultsColumn = new QVBoxLayout;
  resultsColumn->addWidget(results, 1);
  resultsColumn->addWidget(checkList_);
  auto* top = new QHBoxLayout;
  top->addLayout(resultsColumn, 1);
  top->addWidget(diagram, 0, Qt::AlignTop);
  // A drawing larger than the page scrolls rather than making the window taller than a laptop.
  auto* scrolled = new QScrollArea;
  scrolled->setObjectName("sideViewPage");
  scrolled->setWidget(sideView);
  scrolled->setFrameShape(QFrame::NoFrame);
  auto* referencePage = new QWidget;
  auto* referenceColumn = new QVBoxLayout(referencePage);
  referenceColumn->setContentsMargins(4, 4, 4, 4);
  referenceColumn->setSpacing(4);
  auto* temperatureRow = new QHBoxLayout;
  temperatureEdit_ = new QLineEdit(QStringLiteral("20"));
  temperatureEdit_->setObjectName("ReferenceTemperature");
  temperatureEdit_->setFixedWidth(64);
  temperatureRow->addWidget(new QLabel(QStringLiteral("運転温度")));
  temperatureRow->addWidget(temperatureEdit_);
  temperatureRow->addWidget(new QLabel(QStringLiteral("℃")));
  temperatureRow->addStretch();
  referenceColumn->addLayout(temperatureRow);
  referenceColumn->addWidget(reference, 1);
  pages_ = new QTabWidget;
  pages_->addTab(historyGrid_, QStringLiteral("＜計算結果の履歴＞"));
  pages_->addTab(scrolled, QStringLiteral("＜バネ形状＞"));
  pages_->addTab(referencePage, QStringLiteral("＜参考計算＞"));
  stalePages_ = new StalePages(pages_);
  connect(temperatureEdit_, &QLineEdit::editingFinished, stalePages_, &StalePages::DesignChanged);
  auto* right = new QVBoxLayout;
  right->addLayout(top);
  right->addWidget(pages_, 1);
  auto* client = new QWidget(this);
  auto* columns = new QHBoxLayout(client);
  columns->addWidget(inputs, 0, Qt::AlignTop);
  columns->addLayout(right, 1);
  setCentralWidget(client);
}

QWidget* SpringKindWindowBase::Page(ResultPage page) const { return pages_->widget(page); }

double SpringKindWindowBase::OperatingTemperature() const {
  try {
    return ParseDecimal(temperatureEdit_->text().trimmed().toStdString());
  } catch (const UserError&) {
    return std::numeric_limits<double>::quiet_NaN();
  }
}

void SpringKindWindowBase::ShowCheckLines(const std::vector<std::string>& lines, bool failed) {
  checkList_->clear();
  for (const std::string& line : lines) checkList_->addItem(Utf8(line));
  QPalette palette = checkList_->palette();
  palette.setColor(QPalette::Text,
                   failed ? QColor(255, 0, 0) : palette.color(QPalette::WindowText));
  checkList_->setPalette(palette);
}

void SpringKindWindowBase::ShowFileState(const std::string& path, bool unsaved) {
  setWindowTitle(DesignWindowTitle(QFile::decodeName(QByteArray::fromStdString(path)),
                                   QString::fromUtf8(kind_.japaneseName)));
  setWindowModified(unsaved);
}

QWidget* SpringKindWindowBase::HistoryControls() {
  auto* box = new QWidget;
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(new QLabel(QStringLiteral("履歴")));
  historySlotSpin_ = new HalfWidthSpinBox;
  historySlotSpin_->setObjectName("historySlotSpin");
  historySlotSpin_->setRange(1, kHistoryLimit);
  historySlotSpin_->setValue(1);
  row->addWidget(historySlotSpin_);
  const auto button = [&](const char* name, const QString& text, const QString& tip) {
    auto* b = new QToolButton;
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setToolTip(tip);
    row->addWidget(b);
    return b;
  };
  QToolButton* store = button("storeButton", QStringLiteral("▼"), QStringLiteral("履歴に保存"));
  QToolButton* recall =
      button("recallButton", QStringLiteral("▲"), QStringLiteral("履歴から呼び出し"));
  row->addStretch();
  ConnectGuarded(platform_, this, store, &QToolButton::clicked,
                 &SpringKindWindowBase::StoreInHistory);
  ConnectGuarded(platform_, this, recall, &QToolButton::clicked,
                 &SpringKindWindowBase::RecallChosenSlot);
  return box;
}

QTableWidget* SpringKindWindowBase::HistoryGrid(const QStringList& headings,
                                                const QStringList& units) {
  historyHeadings_ = QStringList{QString::fromUtf8(kHistoryItemHeadings[0])} + headings;
  historyUnits_ = QStringList{QString::fromUtf8(kHistoryUnitHeadings[0])} + units;
  GridShape shape;
  shape.columns = static_cast<int>(historyHeadings_.size());
  shape.rows = kHistoryHeadingRows + kHistoryLimit;
  shape.fixedRows = kHistoryHeadingRows;
  shape.fixedColumns = 1;
  // Each column as wide as its widest text, as the main window's history.
  shape.columnWidths.assign(historyHeadings_.size(), 0);
  historyGrid_ = MakeStringGrid(nullptr, "historyGrid", shape, &historyUnfocused_);
  historyGrid_->setCursor(Qt::PointingHandCursor);
  FreezeFixedCells(historyGrid_);
  ShowHistoryHeadings();
  for (int n = 1; n <= kHistoryLimit; ++n) {
    SetCellText(historyGrid_, HistoryRowOfSlot(n), 0, QString::number(n));
    WidenColumnToFit(historyGrid_, 0, QString::number(n));
  }
  ConnectGuarded(platform_, this, historyGrid_, &QTableWidget::cellClicked,
                 [](SpringKindWindowBase* w, int row, int) {
                   if (row >= kHistoryHeadingRows) w->RecallFromHistory(HistorySlotOfRow(row));
                 });
  return historyGrid_;
}

void SpringKindWindowBase::ShowHistoryHeadings() {
  if (historyGrid_ == nullptr) return;
  for (int c = 0; c < historyHeadings_.size(); ++c) {
    const QString unit = c < historyUnits_.size()
                             ? Utf8(ShownUnit(historyUnits_[c].toStdString(), units_))
                             : QString();
    for (const auto& [row, text] : {std::pair{0, historyHeadings_[c]}, std::pair{1, unit}}) {
      SetCellText(historyGrid_, row, c, text);
      WidenColumnToFit(historyGrid_, c, text);
    }
  }
}

void SpringKindWindowBase::ConnectCalculation(QWidget* inputs, QPushButton* calculate) {
  ConnectGuarded(platform_, this, calculate, &QPushButton::clicked,
                 &SpringKindWindowBase::Calculate);
  for (QLineEdit* box : inputs->findChildren<QLineEdit*>())
    ConnectGuarded(platform_, this, box, &QLineEdit::returnPressed,
                   &SpringKindWindowBase::Calculate);
}

int SpringKindWindowBase::ChosenSlot() const {
  return HistorySlotFromText(historySlotSpin_->cleanText().toStdString());
}

void SpringKindWindowBase::ShowHistoryRow(int slot, const QStringList& cells) {
  for (int c = 1; c < historyGrid_->columnCount(); ++c) {
    const QString text = c - 1 < cells.size() ? cells[c - 1] : QString();
    SetCellText(historyGrid_, HistoryRowOfSlot(slot), c, text);
    WidenColumnToFit(historyGrid_, c, text);
  }
}

DataSheetDialog* SpringKindWindowBase::DataSheetWindow() {
  if (dataSheet_ == nullptr) dataSheet_ = new DataSheetDialog(platform_, this);
  return dataSheet_;
}

// The design file's name with the PDF's extension: "tspring.json" gives "tspring.pdf".
QString SpringKindWindowBase::SheetPdfName() const {
  const QString name = QString::fromUtf8(kind_.designName);
  return name.left(name.lastIndexOf('.')) + QStringLiteral(".pdf");
}

void SpringKindWindowBase::ShowUndoState(bool canUndo, bool canRedo) {
  undoAction_->setEnabled(canUndo);
  redoAction_->setEnabled(canRedo);
}

void SpringKindWindowBase::ToggleUnits() { UnitsSetting::Instance().Switch(); }

bool SpringKindWindowBase::AskAndSave() {
  Calculate();
  const auto path = platform_.AskSaveFile(
      this, {QString::fromUtf8(kind_.designFilter), QString::fromUtf8(kind_.designName)});
  if (!path) return false;
  SaveDesignTo(*path);
  return true;
}

bool SpringKindWindowBase::SettleUnsavedDesign() {
  if (!HasUnsavedDesign()) return true;
  // The question is the main window's own: the window asking it in front says which design.
  show();
  raise();
  activateWindow();
  return SettleUnsavedWork(
      platform_, this, QString::fromUtf8(kUnsavedDesignQuestion), [this] { return AskAndSave(); },
      [] {});
}

void SpringKindWindowBase::OpenDesign() {
  if (!SettleUnsavedDesign()) return;
  const auto path = platform_.AskOpenFile(this, {QString::fromUtf8(kind_.designFilter), QString()});
  if (path) OpenDesignFrom(*path);
}

void SpringKindWindowBase::ExportDxf() {
  const auto path = platform_.AskSaveFile(
      this, {QStringLiteral("DXFファイル (*.dxf)"), QString::fromUtf8(kind_.dxfName)});
  if (path) WriteFileAtomically(LocalPath(*path), DxfText());
}

void SpringKindWindowBase::ExportStep() {
  const SpringModel model = Model();
  const std::string dxfName = kind_.dxfName;
  const auto path = platform_.AskSaveFile(
      this, {QStringLiteral("STEPファイル (*.step *.stp)"),
             QString::fromUtf8(dxfName.substr(0, dxfName.rfind('.')) + ".step")});
  if (path) WriteFileAtomically(LocalPath(*path), model3d::StepText(model.line, model.product));
}

void SpringKindWindowBase::PrintWindow() {
  const QImage client = centralWidget()->grab().toImage();
  const QString job = windowTitle().remove(QStringLiteral("[*]"));
  if (const auto failure = platform_.PrintImage(client, job, PagePlacement::FitToPage))
    throw UserError(failure->toStdString());
}

void SpringKindWindowBase::OpenHelp() { OpenHelpDocument(platform_, this, context_.programFolder); }

QLineEdit* NumberBox(const char* name) {
  auto* box = new QLineEdit;
  box->setObjectName(QLatin1String(name));
  return box;
}

QTableWidget* Table(const char* name, const QStringList& headings) {
  auto* table = new QTableWidget(0, static_cast<int>(headings.size()));
  table->setObjectName(QLatin1String(name));
  table->setHorizontalHeaderLabels(headings);
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  return table;
}

// Whole rows selected, the last column to the edge, rows a little closer, in every kind.
QTableWidget* ItemTable(const char* name) {
  constexpr int kRowHeight = 20;
  QTableWidget* table = Table(name, {"項目", "値", "単位"});
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->horizontalHeader()->setStretchLastSection(true);
  table->verticalHeader()->setDefaultSectionSize(kRowHeight);
  return table;
}

// A cell whose text stays is left alone, and a column widens to its widest text and never
// narrows: a text is measured only when it might not fit, which is far cheaper than asking the
// view for every cell's size at each calculation.
void SetCells(QTableWidget* table, int row, const QStringList& cells) {
  constexpr int kCellPadding = 16;
  const QFontMetrics metrics = table->fontMetrics();
  for (int c = 0; c < cells.size(); ++c) {
    QTableWidgetItem* item = table->item(row, c);
    if (item != nullptr && item->text() == cells[c]) continue;
    if (item != nullptr)
      item->setText(cells[c]);
    else
      table->setItem(row, c, new QTableWidgetItem(cells[c]));
    const int width = table->columnWidth(c);
    if (cells[c].size() * metrics.maxWidth() + kCellPadding <= width) continue;
    const int needed = metrics.horizontalAdvance(cells[c]) + kCellPadding;
    if (width < needed) table->setColumnWidth(c, needed);
  }
}

void ShowReferenceRows(QTableWidget* table, const std::vector<ReferenceRow>& rows) {
  table->setRowCount(static_cast<int>(rows.size()));
  for (std::size_t i = 0; i < rows.size(); ++i)
    SetCells(table, static_cast<int>(i),
             {Utf8(rows[i].item), Utf8(rows[i].value), Utf8(rows[i].unit)});
}

}  // namespace coilspring
