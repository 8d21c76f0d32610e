// A whole-number box for Japanese input methods.
#pragma once

#include <QSpinBox>

namespace coilspring {

// A whole-number box that takes the digits a Japanese input method types ("１２") as their
// half-width forms, like every other number box; the box then shows the half-width text.
class HalfWidthSpinBox final : public QSpinBox {
 public:
  using QSpinBox::QSpinBox;

 protected:
  QValidator::State validate(QString& input, int& pos) const override;
  int valueFromText(const QString& text) const override;
};

}  // namespace coilspring
