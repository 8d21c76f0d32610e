// Work the user has not kept yet is settled before anything could lose it: the user says
// 保存, 破棄 or キャンセル, and only then does the window go on.
#pragma once

#include <QString>
#include <functional>

#include "ui/platform/platform.h"

namespace coilspring {

// Asked of a design window's design and its history (UTF-8).
inline constexpr const char* kUnsavedDesignQuestion =
    "設計または履歴に保存していない変更があります。保存しますか？";

// Asks `question` and acts on the answer. Returns whether the caller may go on: after 保存 only
// when `save` says the work was kept (a cancelled file dialog keeps it unsaved), after 破棄
// once `discard` has let it go, never after キャンセル.
inline bool SettleUnsavedWork(Platform& platform, QWidget* parent, const QString& question,
                              const std::function<bool()>& save,
                              const std::function<void()>& discard) {
  switch (platform.AskUnsaved(parent, question)) {
    case UnsavedChoice::Save:
      return save();
    case UnsavedChoice::Discard:
      discard();
      return true;
    case UnsavedChoice::Cancel:
      break;
  }
  return false;
}

}  // namespace coilspring
