// Every window in the shipped font: no text cut off by its widget, no two controls on top of
// each other, no label touching another control or the frame of its group, and a label on a
// picture wholly on it. Controls may lie on a picture; nothing else overlaps.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "core/compression/design_sheet.h"
#include "core/output/data_sheet.h"
#include "support/scripted_platform.h"
#include "ui/dialogs/coefficient_dialog.h"
#include "ui/dialogs/data_sheet_dialog.h"
#include "ui/dialogs/material_editor_dialog.h"
#include "ui/main_window/main_window.h"
#include "ui/render/picture_views.h"
#include "ui/widgets/widgets.h"

namespace coilspring::testing {
namespace {

// Parts of a compound control (a spin box's edit, a list's viewport, a tab bar's scroll
// buttons) are the control's own business.
bool IsPartOfACompound(const QWidget* w, const QWidget* window) {
  for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
    if (qobject_cast<const QAbstractSpinBox*>(p) || qobject_cast<const QComboBox*>(p) ||
        qobject_cast<const QAbstractScrollArea*>(p) || qobject_cast<const QTabBar*>(p))
      return true;
  return false;
}

bool IsPicture(const QWidget* w) {
  const auto* label = qobject_cast<const QLabel*>(w);
  if (label && !label->pixmap().isNull()) return true;
  return dynamic_cast<const PictureView*>(w) != nullptr;
}

bool IsControl(const QWidget* w) {
  return qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) ||
         qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
         qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
         qobject_cast<const QGroupBox*>(w);
}

QString Name(const QWidget* w) {
  QString text;
  if (const auto* l = qobject_cast<const QLabel*>(w)) text = l->text();
  if (const auto* b = qobject_cast<const QAbstractButton*>(w)) text = b->text();
  if (const auto* e = qobject_cast<const QLineEdit*>(w)) text = e->text();
  if (const auto* g = qobject_cast<const QGroupBox*>(w)) text = g->title();
  return QStringLiteral("%1 %2 \"%3\"")
      .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(), text);
}

// Where a label's text is drawn: its widget may be wider than the text (a label kept wide for
// the longest value it shows), and only the text can touch something.
QRect InkRect(const QWidget* w) {
  const auto* label = qobject_cast<const QLabel*>(w);
  if (label == nullptr || !label->pixmap().isNull()) return w->geometry();
  return QRect(w->pos(), label->sizeHint()).intersected(w->geometry());
}

// Labels that touch (or overlap) another control of their parent, the frame of the group they
// stand in, or the edge of the picture they stand on.
QStringList TouchingLabels(const QList<QWidget*>& controls) {
  QStringList faults;
  for (QWidget* label : controls) {
    if (!qobject_cast<QLabel*>(label) || IsPicture(label)) continue;
    const QRect ink = InkRect(label);
    const QRect around = ink.adjusted(-1, -1, 1, 1);
    for (QWidget* other : controls) {
      if (other == label || other->parentWidget() != label->parentWidget()) continue;
      if (IsPicture(other)) {
        if (other->geometry().intersects(ink) && !other->geometry().contains(ink))
          faults << QStringLiteral("%1 sticks out of the picture %2").arg(Name(label), Name(other));
      } else if (around.intersects(InkRect(other))) {
        faults << QStringLiteral("%1 touches %2").arg(Name(label), Name(other));
      }
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(label->parentWidget())) {
      // Inside the frame: the contents lie below the title, whose foot the top line follows.
      if (!group->contentsRect().contains(ink))
        faults << QStringLiteral("%1 touches the frame of %2").arg(Name(label), Name(group));
    }
  }
  return faults;
}

