// What an interrupted save leaves must go with it: a SIGINT or SIGTERM while a temporary file or
// a private folder exists removes them and then ends the process as the signal would (its usual
// exit status). The handler only reads fixed slots and calls unlink/rmdir, which are safe in a
// signal handler; it is installed on first use and never replaces a handler the program set.
#pragma once

#include <signal.h>

#include <string>

namespace coilspring {

class RemovedOnSignal {
 public:
  enum class Kind {
    File,
    Folder,  // its files (one level) go with it
  };
  // Registers `path`; a path too long for a slot, or one beyond the few slots, is not registered.
  RemovedOnSignal(const std::string& path, Kind kind);
  ~RemovedOnSignal();
  RemovedOnSignal(const RemovedOnSignal&) = delete;
  RemovedOnSignal& operator=(const RemovedOnSignal&) = delete;

 private:
  int slot_;
};

// Holds SIGINT and SIGTERM back while alive, so that a file is created and registered as one
// step; a signal that arrived meanwhile is delivered at the end (when the signals were not held
// before).
class SignalsHeld {
 public:
  SignalsHeld();
  ~SignalsHeld();
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

 private:
  sigset_t before_;
};

}  // namespace coilspring
