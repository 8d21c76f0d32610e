// The UI list of the spring kinds that have a window of their own beside the main window (the
// compression spring's): the menu entry and the window of each. The main window's menu and
// commands go through this list and name no kind.
#pragma once

#include <QWidget>
#include <span>

#include "core/kinds/spring_kinds.h"
#include "ui/dialogs/spring_kind_window.h"

namespace coilspring {

struct KindWindowEntry {
  SpringKind kind;       // its names: InfoOf(kind)
  const char* menuName;  // the objectName of its entry in the menu ばね
  SpringKindWindowBase* (*make)(const KindWindowContext& context, QWidget* parent);
};

// In menu order.
std::span<const KindWindowEntry> KindWindowEntries();

}  // namespace coilspring
