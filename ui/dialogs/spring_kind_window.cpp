#include "ui/dialogs/spring_kind_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>

#include "ui/platform/unsaved_work.h"

namespace coilspring {

SpringKindWindowBase::SpringKindWindowBase(Platform& platform, UnitSystem units,
                                           const SpringKindFiles& files, QWidget* parent)
    : QMainWindow(parent), platform_(platform), units_(units), files_(files) {}

std::pair<QMenu*, QMenu*> SpringKindWindowBase::Frame(const char* name, const char* title) {
  setObjectName(QLatin1String(name));
  setWindowTitle(QString::fromUtf8(title));
  return {menuBar()->addMenu(QStringLiteral("ファイル(&F)")),
          menuBar()->addMenu(QStringLiteral("表示(&V)"))};
}

void SpringKindWindowBase::PlaceColumns(QWidget* inputs, QWidget* results) {
  auto* client = new QWidget(this);
  auto* columns = new QHBoxLayout(client);
  columns->addWidget(inputs);
  columns->addWidget(results, 1);
  setCentralWidget(client);
}

bool SpringKindWindowBase::AskAndSave() {
  Calculate();
  const auto path = platform_.AskSaveFile(
      this, {QString::fromUtf8(files_.designFilter), QString::fromUtf8(files_.saveName)});
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
  const auto path = platform_.AskOpenFile(
      this, {QString::fromUtf8(files_.designFilter), QString::fromUtf8(files_.openName)});
  if (path) OpenDesignFrom(*path);
}

void SpringKindWindowBase::ExportDxf() {
  const auto path = platform_.AskSaveFile(
      this, {QStringLiteral("DXFファイル (*.dxf)"), QString::fromUtf8(files_.dxfName)});
  if (path) WriteText(*path, DxfText());
}

void SpringKindWindowBase::WriteText(const QString& path, std::string_view text) {
  WriteFileAtomically(LocalPath(path), text);
}

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

QTableWidget* ItemTable(const char* name) { return Table(name, {"項目", "値", "単位"}); }

void SetCells(QTableWidget* table, int row, const QStringList& cells) {
  for (int c = 0; c < cells.size(); ++c) table->setItem(row, c, new QTableWidgetItem(cells[c]));
}

void ShowReferenceRows(QTableWidget* table, const std::vector<ReferenceRow>& rows) {
  table->setRowCount(static_cast<int>(rows.size()));
  for (std::size_t i = 0; i < rows.size(); ++i)
    SetCells(table, static_cast<int>(i),
             {Utf8(rows[i].item), Utf8(rows[i].value), Utf8(rows[i].unit)});
  table->resizeColumnsToContents();
}

}  // namespace coilspring
