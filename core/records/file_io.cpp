#include "core/records/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "core/text/user_error.h"

namespace coilspring {

Bytes ReadWholeFile(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
    throw UserError(CannotOpenMessage(path));
  std::ifstream in(path, std::ios::binary);
  if (!in) throw UserError(CannotOpenMessage(path));
  Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw UserError(CannotOpenMessage(path));
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
  WriteFileAtomically(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()),
                                      text.size()));
}

std::string ExecutableFolder() {
  char buf[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return ".";
  return FolderOf(std::string(buf, static_cast<std::size_t>(n)));
}

}  // namespace coilspring
