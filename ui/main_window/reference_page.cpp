#include "ui/main_window/reference_page.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <exception>
#include <optional>
#include <string>

#include "core/compression/design_units.h"
#include "core/compression/reference_rows.h"
#include "core/display/reference_rows.h"
#include "core/text/text_number.h"
#include "ui/widgets/widgets.h"

namespace coilspring {

namespace {

const QColor kCautionInk(255, 0, 0);

bool SameMaterial(const MaterialRecord& a, const MaterialRecord& b) {
  return a.KindName == b.KindName && a.Symbol == b.Symbol;
}

// A box that holds no number gives no value: the rows that need it show "―", no message box
// interrupts the designer, and the rest of the tab stays.
std::optional<double> NumberIn(const QLineEdit* box) {
  try {
    return ParseDecimal(box->text().trimmed().toStdString());
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

QLineEdit* NumberBox(QWidget* parent, const char* name, const QString& text) {
  auto* box = new QLineEdit(text, parent);
  box->setObjectName(name);
  box->setFixedWidth(64);
  return box;
}

void AddLabelled(QHBoxLayout* row, QWidget* parent, const char* label, QWidget* box,
                 const char* unit) {
  row->addWidget(new QLabel(Utf8(label), parent));
  row->addWidget(box);
  if (*unit != 0) row->addWidget(new QLabel(Utf8(unit), parent));
  row->addSpacing(16);
}

}  // namespace

ReferencePage::ReferencePage(QWidget* parent) : LazyPage(parent) {
  setObjectName("ReferencePage");
}

void ReferencePage::Build() {
  seatingBox_ = new QComboBox(this);
  seatingBox_->setObjectName("ReferenceSeating");
  for (Seating s : kSeatings) seatingBox_->addItem(Utf8(SeatingName(s)));
  seatingBox_->setCurrentIndex(0);
  densityEdit_ = NumberBox(this, "ReferenceDensity", ShortText(kSteelDensity));
  gradeBox_ = new QComboBox(this);
  gradeBox_->setObjectName("ReferenceGrade");
  for (int grade = 1; grade <= kToleranceGrades; ++grade)
    gradeBox_->addItem(QString::number(grade) + QStringLiteral("級"));
  gradeBox_->setCurrentIndex(kDefaultGrade - 1);
  boreEdit_ = NumberBox(this, "ReferenceBore", QString());
  rodEdit_ = NumberBox(this, "ReferenceRod", QString());
  temperatureEdit_ = NumberBox(this, "ReferenceTemperature", ShortText(kRoomTemperature));

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
  AddLabelled(controls, this, "座屈の端末条件", seatingBox_, "");
  AddLabelled(controls, this, "密度", densityEdit_, "g/cm^3");
  AddLabelled(controls, this, "運転温度", temperatureEdit_, "℃");
  controls->addStretch();
  auto* worstCase = new QHBoxLayout;
  AddLabelled(worstCase, this, "最悪ケースの等級", gradeBox_, "");
  AddLabelled(worstCase, this, "穴径", boreEdit_, "mm");
  AddLabelled(worstCase, this, "軸径", rodEdit_, "mm");
  worstCase->addStretch();
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(4, 4, 4, 4);
  page->setSpacing(4);
  page->addLayout(controls);
  page->addLayout(worstCase);
  page->addWidget(grid_);

  connect(seatingBox_, &QComboBox::currentIndexChanged, this, [this] { Recompute(); });
  connect(gradeBox_, &QComboBox::currentIndexChanged, this, [this] { Recompute(); });
  for (QLineEdit* box : {densityEdit_, boreEdit_, rodEdit_, temperatureEdit_})
    connect(box, &QLineEdit::editingFinished, this, [this] { Recompute(); });
  if (design_) {
    densityEdit_->setText(ShortText(DefaultDensity(material_)));
    Recompute();
  }
}

void ReferencePage::Refresh(const DesignRecord& design, const MaterialRecord& material) {
  const bool newMaterial = !design_ || !SameMaterial(material, material_);
  design_ = design;
  material_ = material;
  if (!IsBuilt()) return;
  if (newMaterial) densityEdit_->setText(ShortText(DefaultDensity(material)));
  Recompute();
}

// A density that is no positive number leaves the natural frequency and the mass without a
// value; the rest of the tab does not depend on it.
double ReferencePage::DensityFromBox() const { return NumberIn(densityEdit_).value_or(0.0); }

void ReferencePage::Recompute() {
  if (!design_) return;
  ReferenceInputs inputs;
  inputs.seating = kSeatings[std::max(seatingBox_->currentIndex(), 0)];
  inputs.density = DensityFromBox();
  inputs.grade = std::max(gradeBox_->currentIndex(), 0) + 1;
  inputs.bore = NumberIn(boreEdit_);
  inputs.rod = NumberIn(rodEdit_);
  inputs.temperature = NumberIn(temperatureEdit_).value_or(NAN);
  checks_ = ComputeReferenceChecks(*design_, material_, inputs);
  ShowChecks();
}

void ReferencePage::SetUnits(UnitSystem units) {
  units_ = units;
  if (checks_) ShowChecks();
}

void ReferencePage::ShowChecks() {
  const std::vector<ReferenceRow> rows = ReferenceRows(ShownReferenceChecks(*checks_, units_));
  grid_->setRowCount(static_cast<int>(rows.size()));
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    const ReferenceRow& row = rows[i];
    const std::string cells[] = {row.item, row.value, ShownUnit(row.unit, units_),
                                 VerdictText(row.verdict)};
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
