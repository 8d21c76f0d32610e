// A placed label is exactly as large as Qt's own label would make itself for its text.
#include "ui/widgets/placement.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QWidget>

namespace coilspring::testing {
namespace {

TEST(PlaceLabel, TakesTheSizeALabelAsksFor) {
  QWidget parent;
  const char* const texts[] = {"", "d", "線径", "ばね定数 (N/mm)", "Ｎ／ｍｍ²", "A & B", "x  y"};
  for (const char* text : texts) {
    QLabel reference(QString::fromUtf8(text), &parent);
    reference.adjustSize();
    const QLabel* placed = PlaceLabel(&parent, QString::fromUtf8(text), 7, 9);
    EXPECT_EQ(placed->size(), reference.size()) << text;
    EXPECT_EQ(placed->pos(), QPoint(7, 9)) << text;
  }
}

}  // namespace
}  // namespace coilspring::testing
