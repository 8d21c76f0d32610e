// What the windows of the other spring kinds share with each other and with the main window:
// the frame (their inputs left of their results; the menus ファイル, 編集, 表示 and ヘルプ with the
// main window's shortcuts), the units the whole program shows, the design document (the design,
// 30 numbered history slots, undo and redo, the design file) with the main window's history
// controls and rule, and the DXF drawing. Each kind's window adds only its own: its inputs, its
// results, its pictures and its data sheet.
#pragma once

#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTableWidget>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/compression/calculator_state.h"
#include "core/conical/conical_centre_line.h"
#include "core/display/display_units.h"
#include "core/display/reference_rows.h"
#include "core/drawing/centre_line.h"
#include "core/extension/extension_centre_line.h"
#include "core/kinds/spring_kinds.h"
#include "core/records/material_table.h"
#include "core/torsion/torsion_centre_line.h"
#include "ui/dialogs/kind_search_dialog.h"
#include "ui/document/design_document.h"
#include "ui/platform/handler_guard.h"
#include "ui/platform/platform.h"
#include "ui/widgets/qt_text.h"

class QAction;
class QListWidget;
class QMenu;
class QSpinBox;
class QTabWidget;

namespace coilspring {

class DataSheetDialog;
class StalePages;

// What a kind's window works with; everything must outlive the window.
struct KindWindowContext {
  const CalculatorState& state;  // the materials, the material kinds, the coefficients
  Platform& platform;
  QString programFolder;  // where the help document lies
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

  // The commands of the buttons and menu entries, for the menus and for tests. 計算 (and Enter
  // in a box) reads the inputs and calculates; ▼ stores the design into the chosen slot, ▲ and
  // a click on a history row recall a stored design as it was stored, not calculated again.
  virtual void Calculate() = 0;
  virtual void StoreInHistory() = 0;
  virtual void RecallFromHistory(int slot) = 0;
  void RecallChosenSlot() { RecallFromHistory(ChosenSlot()); }
  virtual void UndoStep() = 0;
  virtual void RedoStep() = 0;
  virtual void ToggleInputMode() = 0;
  virtual void ShowDataSheet() = 0;
  // Switches the units of every window of the program.
  void ToggleUnits();
  // Saving calculates first, so that the file holds the design the boxes show; reading another
  // file first settles unsaved work.
  void SaveDesign() { AskAndSave(); }
  void OpenDesign();
  void ExportDxf();
  // ファイル → 3Dモデル出力（STEP）: the design's solid, made by the 3D module loaded now.
  void ExportStep();
  void PrintWindow();
  void OpenHelp();
  // Saving and reading without a file dialog. A file that is wrong anywhere changes nothing.
  virtual void SaveDesignTo(const QString& path) = 0;
  virtual void OpenDesignFrom(const QString& path) = 0;
  // Whether the design or its history differs from the last save or read, or from the window's
  // start before either, compared as the file would hold them.
  virtual bool HasUnsavedDesign() const = 0;
  // ツール → 設計支援: the kind's own search, made on first use and kept beside the window.
  void OpenDesignSearch();
  KindSearchDialog* DesignSearchWindow();

  // Asks 保存 / 破棄 / キャンセル, in front of the other windows, while there is unsaved work;
  // returns whether the caller may go on.
  bool SettleUnsavedDesign();

 protected:
  SpringKindWindowBase(const KindWindowContext& context, SpringKind kind, QWidget* parent);

