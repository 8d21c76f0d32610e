// The steps of work a user can go back and forth through. Each command that changes the work
// records the state it left; 元に戻す and やり直し walk those states. It knows nothing of
// windows: the window hands it states and shows what it hands back.
#pragma once

#include <cstddef>
#include <deque>
#include <utility>
#include <vector>

namespace coilspring {

template <class State>
class UndoHistory {
 public:
  // Far more steps than a design session goes back; a step of the calculator's design and
  // history is about ten kilobytes.
  static constexpr std::size_t kDefaultLimit = 100;

  explicit UndoHistory(State present = State(), std::size_t limit = kDefaultLimit)
      : present_(std::move(present)), limit_(limit) {}

  // Starts over at `present` with nothing to undo or redo.
  void Reset(State present) {
    past_.clear();
    future_.clear();
    present_ = std::move(present);
  }

  // After a command: `now` becomes the present step when it differs from it, and the steps
  // undone before are gone. The oldest step falls away beyond the limit. Returns whether a step
  // was recorded.
  bool Record(const State& now) {
    if (now == present_) return false;
    past_.push_back(std::exchange(present_, now));
    if (past_.size() > limit_) past_.pop_front();
    future_.clear();
    return true;
  }

  bool CanUndo() const { return !past_.empty(); }
  bool CanRedo() const { return !future_.empty(); }
  std::size_t UndoSteps() const { return past_.size(); }
  std::size_t RedoSteps() const { return future_.size(); }
  const State& Present() const { return present_; }

  // One step back (forward): the state to show, which becomes the present step. Call only when
  // CanUndo() (CanRedo()).
  const State& Undo() { return Step(past_, future_); }
  const State& Redo() { return Step(future_, past_); }

 private:
  template <class From, class To>
  const State& Step(From& from, To& to) {
    to.push_back(std::exchange(present_, std::move(from.back())));
    from.pop_back();
    return present_;
  }

  std::deque<State> past_;
  State present_;
  std::vector<State> future_;
  std::size_t limit_;
};

}  // namespace coilspring
