// The design assistant's window ("設計支援"): the requirements, the search and the ranked short
// list. The main window takes a candidate over ("採用", a double click) or the whole list into
// its history ("履歴へ"); this window only asks for it through its two signals. The search runs
// on a thread of its own: the window repaints, moves and cancels while it runs.
#pragma once

#include <QDialog>
#include <atomic>
#include <thread>
#include <vector>

#include "core/compression/calculator_state.h"
#include "core/compression/compression_search.h"
#include "ui/platform/platform.h"

class QCheckBox;
class QComboBox;
class QProgressBar;
class QTimer;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace coilspring {

class DesignSearchDialog : public QDialog {
  Q_OBJECT

 public:
  // Construct after start-up: the material list shows the database as it was read. `units`:
  // the main window's, as SetUnits takes them.
  DesignSearchDialog(const CalculatorState& state, Platform& platform, QWidget* parent = nullptr,
                     UnitSystem units = UnitSystem::Gravitational);
  // Stops a running search and waits for its thread.
  ~DesignSearchDialog() override;

  // Whether a search is running.
  bool Searching() const { return searcher_.joinable(); }

  // Loads and the rate of the list in the main window's units. Until the window is first shown
  // the requirements' load unit follows as well; after that it is the designer's own choice.
  void SetUnits(UnitSystem units);

  // The ranked list of the last search (best first, at most 30).
  const std::vector<SearchCandidate>& Candidates() const { return candidates_; }

 signals:
  // The user wants candidate `index` of Candidates() as the current design.
  void AdoptRequested(int index);
  // The user wants the whole list in the history slots.
  void HistoryRequested();

 private slots:
  void Search();
  void CancelSearch();
  void AdoptChosen();
  void AdoptRow(int row, int column);

 private:
  void BuildControls();
  void FillMaterialList();
  // The requirements as the boxes give them; throws UserError naming the field of a box that is
  // not a number.
  SearchRequirements ReadRequirements() const;
  bool MayGoOnWith(const SearchRequirements& q);
  // Shows the finished search: a cancelled one leaves the list as it was.
  void FinishSearch(const SearchResult& result);
  void ShowSearching(bool searching);
  void ShowCandidates(const SearchResult& result);
  void FillCandidateTable();
  void showEvent(QShowEvent* event) override;

  const CalculatorState& state_;
  Platform& platform_;
  std::vector<std::vector<int>> materialChoices_;  // by position of the material list
  std::vector<SearchCandidate> candidates_;
  UnitSystem units_ = UnitSystem::Gravitational;
  bool shownOnce_ = false;
  std::thread searcher_;
  std::atomic<bool> cancel_{false};
  std::atomic<int> progressPermille_{0};  // the furthest share reported, in thousandths

  QComboBox* materialCombo_ = nullptr;        // MaterialCombo: all, a kind, or one symbol
  QComboBox* endKindCombo_ = nullptr;         // EndKindCombo: any of the seven, or one
  QComboBox* loadUnitCombo_ = nullptr;        // LoadUnitCombo: N or kgf
  QLineEdit* load1Edit_ = nullptr;            // Load1Edit: P1
  QLineEdit* length1Edit_ = nullptr;          // Length1Edit: L1
  QLineEdit* load2Edit_ = nullptr;            // Load2Edit: P2
  QLineEdit* length2Edit_ = nullptr;          // Length2Edit: L2
  QLineEdit* toleranceEdit_ = nullptr;        // ToleranceEdit: load tolerance, %
  QLineEdit* boreEdit_ = nullptr;             // BoreEdit: largest outer diameter
  QLineEdit* rodEdit_ = nullptr;              // RodEdit: smallest inner diameter
  QLineEdit* maxFreeLengthEdit_ = nullptr;    // MaxFreeLengthEdit
  QLineEdit* meanMinEdit_ = nullptr;          // MeanDiameterMinEdit
  QLineEdit* meanMaxEdit_ = nullptr;          // MeanDiameterMaxEdit
  QLineEdit* indexMinEdit_ = nullptr;         // IndexMinEdit
  QLineEdit* indexMaxEdit_ = nullptr;         // IndexMaxEdit
  QComboBox* lifeCombo_ = nullptr;            // LifeCombo: no requirement, or a life class
  QComboBox* seatingCombo_ = nullptr;         // SeatingCombo: buckling not required, or a seating
  QLineEdit* frequencyEdit_ = nullptr;        // FrequencyEdit: lowest natural frequency, Hz
  QCheckBox* worstCaseCheck_ = nullptr;       // WorstCaseCheck: judge the grade's worst case
  QComboBox* worstCaseGradeCombo_ = nullptr;  // WorstCaseGradeCombo: grade 1, 2 or 3
  QComboBox* rankCombo_ = nullptr;            // RankCombo: the ranking
  QPushButton* searchButton_ = nullptr;       // SearchButton: "探索"
  QLabel* resultLabel_ = nullptr;             // ResultLabel: counts and time, or why nothing
  QProgressBar* progressBar_ = nullptr;       // SearchProgress: while a search runs
  QPushButton* cancelButton_ = nullptr;       // CancelButton: "キャンセル" stops the search
  QTimer* progressTimer_ = nullptr;           // shows the reported progress while searching
  QTableWidget* candidateTable_ = nullptr;    // CandidateTable: the top 30
  QPushButton* adoptButton_ = nullptr;        // AdoptButton: "採用"
  QPushButton* historyButton_ = nullptr;      // HistoryButton: "履歴へ"
};

}  // namespace coilspring
