// The window works from the keyboard: Enter calculates, Tab goes from input to input and then
// to "計算", Alt with a letter opens a menu, and the usual shortcuts reach their commands.
#include <QFile>
#include <QMenu>

#include "support/main_window_fixture.h"

namespace coilspring::testing {
namespace {

class KeyboardTest : public MainWindowTest {
 protected:
  void SetUp() override {
    Start();
    choose("ComboBox6", 5);  // 2.0
    setText("Edit18", "18");
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  // Makes the box take input: the length/load switch decides which boxes do.
  void enable(const char* name) {
    if (!edit(name)->isEnabled()) trigger("llcheng");
    ASSERT_TRUE(edit(name)->isEnabled()) << name;
  }
};

TEST_F(KeyboardTest, EnterInAnyInputBoxCalculatesAsTheButtonDoes) {
  const struct {
    const char* box;
    const char* value;
  } cases[] = {{"Edit18", "17"}, {"Edit19", "7"}, {"Edit20", "41"}, {"Edit21", "36"},
               {"Edit22", "31"}, {"Edit23", "2"}, {"Edit24", "3"}};
  for (const auto& c : cases) {
    enable(c.box);
    setText(c.box, c.value);
    const long before = state->work.calculations;
    edit(c.box)->setFocus();
    QTest::keyClick(edit(c.box), Qt::Key_Return);
    EXPECT_GT(state->work.calculations, before) << c.box;
    EXPECT_NE(current().ActiveTurns, 0) << c.box;  // and shows the active turns at once
    EXPECT_EQ(text("Edit1"), QString::number(current().ActiveTurns)) << c.box;
    const QStringList byEnter = listLines();
    const DesignRecord calculated = current();
    click("BitBtn2");
    EXPECT_EQ(listLines(), byEnter) << c.box;
    EXPECT_EQ(current(), calculated) << c.box;
  }
}

TEST_F(KeyboardTest, TabGoesFromInputToInputAndThenToCalculate) {
  QStringList stops;
  for (QWidget* w = edit("Edit20")->nextInFocusChain(); w != edit("Edit20");
       w = w->nextInFocusChain()) {
    if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisible() || !w->isEnabled()) continue;
    stops << w->objectName();
    if (w->objectName() == "BitBtn2") break;
  }
  QStringList expected{"Edit21",    "Edit22",    "Edit24", "Edit23", "Edit18",    "ComboBox5",
                       "ComboBox7", "ComboBox6", "Edit19", "cb1",    "ComboBox8", "BitBtn2"};
  // Only one of the two input modes' boxes takes input at a time.
  for (const char* name : {"Edit21", "Edit22", "Edit23", "Edit24"})
    if (!edit(name)->isEnabled()) expected.removeAll(name);
  EXPECT_EQ(stops, expected);
  for (const char* shown : {"Edit1", "Edit25", "Edit26", "Edit27", "Edit28"})
    EXPECT_FALSE(edit(shown)->focusPolicy() & Qt::TabFocus) << shown;
}

TEST_F(KeyboardTest, AltWithALetterOpensItsMenuWithoutTypingIntoTheBox) {
  const struct {
    Qt::Key key;
    const char* menu;  // nothing: no menu has the letter
  } cases[] = {{Qt::Key_F, "File1"}, {Qt::Key_E, "Edit3"}, {Qt::Key_V, "N6"},
               {Qt::Key_T, "Tool1"}, {Qt::Key_H, "Help1"}, {Qt::Key_Q, nullptr}};
  for (const auto& c : cases) {
    setText("Edit20", "30");
    edit("Edit20")->setFocus();
    QTest::keyClick(edit("Edit20"), c.key, Qt::AltModifier);
    EXPECT_EQ(text("Edit20"), "30") << c.menu;
    QWidget* popup = QApplication::activePopupWidget();
    if (c.menu == nullptr) {
      EXPECT_EQ(popup, nullptr);
      continue;
    }
    ASSERT_NE(popup, nullptr) << c.menu;
    EXPECT_EQ(popup->objectName(), c.menu);
    popup->close();
  }
}

TEST_F(KeyboardTest, TheUsualShortcutsReachTheirCommands) {
  const struct {
    const char* action;
    const char* keys;
  } cases[] = {{"Edit2", "Ctrl+O"}, {"N3", "Ctrl+S"},   {"N1", "Ctrl+P"},
               {"Help2", "F1"},     {"Undo", "Ctrl+Z"}, {"Redo", "Ctrl+Y"}};
  for (const auto& c : cases) {
    auto* action = window->findChild<QAction*>(c.action);
    ASSERT_NE(action, nullptr) << c.action;
    EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(c.keys))) << c.action;
  }
  // And from the keyboard: Ctrl+O asks for the file, Ctrl+S for the name, Ctrl+P prints.
  get<QWidget>("BitBtn2")->setFocus();
  QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
  QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
  QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(platform.openRequests.size(), 1u);
  EXPECT_EQ(platform.saveRequests.size(), 1u);
  EXPECT_EQ(platform.printedPages.size(), 1u);
}

TEST_F(KeyboardTest, TheHelpListsTheKeys) {
  QFile help(QStringLiteral(COILSPRING_SOURCE_DIR "/help/helphelp.htm"));
  ASSERT_TRUE(help.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(help.readAll());
  for (const char* keys :
       {"Ctrl+O", "Ctrl+S", "Ctrl+P", "F1", "Ctrl+Z", "Ctrl+Y", "Alt+F", "Enter", "Tab"})
    EXPECT_TRUE(text.contains(QString::fromLatin1(keys))) << keys;
}

}  // namespace
}  // namespace coilspring::testing
