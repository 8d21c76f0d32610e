// The program's own help window shows the shipped help document with working anchors.
#include "ui/platform/help_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QTextBrowser>

namespace coilspring {
namespace {

TEST(HelpWindow, ShowsTheDocumentAndFollowsItsAnchors) {
  HelpWindow window;
  window.ShowDocument(QStringLiteral(COILSPRING_SOURCE_DIR "/help/helphelp.htm"));
  auto* browser = window.findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
  ASSERT_NE(browser, nullptr);
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(browser->documentTitle(), QStringLiteral("コイルばね計算 ヘルプ"));
  EXPECT_EQ(browser->verticalScrollBar()->value(), 0);
  browser->setSource(QUrl(QStringLiteral("#history")));
  EXPECT_GT(browser->verticalScrollBar()->value(), 0);
  // A section for each kind of spring, and nothing wider than a window 800 pixels wide.
  for (const char* kind : {"#compression", "#extension", "#torsion"}) {
    browser->verticalScrollBar()->setValue(0);
    browser->setSource(QUrl(QString::fromLatin1(kind)));
    EXPECT_GT(browser->verticalScrollBar()->value(), 0) << kind;
  }
  window.resize(800, 600);
  QApplication::sendPostedEvents();
  EXPECT_EQ(browser->horizontalScrollBar()->maximum(), 0);
}

}  // namespace
}  // namespace coilspring
