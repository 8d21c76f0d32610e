#include "core/records/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

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

 private:
  int fd_;
};

}  // namespace

Bytes ReadWholeFile(const std::string& path) {
  // One plain read of the size the file says it has; the loop only goes on for a file that
  // grows while it is read.
  // Only a regular file is opened: opening a FIFO or a device could block or have effects.
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
    throw UserError(CannotOpenMessage(path));
  const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (file.get() < 0 || ::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode))
    throw UserError(CannotOpenMessage(path));
  Bytes bytes(static_cast<std::size_t>(st.st_size) + 1);
  std::size_t size = 0;
  for (;;) {
    if (size == bytes.size()) bytes.resize(bytes.size() * 2);
    const ssize_t n = ::read(file.get(), bytes.data() + size, bytes.size() - size);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw UserError(CannotOpenMessage(path));
    if (n == 0) break;
    size += static_cast<std::size_t>(n);
  }
  bytes.resize(size);
  return bytes;
}

namespace {

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
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

mode_t NewFileMode(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

void WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
  struct stat st {};
  if (path.empty() || (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)))
    throw UserError(CannotCreateMessage(path));
  std::string temp = FolderOf(path) + "/.coilspring-XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) throw UserError(CannotCreateMessage(path));
  const bool written = WriteAll(fd, bytes.data(), bytes.size()) &&
                       ::fchmod(fd, NewFileMode(path)) == 0 && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed) {
    ::unlink(temp.c_str());
    throw UserError(kWriteErrorMessage);
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    ::unlink(temp.c_str());
    throw UserError(CannotCreateMessage(path));
  }
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
