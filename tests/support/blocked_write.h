// Makes saving into a folder fail, for tests that check a failed save keeps the old file.
// A read-only folder stops an ordinary user; root writes there anyway, so under root the
// file-size limit of the process stops the write instead.
#pragma once

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "core/text/user_error.h"

namespace coilspring::testing {

class BlockedWrite {
 public:
  explicit BlockedWrite(const std::string& folder, const std::string& target) : folder_(folder) {
    ::chmod(folder_.c_str(), 0555);
    const std::string probe = folder_ + "/.probe";
    if (std::FILE* f = std::fopen(probe.c_str(), "w")) {
      std::fclose(f);
      ::unlink(probe.c_str());
      ::getrlimit(RLIMIT_FSIZE, &saved_);
      rlimit tiny = saved_;
      tiny.rlim_cur = 16;
      ::signal(SIGXFSZ, SIG_IGN);
      ::setrlimit(RLIMIT_FSIZE, &tiny);
      limited_ = true;
      expected_ = WriteErrorMessage(target, EFBIG);
    } else {
      expected_ = FolderNotWritableMessage(target, target.substr(0, target.rfind('/')));
    }
  }
  ~BlockedWrite() {
    if (limited_) ::setrlimit(RLIMIT_FSIZE, &saved_);
    ::chmod(folder_.c_str(), 0755);
  }
  BlockedWrite(const BlockedWrite&) = delete;
  BlockedWrite& operator=(const BlockedWrite&) = delete;

  // The message the failed save shows.
  const std::string& expectedMessage() const { return expected_; }

 private:
  std::string folder_;
  std::string expected_;
  rlimit saved_{};
  bool limited_ = false;
};

}  // namespace coilspring::testing