  // Names the window after its kind and gives it its menus; `viewEntry` is the caption of the
  // kind's input mode switch in 表示.
  void Frame(const char* name, const char* viewEntry);
  // The window's client: the inputs left of the results, which take the room left.
  void PlaceColumns(QWidget* inputs, QWidget* results);
  // The window's client as the main window lays out its own: the inputs on the left (their boxes
  // and lists in the main window's cyan); on the right the results with the check lines under
  // them beside the diagram, and below those the pages ＜計算結果の履歴＞ (the grid HistoryGrid
  // made), ＜バネ形状＞ (`sideView`) and ＜参考計算＞ (`reference` under the operating
  // temperature's box), which take the height left. The kind draws each page when it is on
  // screen through stalePages_ (Page gives the page to add).
  void PlaceClient(QWidget* inputs, QWidget* results, QWidget* diagram, QWidget* sideView,
                   QWidget* reference);
  enum ResultPage { kHistoryPage, kSideViewPage, kReferencePage };
  QWidget* Page(ResultPage page) const;
  // The operating temperature (℃) the reference page is for, as the main window's reference
  // page takes it: a box that holds no number gives NaN, which the rows show as no value.
  double OperatingTemperature() const;
  // The history slot box with ▼ and ▲, and the grid of the 30 slots as the main window's: a row
  // of `headings`, a row of their units (gravitational unit texts, shown in the units on screen),
  // and the slot numbers; a click on a slot's row recalls it.
  QWidget* HistoryControls();
  QTableWidget* HistoryGrid(const QStringList& headings, const QStringList& units = {});
  // The check lines under the results (made by PlaceClient), red while the design fails.
  void ShowCheckLines(const std::vector<std::string>& lines, bool failed);
  // The title names the design file and marks unsaved work.
  void ShowFileState(const std::string& path, bool unsaved);
  // 計算 and Enter in any box of `inputs` calculate.
  void ConnectCalculation(QWidget* inputs, QPushButton* calculate);
  int ChosenSlot() const;
  // The shared data sheet window (made on first use) and the name its PDF is proposed under.
  DataSheetDialog* DataSheetWindow();
  QString SheetPdfName() const;
  void ShowHistoryRow(int slot, const QStringList& cells);
  void ShowUndoState(bool canUndo, bool canRedo);
  virtual std::string DxfText() const = 0;
  // 採用 of the search's candidate `index`, and 履歴へ of its whole list: each one undo step.
  virtual void AdoptSearchCandidate(int index) = 0;
  virtual void PutSearchListIntoHistory() = 0;
  // Whether the search's list may overwrite the `used` of history slots 1..count.
  bool ConfirmOverwrite(int count, int used);
  virtual SpringModel Model() const = 0;
  // Shows everything in `now` after the program switched from `before`.
  virtual void ApplyUnits(UnitSystem before, UnitSystem now) = 0;

  const KindWindowContext context_;
  Platform& platform_;
  const MaterialTable& materials_;
  UnitSystem units_;
  StalePages* stalePages_ = nullptr;  // the pages, each drawn when on screen

 private:
  // Asks where to save and saves there; false when the user cancelled the dialog.
  bool AskAndSave();
  void ShowHistoryHeadings();

  const SpringKindInfo& kind_;
  QSpinBox* historySlotSpin_ = nullptr;  // historySlotSpin: the slot ▼ and ▲ act on
  QTableWidget* historyGrid_ = nullptr;  // historyGrid: headings, units, a row per slot
  QStringList historyHeadings_, historyUnits_;
  bool historyUnfocused_ = true;
  QListWidget* checkList_ = nullptr;  // messageList: the check lines
  QTabWidget* pages_ = nullptr;
  QLineEdit* temperatureEdit_ = nullptr;  // ReferenceTemperature: ℃
  QAction* undoAction_ = nullptr;         // KindUndo: 元に戻す
  QAction* redoAction_ = nullptr;         // KindRedo: やり直し
  DataSheetDialog* dataSheet_ = nullptr;
  KindSearchDialog* designSearch_ = nullptr;
};

template <class Spring>
class SpringKindWindow : public SpringKindWindowBase {
 public:
  const Spring& Design() const { return document_.design(); }

