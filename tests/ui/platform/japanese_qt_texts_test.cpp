// Qt's own dialogs speak Japanese like the rest of the program, whatever the user's locale.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "ui/widgets/widgets.h"

namespace coilspring {
namespace {

TEST(JapaneseQtTexts, StandardDialogButtonsAreJapanese) {
  ASSERT_TRUE(InstallJapaneseQtTexts(*qApp));
  QMessageBox question(QMessageBox::Question, QStringLiteral("バネ計算"), QStringLiteral("?"),
                       QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(question.button(QMessageBox::Yes)->text(), QStringLiteral("はい(&Y)"));
  EXPECT_EQ(question.button(QMessageBox::No)->text(), QStringLiteral("いいえ(&N)"));
  QFileDialog files;
  files.setOption(QFileDialog::DontUseNativeDialog);
  auto* buttons = files.findChild<QDialogButtonBox*>();
  ASSERT_NE(buttons, nullptr);
  EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));
}

}  // namespace
}  // namespace coilspring
