// Saving and reading as an engineer's file system expects: links saved through, set-ID bits
// dropped, the file-size limit an error and not a kill, read errors and huge files turned into
// the program's own message.
#include "core/records/file_io.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>

#include "../param_names.h"
#include "core/compression/design_record.h"
#include "core/text/user_error.h"

namespace coilspring {
namespace {

namespace fs = std::filesystem;

class Folder {
 public:
  Folder() {
    char pattern[] = "/tmp/coilspring-io-XXXXXX";
    path_ = ::mkdtemp(pattern);
  }
  ~Folder() { fs::remove_all(path_); }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }
  const std::string& path() const { return path_; }
  // Names in the folder, for spotting a temporary file left behind.
  int Entries() const {
    int n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(path_)) ++n;
    return n;
  }

 private:
  std::string path_;
};

std::string Contents(const std::string& path) {
  const Bytes b = ReadWholeFile(path);
  return std::string(b.begin(), b.end());
}

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  ::lstat(path.c_str(), &st);
  return st.st_mode;
}

struct SaveCase {
  const char* what;
  // Prepares the folder and gives the name to save through.
  std::function<std::string(const Folder&)> prepare;
  // Checks the folder after "new" was saved through that name.
  std::function<void(const Folder&)> check;
};
void PrintTo(const SaveCase& c, std::ostream* out) { *out << c.what; }

class SaveTest : public testing::TestWithParam<SaveCase> {};

TEST_P(SaveTest, KeepsWhatTheFileSystemSays) {
  const Folder dir;
  const std::string name = GetParam().prepare(dir);
  WriteFileAtomically(name, std::string_view("new"));
  GetParam().check(dir);
}

const SaveCase kSaveCases[] = {
    {"symbolic link stays and its target gets the contents",
     [](const Folder& d) {
       WriteFileAtomically(d / "real.dxf", std::string_view("old"));
       fs::create_symlink("real.dxf", d / "link.dxf");
       return d / "link.dxf";
     },
     [](const Folder& d) {
       EXPECT_TRUE(S_ISLNK(ModeOf(d / "link.dxf")));
       EXPECT_EQ(Contents(d / "real.dxf"), "new");
       EXPECT_EQ(d.Entries(), 2);
     }},
    {"chain of links into another folder",
     [](const Folder& d) {
       fs::create_directory(d / "sub");
       WriteFileAtomically(d / "sub/real.abd", std::string_view("old"));
       fs::create_symlink(d / "sub/real.abd", d / "one.abd");
       fs::create_symlink("one.abd", d / "two.abd");
       return d / "two.abd";
     },
     [](const Folder& d) {
       EXPECT_TRUE(S_ISLNK(ModeOf(d / "one.abd")));
       EXPECT_TRUE(S_ISLNK(ModeOf(d / "two.abd")));
       EXPECT_EQ(Contents(d / "sub/real.abd"), "new");
       EXPECT_EQ(d.Entries(), 3);  // sub, one, two: no temporary file beside the links
     }},
    {"link to a file still to be made creates it",
     [](const Folder& d) {
       fs::create_symlink("made.pdf", d / "link.pdf");
       return d / "link.pdf";
     },
     [](const Folder& d) {
       EXPECT_TRUE(S_ISLNK(ModeOf(d / "link.pdf")));
       EXPECT_EQ(Contents(d / "made.pdf"), "new");
     }},
    {"setuid and setgid bits are not carried over",
     [](const Folder& d) {
       WriteFileAtomically(d / "tool.dat", std::string_view("old"));
       ::chmod((d / "tool.dat").c_str(), 06754);
       return d / "tool.dat";
     },
     [](const Folder& d) { EXPECT_EQ(ModeOf(d / "tool.dat") & 07777, 0754u); }},
    {"a new file gets the umask's permissions",
     [](const Folder& d) {
       ::umask(027);
       return d / "fresh.abd";
     },
     [](const Folder& d) {
       EXPECT_EQ(ModeOf(d / "fresh.abd") & 07777, 0640u);
       EXPECT_EQ(::umask(022), 027u);  // and the umask is as it was
     }},
};

INSTANTIATE_TEST_SUITE_P(Cases, SaveTest, testing::ValuesIn(kSaveCases),
                         [](const auto& info) { return test_names::FromText(info.param.what); });

