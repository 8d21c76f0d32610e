#include "ui/dialogs/kind_search_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "core/extension/extension_search.h"
#include "core/text/text_number.h"
#include "core/text/user_error.h"
#include "core/torsion/torsion_search.h"
#include "json/json_text.h"
#include "json/requirements_json.h"
#include "ui/dialogs/search_dialog_parts.h"
#include "ui/platform/handler_guard.h"
#include "ui/widgets/widgets.h"

namespace coilspring {

namespace {

// The kinds this window searches: the reader of the kind's document and its search, bound to
// the window's kind-free Outcome.
template <class Requirements, class Read, class Run>
KindSearchDialog::Prepared PrepareKind(Read read, Run run, std::string_view text,
                                       const CalculatorState& state, UnitSystem units) {
  const Requirements q = read(text, state.materials());
  return {EstimateCandidateCount(q, state.materials()),
          [q, run, units, materials = state.materials(),
           settings = state.settings](const SearchControl& control) {
            const auto result = run(q, materials, settings, control);
            KindSearchDialog::Outcome o{result.problem,
                                        result.cancelled,
                                        result.evaluated,
                                        result.kept,
                                        result.seconds,
                                        NothingFoundMessage(result),
                                        CandidateHeadings(q, units),
                                        {},
                                        {}};
            std::vector<decltype(result.candidates.front().design)> designs;
            for (const auto& c : result.candidates) {
              o.rows.push_back(CandidateCells(c, materials, units));
              designs.push_back(c.design);
            }
            o.designs = std::move(designs);
            return o;
          }};
}

KindSearchDialog::Prepared PrepareSearch(SpringKind kind, std::string_view text,
                                         const CalculatorState& state, UnitSystem units) {
  if (kind == SpringKind::Torsion)
    return PrepareKind<TorsionRequirements>(
        ReadTorsionRequirementsJson,
        [](const TorsionRequirements& q, const MaterialTable& m, const CoefficientSettings&,
           const SearchControl& c) { return SearchDesigns(q, m, 0, c); },
        text, state, units);
  return PrepareKind<ExtensionRequirements>(
      ReadExtensionRequirementsJson,
      [](const ExtensionRequirements& q, const MaterialTable& m, const CoefficientSettings& s,
         const SearchControl& c) { return SearchDesigns(q, m, s, 0, c); },
      text, state, units);
}

// The numbers or names of a box, separated by commas or blanks.
QStringList Items(const QString& text) {
  return text.split(QRegularExpression(QStringLiteral("[,、，\\s]+")), Qt::SkipEmptyParts);
}

// A typed number; one that is not is refused naming its box.
std::string NumberJson(const QString& text, const char* label) {
  try {
    return JsonNumber(ParseDecimal(text.toStdString()));
  } catch (const UserError& e) {
    throw UserError(std::string(label) + "：" + e.what());
  }
}

}  // namespace

KindSearchDialog::KindSearchDialog(SpringKind kind, const CalculatorState& state,
                                   Platform& platform, UnitSystem units, QWidget* parent)
    : QDialog(parent),
      kind_(kind),
      search_(SearchOf(kind)),
      state_(state),
      platform_(platform),
      units_(units) {
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  setObjectName("KindDesignSearch");
  setWindowTitle(QStringLiteral("設計支援（%1）").arg(Utf8(InfoOf(kind).japaneseName)));
  setFont(GothicFont(12));
  BuildControls();
  resize(1300, 640);
}

KindSearchDialog::~KindSearchDialog() {
  cancel_ = true;
  if (searcher_.joinable()) searcher_.join();
}

void KindSearchDialog::BuildControls() {
  auto* form = new QGridLayout;
  constexpr int kPerRow = 4;
  int at = 0;
  for (const RequirementKey& key : search_.keys) {
    const int row = at / kPerRow, column = at % kPerRow * 3;
    ++at;
    form->addWidget(new QLabel(Utf8(key.label)), row, column);
    const std::string_view name = key.name;
    if (name == "rank" || name == "loadUnit") {
      auto* combo = new QComboBox;
      combo->setObjectName(QLatin1String(key.name));
      if (name == "rank") {
        for (const SearchRank& rank : search_.ranks) combo->addItem(Utf8(rank.name));
        rankCombo_ = combo;
      } else {
        combo->addItems({QStringLiteral("N"), QStringLiteral("kgf")});
        combo->setCurrentIndex(units_ == UnitSystem::SI ? 0 : 1);
        loadUnitCombo_ = combo;
      }
      form->addWidget(combo, row, column + 1);
      continue;
    }
    auto* box = new QLineEdit(Utf8(key.defaultText));
    box->setObjectName(QLatin1String(key.name));
    box->setMinimumWidth(90);
    form->addWidget(box, row, column + 1);
    if (*key.unit != '\0') form->addWidget(new QLabel(Utf8(key.unit)), row, column + 2);
    boxes_.push_back(box);
  }

  searchButton_ = new QPushButton(QStringLiteral("探索"));
  searchButton_->setObjectName("SearchButton");
  resultLabel_ = new QLabel;
  resultLabel_->setObjectName("ResultLabel");
  resultLabel_->setWordWrap(true);
  progressBar_ = new QProgressBar;
  progressBar_->setObjectName("SearchProgress");
  progressBar_->setRange(0, 1000);
  progressBar_->setFormat(QStringLiteral("%p%"));
  progressBar_->setTextVisible(true);
  cancelButton_ = new QPushButton(QStringLiteral("キャンセル"));
  cancelButton_->setObjectName("CancelButton");
  progressTimer_ = new QTimer(this);
  progressTimer_->setInterval(50);
  connect(progressTimer_, &QTimer::timeout, this,
          [this] { progressBar_->setValue(progressPermille_.load()); });
  auto* searchRow = new QHBoxLayout;
  searchRow->addWidget(searchButton_);
  searchRow->addWidget(resultLabel_, 1);
  searchRow->addWidget(progressBar_, 1);
  searchRow->addWidget(cancelButton_);

  candidateTable_ = new QTableWidget;
  candidateTable_->setObjectName("CandidateTable");
  candidateTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  candidateTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
  candidateTable_->setSelectionMode(QAbstractItemView::SingleSelection);
  candidateTable_->horizontalHeader()->setMinimumSectionSize(30);
  candidateTable_->verticalHeader()->setDefaultSectionSize(20);

  adoptButton_ = new QPushButton(QStringLiteral("採用"));
  adoptButton_->setObjectName("AdoptButton");
  adoptButton_->setToolTip(QStringLiteral("選んだ候補をこのばねの設計にします"));
  historyButton_ = new QPushButton(QStringLiteral("履歴へ"));
  historyButton_->setObjectName("HistoryButton");
  historyButton_->setToolTip(QStringLiteral("候補の一覧を履歴 1～30 に入れます"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(adoptButton_);
  buttons->addWidget(historyButton_);
  buttons->addStretch();

  auto* page = new QVBoxLayout(this);
  page->addLayout(form);
  page->addLayout(searchRow);
  page->addWidget(candidateTable_, 1);
  page->addLayout(buttons);
  ShowSearching(false);

  ConnectGuarded(platform_, this, searchButton_, &QPushButton::clicked, &KindSearchDialog::Search);
  ConnectGuarded(platform_, this, cancelButton_, &QPushButton::clicked,
                 &KindSearchDialog::CancelSearch);
  ConnectGuarded(platform_, this, adoptButton_, &QPushButton::clicked,
                 &KindSearchDialog::AdoptChosen);
  ConnectGuarded(platform_, this, candidateTable_, &QTableWidget::cellDoubleClicked,
                 &KindSearchDialog::AdoptRow);
  connect(historyButton_, &QPushButton::clicked, this, [this] {
    if (candidateCount_ > 0) emit HistoryRequested();
  });
}

std::string KindSearchDialog::RequirementText() const {
  JsonMembers members{{"kind", JsonString(InfoOf(kind_).jsonName)}};
  members.emplace_back("loadUnit", JsonString(loadUnitCombo_->currentIndex() == 1 ? "kgf" : "N"));
  members.emplace_back(
      "rank",
      JsonString(
          search_.ranks[static_cast<std::size_t>(std::max(0, rankCombo_->currentIndex()))].key));
  for (const QLineEdit* box : boxes_) {
    const QString text = box->text().trimmed();
    if (text.isEmpty()) continue;
    const std::string name = box->objectName().toStdString();
    const RequirementKey& key = *FindRequirementKey(search_, name);
    std::vector<std::string> items;
    switch (key.form) {
      case RequirementForm::Number:
        members.emplace_back(name, NumberJson(text, key.label));
        continue;
      case RequirementForm::Word:
        members.emplace_back(name, JsonString(text.toStdString()));
        continue;
      case RequirementForm::Range:
      case RequirementForm::Codes:
        for (const QString& item : Items(text)) items.push_back(NumberJson(item, key.label));
        break;
      case RequirementForm::Texts:
        for (const QString& item : Items(text)) items.push_back(JsonString(item.toStdString()));
        break;
    }
    members.emplace_back(name, JsonArray(items));
  }
  return JsonObject(members);
}

void KindSearchDialog::Search() {
  if (Searching()) return;
  Prepared prepared;
  try {
    prepared = PrepareSearch(kind_, RequirementText(), state_, units_);
  } catch (const UserError&) {
    ShowList({});  // the old list answered other requirements
    throw;
  }
  if (prepared.count > kMostCandidatesSearched &&
      !platform_.Confirm(
          this, QStringLiteral("この条件では候補が %1 件になり、探索に時間がかかります。\n"
                               "材料・平均径・バネ指数・穴径の範囲を絞ると速くなります。\n"
                               "このまま探索しますか？（探索中はキャンセルで止められます）")
                    .arg(prepared.count)))
    return;
  cancel_ = false;
  progressPermille_ = 0;
  ShowSearching(true);
  searcher_ = std::thread([this, run = std::move(prepared.run)] {
    SearchControl control;
    control.cancel = &cancel_;
    control.progress = FurthestProgress(progressPermille_);
    Outcome outcome = run(control);
    // Queued to the window's thread; dropped if the window is gone by then.
    QMetaObject::invokeMethod(
        this, [this, outcome = std::move(outcome)] { FinishSearch(outcome); },
        Qt::QueuedConnection);
  });
}

void KindSearchDialog::CancelSearch() { cancel_ = true; }

void KindSearchDialog::ShowSearching(bool searching) {
  ShowSearchingState(searching, searchButton_, resultLabel_, progressBar_, cancelButton_,
                     progressTimer_);
}

void KindSearchDialog::FinishSearch(const Outcome& outcome) {
  searcher_.join();
  ShowSearching(false);
  if (outcome.cancelled) {
    resultLabel_->setText(CancelledSearchText());
    return;
  }
  ShowList(outcome);
  if (!outcome.problem.empty()) {
    platform_.ShowMessage(this, MessageKind::Warning, Utf8(outcome.problem));
    return;
  }
  resultLabel_->setText(SearchSummaryText(outcome.evaluated, outcome.kept, outcome.seconds,
                                          outcome.rows.empty(), outcome.nothingFound));
}

void KindSearchDialog::ShowList(const Outcome& outcome) {
  designs_ = outcome.designs;
  candidateCount_ = static_cast<int>(outcome.rows.size());
  resultLabel_->setText(Utf8(outcome.problem));
  candidateTable_->clear();
  candidateTable_->setColumnCount(static_cast<int>(outcome.headings.size()));
  QStringList headings;
  for (const std::string& heading : outcome.headings) headings << Utf8(heading);
  candidateTable_->setHorizontalHeaderLabels(headings);
  candidateTable_->setRowCount(candidateCount_);
  for (int row = 0; row < candidateCount_; ++row) {
    const std::vector<std::string>& cells = outcome.rows[static_cast<std::size_t>(row)];
    for (std::size_t column = 0; column < cells.size(); ++column)
      candidateTable_->setItem(row, static_cast<int>(column),
                               new QTableWidgetItem(Utf8(cells[column])));
  }
  candidateTable_->resizeColumnsToContents();
  if (candidateCount_ > 0) candidateTable_->selectRow(0);
}

void KindSearchDialog::AdoptChosen() {
  const int row = candidateTable_->currentRow();
  if (row >= 0 && row < candidateCount_) emit AdoptRequested(row);
}

void KindSearchDialog::AdoptRow(int row, int) {
  if (row >= 0 && row < candidateCount_) emit AdoptRequested(row);
}

}  // namespace coilspring
