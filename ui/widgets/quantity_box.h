// Boxes and captions of quantities that have units (loads, the rate, stresses): the record keeps
// the gravitational units, the screen shows the units the user chose.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <optional>

#include "core/display/display_units.h"

namespace coilspring {

// A box that remembers the value it shows in the record's units and the text made of it, so a
// switch of units shows that value again rather than converting a rounded text. A number the user
// typed and has not calculated yet keeps its own text and the units it was typed in: switching
// back shows it exactly as typed.
class QuantityBox final : public QLineEdit {
 public:
  // A box of the placed edits' height at a fixed place, as PlaceEdit makes them.
  QuantityBox(QWidget* parent, const char* name, Quantity quantity, QPoint place, int width);
  // A box for a layout to place. Its short text stands for the exact value it shows: read while
  // the user has not changed it, it gives that value back, so showing 4 digits loses none.
  QuantityBox(const char* name, Quantity quantity);

  // Shows `stored` (record units) in `units`, in the short number format (every digit with
  // `full`, which a switch of units keeps).
  void ShowStored(double stored, UnitSystem units, bool full = false);
  // The box's number taken into the record's units; a text that is no number throws the
  // conversion error, as every number box does.
  double ReadStored(UnitSystem units) const;
  // Shows the box again in `now` after the user switched from `before`.
  void SwitchUnits(UnitSystem before, UnitSystem now);

 private:
  Quantity quantity_;
  bool keepsExact_ = false;
  std::optional<double> stored_;  // the value shown, while the box still shows it
  bool full_ = false;
  QString shownText_;
  std::optional<QString> typedText_;
  UnitSystem typedIn_ = UnitSystem::Gravitational;
};

// The unit caption beside a quantity ("kgf", "N/mm^2", ...).
class UnitLabel final : public QLabel {
 public:
  UnitLabel(QWidget* parent, const char* name, Quantity quantity, int x, int y);
  void Show(UnitSystem units);

 private:
  Quantity quantity_;
};

}  // namespace coilspring
