// Every handler runs inside this guard: a failure the user caused (or anything unexpected)
// becomes a message box, and no exception ever reaches Qt's event loop.
#pragma once

#include <QString>
#include <exception>
#include <utility>

#include "ui/platform/platform.h"
#include "core/text/user_error.h"

namespace coilspring {

template <class Handler>
void RunGuarded(Platform& platform, QWidget* parent, Handler&& handler) {
  try {
    std::forward<Handler>(handler)();
  } catch (const UserError& e) {
    platform.ShowMessage(parent, MessageKind::Error, QString::fromUtf8(e.what()));
  } catch (const std::exception& e) {
    platform.ShowMessage(parent, MessageKind::Error, QString::fromUtf8(e.what()));
  }
}

}  // namespace coilspring
