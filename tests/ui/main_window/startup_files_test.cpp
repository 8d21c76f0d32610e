// Start-up with data files that cannot serve: a read error (a failing disk, reproduced by a link
// to /proc/self/mem) or a database without a usable material shows one message naming the file
// and leaves the window open without a design, never aborting.
#include <unistd.h>

#include <functional>
#include <ostream>
#include <string>

#include "../../core/param_names.h"
#include "support/main_window_fixture.h"

namespace coilspring::testing {
namespace {

struct StartupCase {
  const char* what;
  const char* file;  // the file of the program folder that is replaced
  std::function<void(const std::string& path)> make;
  MessageKind kind;
  std::string message;  // %1 is the file's full path
};
void PrintTo(const StartupCase& c, std::ostream* out) { *out << c.what; }

void ReadErrorLink(const std::string& path) {
  ASSERT_EQ(::symlink("/proc/self/mem", path.c_str()), 0);
}

void Filled(const std::string& path, std::size_t size, std::uint8_t byte) {
  WriteFileAtomically(path, Bytes(size, byte));
}

constexpr const char* kNoMaterial =
    "材料データファイル %1 には使える材料がありません。\n材料が選べないため計算できません。"
    "「ツール」→「材料編集」で材料を登録して保存してから、プログラムを起動し直してください。";

const std::string kUnusable =
    "\n係数が使えないため計算できません。「ツール」→「係数編集」で係数を設定してから、プログラム"
    "を起動し直してください。";

const StartupCase kCases[] = {
    {"settings file gives a read error", kSettingsFileName, ReadErrorLink, MessageKind::Warning,
     "設定ファイル %1 を読み込めません。\n係数が読めないため計算できません。「ツール」→「係数編集"
     "」で係数を設定してから、プログラムを起動し直してください。"},
    {"material file gives a read error", kMaterialFileName, ReadErrorLink, MessageKind::Error,
     "ファイル %1 は開けません"},
    {"empty material file", kMaterialFileName, [](const std::string& p) { Filled(p, 0, 0); },
     MessageKind::Error, kNoMaterial},
    {"all zero material file", kMaterialFileName,
     [](const std::string& p) { Filled(p, MaterialTable::kSize, 0); }, MessageKind::Error,
     kNoMaterial},
    {"all 0xFF material file", kMaterialFileName,
     [](const std::string& p) { Filled(p, MaterialTable::kSize, 0xFF); }, MessageKind::Error,
     "ファイル %1 は材料データベースとして使えません: 材料 0 の種類番号 KindNo = -1 が 0〜10 "
     "の外です"},
    {"material file larger than the database", kMaterialFileName,
     [](const std::string& p) { Filled(p, MaterialTable::kSize + 1, 0); }, MessageKind::Error,
     "ファイル %1 は材料データベースとして使えません: 大きすぎます（52080 バイトまで）"},
    {"design file as settings file", kSettingsFileName,
     [](const std::string& p) { Filled(p, SpringDesign::kSize, 0); }, MessageKind::Warning,
     "ファイル %1 は設定ファイルとして使えません: 大きすぎます（736 バイトまで）" + kUnusable},
    {"settings file with a NaN ratio", kSettingsFileName,
     [](const std::string& p) { Filled(p, 12, 0xFF); }, MessageKind::Warning,
     "ファイル %1 は設定ファイルとして使えません: CompressionStressRatio = NAN が 0〜100 の外で"
     "す" +
         kUnusable},
};

class StartupFilesTest : public MainWindowTest,
                         public ::testing::WithParamInterface<StartupCase> {};

TEST_P(StartupFilesTest, ShowsOneMessageNamingTheFile) {
  const StartupCase& c = GetParam();
  const std::string path = folder.file(c.file);
  c.make(path);
  const bool settings = std::string(c.file) != kSettingsFileName;
  Start(FixtureMaterials(), FixtureSettings(), settings, !settings);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].kind, c.kind);
  EXPECT_EQ(platform.messages[0].text,
            QString::fromStdString(c.message).arg(QString::fromStdString(path)));
  EXPECT_FALSE(window->StartupCompleted());
  EXPECT_FALSE(get<QGroupBox>("GroupBox1")->isEnabled());
  EXPECT_TRUE(window->findChild<QAction*>("N8")->isEnabled());  // the material editor stays
}

INSTANTIATE_TEST_SUITE_P(Cases, StartupFilesTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return test_names::FromText(info.param.what); });

}  // namespace
}  // namespace coilspring::testing
