#include "ui/widgets/half_width_spin_box.h"

#include "core/text/half_width.h"
#include "ui/widgets/qt_text.h"

namespace coilspring {

namespace {
// Every character HalfWidthText replaces is one UTF-16 unit before and after, so the cursor
// keeps its place.
QString HalfWidth(const QString& text) { return Utf8(HalfWidthText(text.toStdString())); }
}  // namespace

QValidator::State HalfWidthSpinBox::validate(QString& input, int& pos) const {
  input = HalfWidth(input);
  return QSpinBox::validate(input, pos);
}

int HalfWidthSpinBox::valueFromText(const QString& text) const {
  return QSpinBox::valueFromText(HalfWidth(text));
}

}  // namespace coilspring
