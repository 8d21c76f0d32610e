// The design assistant's window and what it hands back: a candidate taken over as the current
// design, or the short list put into the history.

#include "core/compression/compression_search.h"
#include "ui/dialogs/design_search_dialog.h"
#include "ui/main_window/history_page.h"
#include "ui/main_window/input_panel.h"
#include "ui/main_window/main_window.h"
#include "ui/platform/handler_guard.h"
#include "ui/widgets/widgets.h"

namespace coilspring {

DesignSearchDialog* MainWindow::DesignSearchWindow() {
  if (designSearch_ != nullptr) return designSearch_;
  // Without a parent: a window the main window can come in front of (the main window deletes
  // it).
  designSearch_ = new DesignSearchDialog(state_, platform_, nullptr, units_);
  ConnectGuarded(platform_, this, designSearch_, &DesignSearchDialog::AdoptRequested,
                 &MainWindow::AdoptSearchCandidate);
  ConnectGuarded(platform_, this, designSearch_, &DesignSearchDialog::HistoryRequested,
                 &MainWindow::PutShortListIntoHistory);
  return designSearch_;
}

// Not modal: the designer keeps the list beside the main window and tries one candidate after
// another; the requirements stay in the window for the whole run.
void MainWindow::OpenDesignSearch() {
  DesignSearchDialog* window = DesignSearchWindow();
  window->show();
  window->raise();
  window->activateWindow();
}

void MainWindow::AdoptDesign(const DesignRecord& design) {
  state_.current() = design;
  PutDesign(false);
  // The design is shown with its lengths in the short format; the boxes get them in full so that
  // the calculation below works with the candidate's own lengths, as if the designer had typed
  // them.
  inputPanel_->PutLengthsInFull(design);
  Calculate();
}

void MainWindow::AdoptSearchCandidate(int index) {
  const auto& candidates = designSearch_->Candidates();
  if (index < 0 || index >= static_cast<int>(candidates.size())) return;
  AdoptDesign(candidates[static_cast<std::size_t>(index)].design);
  // The designer wants to see the design taken over, not the list in front of it.
  raise();
  activateWindow();
}

void MainWindow::PutShortListIntoHistory() {
  const auto& candidates = designSearch_->Candidates();
  const int count = std::min(static_cast<int>(candidates.size()), kHistorySlots);
  if (count == 0) return;
  int used = 0;
  for (int slot = 1; slot <= count; ++slot) used += state_.design[slot].InUse == 1 ? 1 : 0;
  if (used > 0 &&
      !platform_.Confirm(designSearch_,
                         QStringLiteral("履歴 1～%1 のうち %2 件には設計が入っています。"
                                        "上書きしますか？")
                             .arg(count)
                             .arg(used)))
    return;
  PutIntoHistory(state_.design, candidates);
  for (int slot = 1; slot <= count; ++slot)
    historyPage_->ShowSlot(slot, state_.design[slot], state_.materials());
  RecordStep();
}

}  // namespace coilspring
