#include "core/editing/undo_history.h"

#include <gtest/gtest.h>

#include <vector>

namespace coilspring {
namespace {

// A script of commands and the state each leaves: "r" records, "u" undoes, "r" after "u"
// drops the steps undone, "x" resets to a state with no steps.
struct Op {
  char kind;  // 'r' record, 'u' undo, 'y' redo, 'x' reset
  int value;  // the state recorded or reset to, or the state expected after an undo or redo
};

TEST(UndoHistory, WalksBackAndForthThroughTheRecordedSteps) {
  const struct {
    const char* name;
    std::vector<Op> ops;
    bool canUndo, canRedo;
  } cases[] = {
      {"nothing yet", {}, false, false},
      {"one step back", {{'r', 1}, {'u', 0}}, false, true},
      {"and forward", {{'r', 1}, {'r', 2}, {'u', 1}, {'y', 2}}, true, false},
      {"two back", {{'r', 1}, {'r', 2}, {'u', 1}, {'u', 0}}, false, true},
      {"a new step drops the redo", {{'r', 1}, {'r', 2}, {'u', 1}, {'r', 5}, {'u', 1}}, true, true},
      {"an unchanged state is no step", {{'r', 1}, {'r', 1}, {'u', 0}}, false, true},
      {"a reset forgets every step", {{'r', 1}, {'r', 2}, {'u', 1}, {'x', 7}}, false, false},
  };
  for (const auto& c : cases) {
    UndoHistory<int> history(0);
    for (const Op& op : c.ops) {
      switch (op.kind) {
        case 'r':
          history.Record(op.value);
          break;
        case 'u':
          ASSERT_TRUE(history.CanUndo()) << c.name;
          EXPECT_EQ(history.Undo(), op.value) << c.name;
          break;
        case 'y':
          ASSERT_TRUE(history.CanRedo()) << c.name;
          EXPECT_EQ(history.Redo(), op.value) << c.name;
          break;
        case 'x':
          history.Reset(op.value);
          EXPECT_EQ(history.Present(), op.value) << c.name;
          break;
      }
    }
    EXPECT_EQ(history.CanUndo(), c.canUndo) << c.name;
    EXPECT_EQ(history.CanRedo(), c.canRedo) << c.name;
  }
}

TEST(UndoHistory, KeepsTheNewestStepsUpToItsLimit) {
  UndoHistory<int> history(0, 50);
  for (int i = 1; i <= 60; ++i) EXPECT_TRUE(history.Record(i));
  EXPECT_EQ(history.UndoSteps(), 50u);
  for (int i = 59; i >= 10; --i) EXPECT_EQ(history.Undo(), i);
  EXPECT_FALSE(history.CanUndo());
  EXPECT_EQ(history.RedoSteps(), 50u);
  EXPECT_EQ(UndoHistory<int>::kDefaultLimit >= 50, true);
}

}  // namespace
}  // namespace coilspring
