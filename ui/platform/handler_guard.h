// Every handler runs inside this guard: a failure the user caused (or anything unexpected)
// becomes a message box, and no exception ever reaches Qt's event loop.
#pragma once

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QString>
#include <QWidget>
#include <exception>
#include <functional>
#include <initializer_list>
#include <type_traits>
#include <utility>

#include "ui/platform/platform.h"
#include "ui/widgets/widgets.h"

namespace coilspring {

template <class Handler>
void RunGuarded(Platform& platform, QWidget* parent, Handler&& handler) {
  try {
    std::forward<Handler>(handler)();
  } catch (const std::exception& e) {  // a UserError, or anything unexpected
    platform.ShowMessage(parent, MessageKind::Error, Utf8(e.what()));
  }
}

// Connects a control's signal to a handler of `window` that runs inside the guard. The
// handler takes the signal's arguments (or none): ConnectGuarded(platform, this, button,
// &QPushButton::clicked, &MainWindow::Calculate).
template <class Window, class Sender, class Signal, class Handler>
void ConnectGuarded(Platform& platform, Window* window, Sender* sender, Signal signal,
                    Handler handler) {
  QObject::connect(sender, signal, window, [&platform, window, handler](auto&&... args) {
    RunGuarded(platform, window, [&] {
      if constexpr (std::is_invocable_v<Handler, Window*, decltype(args)...>)
        std::invoke(handler, window, std::forward<decltype(args)>(args)...);
      else
        std::invoke(handler, window);
    });
  });
}

// One menu entry of a window: its objectName, its caption and the command it runs guarded.
template <class Window>
struct GuardedMenuEntry {
  QMenu* menu;
  const char* name;
  const char* caption;  // UTF-8
  void (Window::*command)();
};

// Adds the entries to their menus in order and connects each to its command inside the guard.
template <class Window>
void AddGuardedMenuEntries(Platform& platform, Window* window,
                           std::initializer_list<GuardedMenuEntry<Window>> entries) {
  for (const GuardedMenuEntry<Window>& e : entries) {
    QAction* action = e.menu->addAction(QString::fromUtf8(e.caption));
    action->setObjectName(QLatin1String(e.name));
    ConnectGuarded(platform, window, action, &QAction::triggered, e.command);
  }
}

}  // namespace coilspring
