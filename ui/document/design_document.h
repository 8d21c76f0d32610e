// A design window's work, the same for every kind: the design, the 30 numbered history slots,
// the state the last save or read left (kept as the file's text), the steps 元に戻す and やり直し
// walk, and the design file. A window holds one and only shows it; it knows no widget.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/records/file_io.h"
#include "core/records/material_table.h"
#include "core/text/excerpt.h"
#include "core/text/user_error.h"
#include "json/spring_document.h"
#include "ui/document/kept_work.h"

namespace coilspring {

// How a kind's design file is written and read.
template <class Design>
struct DocumentFormat {
  std::string (*text)(const SpringDocument<Design>& document);
  SpringDocument<Design> (*read)(std::string_view text, const MaterialTable& materials,
                                 std::size_t historyLimit);
};

template <class Design>
class DesignDocument {
 public:
  static constexpr int kSlots = 30;

  DesignDocument(DocumentFormat<Design> format, Design start) : format_(format) {
    Start(std::move(start));
  }

  // Starts over on `start` with every slot empty, nothing to undo, and this state kept.
  void Start(Design start) {
    work_.design = std::move(start);
    work_.history.assign(kSlots, std::nullopt);
    HistoryChanged();
    kept_.Start(work_, Key());
  }

  const Design& design() const { return work_.design; }
  // For a command that changes the design in place (an input mode switched); the change
  // becomes part of the next step.
  Design& design() { return work_.design; }
  void SetDesign(Design design) { work_.design = std::move(design); }
  // Slot n, 1 to kSlots: empty, or a design with its results.
  const std::optional<Design>& Slot(int n) const { return work_.history.at(SlotIndex(n)); }

  // The design goes into slot n, whatever the slot held.
  void Store(int n) {
    work_.history.at(SlotIndex(n)) = work_.design;
    HistoryChanged();
  }
  // Slot n's design becomes the design, as it was stored; false (and nothing changes) for an
  // empty slot.
  bool Recall(int n) {
    const std::optional<Design>& stored = Slot(n);
    if (!stored) return false;
    work_.design = *stored;
    return true;
  }

  // After each command: the work as it stands becomes a step when it differs from the last.
  bool Commit() { return kept_.Commit(work_, Key()); }
  bool CanUndo() const { return kept_.CanUndo(); }
  bool CanRedo() const { return kept_.CanRedo(); }
  // One step back (forward); false when there is none.
  bool Undo() {
    if (!CanUndo()) return false;
    work_ = kept_.Undo();
    HistoryChanged();
    return true;
  }
  bool Redo() {
    if (!CanRedo()) return false;
    work_ = kept_.Redo();
    HistoryChanged();
    return true;
  }

  // The design file's text of the work as it stands.
  std::string Text() const { return format_.text(work_); }
  bool HasUnsavedWork() const { return !kept_.IsKept(Key()); }
  // The file last saved or read, empty before either.
  const std::string& Path() const { return path_; }

  void Save(const std::string& path) {
    const std::string text = Text();
    WriteFileAtomically(path, text);
    kept_.Keep(Key());
    path_ = path;
  }
  // Reads the design file at `path`: the design and every stored design calculated by
  // `calculate` (a file holds inputs; its results are not trusted), then kept as read and
  // recorded as a step. A file that is wrong anywhere changes nothing; the message names it.
  template <class Calculate>
  void Read(const std::string& path, const MaterialTable& materials, Calculate&& calculate) {
    const std::string text = ReadTextTable(path);
    SpringDocument<Design> read;
    try {
      read = format_.read(text, materials, kSlots);
    } catch (const UserError& e) {  // the reader's own messages name no file
      throw UserError(ShownPath(path) + ": " + e.what());
    }
    calculate(read.design);
    for (std::optional<Design>& stored : read.history)
      if (stored) calculate(*stored);
    read.history.resize(kSlots);
    work_ = std::move(read);
    HistoryChanged();
    kept_.Keep(Key());
    path_ = path;
    Commit();
  }

 private:
  static std::size_t SlotIndex(int n) { return static_cast<std::size_t>(n - 1); }

  // The work as the file text holds it, in two parts: the design's members, and the history
  // written once per change of the history rather than at every step. Two works give the same
  // key exactly when they give the same file.
  std::string Key() const { return format_.text({work_.design, {}}) + historyText_; }
  void HistoryChanged() { historyText_ = format_.text({Design(), work_.history}); }

  DocumentFormat<Design> format_;
  SpringDocument<Design> work_;
  std::string historyText_;
  std::string path_;
  KeptWork<SpringDocument<Design>, std::string> kept_;
};

}  // namespace coilspring
