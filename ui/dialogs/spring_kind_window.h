// What the windows of the other spring kinds share: the frame (their inputs left of their
// results, the ファイル(&F) and 表示(&V) menus), the unit system, the design with its history of
// 30, the design file (JSON, the history with it) and the DXF drawing. Each kind's window adds
// only its own: its inputs, its results and its pictures.
#pragma once

#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QString>
#include <QTableWidget>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/display/display_units.h"
#include "core/display/reference_rows.h"
#include "core/records/file_io.h"
#include "core/records/material_table.h"
#include "core/text/user_error.h"
#include "json/spring_document.h"
#include "ui/platform/handler_guard.h"
#include "ui/platform/platform.h"
#include "ui/widgets/qt_text.h"

class QMenu;

namespace coilspring {

// What a kind's file dialogs propose.
struct SpringKindFiles {
  const char* designFilter;  // the design file's filter, for saving and reading
  const char* saveName;      // the design file's name when saving
  const char* openName;      // the name proposed when reading, empty for none
  const char* dxfName;
};

// Which end of the history a stored design joins; a full history loses the other end's.
enum class HistoryOrder { OldestFirst, NewestFirst };

// A kind's files, history and design file: how it is written and read.
template <class Spring>
struct KindFileFormat {
  SpringKindFiles files;
  HistoryOrder order;
  std::string (*documentText)(const SpringDocument<Spring>& document);
  SpringDocument<Spring> (*readDocument)(std::string_view text, const MaterialTable& materials,
                                         std::size_t historyLimit);
};

// The controls every kind's window makes alike: a number box, a read-only table with column
// headings only (ItemTable: 項目, 値, 単位), a row of cells, the reference rows.
QLineEdit* NumberBox(const char* name);
QTableWidget* Table(const char* name, const QStringList& headings);
QTableWidget* ItemTable(const char* name);
void SetCells(QTableWidget* table, int row, const QStringList& cells);
void ShowReferenceRows(QTableWidget* table, const std::vector<ReferenceRow>& rows);

class SpringKindWindowBase : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr int kHistoryLimit = 30;

  UnitSystem Units() const { return units_; }

  // Reads the inputs, calculates and shows the design.
  virtual void Calculate() = 0;
  // The commands of the shared menu entries. Saving calculates first, so that the file holds
  // the design the boxes show; reading another file first settles unsaved work.
  void SaveDesign() { AskAndSave(); }
  void OpenDesign();
  void ExportDxf();
  // Saving and reading without a file dialog. A file that is wrong anywhere changes nothing.
  virtual void SaveDesignTo(const QString& path) = 0;
  virtual void OpenDesignFrom(const QString& path) = 0;
  // Whether the design or its history differs from the last save or read, or from the window's
  // start before either.
  virtual bool HasUnsavedDesign() const = 0;
  // Asks 保存 / 破棄 / キャンセル, in front of the other windows, while there is unsaved work;
  // returns whether the caller may go on.
  bool SettleUnsavedDesign();

 protected:
  SpringKindWindowBase(Platform& platform, UnitSystem units, const SpringKindFiles& files,
                       QWidget* parent);

  // Names the window and gives it its two menus, ファイル(&F) and 表示(&V), for its entries.
  std::pair<QMenu*, QMenu*> Frame(const char* name, const char* title);
  // The window's client: the inputs left of the results, which take the room left.
  void PlaceColumns(QWidget* inputs, QWidget* results);
  void SwitchUnits() {
    units_ = units_ == UnitSystem::SI ? UnitSystem::Gravitational : UnitSystem::SI;
  }
  virtual std::string DxfText() const = 0;
  // Saves `text` as the file at `path` (atomically, as every save).
  static void WriteText(const QString& path, std::string_view text);

  Platform& platform_;
  UnitSystem units_;

 private:
  // Asks where to save and saves there; false when the user cancelled the dialog.
  bool AskAndSave();

  SpringKindFiles files_;
};

template <class Spring>
class SpringKindWindow : public SpringKindWindowBase {
 public:
  const Spring& Design() const { return design_; }
  const std::vector<Spring>& History() const { return history_; }

  void StoreInHistory() {
    const bool newestFirst = kind_.order == HistoryOrder::NewestFirst;
    if (newestFirst)
      history_.insert(history_.begin(), design_);
    else
      history_.push_back(design_);
    if (history_.size() > static_cast<std::size_t>(kHistoryLimit))
      history_.erase(newestFirst ? history_.end() - 1 : history_.begin());
    ShowHistory();
  }
  void RecallFromHistory(int row) {
    if (row < 0 || row >= static_cast<int>(history_.size())) return;
    Recall(history_[static_cast<std::size_t>(row)]);
  }

  void SaveDesignTo(const QString& path) final {
    const std::string text = DocumentText();
    WriteText(path, text);
    keptText_ = text;
  }
  void OpenDesignFrom(const QString& path) final {
    const std::string file = LocalPath(path);
    const std::string text = ReadTextTable(file);
    SpringDocument<Spring> read;
    try {
      read = kind_.readDocument(text, materials_, kHistoryLimit);
    } catch (const UserError& e) {  // the reader's own messages name no file
      throw UserError(file + ": " + e.what());
    }
    Adopt(std::move(read));
    KeepAsSaved();
  }
  bool HasUnsavedDesign() const final { return DocumentText() != keptText_; }

 protected:
  // `materials` must outlive the window.
  SpringKindWindow(Platform& platform, UnitSystem units, const KindFileFormat<Spring>& kind,
                   const MaterialTable& materials, QWidget* parent)
      : SpringKindWindowBase(platform, units, kind.files, parent),
        materials_(materials),
        kind_(kind) {}

  // 計算 and Enter in any box of `inputs` calculate; `store` stores the design in the history.
  void ConnectCommands(QWidget* inputs, QPushButton* calculate, QPushButton* store) {
    ConnectGuarded(platform_, this, calculate, &QPushButton::clicked, &SpringKindWindow::Calculate);
    ConnectGuarded(platform_, this, store, &QPushButton::clicked,
                   &SpringKindWindow::StoreInHistory);
    for (QLineEdit* box : inputs->findChildren<QLineEdit*>())
      ConnectGuarded(platform_, this, box, &QLineEdit::returnPressed, &SpringKindWindow::Calculate);
  }
  // A click on a row of the history grid recalls that design.
  void RecallOnClick(QTableWidget* grid) {
    ConnectGuarded(platform_, this, grid, &QTableWidget::cellClicked,
                   [](SpringKindWindow* w, int row, int) { w->RecallFromHistory(row); });
  }

  virtual void ShowHistory() = 0;
  // A stored design becomes the window's.
  virtual void Recall(const Spring& stored) = 0;
  // A design file read whole becomes the window's design and history.
  virtual void Adopt(SpringDocument<Spring> read) = 0;

  // The design and history as they are now count as kept: for the window's start design.
  void KeepAsSaved() { keptText_ = DocumentText(); }

  const MaterialTable& materials_;
  Spring design_;
  std::vector<Spring> history_;

 private:
  // Compared as the file would hold them, so that a result that is not a number (never equal
  // to itself) does not make a design count as changed.
  std::string DocumentText() const { return kind_.documentText({design_, history_}); }

  KindFileFormat<Spring> kind_;
  std::string keptText_;
};

}  // namespace coilspring
