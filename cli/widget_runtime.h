// Commands that draw with Qt need an application object; a script usually has no display, so
// the offscreen platform is taken unless the caller chose one. The look (font, style) is the
// window's, so pictures come out as the window shows them.
#pragma once

#include <QApplication>
#include <cstdlib>
#include <optional>

#include "ui/platform/widgets.h"

namespace coilspring::cli {

class WidgetRuntime {
 public:
  WidgetRuntime() {
    if (QApplication::instance() != nullptr) return;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    app_.emplace(argc_, argv_);
    ApplyApplicationLook(*app_);
  }

 private:
  char name_[15] = "coilspring-cli";
  char* argv_[2] = {name_, nullptr};
  int argc_ = 1;
  std::optional<QApplication> app_;
};

}  // namespace coilspring::cli
