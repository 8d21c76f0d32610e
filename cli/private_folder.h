// A folder of the command's own for files nobody else may see or touch: made under TMPDIR (or
// /tmp) with mode 0700 by mkdtemp, and removed with everything in it when the object goes, or
// when SIGINT or SIGTERM ends the command first.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "core/records/signal_cleanup.h"

namespace coilspring::cli {

class PrivateFolder {
 public:
  PrivateFolder() = default;
  PrivateFolder(const PrivateFolder&) = delete;
  PrivateFolder& operator=(const PrivateFolder&) = delete;
  ~PrivateFolder() {
    if (path_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

  // Makes the folder "<prefix>-XXXXXX"; false when it cannot be made.
  bool Create(const char* prefix) {
    const char* tmp = std::getenv("TMPDIR");
    std::string folder = std::string(tmp && *tmp ? tmp : "/tmp") + "/" + prefix + "-XXXXXX";
    const SignalsHeld held;
    if (!::mkdtemp(folder.data())) return false;
    path_ = folder;
    onSignal_ = std::make_unique<RemovedOnSignal>(path_, RemovedOnSignal::Kind::Folder);
    return true;
  }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  std::unique_ptr<RemovedOnSignal> onSignal_;  // dropped after the folder is gone
};

}  // namespace coilspring::cli
