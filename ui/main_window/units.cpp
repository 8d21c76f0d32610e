// The units of loads, the spring rate and stresses on screen: kgf, kgf/mm and kgf/mm^2 as the
// design holds them, or N, N/mm and N/mm^2. The choice is the user's own and is kept in the
// user's configuration, never in the settings file or a design file.
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTableWidget>
#include <QVariant>

#include "core/display/history.h"
#include "core/text/text_number.h"
#include "core/text/user_error.h"
#include "ui/dialogs/design_search_dialog.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/reference_page.h"
#include "ui/widgets/widgets.h"

namespace coilspring {

namespace {

const QString kUnitsKey = QStringLiteral("units");
// Each box and label showing a converted number keeps the value in the record's units and the
// text made of it: a switch shows that value again rather than converting a rounded text.
constexpr const char* kStoredValue = "storedValue";
constexpr const char* kShownText = "shownText";
// A number the user typed and has not calculated yet: its own text and the units it was typed
// in, so that switching back shows it exactly as typed.
constexpr const char* kTypedText = "typedText";
constexpr const char* kTypedIn = "typedIn";

QString UnitText(Quantity quantity, UnitSystem units) { return Utf8(UnitCaption(quantity, units)); }

void WriteSavedUnits(UnitSystem units) {
  QSettings settings(QSettings::UserScope, QStringLiteral("coilspring"),
                     QStringLiteral("coilspring"));
  settings.setValue(kUnitsKey, QString::fromLatin1(UnitSystemName(units)));
}

UnitSystem ReadSavedUnits() {
  const QSettings settings(QSettings::UserScope, QStringLiteral("coilspring"),
                           QStringLiteral("coilspring"));
  return UnitSystemNamed(settings.value(kUnitsKey).toString().toStdString())
      .value_or(UnitSystem::Gravitational);
}

}  // namespace

void MainWindow::ApplySavedUnits() {
  units_ = ReadSavedUnits();
  ShowUnitCaptions();
  referencePage_->SetUnits(units_);
}

void MainWindow::ShowUnitCaptions() {
  for (const auto& [label, quantity] : unitCaptions_) {
    label->setText(UnitText(quantity, units_));
    label->adjustSize();
  }
}

void MainWindow::ShowQuantity(QLineEdit* box, double stored, Quantity quantity) {
  const QString text = ShortText(ShownValue(stored, quantity, units_));
  box->setText(text);
  box->setProperty(kStoredValue, stored);
  box->setProperty(kShownText, text);
  box->setProperty(kTypedText, QVariant());
}

void MainWindow::ShowMaxLoad(double stored) {
  maxLoadLabel_->setText(QStringLiteral("最大荷重=") +
                         ShortText(ShownValue(stored, Quantity::Load, units_)) +
                         UnitText(Quantity::Load, units_));
  maxLoadLabel_->setProperty(kStoredValue, stored);
}

// A load typed in N is taken into the design in kgf here, once.
double MainWindow::ReadLoadBox(const QLineEdit* box) const {
  return StoredValue(BoxNumber(box), Quantity::Load, units_);
}

void MainWindow::ToggleUnits() {
  const UnitSystem before = units_;
  units_ = before == UnitSystem::SI ? UnitSystem::Gravitational : UnitSystem::SI;
  WriteSavedUnits(units_);
  ShowUnitCaptions();
  ShowAgainInUnits(before);
}

void MainWindow::ShowAgainInUnits(UnitSystem before) {
  const std::pair<QLineEdit*, Quantity> boxes[] = {{load1Edit_, Quantity::Load},
                                                   {load2Edit_, Quantity::Load},
                                                   {springRateEdit_, Quantity::Rate},
                                                   {stress2Edit_, Quantity::Stress},
                                                   {allowableStressEdit_, Quantity::Stress}};
  for (const auto& [box, quantity] : boxes) {
    const QVariant stored = box->property(kStoredValue);
    const bool unchanged = stored.isValid() && box->text() == box->property(kShownText).toString();
    const QVariant typed = box->property(kTypedText);
    if (unchanged && typed.isValid() && box->property(kTypedIn).toInt() == int(units_)) {
      box->setText(typed.toString());
      for (const char* name : {kStoredValue, kShownText, kTypedText})
        box->setProperty(name, QVariant());
    } else if (unchanged) {
      ShowQuantity(box, stored.toDouble(), quantity);
      box->setProperty(kTypedText, typed);
    } else if (!box->isReadOnly()) {
      // A load typed and not calculated yet goes over into the new units; a text that is no
      // number stays for the next reading to report.
      const QString text = box->text();
      try {
        ShowQuantity(box, StoredValue(ParseDecimal(text.toStdString()), quantity, before),
                     quantity);
        box->setProperty(kTypedText, text);
        box->setProperty(kTypedIn, int(before));
      } catch (const UserError&) {
      }
    }
  }
  const QVariant maxLoad = maxLoadLabel_->property(kStoredValue);
  if (maxLoad.isValid()) ShowMaxLoad(maxLoad.toDouble());
  if (historyGrid_->rowCount() == kHistoryRows) FillHistoryGrid();
  referencePage_->SetUnits(units_);
  if (designSearch_ != nullptr) designSearch_->SetUnits(units_);
}

}  // namespace coilspring
