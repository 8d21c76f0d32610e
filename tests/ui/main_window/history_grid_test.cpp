// The history grid reads like a table with fixed headings: the two heading rows and the slot
// column stay in place while the rest scrolls, and no column cuts its heading or its values.
#include <QAbstractItemView>
#include <QScrollBar>

#include "support/main_window_fixture.h"
#include "ui/widgets/string_grid.h"

namespace coilspring::testing {
namespace {

class HistoryGridTest : public MainWindowTest {
 protected:
  QTableWidget* grid() const { return get<QTableWidget>("sg1"); }
  // The text a user sees at a point of the grid's viewport, whichever view paints it.
  QString ShownAt(QPoint inViewport) const {
    QTableWidget* g = grid();
    const QPoint inGrid = g->viewport()->mapTo(g, inViewport);
    QWidget* top = g->childAt(inGrid);
    auto* view = top ? qobject_cast<QAbstractItemView*>(top->parentWidget()) : nullptr;
    if (!view) return QStringLiteral("<nothing>");
    return view->indexAt(top->mapFrom(g, inGrid)).data().toString();
  }
};

TEST_F(HistoryGridTest, HeadingsAndSlotNumbersStayWhileTheRestScrolls) {
  Start();
  window->show();
  QTableWidget* g = grid();
  const int rowHeight = g->rowHeight(0);
  const int slotWidth = g->columnWidth(0);
  g->verticalScrollBar()->setValue(g->verticalScrollBar()->maximum());
  g->horizontalScrollBar()->setValue(g->horizontalScrollBar()->maximum());
  ASSERT_GT(g->verticalScrollBar()->maximum(), 0);
  ASSERT_GT(g->horizontalScrollBar()->maximum(), 0);
  EXPECT_EQ(ShownAt({slotWidth / 2, rowHeight / 2}), QStringLiteral("項目"));
  EXPECT_EQ(ShownAt({slotWidth / 2, rowHeight * 3 / 2}), QStringLiteral("単位"));
  EXPECT_EQ(ShownAt({g->viewport()->width() - 5, rowHeight / 2}), QStringLiteral("座巻き"));
  const int lastRowY = g->viewport()->height() - rowHeight / 2;
  EXPECT_EQ(ShownAt({slotWidth / 2, lastRowY}), "30");
}

TEST_F(HistoryGridTest, EveryColumnFitsItsHeadingAndItsWidestValue) {
  Start();
  choose("ComboBox8", 6);  // the longest end form
  setText("Edit21", "12.3456");
  click("BitBtn2");
  click("SpeedButton5");
  QTableWidget* g = grid();
  const QFontMetrics fm = g->fontMetrics();
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < g->columnCount(); ++column) {
      const QString text = CellText(g, row, column);
      EXPECT_LT(fm.horizontalAdvance(text), g->columnWidth(column)) << text.toStdString();
    }
}

}  // namespace
}  // namespace coilspring::testing
