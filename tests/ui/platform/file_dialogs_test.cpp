// The detail list of the program's own file dialog shows every column whole: the date with its
// time, the size with its unit.
#include "ui/platform/file_dialogs.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

namespace coilspring {
namespace {

TEST(FileDialogs, EveryColumnOfTheDetailListShowsItsWholeText) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  for (const char* name : {"aspring.abd", "a-rather-long-design-name-for-the-list.abd"}) {
    QFile file(folder.filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(51234, 'x'));  // "50.0 KiB": a size with its unit
  }
  QFileDialog dialog(nullptr, QString(), folder.path(), QStringLiteral("設計 (*.abd)"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setViewMode(QFileDialog::Detail);
  FitFileDialogColumns(dialog);
  dialog.show();
  auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
  ASSERT_NE(list, nullptr);
  QTRY_VERIFY(list->model()->rowCount(list->rootIndex()) == 2);
  QTest::qWait(50);  // the columns follow their contents on the next layout
  QHeaderView* header = list->header();
  const QAbstractItemView* view = list;  // the column's widest cell, asked as any item view
  int total = 0;
  for (int column = 0; column < header->count(); ++column) {
    if (header->isSectionHidden(column)) continue;
    total += header->sectionSize(column);
    if (column == 0) continue;  // the name takes what the others leave
    EXPECT_GE(header->sectionSize(column), view->sizeHintForColumn(column)) << column;
    EXPECT_GE(header->sectionSize(column), header->sectionSizeHint(column)) << column;
  }
  EXPECT_LE(total, list->viewport()->width());
  EXPECT_GE(header->sectionSize(0), view->sizeHintForColumn(0));
  dialog.hide();
}

}  // namespace
}  // namespace coilspring
