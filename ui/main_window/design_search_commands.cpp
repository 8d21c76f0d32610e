// The design assistant's window and what it hands back: a candidate taken over as the current
// design, or the short list put into the history.
#include <QLineEdit>

#include "core/search/design_search.h"
#include "ui/dialogs/design_search_dialog.h"
#include "ui/main_window/main_window.h"
#include "ui/platform/handler_guard.h"
#include "ui/widgets/widgets.h"

namespace coilspring {

void MainWindow::CreateDesignSearchWindow() {
  designSearch_ = new DesignSearchDialog(state_, platform_, this, units_);
  ConnectGuarded(platform_, this, designSearch_, &DesignSearchDialog::AdoptRequested,
                 &MainWindow::AdoptSearchCandidate);
  ConnectGuarded(platform_, this, designSearch_, &DesignSearchDialog::HistoryRequested,
                 &MainWindow::PutShortListIntoHistory);
}

// Not modal: the designer keeps the list beside the main window and tries one candidate after
// another; the requirements stay in the window for the whole run.
void MainWindow::OpenDesignSearch() {
  designSearch_->show();
  designSearch_->raise();
  designSearch_->activateWindow();
}

void MainWindow::AdoptDesign(const DesignRecord& design) {
  state_.current() = design;
  ShowDesign();
  // ShowDesign writes lengths in the short format; the boxes get them in full so that the
  // calculation below works with the candidate's own lengths, as if the designer had typed them.
  freeLengthEdit_->setText(FullText(design.FreeLength));
  length1Edit_->setText(FullText(design.Length1));
  length2Edit_->setText(FullText(design.Length2));
  Calculate();
}

void MainWindow::AdoptSearchCandidate(int index) {
  const auto& candidates = designSearch_->Candidates();
  if (index < 0 || index >= static_cast<int>(candidates.size())) return;
  AdoptDesign(candidates[static_cast<std::size_t>(index)].design);
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
  for (int slot = 1; slot <= count; ++slot) ShowHistoryRow(slot);
}

}  // namespace coilspring
