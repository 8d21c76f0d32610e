// Controls at fixed pixel places, as the windows are designed, and list filling.
#pragma once

#include <QString>
#include <QWidget>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace coilspring {

template <class W>
W* Place(QWidget* parent, const char* name, int x, int y, int width, int height) {
  auto* w = new W(parent);
  w->setObjectName(QString::fromLatin1(name));
  w->setGeometry(x, y, width, height);
  return w;
}

inline constexpr int kPlacedEditHeight = 21;

// A caption at a fixed place, as wide as its text.
QLabel* PlaceLabel(QWidget* parent, const QString& text, int x, int y);
QLineEdit* PlaceEdit(QWidget* parent, const char* name, int x, int y, int width,
                     const QString& text);
// A box that only shows a value: read-only and no Tab stop (a click still selects its text to
// copy), so Tab goes from input to input.
void ShowOnly(QLineEdit* box);
QComboBox* PlaceCombo(QWidget* parent, const char* name, int x, int y, int width);
// A 12 x 12 button with a hint.
QToolButton* PlaceSmallButton(QWidget* parent, const char* name, int x, int y, const QString& hint);
// Makes the list's entries these texts (UTF-8), the first one chosen. A list that already holds
// them is not rebuilt: every "計算" shows the design's lists again, and rebuilding an unchanged
// list of fifty entries would be most of its cost.
void ShowListEntries(QComboBox* list, const std::vector<std::string>& entries);
}  // namespace coilspring
