// The checks every reader of a stored design, a settings file and a material database shares:
// each case changes one thing of a sound record and names the message part it must give.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <limits>
#include <ostream>
#include <string>

#include "../param_names.h"
#include "core/compression/design_validation.h"
#include "core/records/data_files.h"
#include "core/records/file_io.h"
#include "core/records/signal_cleanup.h"
#include "support/worked_example.h"

namespace coilspring {
namespace {

namespace fs = std::filesystem;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Sound {
  MaterialTable materials;
  CoefficientSettings settings;
  DesignRecord design;
  Sound() {
    for (auto& m : materials.records) m.KindNo = kEmptyKindNo;
    materials[0].KindNo = 0;
    SetUpWorkedExample(materials, settings, design);
    design.InUse = 1;
  }
};

struct DesignCase {
  const char* what;
  std::function<void(DesignRecord&)> change;
  const char* withoutMaterials;  // message part; "" accepted
  const char* withMaterials;
};
void PrintTo(const DesignCase& c, std::ostream* out) { *out << c.what; }

const DesignCase kDesignCases[] = {
    {"sound", [](DesignRecord&) {}, "", ""},
    {"end form 99", [](DesignRecord& r) { r.EndKind = static_cast<EndKind>(99); },
     "座巻き EndKind = 99 が 0〜6 の外です", "座巻き EndKind = 99 が 0〜6 の外です"},
    {"diameter kind 9", [](DesignRecord& r) { r.DiameterKind = static_cast<DiameterKind>(9); },
     "径の種類 DiameterKind = 9 が 0〜2 の外です", "DiameterKind = 9"},
    {"input mode -1", [](DesignRecord& r) { r.InputMode = static_cast<InputMode>(-1); },
     "入力モード InputMode = -1 が 0〜1 の外です", "InputMode = -1"},
    {"material 2147483647", [](DesignRecord& r) { r.MaterialNo = 2147483647; },
     "材料番号 MaterialNo = 2147483647 が 0〜29 の外です", "MaterialNo = 2147483647"},
    {"material -1", [](DesignRecord& r) { r.MaterialNo = -1; }, "MaterialNo = -1 が 0〜29",
     "MaterialNo = -1 が 0〜29"},
    {"empty material record", [](DesignRecord& r) { r.MaterialNo = 5; }, "",
     "材料番号 MaterialNo = 5 の材料が材料データベースにありません"},
    {"wire row 50", [](DesignRecord& r) { r.WireRow = 50; },
     "線径の行 WireRow = 50 が 0〜49 の外です", "WireRow = 50 が 0〜49"},
    {"wire row beyond the table, diameter in it", [](DesignRecord& r) { r.WireRow = 3; }, "", ""},
    {"wire row beyond the table, diameter not in it",
     [](DesignRecord& r) {
       r.WireRow = 3;
       r.WireDiameter = 1.2;
     },
     "",
     "線径 WireDiameter = 1.2 が材料 0 の線径の表になく、線径の行 WireRow = 3 も表（3 "
     "行）の外です"},
    {"wire diameter null", [](DesignRecord& r) { r.WireDiameter = kNaN; },
     "線径 WireDiameter が有限の数ではありません", "WireDiameter が有限"},
    {"infinite load", [](DesignRecord& r) { r.Load2 = INFINITY; },
     "荷重（Ｐ２） Load2 が有限の数ではありません", "Load2 が有限"},
    {"a result that is NaN", [](DesignRecord& r) { r.SpringRate = kNaN; }, "", ""},
    {"zero turns: the checks judge it", [](DesignRecord& r) { r.TotalTurns = 0; }, "", ""},
    {"tiny free length", [](DesignRecord& r) { r.FreeLength = 5e-324; }, "", ""},
};

class DesignValidationTest : public testing::TestWithParam<DesignCase> {};

TEST_P(DesignValidationTest, NamesTheFirstFieldTheCalculationCannotTake) {
  const DesignCase& c = GetParam();
  Sound s;
  c.change(s.design);
  for (const auto& [materials, expected] :
       {std::pair{static_cast<const MaterialTable*>(nullptr), c.withoutMaterials},
        std::pair{static_cast<const MaterialTable*>(&s.materials), c.withMaterials}}) {
    const auto problem = ValidateStoredDesign(s.design, materials);
    if (std::string(expected).empty())
      EXPECT_FALSE(problem) << *problem;
    else
      EXPECT_NE(problem.value_or("").find(expected), std::string::npos) << problem.value_or("");
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, DesignValidationTest, testing::ValuesIn(kDesignCases),
                         [](const auto& info) { return test_names::FromText(info.param.what); });

class Folder {
 public:
  Folder() {
    char pattern[] = "/tmp/coilspring-bounds-XXXXXX";
    path_ = ::mkdtemp(pattern);
  }
  ~Folder() { fs::remove_all(path_); }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

TEST(DesignFileTest, ReadsOverTheStateOnlyWhatValidates) {
  const Folder folder;
  Sound s;
  SpringDesign state;
  InitDesign(state);
  state[0] = s.design;
  SpringDesign file = state;
  file[3] = s.design;
  file[3].EndKind = static_cast<EndKind>(7);
  WriteRecordFile(folder / "damaged.abd", file);
  try {
    ReadDesignFile(folder / "damaged.abd", state, s.materials);
    ADD_FAILURE() << "a damaged history slot was read";
  } catch (const UserError& e) {
    EXPECT_EQ(std::string(e.what()), "ファイル " + folder / "damaged.abd" +
                                         ": 履歴 3 の設計が壊れています: 座巻き EndKind = 7 が "
                                         "0〜6 の外です");
  }
  WriteFileAtomically(folder / "empty.abd", std::string_view());
  EXPECT_THROW(ReadDesignFile(folder / "empty.abd", state, s.materials), UserError);
  // A slot not in use may hold anything; a file of one record replaces only record 0.
  file[3].InUse = 0;
  file[0].FreeLength = 41;
  WriteRecordFile(folder / "sound.abd", file);
  EXPECT_EQ(ReadDesignFile(folder / "sound.abd", state, s.materials), file);
  WriteFileAtomically(folder / "one.abd", Encode(file[0]));
  const SpringDesign read = ReadDesignFile(folder / "one.abd", state, s.materials);
  EXPECT_EQ(read[0], file[0]);
  EXPECT_EQ(read[3], state[3]);
}

struct DataFileCase {
  const char* what;
  bool settings;  // read as the settings file, else as the material database
  Bytes bytes;
  const char* refusal;  // message part; "" accepted
};
void PrintTo(const DataFileCase& c, std::ostream* out) { *out << c.what; }

Bytes SettingsWith(double ratio) {
  CoefficientSettings s;
  s.CompressionStressRatio = ratio;
  s.HookStressFactor = 1.25;
  return Encode(s);
}
Bytes MaterialsWith(const std::function<void(MaterialRecord&)>& change = [](auto&) {}) {
  Sound s;
  change(s.materials[0]);
  return Encode(s.materials);
}
// The bytes with one byte set, or one byte more when set at the end.
Bytes WithByte(Bytes b, std::size_t at, std::uint8_t value) {
  b.resize(std::max(b.size(), at + 1));
  b[at] = value;
  return b;
}

const DataFileCase kDataFileCases[] = {
    {"sound settings", true, SettingsWith(80), ""},
    {"settings of a few bytes", true, Bytes(12, 0), ""},
    {"design file as settings", true, Bytes(SpringDesign::kSize, 0),
     "は設定ファイルとして使えません: 大きすぎます（736 バイトまで）"},
    {"ratio 150", true, SettingsWith(150), "CompressionStressRatio = 150 が 0〜100 の外です"},
    {"ratio NaN", true, SettingsWith(kNaN), "CompressionStressRatio = NAN"},
    {"hook factor 0 within the file", true, Bytes(36, 0), "HookStressFactor = 0 が 1〜25 の外です"},
    {"sound materials", false, MaterialsWith(), ""},
    {"empty material file", false, Bytes(), ""},
    {"material file one byte long", false, WithByte(MaterialsWith(), MaterialTable::kSize, 0),
     "は材料データベースとして使えません: 大きすぎます"},
    {"all 0xFF", false, Bytes(MaterialTable::kSize, 0xFF),
     "材料 0 の種類番号 KindNo = -1 が 0〜10 の外です"},
    {"row count 51", false, MaterialsWith([](auto& m) { m.RowCount = 51; }),
     "データーの数 RowCount = 51 が 0〜50 の外です"},
    {"torsion ratio 101", false, MaterialsWith([](auto& m) { m.TorsionRatio = 101; }),
     "ねじり応力比 TorsionRatio = 101"},
    {"descending wires", false, MaterialsWith([](auto& m) { m.WireDiameters[2] = 1.8; }),
     "線径の 3 行目 が昇順ではありません"},
    {"negative strength", false, MaterialsWith([](auto& m) { m.AllowableTorsion[1] = -1; }),
     "強さの 2 行目 = -1"},
    {"infinite modulus", false, MaterialsWith([](auto& m) { m.ShearModulus = INFINITY; }),
     "弾性係数 INF"},
    {"name longer than its field", false, MaterialsWith([](auto& m) { m.Symbol.length = 64; }),
     "名前の長さが 50 バイトを超えています"},
    // The last byte of a double lands on the symbol's length.
    {"settings file as materials", false, WithByte(SettingsWith(80), 51, 64), "名前の長さ"},
};

class DataFileTest : public testing::TestWithParam<DataFileCase> {};

TEST_P(DataFileTest, RefusesAFileThatCannotServeNamingIt) {
  const DataFileCase& c = GetParam();
  const Folder folder;
  const std::string path = folder / "data";
  const Sound sound;
  WriteFileAtomically(path, c.bytes);
  MaterialTable materials = sound.materials;
  CoefficientSettings settings;
  const auto read = [&] {
    if (c.settings)
      ReadSettingsFile(path, settings);
    else
      ReadMaterialFile(path, materials);
  };
  if (std::string(c.refusal).empty()) {
    EXPECT_NO_THROW(read());
    return;
  }
  const MaterialTable materialsBefore = materials;
  try {
    read();
    ADD_FAILURE() << "accepted";
  } catch (const UnusableDataFile& e) {
    EXPECT_NE(std::string(e.what()).find("ファイル " + path + " は"), std::string::npos);
    EXPECT_NE(std::string(e.what()).find(c.refusal), std::string::npos) << e.what();
  }
  EXPECT_EQ(materials, materialsBefore) << "a refused file changed the table";
}

INSTANTIATE_TEST_SUITE_P(Cases, DataFileTest, testing::ValuesIn(kDataFileCases),
                         [](const auto& info) { return test_names::FromText(info.param.what); });

// A process ended by SIGTERM or SIGINT while a file and a folder are registered removes both
// and ends as the signal ends it.
TEST(SignalCleanupTest, RemovesWhatIsRegisteredAndEndsByTheSignal) {
  for (const int signal : {SIGTERM, SIGINT}) {
    const Folder folder;
    const std::string file = folder / ".coilspring-pending";
    const std::string privateFolder = folder / "private";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      // The handler comes with the first registration, or with the parent's earlier saves.
      ::mkdir(privateFolder.c_str(), 0700);
      WriteFileAtomically(privateFolder + "/sheet.pdf", std::string_view("page"));
      const RemovedOnSignal folderGoes(privateFolder, RemovedOnSignal::Kind::Folder);
      WriteFileAtomically(file, std::string_view("partial"));
      const RemovedOnSignal fileGoes(file, RemovedOnSignal::Kind::File);
      {
        const SignalsHeld held;
        ::raise(signal);
        ::usleep(1000);  // still held: the process goes on until the end of this scope
      }
      ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "exit status " << status;
    EXPECT_EQ(WTERMSIG(status), signal);
    EXPECT_FALSE(fs::exists(file));
    EXPECT_FALSE(fs::exists(privateFolder));
  }
}

}  // namespace
}  // namespace coilspring