  void Calculate() final {
    Spring calculated = CalculatedInputs();
    document_.SetDesign(std::move(calculated));
    ShowDesign(true);
    Commit();
  }
  void StoreInHistory() final {
    const int n = ChosenSlot();
    document_.Store(n);
    ShowSlot(n);
    Commit();
  }
  void RecallFromHistory(int slot) final {
    if (slot < 1 || slot > kHistoryLimit || !document_.Recall(slot)) return;
    ShowDesign(false);
    Commit();
  }
  void UndoStep() final {
    if (document_.Undo()) ShowWholeDocument();
  }
  void RedoStep() final {
    if (document_.Redo()) ShowWholeDocument();
  }
  void SaveDesignTo(const QString& path) final {
    document_.Save(LocalPath(path));
    ShowFileState(document_.Path(), document_.HasUnsavedWork());
  }
  void OpenDesignFrom(const QString& path) final {
    document_.Read(LocalPath(path), materials_, [this](Spring& s) { CalculateStored(s); });
    ShowWholeDocument();
  }
  bool HasUnsavedDesign() const final { return document_.HasUnsavedWork(); }
  // The design as shown, in the state its side view shows, wound as the design says; its kind's
  // SpringModelOf builds it.
  SpringModel Model() const final {
    return SpringModelOf(Design(), materials_, ShownState(), false);
  }
  // The state the side view page shows, where the window offers a choice of them.
  virtual SpringState ShownState() const { return SpringState::Free; }

 protected:
  SpringKindWindow(const KindWindowContext& context, SpringKind kind, DocumentFormat<Spring> format,
                   QWidget* parent)
      : SpringKindWindowBase(context, kind, parent), document_(format, Spring()) {}

  // Once the controls are built: `start`, calculated, becomes the design with an empty history,
  // kept as saved.
  void Begin(Spring start) {
    CalculateStored(start);
    document_.Start(std::move(start));
    ShowWholeDocument();
  }

  // The design the boxes give, calculated; throws (changing nothing) for a box that is no
  // number or a design that cannot exist.
  virtual Spring CalculatedInputs() = 0;
  // Calculates a design as read from a file.
  virtual void CalculateStored(Spring& design) const = 0;
  // Shows the document's design with its results: `calculated` when 計算 just made them, else
  // as stored (a recall, a file, a step undone).
  virtual void ShowDesign(bool calculated) = 0;
  virtual QStringList HistoryCells(const Spring& stored) const = 0;

  void ShowSlot(int n) {
    const std::optional<Spring>& stored = document_.Slot(n);
    ShowHistoryRow(n, stored ? HistoryCells(*stored) : QStringList());
  }
  void ShowHistory() {
    for (int n = 1; n <= kHistoryLimit; ++n) ShowSlot(n);
  }

  DesignDocument<Spring> document_;

  void AdoptSearchCandidate(int index) final {
    const std::vector<Spring> designs = DesignSearchWindow()->template Designs<Spring>();
    if (index < 0 || index >= static_cast<int>(designs.size())) return;
    document_.SetDesign(designs[static_cast<std::size_t>(index)]);
    ShowDesign(false);
    Commit();
    raise();
    activateWindow();
  }
  void PutSearchListIntoHistory() final {
    const std::vector<Spring> designs = DesignSearchWindow()->template Designs<Spring>();
    const int count = std::min(static_cast<int>(designs.size()), kHistoryLimit);
    int used = 0;
    for (int n = 1; n <= count; ++n) used += document_.Slot(n) ? 1 : 0;
    if (count == 0 || (used > 0 && !ConfirmOverwrite(count, used))) return;
    const Spring current = document_.design();
    for (int n = 1; n <= count; ++n) {
      document_.SetDesign(designs[static_cast<std::size_t>(n - 1)]);
      document_.Store(n);
    }
    document_.SetDesign(current);
    ShowHistory();
    Commit();
  }

 private:
  void Commit() {
    document_.Commit();
    ShowUndoState(document_.CanUndo(), document_.CanRedo());
    ShowFileState(document_.Path(), document_.HasUnsavedWork());
  }
  void ShowWholeDocument() {
    ShowDesign(false);
    ShowHistory();
    ShowUndoState(document_.CanUndo(), document_.CanRedo());
    ShowFileState(document_.Path(), document_.HasUnsavedWork());
  }
};

}  // namespace coilspring
