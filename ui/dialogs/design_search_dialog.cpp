#include "ui/dialogs/design_search_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>
#include <iterator>
#include <optional>
#include <string>

#include "core/calc/fatigue.h"
#include "core/display/display_units.h"
#include "core/text/number_format.h"
#include "core/text/sjis.h"
#include "core/text/user_error.h"
#include "ui/dialogs/search_dialog_parts.h"
#include "ui/platform/handler_guard.h"
#include "ui/platform/window_place.h"
#include "ui/widgets/widgets.h"

namespace coilspring {

namespace {

constexpr int kShownCandidates = 30;
const char* const kColumns[] = {"材料",     "線径",     "平均径",   "外径",     "内径", "総巻数",
                                "有効巻数", "座巻き",   "自由長さ", "バネ定数", "P1",   "P2",
                                "τ2/τa",    "期待寿命", "質量(g)",  "座屈"};
constexpr int kColumnCount = static_cast<int>(std::size(kColumns));
constexpr int kRateColumn = 9;
constexpr int kLoad1Column = 10;
constexpr int kLoad2Column = 11;

// A box as the main window reads it; one that is no number is refused naming its field, so the
// designer knows which of the many boxes to mend.
double FieldNumber(const QLineEdit* box, const char* field) {
  try {
    return BoxNumber(box);
  } catch (const UserError& e) {
    throw UserError(std::string(field) + "：" + e.what());
  }
}

// An empty optional box asks for nothing.
std::optional<double> OptionalField(const QLineEdit* box, const char* field) {
  if (box->text().trimmed().isEmpty()) return std::nullopt;
  return FieldNumber(box, field);
}

QLineEdit* LabelledEdit(QWidget* parent, const char* name, const QString& caption,
                        const QString& unit, int x, int y, const QString& text = QString()) {
  PlaceLabel(parent, caption, x, y + 3);
  QLineEdit* edit = PlaceEdit(parent, name, x + 92, y, 64, text);
  if (!unit.isEmpty()) PlaceLabel(parent, unit, x + 160, y + 3);
  return edit;
}

QComboBox* LabelledCombo(QWidget* parent, const char* name, const QString& caption, int x, int y,
                         int width) {
  PlaceLabel(parent, caption, x, y + 3);
  return PlaceCombo(parent, name, x + 92, y, width);
}

}  // namespace

DesignSearchDialog::DesignSearchDialog(const CalculatorState& state, Platform& platform,
                                       QWidget* parent, UnitSystem units)
    : QDialog(parent), state_(state), platform_(platform) {
  // A window of its own, not one held above the main window: the designer looks at an adopted
  // design in the main window while this one stays open behind it.
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  setObjectName("DesignSearch");
  KeepWindowPlace(this);
  setWindowTitle(QStringLiteral("設計支援"));
  setFont(GothicFont(12));
  resize(1000, 640);
  BuildControls();
  FillMaterialList();
  SetUnits(units);
}

DesignSearchDialog::~DesignSearchDialog() {
  cancel_ = true;
  if (searcher_.joinable()) searcher_.join();
}

void DesignSearchDialog::SetUnits(UnitSystem units) {
  units_ = units;
  if (!shownOnce_) loadUnitCombo_->setCurrentIndex(units == UnitSystem::SI ? 0 : 1);
  FillCandidateTable();
}

void DesignSearchDialog::showEvent(QShowEvent* event) {
  shownOnce_ = true;
  QDialog::showEvent(event);
}

void DesignSearchDialog::BuildControls() {
  materialCombo_ = LabelledCombo(this, "MaterialCombo", QStringLiteral("材料"), 8, 8, 200);
  endKindCombo_ = LabelledCombo(this, "EndKindCombo", QStringLiteral("座巻き"), 8, 34, 200);
  endKindCombo_->addItem(QStringLiteral("すべて"));
  for (const char* name : kEndKindNames) endKindCombo_->addItem(Utf8(name));
  loadUnitCombo_ = LabelledCombo(this, "LoadUnitCombo", QStringLiteral("荷重の単位"), 8, 60, 64);
  loadUnitCombo_->addItems({QStringLiteral("N"), QStringLiteral("kgf")});
  rankCombo_ = LabelledCombo(this, "RankCombo", QStringLiteral("並べ方"), 8, 86, 200);
  for (RankBy rank : kRankings) rankCombo_->addItem(Utf8(RankName(rank)));

  load1Edit_ = LabelledEdit(this, "Load1Edit", QStringLiteral("荷重（Ｐ１）"), QString(), 320, 8);
  length1Edit_ = LabelledEdit(this, "Length1Edit", QStringLiteral("長さ（Ｌ１）"),
                              QStringLiteral("mm"), 320, 34);
  load2Edit_ = LabelledEdit(this, "Load2Edit", QStringLiteral("荷重（Ｐ２）"), QString(), 320, 60);
  length2Edit_ = LabelledEdit(this, "Length2Edit", QStringLiteral("長さ（Ｌ２）"),
                              QStringLiteral("mm"), 320, 86);
  toleranceEdit_ = LabelledEdit(this, "ToleranceEdit", QStringLiteral("荷重の許容差"),
                                QStringLiteral("±%"), 320, 112, QStringLiteral("5"));

  boreEdit_ =
      LabelledEdit(this, "BoreEdit", QStringLiteral("穴径"), QStringLiteral("mm 以下"), 560, 8);
  rodEdit_ =
      LabelledEdit(this, "RodEdit", QStringLiteral("軸径"), QStringLiteral("mm 以上"), 560, 34);
  maxFreeLengthEdit_ = LabelledEdit(this, "MaxFreeLengthEdit", QStringLiteral("最大自由長さ"),
                                    QStringLiteral("mm"), 560, 60);
  meanMinEdit_ = LabelledEdit(this, "MeanDiameterMinEdit", QStringLiteral("平均径"),
                              QStringLiteral("～"), 560, 86);
  meanMaxEdit_ = PlaceEdit(this, "MeanDiameterMaxEdit", 740, 86, 64, QString());
  PlaceLabel(this, QStringLiteral("mm"), 808, 89);
  indexMinEdit_ = LabelledEdit(this, "IndexMinEdit", QStringLiteral("バネ指数"),
                               QStringLiteral("～"), 560, 112, QStringLiteral("4"));
  indexMaxEdit_ = PlaceEdit(this, "IndexMaxEdit", 740, 112, 64, QStringLiteral("22"));

  lifeCombo_ = LabelledCombo(this, "LifeCombo", QStringLiteral("期待寿命"), 8, 112, 120);
  lifeCombo_->addItem(QStringLiteral("指定なし"));
  for (int c = 0; c < kLowestLifeClass; ++c) lifeCombo_->addItem(Utf8(LifeClassNames[c]) + "以上");
  seatingCombo_ = LabelledCombo(this, "SeatingCombo", QStringLiteral("座屈（L2）"), 8, 138, 200);
  seatingCombo_->addItem(QStringLiteral("考慮しない"));
  for (Seating s : kSeatings) seatingCombo_->addItem(Utf8(SeatingName(s)));
  frequencyEdit_ = LabelledEdit(this, "FrequencyEdit", QStringLiteral("固有振動数"),
                                QStringLiteral("Hz 以上"), 320, 138);
  worstCaseCheck_ = Place<QCheckBox>(this, "WorstCaseCheck", 560, 138, 150, 22);
  worstCaseCheck_->setText(QStringLiteral("最悪ケースで判定"));
  worstCaseCheck_->setToolTip(QStringLiteral(
      "選んだ等級の許容差いっぱいでも、許容応力・期待寿命・穴径・軸径を満たす設計だけを残します"));
  worstCaseGradeCombo_ = PlaceCombo(this, "WorstCaseGradeCombo", 712, 138, 64);
  for (int grade = 1; grade <= kToleranceGrades; ++grade)
    worstCaseGradeCombo_->addItem(QStringLiteral("%1級").arg(grade));
  worstCaseGradeCombo_->setCurrentIndex(kDefaultGrade - 1);

  searchButton_ = Place<QPushButton>(this, "SearchButton", 8, 172, 80, 28);
  searchButton_->setText(QStringLiteral("探索"));
  resultLabel_ = Place<QLabel>(this, "ResultLabel", 100, 172, 880, 28);
  resultLabel_->setWordWrap(true);
  progressBar_ = Place<QProgressBar>(this, "SearchProgress", 100, 172, 400, 28);
  progressBar_->setRange(0, 1000);
  progressBar_->setFormat(QStringLiteral("%p%"));
  progressBar_->setTextVisible(true);
  cancelButton_ = Place<QPushButton>(this, "CancelButton", 508, 172, 80, 28);
  cancelButton_->setText(QStringLiteral("キャンセル"));
  progressTimer_ = new QTimer(this);
  progressTimer_->setInterval(50);
  connect(progressTimer_, &QTimer::timeout, this,
          [this] { progressBar_->setValue(progressPermille_.load()); });
  ShowSearching(false);

  candidateTable_ = Place<QTableWidget>(this, "CandidateTable", 8, 206, 984, 390);
  candidateTable_->setColumnCount(kColumnCount);
  QStringList headings;
  for (const char* c : kColumns) headings << Utf8(c);
  candidateTable_->setHorizontalHeaderLabels(headings);
  candidateTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  candidateTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
  candidateTable_->setSelectionMode(QAbstractItemView::SingleSelection);
  candidateTable_->horizontalHeader()->setMinimumSectionSize(30);
  candidateTable_->verticalHeader()->setDefaultSectionSize(20);

  adoptButton_ = Place<QPushButton>(this, "AdoptButton", 8, 604, 80, 28);
  adoptButton_->setText(QStringLiteral("採用"));
  adoptButton_->setToolTip(QStringLiteral("選んだ候補を現在の設計にして計算します"));
  historyButton_ = Place<QPushButton>(this, "HistoryButton", 96, 604, 80, 28);
  historyButton_->setText(QStringLiteral("履歴へ"));
  historyButton_->setToolTip(QStringLiteral("候補の一覧を履歴 1～30 に入れます"));

  ConnectGuarded(platform_, this, searchButton_, &QPushButton::clicked,
                 &DesignSearchDialog::Search);
  ConnectGuarded(platform_, this, cancelButton_, &QPushButton::clicked,
                 &DesignSearchDialog::CancelSearch);
  ConnectGuarded(platform_, this, adoptButton_, &QPushButton::clicked,
                 &DesignSearchDialog::AdoptChosen);
  ConnectGuarded(platform_, this, candidateTable_, &QTableWidget::cellDoubleClicked,
                 &DesignSearchDialog::AdoptRow);
  connect(historyButton_, &QPushButton::clicked, this, [this] {
    if (!candidates_.empty()) emit HistoryRequested();
  });
}

void DesignSearchDialog::FillMaterialList() {
  materialCombo_->addItem(QStringLiteral("すべての材料"));
  materialChoices_.push_back({});  // the whole database
  const std::vector<int> listed = SearchableMaterials(state_.materials());
  for (int kind = 0; kind < kKindCount; ++kind) {
    std::vector<int> members;
    for (int n : listed)
      if (state_.materials()[n].KindNo == kind) members.push_back(n);
    if (members.empty()) continue;
    materialCombo_->addItem(Utf8(SjisToUtf8(state_.materials()[members.front()].KindName.Raw())) +
                            QStringLiteral("（すべて）"));
    materialChoices_.push_back(members);
    for (int n : members) {
      materialCombo_->addItem(QStringLiteral("　") +
                              Utf8(SjisToUtf8(state_.materials()[n].Symbol.Raw())));
      materialChoices_.push_back({n});
    }
  }
}

SearchRequirements DesignSearchDialog::ReadRequirements() const {
  SearchRequirements q;
  const int material = materialCombo_->currentIndex();
  if (material > 0) q.materials = materialChoices_[static_cast<std::size_t>(material)];
  // Entry 0 is "すべて": the end forms follow it in their order.
  if (const auto end = CodeFrom<EndKind>(endKindCombo_->currentIndex() - 1)) q.endKinds = {*end};
  q.loadUnit = loadUnitCombo_->currentIndex() == 1 ? LoadUnit::Kgf : LoadUnit::Newton;
  q.rank = kRankings[static_cast<std::size_t>(std::max(0, rankCombo_->currentIndex()))];
  q.P1 = FieldNumber(load1Edit_, "荷重（Ｐ１）");
  q.L1 = FieldNumber(length1Edit_, "長さ（Ｌ１）");
  q.P2 = FieldNumber(load2Edit_, "荷重（Ｐ２）");
  q.L2 = FieldNumber(length2Edit_, "長さ（Ｌ２）");
  q.loadTolerance = FieldNumber(toleranceEdit_, "荷重の許容差") / 100;
  q.bore = OptionalField(boreEdit_, "穴径");
  q.rod = OptionalField(rodEdit_, "軸径");
  q.maxFreeLength = OptionalField(maxFreeLengthEdit_, "最大自由長さ");
  const std::optional<double> meanMin = OptionalField(meanMinEdit_, "平均径（下限）");
  const std::optional<double> meanMax = OptionalField(meanMaxEdit_, "平均径（上限）");
  if (meanMin || meanMax) q.meanDiameter = ValueRange{meanMin.value_or(0), meanMax.value_or(1e9)};
  q.springIndex = {FieldNumber(indexMinEdit_, "バネ指数（下限）"),
                   FieldNumber(indexMaxEdit_, "バネ指数（上限）")};
  if (lifeCombo_->currentIndex() > 0) q.lifeAtLeast = lifeCombo_->currentIndex() - 1;
  if (seatingCombo_->currentIndex() > 0)
    q.seating = kSeatings[static_cast<std::size_t>(seatingCombo_->currentIndex() - 1)];
  q.minNaturalFrequency = OptionalField(frequencyEdit_, "固有振動数");
  if (worstCaseCheck_->isChecked()) q.worstCaseGrade = worstCaseGradeCombo_->currentIndex() + 1;
  q.top = kShownCandidates;
  return q;
}

// A search this wide takes many seconds; the designer may narrow it first or let it run, since
// it can be cancelled.
bool DesignSearchDialog::MayGoOnWith(const SearchRequirements& q) {
  const std::int64_t count = EstimateCandidateCount(q, state_.materials());
  if (count <= kMostCandidatesSearched) return true;
  return platform_.Confirm(
      this,
      QStringLiteral("この条件では候補が %1 件になり、探索に時間がかかります。\n"
                     "材料・座巻き・平均径・バネ指数・穴径・軸径の範囲を絞ると速くなります。\n"
                     "このまま探索しますか？（探索中はキャンセルで止められます）")
          .arg(count));
}

void DesignSearchDialog::Search() {
  if (Searching()) return;
  SearchRequirements q;
  try {
    q = ReadRequirements();
  } catch (const UserError&) {
    ShowCandidates({});  // the old list answered other requirements
    throw;
  }
  if (!MayGoOnWith(q)) return;
  cancel_ = false;
  progressPermille_ = 0;
  ShowSearching(true);
  // The thread works on copies: the material editor may change the database meanwhile.
  searcher_ = std::thread([this, q, materials = state_.materials(), settings = state_.settings] {
    SearchControl control;
    control.cancel = &cancel_;
    control.progress = FurthestProgress(progressPermille_);
    SearchResult result = SearchDesigns(q, materials, settings, 0, control);
    // Queued to the window's thread; dropped if the window is gone by then.
    QMetaObject::invokeMethod(
        this, [this, result = std::move(result)] { FinishSearch(result); }, Qt::QueuedConnection);
  });
}

void DesignSearchDialog::CancelSearch() { cancel_ = true; }

void DesignSearchDialog::ShowSearching(bool searching) {
  ShowSearchingState(searching, searchButton_, resultLabel_, progressBar_, cancelButton_,
                     progressTimer_);
}

void DesignSearchDialog::FinishSearch(const SearchResult& result) {
  searcher_.join();
  ShowSearching(false);
  if (result.cancelled) {
    resultLabel_->setText(CancelledSearchText());
    return;
  }
  ShowCandidates(result);
  if (!result.problem.empty()) {
    platform_.ShowMessage(this, MessageKind::Warning, Utf8(result.problem));
    return;
  }
  const bool empty = result.candidates.empty();
  resultLabel_->setText(SearchSummaryText(result.evaluated, result.kept, result.seconds, empty,
                                          empty ? NothingFoundMessage(result) : std::string()));
}

void DesignSearchDialog::ShowCandidates(const SearchResult& result) {
  candidates_ = result.candidates;
  resultLabel_->setText(Utf8(result.problem));
  FillCandidateTable();
  if (!candidates_.empty()) candidateTable_->selectRow(0);
}

// The list speaks the main window's units whatever unit the requirements were typed in, so the
// designer compares a candidate with the main window's numbers without converting.
void DesignSearchDialog::FillCandidateTable() {
  const auto caption = [this](const char* name, Quantity quantity) {
    return Utf8(name) + "(" + Utf8(UnitCaption(quantity, units_)) + ")";
  };
  candidateTable_->horizontalHeaderItem(kRateColumn)
      ->setText(caption(kColumns[kRateColumn], Quantity::Rate));
  candidateTable_->horizontalHeaderItem(kLoad1Column)
      ->setText(caption(kColumns[kLoad1Column], Quantity::Load));
  candidateTable_->horizontalHeaderItem(kLoad2Column)
      ->setText(caption(kColumns[kLoad2Column], Quantity::Load));
  const int currentRow = candidateTable_->currentRow();
  candidateTable_->clearContents();
  candidateTable_->setRowCount(static_cast<int>(candidates_.size()));
  for (int row = 0; row < candidateTable_->rowCount(); ++row) {
    const SearchCandidate& c = candidates_[static_cast<std::size_t>(row)];
    const DesignRecord& r = c.design;
    const QString cells[kColumnCount] = {
        Utf8(SjisToUtf8(MaterialOf(state_.materials(), r.MaterialNo).Symbol.Raw())),
        FullText(r.WireDiameter),
        FullText(r.MeanDiameter),
        FullText(r.OuterDiameter),
        FullText(r.InnerDiameter),
        FullText(r.TotalTurns),
        FullText(r.ActiveTurns),
        // One end form a line: joined on one line they made the column too wide for the
        // window.
        Utf8(EndFormsText(c, "\n")),
        FullText(r.FreeLength),
        ShortText(ShownValue(r.SpringRate, Quantity::Rate, units_)),
        ShortText(ShownValue(r.Load1, Quantity::Load, units_)),
        ShortText(ShownValue(r.Load2, Quantity::Load, units_)),
        ShortText(c.stressRatio),
        Utf8(LifeClassText(r.LifeClass)),
        ShortText(c.mass),
        Utf8(VerdictText(c.reference.buckling)),
    };
    for (int column = 0; column < kColumnCount; ++column)
      candidateTable_->setItem(row, column, new QTableWidgetItem(cells[column]));
  }
  candidateTable_->resizeColumnsToContents();
  candidateTable_->resizeRowsToContents();
  // A switch of units must not lose the candidate the designer has picked.
  if (currentRow >= 0 && currentRow < candidateTable_->rowCount())
    candidateTable_->selectRow(currentRow);
}

void DesignSearchDialog::AdoptChosen() {
  const int row = candidateTable_->currentRow();
  if (row >= 0 && row < static_cast<int>(candidates_.size())) emit AdoptRequested(row);
}

void DesignSearchDialog::AdoptRow(int row, int) {
  if (row >= 0 && row < static_cast<int>(candidates_.size())) emit AdoptRequested(row);
}

}  // namespace coilspring