// The texts that do not fit their widget, and the controls that overlap a sibling.
QStringList Faults(QWidget* window) {
  QStringList faults;
  QList<QWidget*> controls;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window) || IsPartOfACompound(w, window) || !IsControl(w)) continue;
    controls << w;
    const QFontMetrics fm = w->fontMetrics();
    const QSize size = w->size();
    auto tooSmall = [&](int width, int height) {
      if (width > size.width() || height > size.height())
        faults << QStringLiteral("%1 needs %2x%3, has %4x%5")
                      .arg(Name(w))
                      .arg(width)
                      .arg(height)
                      .arg(size.width())
                      .arg(size.height());
    };
    if (auto* label = qobject_cast<QLabel*>(w)) {
      if (label->pixmap().isNull() && !label->text().isEmpty() && !label->wordWrap())
        tooSmall(label->sizeHint().width(), label->sizeHint().height());
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
      tooSmall(check->sizeHint().width(), check->sizeHint().height());
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      if (!button->text().isEmpty())
        tooSmall(fm.horizontalAdvance(button->text()) + 4, fm.height());
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
      // The frame and the edit's own margins: 2 + 2 pixels each side.
      tooSmall(fm.horizontalAdvance(edit->text()) + 8, fm.height() + 4);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
      QStyleOptionComboBox option;
      option.initFrom(combo);
      const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                         QStyle::SC_ComboBoxEditField, combo);
      for (int i = 0; i < combo->count(); ++i)
        if (fm.horizontalAdvance(combo->itemText(i)) > field.width())
          faults << QStringLiteral("%1 item \"%2\" needs %3, has %4")
                        .arg(Name(w), combo->itemText(i))
                        .arg(fm.horizontalAdvance(combo->itemText(i)))
                        .arg(field.width());
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
      tooSmall(fm.horizontalAdvance(group->title()) + 16, fm.height());
    }
  }
  for (int i = 0; i < controls.size(); ++i)
    for (int j = i + 1; j < controls.size(); ++j) {
      QWidget* a = controls[i];
      QWidget* b = controls[j];
      if (a->parentWidget() != b->parentWidget() || IsPicture(a) || IsPicture(b)) continue;
      if (a->geometry().intersects(b->geometry()))
        faults << QStringLiteral("%1 overlaps %2").arg(Name(a), Name(b));
    }
  faults << TouchingLabels(controls);
  return faults;
}

class LabelFit : public ::testing::Test {
 protected:
  void SetUp() override {
    savedFont_ = QApplication::font();
    ApplyApplicationLook(*qApp);
    state_ = std::make_unique<CalculatorState>();
    window_ = std::make_unique<MainWindow>(*state_, platform_, QStringLiteral(COILSPRING_BIN_DIR));
  }
  void TearDown() override {
    window_.reset();
    QApplication::setFont(savedFont_);
  }
  QFont savedFont_;
  ScriptedPlatform platform_;
  std::unique_ptr<CalculatorState> state_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(LabelFit, EveryTextFitsAndNoControlsOverlap) {
  MainWindow& w = *window_;
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  // A design that fails four checks shows four lines, all of which must be readable.
  const auto set = [&](const char* name, const QString& text) {
    w.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(text);
  };
  set("Edit18", "2");
  set("Edit19", "3.5");
  set("Edit20", "10");
  set("Edit21", "12");
  set("Edit22", "1");
  QTest::mouseClick(w.findChild<QAbstractButton*>("BitBtn2"), Qt::LeftButton);
  auto* checks = w.findChild<QListWidget*>("ListBox1");
  ASSERT_GE(checks->count(), 4);
  for (int i = 0; i < checks->count(); ++i) {
    const QRect line = checks->visualItemRect(checks->item(i));
    EXPECT_TRUE(checks->viewport()->rect().contains(line)) << "check line " << i;
  }
  QStringList faults;
  auto* pages = w.findChild<QTabWidget*>("PageControl1");
  for (int page = 0; page < pages->count(); ++page) {
    pages->setCurrentIndex(page);
    faults << Faults(&w);
  }
  faults.removeDuplicates();

  DataSheetDialog* sheet = w.DataSheetWindow();
  sheet->Fill(MakeDataSheet(state_->current(), state_->materials(), true));
  sheet->show();
  faults << Faults(sheet);
  sheet->hide();
  for (QWidget* tool :
       {static_cast<QWidget*>(w.MaterialEditor()), static_cast<QWidget*>(w.CoefficientWindow())}) {
    tool->show();
    faults << Faults(tool);
    tool->hide();
  }
  EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();
}

}  // namespace
}  // namespace coilspring::testing
