// The program's own help window shows the shipped help document with working anchors.
#include "ui/platform/help_window.h"

#include <gtest/gtest.h>

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
  EXPECT_EQ(browser->documentTitle(), QStringLiteral("圧縮コイルバネ計算 ヘルプ"));
  EXPECT_EQ(browser->verticalScrollBar()->value(), 0);
  browser->setSource(QUrl(QStringLiteral("#history")));
  EXPECT_GT(browser->verticalScrollBar()->value(), 0);
}

}  // namespace
}  // namespace coilspring
