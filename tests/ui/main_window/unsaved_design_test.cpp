// Work in the design or the history is never lost without a question: closing the program or
// reading another file asks 保存 / 破棄 / キャンセル while it differs from the last save or read.
#include <QFile>

#include "support/main_window_fixture.h"
#include "ui/dialogs/spring_kind_window.h"

namespace coilspring::testing {
namespace {

class UnsavedDesignTest : public MainWindowTest {
 protected:
  void SetUp() override {
    Start();
    window->show();
  }
  // 41 the first time, then a length of its own each time.
  void changeDesign() {
    setText("Edit20", QString::number(41 + changes++));
    click("BitBtn2");
    click("SpeedButton5");  // and into the history
  }
  std::string savedFile() {
    const std::string path = folder.file("kept.abd");
    platform.saveAnswers.push_back(QString::fromStdString(path));
    trigger("N3");
    return path;
  }
  int changes = 0;
};

TEST_F(UnsavedDesignTest, ClosingAsksOnlyWhileWorkIsUnsavedAndFollowsTheAnswer) {
  EXPECT_FALSE(window->HasUnsavedDesign());
  const struct {
    bool savedFirst;  // saved after the change: no question
    UnsavedChoice answer;
    std::optional<QString> saveDialog;  // the file dialog's answer after 保存
    bool closes;
    bool written;
  } cases[] = {
      {true, UnsavedChoice::Cancel, std::nullopt, true, false},
      {false, UnsavedChoice::Cancel, std::nullopt, false, false},
      {false, UnsavedChoice::Discard, std::nullopt, true, false},
      {false, UnsavedChoice::Save, std::nullopt, false, false},  // the file dialog was cancelled
      {false, UnsavedChoice::Save, QStringLiteral("answer.abd"), true, true},
  };
  for (const auto& c : cases) {
    window->show();
    changeDesign();
    EXPECT_TRUE(window->HasUnsavedDesign());
    if (c.savedFirst) savedFile();
    EXPECT_EQ(window->HasUnsavedDesign(), !c.savedFirst);
    const SpringDesign before = state->design;
    const QString target = folder.path() + "/answer.abd";
    QFile::remove(target);
    platform.unsavedAnswers = {c.answer};
    platform.unsavedQuestions.clear();
    platform.saveAnswers = {c.saveDialog ? std::optional(target) : std::nullopt};
    EXPECT_EQ(window->close(), c.closes);
    EXPECT_EQ(platform.unsavedQuestions.size(), c.savedFirst ? 0u : 1u);
    EXPECT_EQ(QFile::exists(target), c.written);
    if (!c.closes) {
      EXPECT_EQ(state->design, before);
    }
  }
}

TEST_F(UnsavedDesignTest, ReadingAnotherFileAsksFirstAndCancelKeepsEverything) {
  const std::string path = savedFile();
  changeDesign();
  const SpringDesign before = state->design;
  platform.unsavedAnswers = {UnsavedChoice::Cancel};
  platform.openAnswers = {QString::fromStdString(path)};
  trigger("Edit2");
  EXPECT_EQ(platform.unsavedQuestions.size(), 1u);
  EXPECT_TRUE(platform.openRequests.empty());  // the file dialog never opened
  EXPECT_EQ(state->design, before);

  platform.unsavedAnswers = {UnsavedChoice::Discard};
  trigger("Edit2");
  EXPECT_EQ(platform.openRequests.size(), 1u);
  EXPECT_NE(state->design, before);
  EXPECT_FALSE(window->HasUnsavedDesign());
}

// The spring kinds' windows go with the program: their work is asked about too, and reading
// another file there asks first.
TEST_F(UnsavedDesignTest, ASpringKindWindowsUnsavedWorkIsSettledBeforeTheProgramCloses) {
  trigger("TorsionMenu");
  const SpringKindWindowBase* torsion = window->KindWindow(SpringKind::Torsion);
  EXPECT_FALSE(torsion->HasUnsavedDesign());
  setText("TorsionLeg1", "30");
  click("calculateButton");
  platform.unsavedAnswers = {UnsavedChoice::Cancel};
  trigger("KindOpen");
  EXPECT_TRUE(platform.openRequests.empty());  // the file dialog never opened

  const QString target = folder.path() + "/kept.json";
  const struct {
    UnsavedChoice answer;
    std::optional<QString> saveDialog;  // nothing: the file dialog was cancelled
    bool closes;
  } cases[] = {{UnsavedChoice::Cancel, {}, false},
               {UnsavedChoice::Save, {}, false},
               {UnsavedChoice::Discard, {}, true},
               {UnsavedChoice::Save, target, true}};
  for (const auto& c : cases) {
    window->show();
    platform.unsavedAnswers = {c.answer};
    platform.unsavedQuestions.clear();
    platform.saveAnswers = {c.saveDialog};
    EXPECT_EQ(window->close(), c.closes);
    EXPECT_EQ(platform.unsavedQuestions.size(), 1u);
    EXPECT_EQ(QFile::exists(target), c.saveDialog.has_value());
  }
  EXPECT_FALSE(torsion->HasUnsavedDesign());
}

TEST_F(UnsavedDesignTest, AnEmptyFileIsRefusedAndChangesNothing) {
  changeDesign();
  const SpringDesign before = state->design;
  const std::string path = folder.file("empty.abd");
  QFile(QString::fromStdString(path)).open(QIODevice::WriteOnly);
  platform.openAnswers = {QString::fromStdString(path)};
  trigger("Edit2");
  EXPECT_EQ(state->design, before);
  EXPECT_EQ(text("Edit20"), "41");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(platform.LastMessage().contains(QString::fromStdString(path)));
  EXPECT_TRUE(platform.LastMessage().contains(QStringLiteral("空")));
}

}  // namespace
}  // namespace coilspring::testing
