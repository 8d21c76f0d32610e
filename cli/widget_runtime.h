// Commands that draw with Qt need an application object; a script usually has no display, so
// the offscreen platform is taken unless the caller chose one. The look (font, style) is the
// window's, so pictures come out as the window shows them.
#pragma once

#include <QApplication>
#include <cstdlib>
#include <optional>

#include "cli/private_folder.h"
#include "ui/widgets/widgets.h"

namespace coilspring::cli {

class WidgetRuntime {
 public:
  WidgetRuntime() {
    if (QApplication::instance() != nullptr) return;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    runtimeFolder_.Provide();
    app_.emplace(argc_, argv_);
    ApplyApplicationLook(*app_);
  }

 private:
  // Qt wants a per-user runtime folder and warns on stderr when XDG_RUNTIME_DIR is not set (a
  // cron job, a container, a login without a session). A script's successful run must leave
  // stderr empty, so such a run gets a private 0700 folder of its own, removed at the end.
  class RuntimeFolder {
   public:
    void Provide() {
      const char* given = std::getenv("XDG_RUNTIME_DIR");
      if (given && *given) return;
      // Without it Qt falls back to its own folder and warns.
      if (folder_.Create("coilspring-runtime"))
        ::setenv("XDG_RUNTIME_DIR", folder_.Path().c_str(), 1);
    }

   private:
    PrivateFolder folder_;
  };

  char name_[15] = "coilspring-cli";
  char* argv_[2] = {name_, nullptr};
  int argc_ = 1;
  RuntimeFolder runtimeFolder_;  // outlives the application
  std::optional<QApplication> app_;
};

}  // namespace coilspring::cli
