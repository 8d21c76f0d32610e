#include "ui/widgets/placement.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "ui/widgets/qt_text.h"

namespace coilspring {

QLabel* PlaceLabel(QWidget* parent, const QString& text, int x, int y) {
  auto* label = new QLabel(text, parent);
  label->move(x, y);
  if (text.isEmpty()) {
    label->adjustSize();  // an empty label still asks for some room
    return label;
  }
  // The size a label with text asks for is the text's one-line box (it has no frame, margin or
  // indent); its size hint would lay the text out three times to say so.
  label->ensurePolished();
  label->resize(
      label->fontMetrics().boundingRect(QRect(0, 0, 2000, 2000), Qt::AlignLeft, text).size());
  return label;
}

QLineEdit* PlaceEdit(QWidget* parent, const char* name, int x, int y, int width,
                     const QString& text) {
  auto* edit = Place<QLineEdit>(parent, name, x, y, width, kPlacedEditHeight);
  edit->setText(text);
  return edit;
}

void ShowOnly(QLineEdit* box) {
  box->setReadOnly(true);
  box->setFocusPolicy(Qt::ClickFocus);
}

QComboBox* PlaceCombo(QWidget* parent, const char* name, int x, int y, int width) {
  auto* combo = Place<QComboBox>(parent, name, x, y, width, 21);
  combo->setEditable(false);
  return combo;
}

QToolButton* PlaceSmallButton(QWidget* parent, const char* name, int x, int y,
                              const QString& hint) {
  auto* button = Place<QToolButton>(parent, name, x, y, 12, 12);
  button->setToolTip(hint);
  button->setArrowType(Qt::RightArrow);
  return button;
}

void ShowListEntries(QComboBox* list, const std::vector<std::string>& entries) {
  bool same = list->count() == static_cast<int>(entries.size());
  for (int i = 0; same && i < list->count(); ++i)
    same = list->itemText(i) == Utf8(entries[static_cast<std::size_t>(i)]);
  if (!same) {
    list->clear();
    for (const std::string& entry : entries) list->addItem(Utf8(entry));
  }
  // Where a list is filled afresh its first entry is chosen; a list left as it was says the same.
  list->setCurrentIndex(entries.empty() ? -1 : 0);
}

}  // namespace coilspring
