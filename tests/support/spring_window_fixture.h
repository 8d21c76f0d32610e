// A spring window of its own (extension, torsion) opened from the main window's menu, read and
// driven through its named controls.
#pragma once

#include <QSettings>
#include <QStandardPaths>

#include "support/main_window_fixture.h"

namespace coilspring::testing {

template <class Window>
class SpringWindowTest : public MainWindowTest {
 protected:
  // The unit choice lives in the user's configuration: each test gets its own, gravitational.
  void Open(const char* menu, SpringKind kind,
            const MaterialTable& materials = FixtureMaterials()) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configFolder.path());
    Start(materials);
    trigger(menu);
    spring = dynamic_cast<Window*>(window->KindWindow(kind));
    ASSERT_NE(spring, nullptr);
  }
  void TearDown() override {
    window.reset();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
  }
  template <class W>
  W* part(const char* name) const {
    W* w = spring->template findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  void type(const char* box, const QString& text) const { part<QLineEdit>(box)->setText(text); }
  void enter(const char* box) const { QTest::keyClick(part<QLineEdit>(box), Qt::Key_Return); }
  void press(const char* button) const {
    QTest::mouseClick(part<QAbstractButton>(button), Qt::LeftButton);
  }
  // Pages not on screen are drawn when the user turns to them, as here.
  void turnToEveryPage() const {
    for (QTabWidget* pages : spring->template findChildren<QTabWidget*>()) {
      const int shown = pages->currentIndex();
      for (int i = 0; i < pages->count(); ++i) pages->setCurrentIndex(i);
      pages->setCurrentIndex(shown);
    }
  }
  void act(const char* action) const { part<QAction>(action)->trigger(); }
  // "value unit" of the row of a result table whose first column reads `item`.
  QString row(const char* table, const char* item) const {
    auto* grid = part<QTableWidget>(table);
    for (int r = 0; r < grid->rowCount(); ++r)
      if (grid->item(r, 0)->text() == QString::fromUtf8(item))
        return grid->item(r, 1)->text() + " " + grid->item(r, 2)->text();
    return {};
  }
  QStringList lines(const char* list) const {
    QStringList shown;
    auto* widget = part<QListWidget>(list);
    for (int i = 0; i < widget->count(); ++i) shown << widget->item(i)->text();
    return shown;
  }

  TempFolder configFolder;
  Window* spring = nullptr;
};

}  // namespace coilspring::testing
