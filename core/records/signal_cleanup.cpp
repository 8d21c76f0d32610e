#include "core/records/signal_cleanup.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <climits>
#include <cstdint>
#include <cstring>
#include <mutex>

namespace coilspring {

namespace {

// A slot is free, being written, or registered; the handler reads only registered ones.
enum SlotState { kFree, kWriting, kRegistered };
struct Slot {
  std::atomic<int> state{kFree};
  RemovedOnSignal::Kind kind = RemovedOnSignal::Kind::File;
  char path[PATH_MAX] = {};
};

// A save has one temporary file; sheet adds its private folders.
constexpr int kSlots = 8;
Slot slots[kSlots];
constexpr int kSignals[] = {SIGINT, SIGTERM};

// The record getdents64 fills; glibc does not declare it.
struct DirectoryEntry {
  std::uint64_t inode;
  std::int64_t offset;
  unsigned short length;
  unsigned char type;
  char name[1];
};

// The folder's files, then the folder; only system calls, so safe in the handler.
void EmptyAndRemoveFolder(const char* path) {
  const int fd = ::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    alignas(8) static char buffer[4096];
    long n = 0;
    while ((n = ::syscall(SYS_getdents64, fd, buffer, sizeof buffer)) > 0) {
      for (long at = 0; at < n;) {
        const auto* entry = reinterpret_cast<const DirectoryEntry*>(buffer + at);
        if (std::strcmp(entry->name, ".") != 0 && std::strcmp(entry->name, "..") != 0)
          ::unlinkat(fd, entry->name, 0);
        at += entry->length;
      }
    }
    ::close(fd);
  }
  ::rmdir(path);
}

extern "C" void RemoveAndDie(int signal) {
  // Files first: a registered file may lie in a registered folder.
  for (const RemovedOnSignal::Kind kind :
       {RemovedOnSignal::Kind::File, RemovedOnSignal::Kind::Folder})
    for (Slot& slot : slots) {
      if (slot.state.load(std::memory_order_acquire) != kRegistered || slot.kind != kind) continue;
      if (kind == RemovedOnSignal::Kind::File)
        ::unlink(slot.path);
      else
        EmptyAndRemoveFolder(slot.path);
    }
  ::signal(signal, SIG_DFL);
  ::raise(signal);
}

void InstallOnce() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (const int signal : kSignals) {
      struct sigaction current {};
      if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler != SIG_DFL) continue;
      struct sigaction action {};
      action.sa_handler = RemoveAndDie;
      sigfillset(&action.sa_mask);
      ::sigaction(signal, &action, nullptr);
    }
  });
}

sigset_t HeldSignals() {
  sigset_t set;
  sigemptyset(&set);
  for (const int signal : kSignals) sigaddset(&set, signal);
  return set;
}

}  // namespace

RemovedOnSignal::RemovedOnSignal(const std::string& path, Kind kind) : slot_(-1) {
  if (path.size() >= PATH_MAX) return;
  InstallOnce();
  for (int i = 0; i < kSlots; ++i) {
    int expected = kFree;
    if (!slots[i].state.compare_exchange_strong(expected, kWriting)) continue;
    std::memcpy(slots[i].path, path.c_str(), path.size() + 1);
    slots[i].kind = kind;
    slots[i].state.store(kRegistered, std::memory_order_release);
    slot_ = i;
    return;
  }
}

RemovedOnSignal::~RemovedOnSignal() {
  if (slot_ < 0) return;
  slots[slot_].state.store(kFree, std::memory_order_release);
}

SignalsHeld::SignalsHeld() {
  const sigset_t set = HeldSignals();
  ::pthread_sigmask(SIG_BLOCK, &set, &before_);
}

SignalsHeld::~SignalsHeld() { ::pthread_sigmask(SIG_SETMASK, &before_, nullptr); }

}  // namespace coilspring
