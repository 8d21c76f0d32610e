#include "cli/command_table.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <stdexcept>
#include <string_view>

#include "core/text/excerpt.h"
#include "core/text/text_number.h"
#include "core/text/user_error.h"

#ifndef COILSPRING_VERSION
#error "COILSPRING_VERSION comes from the project version in CMakeLists.txt"
#endif

namespace coilspring::cli {
namespace {

constexpr const char* kCommonOptions =
    "共通オプション:\n"
    "  --help, -h   この使い方を表示する\n"
    "  --version    プログラムの版を表示する\n";

constexpr const char* kExitCodes =
    "終了コード:\n"
    "  0  成功\n"
    "  1  計算はできたが設計がチェックを通らない（calc、描けないバネの dxf）、\n"
    "     要求を満たす設計が見つからない（solve）\n"
    "  2  エラー（引数の誤り、読めない・書けないファイル、設計のない履歴や壊れた設計ファイル、\n"
    "     標準出力への書き込みの失敗）\n";

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

// The usage lines of a command (its text up to the first empty line), each led by the program
// name; continuation lines keep their indent under the command.
std::string Synopsis(const std::string& program, std::string_view usage) {
  std::string out;
  while (!usage.empty()) {
    const std::size_t end = usage.find('\n');
    const std::string_view line = usage.substr(0, end);
    if (line.empty()) break;
    out += "  " + (line.front() == ' ' ? std::string(program.size(), ' ') : program) + " ";
    out += line;
    out += '\n';
    usage = end == std::string_view::npos ? std::string_view() : usage.substr(end + 1);
  }
  return out;
}

// The explanation after a command's usage lines, if it has one.
std::string_view Explanation(std::string_view usage) {
  const std::size_t gap = usage.find("\n\n");
  return gap == std::string_view::npos ? std::string_view() : usage.substr(gap + 2);
}

std::string ProgramHelp(const std::string& program, std::span<const Command> commands,
                        const char* title) {
  std::string out = program + " " + COILSPRING_VERSION + " — " + title + "\n\n使い方:\n";
  for (const Command& c : commands) out += Synopsis(program, c.usage);
  out += "\n各コマンドのオプションの意味は「" + program + " コマンド --help」で表示されます。\n\n";
  return out + kCommonOptions + "\n" + kExitCodes;
}

std::string CommandHelp(const std::string& program, const Command& c) {
  std::string out = "使い方:\n" + Synopsis(program, c.usage);
  const std::string_view explanation = Explanation(c.usage);
  if (!explanation.empty()) out += "\n" + std::string(explanation);
  return out + "\n" + kCommonOptions + "\n" + kExitCodes;
}

int PrintToStdout(const std::string& text) {
  std::fputs(text.c_str(), stdout);
  return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 2;
}

bool IsHelp(std::string_view a) { return a == "--help" || a == "-h"; }

}  // namespace

int RunCommandLine(int argc, char** argv, std::span<const Command> commands, const char* title) {
  HoldStandardDescriptors();
  const std::string program = ProgramName(argv[0]);
  const std::string version = program + " " + COILSPRING_VERSION + "\n";
  if (argc == 2 && IsHelp(argv[1])) return PrintToStdout(ProgramHelp(program, commands, title));
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) return PrintToStdout(version);
  if (argc >= 2) {
    const Args args(argv + 2, argv + argc);
    for (const Command& c : commands) {
      if (std::strcmp(argv[1], c.name) != 0) continue;
      // Anywhere before a lone "--", which would make them file names.
      for (const std::string& a : args) {
        if (a == "--") break;
        if (IsHelp(a)) return PrintToStdout(CommandHelp(program, c));
        if (a == "--version") return PrintToStdout(version);
      }
      const auto fail = [&](const std::string& message) {
        std::fprintf(stderr, "%s %s: %s\n", program.c_str(), c.name, message.c_str());
        return 2;
      };
      int code = 0;
      try {
        code = c.run(args);
      } catch (const std::invalid_argument& e) {
        return fail(std::string(e.what()) + "\n（使い方は「" + program + " " + c.name +
                    " --help」で表示されます）");
      } catch (const std::exception& e) {
        return fail(e.what());
      }
      // Output that never reached its file (a full device, a closed stdout) is a failure too,
      // whichever command wrote it.
      if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return fail(std::string("標準出力: ") + kWriteErrorMessage);
      return code;
    }
    std::fprintf(stderr, "%s: 不明なコマンド '%s'\n\n", program.c_str(), Excerpt(argv[1]).c_str());
  }
  std::fputs(ProgramHelp(program, commands, title).c_str(), stderr);
  return 2;
}

ParsedArguments ParseArguments(const Args& args, std::span<const OptionForm> forms) {
  ParsedArguments parsed;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (optionsEnded || !a.starts_with("--")) {
      parsed.positional.push_back(a);
      continue;
    }
    if (a == "--") {
      optionsEnded = true;
      continue;
    }
    const std::size_t equals = a.find('=');
    const std::string name = a.substr(0, equals);
    const OptionForm* form = nullptr;
    for (const OptionForm& s : forms)
      if (s.name == name) form = &s;
    if (form == nullptr) throw std::invalid_argument("不明なオプション " + Excerpt(name));
    if (form->value == nullptr) {
      if (equals != std::string::npos)
        throw std::invalid_argument(Excerpt(name) + " は値を取りません（'" + Excerpt(a) + "'）");
      parsed.options.emplace_back(name, "");
    } else if (equals != std::string::npos) {
      parsed.options.emplace_back(name, a.substr(equals + 1));
    } else if (i + 1 < args.size() && !(args[i + 1].starts_with("--") && args[i + 1].size() > 2)) {
      // Another option in the value's place means the value was left out; a value that starts
      // with "--" can still be given as "--name=--value".
      parsed.options.emplace_back(name, args[++i]);
    } else {
      throw std::invalid_argument(name + " の後に値 " + form->value + " が必要です");
    }
  }
  return parsed;
}

void RequirePositional(const ParsedArguments& parsed, std::span<const char* const> names) {
  const std::size_t given = parsed.positional.size();
  if (given < names.size())
    throw std::invalid_argument(std::string(names[given]) + " が指定されていません");
  if (given > names.size())
    throw std::invalid_argument("余分な引数 '" + Excerpt(parsed.positional[names.size()]) +
                                "' があります");
}

std::string BadValueMessage(std::string_view option, std::string_view value,
                            std::string_view expected) {
  return std::string(option) + " の値 '" + Excerpt(value) + "' は使えません（" +
         std::string(expected) + "）";
}

int IntegerValue(std::string_view option, const std::string& value) {
  try {
    return ParseInteger(value);
  } catch (const UserError& e) {
    throw std::invalid_argument(std::string(option) + ": " + e.what());
  }
}

double DecimalValue(std::string_view option, const std::string& value) {
  try {
    return ParseDecimal(value);
  } catch (const UserError& e) {
    throw std::invalid_argument(std::string(option) + ": " + e.what());
  }
}

}  // namespace coilspring::cli
