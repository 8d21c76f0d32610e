#include "core/records/file_io.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <optional>
#include <string_view>

#include "core/records/signal_cleanup.h"
#include "core/text/excerpt.h"
#include "core/text/number_format.h"
#include "core/text/user_error.h"

namespace coilspring {

namespace {

// Closes a descriptor however the function that opened it is left.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now and tells whether the close succeeded: on some file systems a failed write only
  // shows here.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

Bytes ReadOpenFile(int fd, std::size_t sizeHint, std::size_t maxSize, const std::string& path) {
  // One plain read of the size the file says it has, and not a byte more than the caller can
  // use: a sparse 8 GB file costs no more than a small one. The loop only goes on for a file
  // that grows while it is read.
  Bytes bytes(std::min(sizeHint, maxSize - std::min<std::size_t>(maxSize, 1)) + 1);
  std::size_t size = 0;
  while (size < maxSize) {
    if (size == bytes.size()) bytes.resize(std::min(bytes.size() * 2, maxSize));
    const ssize_t n = ::read(fd, bytes.data() + size, bytes.size() - size);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw UserError(CannotOpenMessage(path));
    if (n == 0) break;
    size += static_cast<std::size_t>(n);
  }
  bytes.resize(size);
  return bytes;
}

}  // namespace

Bytes ReadWholeFile(const std::string& path, std::size_t maxSize) {
  // Only a regular file is opened: opening a FIFO or a device could block or have effects.
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
    throw UserError(CannotOpenMessage(path));
  const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (file.get() < 0 || ::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode))
    throw UserError(CannotOpenMessage(path));
  try {
    return ReadOpenFile(file.get(), static_cast<std::size_t>(std::max<off_t>(st.st_size, 0)),
                        maxSize, path);
  } catch (const std::bad_alloc&) {
    throw UserError(CannotOpenMessage(path));
  } catch (const std::length_error&) {
    throw UserError(CannotOpenMessage(path));
  }
}

std::string TooLargeMessage(const std::string& path, std::size_t limit) {
  return "ファイル " + ShownPath(path) + " は大きすぎます（" +
         FormatFull(static_cast<double>(limit)) + " バイトまで）";
}

std::string ReadTextTable(const std::string& path) {
  const Bytes bytes = ReadWholeFile(path, kTextTableLimit + 1);
  if (bytes.size() > kTextTableLimit) throw UserError(TooLargeMessage(path, kTextTableLimit));
  return std::string(bytes.begin(), bytes.end());
}

namespace {

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a save through `path` must replace: the end of its chain of symbolic links, which
// need not exist yet (a link to a file still to be made). Nothing when the chain loops.
std::optional<std::string> ResolveLinks(const std::string& path) {
  std::string current = path;
  for (int hops = 0; hops <= 40; ++hops) {
    struct stat st {};
    if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
    std::string target(PATH_MAX, '\0');
    const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= target.size()) return std::nullopt;
    target.resize(static_cast<std::size_t>(n));
    current = target.front() == '/' ? target : FolderOf(current) + "/" + target;
  }
  return std::nullopt;
}

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// A write beyond the file-size limit must fail with an error we can clean up after, not kill
// the process with a half-written temporary file left behind. Asked on every save, so no caller
// can miss it; a handler someone installed on purpose stays.
void IgnoreFileSizeSignal() {
  struct sigaction current {};
  if (::sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL)
    ::signal(SIGXFSZ, SIG_IGN);
}

// A new file beside `target` that nobody else can have opened. The mode passed to open() lets
// the umask and the folder's default permissions act as on any new file, without touching the
// process-wide umask.
int CreateTemporaryFile(const std::string& folder, std::string& name) {
  static constexpr char kLetters[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  for (int attempt = 0; attempt < 100; ++attempt) {
    unsigned char random[6];
    if (::getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) return -1;
    name = folder + "/.coilspring-";
    for (const unsigned char r : random) name += kLetters[r % (sizeof kLetters - 1)];
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Why the temporary file could not be made: a folder the user may not write is named as such.
std::string CreateFailureMessage(const std::string& path, const std::string& folder, int error) {
  if (error == EACCES || error == EPERM || error == EROFS)
    return FolderNotWritableMessage(path, folder);
  return CannotCreateMessage(path);
}

// Removes the temporary file on every way out but the successful rename, also when SIGINT or
// SIGTERM ends the process.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::string name)
      : name_(std::move(name)), onSignal_(name_, RemovedOnSignal::Kind::File) {}
  ~TemporaryFile() {
    if (!name_.empty()) ::unlink(name_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  const std::string& name() const { return name_; }
  void Release() { name_.clear(); }

 private:
  std::string name_;
  RemovedOnSignal onSignal_;
};

// The old file's owner, group and permission bits on the new one. Set-user-ID and set-group-ID
// are never carried over; an owner or group the user may not give is left as it comes.
void KeepAttributes(int fd, const struct stat& old) {
  if (::fchown(fd, old.st_uid, old.st_gid) != 0 &&
      ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
    // Another user's group: the new file keeps the user's own.
  }
  if (::fchmod(fd, old.st_mode & 0777) != 0) {
    // Our own new file: cannot fail short of a broken kernel; its default mode stays.
  }
}

}  // namespace

void WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
  IgnoreFileSizeSignal();
  if (path.empty()) throw UserError(CannotCreateMessage(path));
  const std::optional<std::string> target = ResolveLinks(path);
  if (!target) throw UserError(CannotCreateMessage(path));
  struct stat old {};
  const bool exists = ::stat(target->c_str(), &old) == 0;
  // The same refusal a plain write would meet: a 0444 file, or another user's file in the
  // user's own folder, is not replaced behind its owner's back.
  if (exists && (!S_ISREG(old.st_mode) || ::access(target->c_str(), W_OK) != 0))
    throw UserError(CannotCreateMessage(path));

  std::string tempName;
  std::optional<Descriptor> file;
  std::optional<TemporaryFile> temp;
  {
    // Made and registered for removal as one step: a signal in between would leave it.
    const SignalsHeld held;
    file.emplace(CreateTemporaryFile(FolderOf(*target), tempName));
    if (file->get() < 0) throw UserError(CreateFailureMessage(path, FolderOf(*target), errno));
    temp.emplace(tempName);
  }
  if (exists) KeepAttributes(file->get(), old);
  const bool written =
      WriteAll(file->get(), bytes.data(), bytes.size()) && ::fsync(file->get()) == 0;
  const int writeErrno = errno;
  if (!written) throw UserError(WriteErrorMessage(path, writeErrno));
  if (!file->Close()) throw UserError(WriteErrorMessage(path, errno));
  if (::rename(temp->name().c_str(), target->c_str()) != 0)
    throw UserError(CannotCreateMessage(path));
  temp->Release();
  // The rename itself reaches the disk only with the folder.
  const Descriptor folder(::open(FolderOf(*target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() >= 0 && ::fsync(folder.get()) != 0 && errno != EINVAL)
    throw UserError(WriteErrorMessage(path, errno));
}

void WriteFileAtomically(const std::string& path, std::string_view text) {
  WriteFileAtomically(path,
                      std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

std::string ExecutableFolder() {
  char buf[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return ".";
  return FolderOf(std::string(buf, static_cast<std::size_t>(n)));
}

}  // namespace coilspring
