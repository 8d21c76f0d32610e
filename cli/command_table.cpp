#include "cli/command_table.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <string_view>

#include "core/text/user_error.h"

namespace coilspring::cli {
namespace {

constexpr const char* kExitCodes =
    "終了コード:\n"
    "  0  成功\n"
    "  1  計算はできたが設計がチェックを通らない（calc、描けないバネの dxf）、\n"
    "     要求を満たす設計が見つからない（solve）\n"
    "  2  エラー（引数の誤り、読めない・書けないファイル、標準出力への書き込みの失敗）\n";

// A descriptor 0, 1 or 2 that the caller closed would be taken by the next file we open, and
// a report meant for stdout would land in it. A closed stdout gets /dev/null opened for reading,
// so that every write to it fails and is reported like a full device.
void HoldStandardDescriptors() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (::fcntl(fd, F_GETFD) != -1) continue;
    const int opened = ::open("/dev/null", fd == 2 ? O_WRONLY : O_RDONLY);
    if (opened >= 0 && opened != fd) ::close(opened);  // lower descriptors were free after all
  }
}

std::string ProgramName(const char* argv0) {
  const std::string_view program(argv0 ? argv0 : "");
  return std::string(program.substr(program.rfind('/') + 1));
}

}  // namespace

int RunCommandLine(int argc, char** argv, std::span<const Command> commands, const char* usage) {
  HoldStandardDescriptors();
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::fputs(usage, stdout);
    std::fputs(kExitCodes, stdout);
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 2;
  }
  if (argc >= 2) {
    const Args args(argv + 2, argv + argc);
    for (const Command& c : commands) {
      if (std::strcmp(argv[1], c.name) != 0) continue;
      const auto fail = [&](const char* message) {
        std::fprintf(stderr, "%s %s: %s\n", ProgramName(argv[0]).c_str(), c.name, message);
        return 2;
      };
      int code = 0;
      try {
        code = c.run(args);
      } catch (const std::exception& e) {
        return fail(e.what());
      }
      // Output that never reached its file (a full device, a closed stdout) is a failure too,
      // whichever command wrote it.
      if (std::fflush(stdout) != 0 || std::ferror(stdout)) return fail(kWriteErrorMessage);
      return code;
    }
  }
  std::fputs(usage, stderr);
  std::fputs(kExitCodes, stderr);
  return 2;
}

}  // namespace coilspring::cli
