// 設計支援 of a spring kind's own window: the requirement form built from the kind's keys (the
// list of kinds' searches, core/search/search_kinds.h), read as the very requirement document
// "solve" reads; the search on a thread of its own with its progress in percent, キャンセル and
// the question before a search of more than 20 million candidates; the short list in the kind's
// own columns. The window that opened it takes a candidate over (採用, a double click) or the
// whole list into its history (履歴へ) through the two signals.
#pragma once

#include <QDialog>
#include <any>
#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "core/compression/calculator_state.h"
#include "core/kinds/spring_kinds.h"
#include "core/search/search_kinds.h"
#include "core/search_machine/search_machine.h"
#include "ui/platform/platform.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTimer;

namespace coilspring {

class KindSearchDialog : public QDialog {
  Q_OBJECT

 public:
  // For the kinds whose window is a SpringKindWindow (extension, torsion). `units`: the
  // window's, in which the list shows loads, moments and rates.
  KindSearchDialog(SpringKind kind, const CalculatorState& state, Platform& platform,
                   UnitSystem units, QWidget* parent = nullptr);
  // Stops a running search and waits for its thread.
  ~KindSearchDialog() override;

  bool Searching() const { return searcher_.joinable(); }
  // The designs of the last search's list, best first; empty when they are not of `Design`.
  template <class Design>
  std::vector<Design> Designs() const {
    const auto* designs = std::any_cast<std::vector<Design>>(&designs_);
    return designs != nullptr ? *designs : std::vector<Design>();
  }
  // The requirement document the form gives; throws UserError naming the box of a number that
  // is not one.
  std::string RequirementText() const;

  // What one search of a kind gives the window, kind-free.
  struct Outcome {
    std::string problem;
    bool cancelled = false;
    std::int64_t evaluated = 0;
    std::int64_t kept = 0;
    double seconds = 0;
    std::string nothingFound;
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;
    std::any designs;  // std::vector<the kind's design>
  };
  // A search read from a requirement document, ready to run: its candidate count and the run.
  struct Prepared {
    std::int64_t count = 0;
    std::function<Outcome(const SearchControl&)> run;
  };

 signals:
  void AdoptRequested(int index);
  void HistoryRequested();

 private slots:
  void Search();
  void CancelSearch();
  void AdoptChosen();
  void AdoptRow(int row, int column);

 private:
  void BuildControls();
  void ShowSearching(bool searching);
  void FinishSearch(const Outcome& outcome);
  void ShowList(const Outcome& outcome);

  SpringKind kind_;
  const KindSearchInfo& search_;
  const CalculatorState& state_;
  Platform& platform_;
  UnitSystem units_;
  std::any designs_;
  int candidateCount_ = 0;
  std::thread searcher_;
  std::atomic<bool> cancel_{false};
  std::atomic<int> progressPermille_{0};

  std::vector<QLineEdit*> boxes_;           // a box per key of the form (objectName: the key)
  QComboBox* rankCombo_ = nullptr;          // rank: the kind's rankings
  QComboBox* loadUnitCombo_ = nullptr;      // loadUnit: N or kgf
  QPushButton* searchButton_ = nullptr;     // SearchButton: 探索
  QLabel* resultLabel_ = nullptr;           // ResultLabel: counts and time, or why nothing
  QProgressBar* progressBar_ = nullptr;     // SearchProgress: in percent while searching
  QPushButton* cancelButton_ = nullptr;     // CancelButton: キャンセル
  QTimer* progressTimer_ = nullptr;         // shows the reported progress while searching
  QTableWidget* candidateTable_ = nullptr;  // CandidateTable: the short list
  QPushButton* adoptButton_ = nullptr;      // AdoptButton: 採用
  QPushButton* historyButton_ = nullptr;    // HistoryButton: 履歴へ
};

}  // namespace coilspring
