// A main window started on a program folder of its own, with a scripted desktop.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <cstdlib>
#include <memory>
#include <string>

#include "core/compression/calculator_state.h"
#include "core/records/file_io.h"
#include "core/text/sjis.h"
#include "support/scripted_platform.h"
#include "ui/main_window/main_window.h"

namespace coilspring::testing {

class TempFolder {
 public:
  TempFolder() {
    char pattern[] = "/tmp/coilspring-ui-XXXXXX";
    path_ = QString::fromLocal8Bit(::mkdtemp(pattern));
  }
  ~TempFolder() {
    std::system(("chmod -R u+w '" + path_.toStdString() + "'; rm -rf '" + path_.toStdString() + "'")
                    .c_str());
  }
  const QString& path() const { return path_; }
  std::string file(const char* name) const { return (path_ + "/" + name).toStdString(); }

 private:
  QString path_;
};

// A material with the given diameters; allowable torsion 1500 N/mm^2 everywhere.
inline MaterialRecord MakeMaterial(const char* kind, const char* symbol, int kindNo,
                                   std::initializer_list<double> diameters) {
  MaterialRecord m;
  m.KindName.AssignRaw(Utf8ToSjis(kind));
  m.Symbol.AssignRaw(Utf8ToSjis(symbol));
  m.ShearModulus = 78500;
  m.KindNo = kindNo;
  m.YoungModulus = 206000;
  m.TorsionRatio = 40;
  for (double d : diameters) {
    m.WireDiameters[m.RowCount] = d;
    m.TensileStrengths[m.RowCount] = 1960;
    m.AllowableTorsion[m.RowCount] = 1500;
    ++m.RowCount;
  }
  return m;
}

// Kind 0: records 0, 1, 5; kind 1: records 2, 3; the others are empty.
inline MaterialTable FixtureMaterials() {
  MaterialTable t;
  for (auto& m : t.records) m.KindNo = kEmptyKindNo;
  t[0] = MakeMaterial("ピアノ線", "SWP-A", 0, {0.5, 0.6, 0.8, 1.0, 1.2, 2.0, 2.6});
  t[1] = MakeMaterial("ピアノ線", "SWP-B", 0, {0.7, 0.9, 1.0});
  t[2] = MakeMaterial("ステンレス鋼線", "SUS304", 1, {0.5, 1.0, 2.0});
  t[3] = MakeMaterial("ステンレス鋼線", "SUS316", 1, {0.5, 1.0});
  t[5] = MakeMaterial("ピアノ線", "SWP-V", 0, {1.0, 2.0});
  return t;
}

inline CoefficientSettings FixtureSettings() {
  CoefficientSettings s;
  s.CompressionStressRatio = 80;
  s.ExtensionStressRatio = 80;
  s.HookStressFactor = 1.25;
  return s;
}

class MainWindowTest : public ::testing::Test {
 protected:
  void Start(const MaterialTable& materials = FixtureMaterials(),
             const CoefficientSettings& settings = FixtureSettings(), bool withSettings = true,
             bool withMaterials = true) {
    if (withSettings) WriteRecordFile(folder.file(kSettingsFileName), settings);
    if (withMaterials) WriteRecordFile(folder.file(kMaterialFileName), materials);
    state = std::make_unique<CalculatorState>();
    window = std::make_unique<MainWindow>(*state, platform, folder.path());
  }

  // A control of a page not shown yet is found after turning to every page, as a user would.
  template <class W>
  W* get(const char* name) const {
    W* w = window->findChild<W*>(QString::fromLatin1(name));
    if (w == nullptr) {
      TurnToEveryPage();
      w = window->findChild<W*>(QString::fromLatin1(name));
    }
    // The windows of their own (the design assistant) next.
    for (QWidget* top : QApplication::topLevelWidgets())
      if (w == nullptr && top != window.get()) w = top->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  void TurnToEveryPage() const {
    auto* pages = window->findChild<QTabWidget*>("PageControl1");
    const int shown = pages->currentIndex();
    for (int i = 0; i < pages->count(); ++i) pages->setCurrentIndex(i);
    pages->setCurrentIndex(shown);
  }
  QLineEdit* edit(const char* name) const { return get<QLineEdit>(name); }
  QString text(const char* name) const { return edit(name)->text(); }
  QComboBox* combo(const char* name) const { return get<QComboBox>(name); }
  QString label(const char* name) const { return get<QLabel>(name)->text(); }
  QStringList listLines() const {
    QStringList lines;
    auto* list = get<QListWidget>("ListBox1");
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
  }
  QColor listColour() const {
    return get<QListWidget>("ListBox1")->palette().color(QPalette::Text);
  }
  void click(const char* name) const {
    QTest::mouseClick(get<QAbstractButton>(name), Qt::LeftButton);
  }
  void setText(const char* name, const QString& t) const { edit(name)->setText(t); }
  // The focus leaves the box, as a click elsewhere does.
  void leave(const char* name) const {
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(edit(name), &out);
  }
  // Picks a list entry as the user does, which runs the list's change handler.
  void choose(const char* name, int index) const {
    QComboBox* c = combo(name);
    c->setCurrentIndex(index);
    emit c->activated(index);
  }
  void trigger(const char* actionName) const {
    auto* action = window->findChild<QAction*>(QString::fromLatin1(actionName));
    ASSERT_NE(action, nullptr) << actionName;
    action->trigger();
  }
  DesignRecord& current() const { return state->current(); }

  TempFolder folder;
  ScriptedPlatform platform;
  std::unique_ptr<CalculatorState> state;
  std::unique_ptr<MainWindow> window;
};

}  // namespace coilspring::testing