// The file-size limit stops the write in a child process (the limit and the signal are
// process-wide): the default action of SIGXFSZ would kill it mid-write.
TEST(SaveTest, FileSizeLimitIsAnErrorAndLeavesThePreviousFileWhole) {
  const Folder dir;
  const std::string file = dir / "big.dxf";
  WriteFileAtomically(file, std::string_view("previous"));
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_DFL);
    const rlimit limit{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    try {
      WriteFileAtomically(file, std::string(100000, 'x'));
    } catch (const UserError& e) {
      ::_exit(std::string(e.what()) == WriteErrorMessage(file, EFBIG) ? 0 : 3);
    }
    ::_exit(4);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(Contents(file), "previous");
  EXPECT_EQ(dir.Entries(), 1);
}

struct ReadCase {
  const char* what;
  std::function<std::string(const Folder&)> prepare;  // gives the file to read
  std::size_t maxSize;
  std::size_t expectedSize;  // or SIZE_MAX: refused with "ファイル <name> は開けません"
};
void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.what; }

class ReadTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadTest, ReadsAtMostWhatIsUsedAndNamesTheFileOnError) {
  const Folder dir;
  const ReadCase& c = GetParam();
  const std::string path = c.prepare(dir);
  if (c.expectedSize == SIZE_MAX) {
    try {
      ReadWholeFile(path, c.maxSize);
      ADD_FAILURE() << "read";
    } catch (const UserError& e) {
      EXPECT_EQ(std::string(e.what()), CannotOpenMessage(path));
    }
  } else {
    EXPECT_EQ(ReadWholeFile(path, c.maxSize).size(), c.expectedSize);
  }
}

std::string SparseFile(const Folder& d, off_t size) {
  const std::string path = d / "sparse.abd";
  WriteFileAtomically(path, std::string_view("x"));
  EXPECT_EQ(::truncate(path.c_str(), size), 0);
  return path;
}

const ReadCase kReadCases[] = {
    {"sparse 2 GB design file reads one record set",
     [](const Folder& d) { return SparseFile(d, off_t{2} << 30); }, SpringDesign::kSize, 10416},
    {"sparse 8 GB file within the limit of a material file",
     [](const Folder& d) { return SparseFile(d, off_t{8} << 30); }, 52080, 52080},
    {"short file fills what it has",
     [](const Folder& d) {
       WriteFileAtomically(d / "short", std::string_view("abc"));
       return d / "short";
     },
     736, 3},
    {"read error through a link to proc self mem",
     [](const Folder& d) {
       fs::create_symlink("/proc/self/mem", d / "keisuu.dat");
       return d / "keisuu.dat";
     },
     736, SIZE_MAX},
};

INSTANTIATE_TEST_SUITE_P(Cases, ReadTest, testing::ValuesIn(kReadCases),
                         [](const auto& info) { return test_names::FromText(info.param.what); });

// Memory runs out in a child process whose address space is limited to 1 GB.
TEST(ReadTest, AFileTooLargeForMemoryIsTheProgramsOwnMessage) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer's shadow memory alone needs more address space than 1 GB";
#endif
  const Folder dir;
  const std::string path = SparseFile(dir, off_t{2} << 30);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const rlimit limit{1ul << 30, 1ul << 30};
    ::setrlimit(RLIMIT_AS, &limit);
    try {
      ReadWholeFile(path);
    } catch (const UserError& e) {
      ::_exit(std::string(e.what()) == CannotOpenMessage(path) ? 0 : 3);
    }
    ::_exit(4);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(ReadTextTable, RefusesMoreThanTheLimitWithAClearMessage) {
  const Folder dir;
  const std::string path = dir / "table.tsv";
  WriteFileAtomically(path, std::string(kTextTableLimit, '#'));
  EXPECT_EQ(ReadTextTable(path).size(), kTextTableLimit);
  WriteFileAtomically(path, std::string(kTextTableLimit + 1, '#'));
  try {
    ReadTextTable(path);
    ADD_FAILURE();
  } catch (const UserError& e) {
    EXPECT_EQ(std::string(e.what()), "ファイル " + path + " は大きすぎます（1048576 バイトまで）");
  }
}

}  // namespace
}  // namespace coilspring
