#include "ui/main_window/reference_page.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <string>

#include "core/calc/reference_rows.h"
#include "core/text/text_number.h"
#include "ui/platform/widgets.h"

namespace coilspring {

namespace {

const QColor kCautionInk(255, 0, 0);

bool SameMaterial(const MaterialRecord& a, const MaterialRecord& b) {
  return a.KindName == b.KindName && a.Symbol == b.Symbol;
}

}  // namespace

ReferencePage::ReferencePage(QWidget* parent) : QWidget(parent) {
  setObjectName("ReferencePage");
  seatingBox_ = new QComboBox(this);
  seatingBox_->setObjectName("ReferenceSeating");
  for (Seating s : kSeatings) seatingBox_->addItem(Utf8(SeatingName(s)));
  seatingBox_->setCurrentIndex(0);
  densityEdit_ = new QLineEdit(this);
  densityEdit_->setObjectName("ReferenceDensity");
  densityEdit_->setFixedWidth(64);
  densityEdit_->setText(ShortText(kSteelDensity));

  grid_ = new QTableWidget(0, 4, this);
  grid_->setObjectName("ReferenceGrid");
  grid_->setHorizontalHeaderLabels({QStringLiteral("項目"), QStringLiteral("値"),
                                    QStringLiteral("単位"), QStringLiteral("判定")});
  grid_->verticalHeader()->setVisible(false);
  grid_->verticalHeader()->setDefaultSectionSize(18);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::NoSelection);
  grid_->setColumnWidth(0, 260);
  grid_->setColumnWidth(1, 260);
  grid_->setColumnWidth(2, 80);
  grid_->horizontalHeader()->setStretchLastSection(true);

  auto* controls = new QHBoxLayout;
  controls->addWidget(new QLabel(QStringLiteral("座屈の端末条件"), this));
  controls->addWidget(seatingBox_);
  controls->addSpacing(16);
  controls->addWidget(new QLabel(QStringLiteral("密度"), this));
  controls->addWidget(densityEdit_);
  controls->addWidget(new QLabel(QStringLiteral("g/cm^3"), this));
  controls->addStretch();
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(4, 4, 4, 4);
  page->setSpacing(4);
  page->addLayout(controls);
  page->addWidget(grid_);

  connect(seatingBox_, &QComboBox::currentIndexChanged, this, [this] { Recompute(); });
  connect(densityEdit_, &QLineEdit::editingFinished, this, [this] { Recompute(); });
}

void ReferencePage::Refresh(const DesignRecord& design, const MaterialRecord& material) {
  if (!design_ || !SameMaterial(material, material_))
    densityEdit_->setText(ShortText(DefaultDensity(material)));
  design_ = design;
  material_ = material;
  Recompute();
}

// A density that is no positive number leaves the natural frequency without a value; the
// rest of the tab does not depend on it.
double ReferencePage::DensityFromBox() const {
  try {
    return ParseDecimal(densityEdit_->text().trimmed().toStdString());
  } catch (const std::exception&) {
    return 0.0;
  }
}

void ReferencePage::Recompute() {
  if (!design_) return;
  const int seating = std::max(seatingBox_->currentIndex(), 0);
  checks_ = ComputeReferenceChecks(*design_, material_, {kSeatings[seating], DensityFromBox()});
  ShowChecks();
}

void ReferencePage::ShowChecks() {
  const std::vector<ReferenceRow> rows = ReferenceRows(*checks_);
  grid_->setRowCount(static_cast<int>(rows.size()));
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    const ReferenceRow& row = rows[i];
    const std::string cells[] = {row.item, row.value, row.unit, VerdictText(row.verdict)};
    for (int column = 0; column < 4; ++column) {
      // The items stay from one design to the next; only what changes is written.
      QTableWidgetItem* item = grid_->item(i, column);
      if (item == nullptr) {
        item = new QTableWidgetItem;
        if (column > 0) item->setTextAlignment(Qt::AlignCenter);
        grid_->setItem(i, column, item);
      }
      item->setText(Utf8(cells[column]));
      const bool caution = column == 3 && row.verdict == Verdict::Caution;
      item->setData(Qt::ForegroundRole, caution ? QVariant(QBrush(kCautionInk)) : QVariant());
    }
  }
}

}  // namespace coilspring
