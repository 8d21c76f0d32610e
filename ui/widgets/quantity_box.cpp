#include "ui/widgets/quantity_box.h"

#include "core/text/text_number.h"
#include "core/text/user_error.h"
#include "ui/widgets/placement.h"
#include "ui/widgets/qt_text.h"

namespace coilspring {

QuantityBox::QuantityBox(QWidget* parent, const char* name, Quantity quantity, QPoint place,
                         int width)
    : QLineEdit(parent), quantity_(quantity) {
  setObjectName(QString::fromLatin1(name));
  setGeometry(place.x(), place.y(), width, kPlacedEditHeight);
}

QuantityBox::QuantityBox(const char* name, Quantity quantity)
    : quantity_(quantity), keepsExact_(true) {
  setObjectName(QString::fromLatin1(name));
}

void QuantityBox::ShowStored(double stored, UnitSystem units, bool full) {
  const double shown = ShownValue(stored, quantity_, units);
  shownText_ = full ? FullText(shown) : ShortText(shown);
  full_ = full;
  setText(shownText_);
  stored_ = stored;
  typedText_.reset();
}

double QuantityBox::ReadStored(UnitSystem units) const {
  if (keepsExact_ && stored_ && text() == shownText_) return *stored_;
  return StoredValue(BoxNumber(this), quantity_, units);
}

void QuantityBox::SwitchUnits(UnitSystem before, UnitSystem now) {
  const bool unchanged = stored_ && text() == shownText_;
  if (unchanged && typedText_ && typedIn_ == now) {
    setText(*typedText_);
    stored_.reset();
    typedText_.reset();
  } else if (unchanged) {
    const std::optional<QString> typed = typedText_;
    ShowStored(*stored_, now, full_);
    typedText_ = typed;
  } else if (!isReadOnly()) {
    // A number typed and not calculated yet goes over into the new units; a text that is no
    // number stays for the next reading to report.
    const QString typed = text();
    try {
      ShowStored(StoredValue(ParseDecimal(typed.toStdString()), quantity_, before), now);
      typedText_ = typed;
      typedIn_ = before;
    } catch (const UserError&) {
    }
  }
}

UnitLabel::UnitLabel(QWidget* parent, const char* name, Quantity quantity, int x, int y)
    : QLabel(parent), quantity_(quantity) {
  setObjectName(QString::fromLatin1(name));
  move(x, y);
  Show(UnitSystem::Gravitational);
}

void UnitLabel::Show(UnitSystem units) {
  setText(Utf8(UnitCaption(quantity_, units)));
  adjustSize();
}

}  // namespace coilspring
