// The rule every design window keeps its work by: the steps 元に戻す and やり直し walk, and the
// state the last save or read left, each compared as the design file would hold the work (its
// text or byte image). A result that is not a number is never equal to itself; compared as a
// file, a design holding one is no change, neither unsaved work nor a step of its own.
#pragma once

#include <utility>

#include "core/editing/undo_history.h"

namespace coilspring {

template <class Work, class Image>
class KeptWork {
 public:
  // Starts over at `work` with nothing to undo or redo, kept as saved.
  void Start(const Work& work, Image image) {
    kept_ = image;
    steps_.Reset({work, std::move(image)});
  }
  // After a command: `work` becomes a step when its file differs from the last step's.
  bool Commit(const Work& work, Image image) { return steps_.Record({work, std::move(image)}); }
  // After a save or a read: the file as written or read.
  void Keep(Image image) { kept_ = std::move(image); }
  bool IsKept(const Image& image) const { return image == kept_; }

  bool CanUndo() const { return steps_.CanUndo(); }
  bool CanRedo() const { return steps_.CanRedo(); }
  // The work one step back (forward); call only when CanUndo() (CanRedo()).
  const Work& Undo() { return steps_.Undo().work; }
  const Work& Redo() { return steps_.Redo().work; }

 private:
  struct Step {
    Work work;
    Image image;
    bool operator==(const Step& other) const { return image == other.image; }
  };

  UndoHistory<Step> steps_;
  Image kept_;
};

}  // namespace coilspring
