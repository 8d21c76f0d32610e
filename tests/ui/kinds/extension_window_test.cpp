#include "ui/kinds/extension/extension_window.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include "core/extension/extension_shape.h"
#include "core/records/file_io.h"
#include "core/text/user_error.h"
#include "support/spring_window_fixture.h"

namespace coilspring::testing {
namespace {

// The fixture's SWP-A: G 78500 N/mm^2, allowable torsion 1500 N/mm^2 at every diameter, σB 1960;
// coefficients 80 %, 80 %, hook factor 1.25, no initial-tension reductions. The design: d 1,
// D 8 (mean), Nt 10, round hook, Pi 0.4 kgf, L0 30, L1 35, L2 40 mm. By hand:
//   k = 78500 / (8 · 10 · 512) / 9.8066 = 0.1954 kgf/mm (1.917 N/mm)
//   P2 = 0.4 + 0.19543 · 10 = 2.354 kgf;  τa = 1500 · 0.8 · 0.8 / 9.807 = 97.89 kgf/mm^2
//   Pmax = π · 97.889 / (64 · 1.184018) = 4.058 kgf;  Lmax = 30 + 3.6583 / 0.19543 = 48.72 mm
//   band: 77.43 … 122.02 N/mm^2 = 7.896 … 12.44 kgf/mm^2, as Pi: × π / 64 = 0.3876 … 0.6107 kgf
class ExtensionWindowTest : public SpringWindowTest<ExtensionWindow> {
 protected:
  void SetUp() override { Open("ExtensionMenu", SpringKind::Extension); }
  void EnterDesign() const {
    part<QComboBox>("kindCombo")->setCurrentIndex(0);
    part<QComboBox>("symbolCombo")->setCurrentIndex(0);
    QComboBox* wires = part<QComboBox>("wireCombo");
    wires->setCurrentIndex(wires->findText("1"));
    part<QComboBox>("diameterKindCombo")->setCurrentIndex(1);
    part<QComboBox>("hookCombo")->setCurrentIndex(0);
    part<QCheckBox>("annealedCheck")->setChecked(true);
    const char* typed[][2] = {{"diameterEdit", "8"},         {"turnsEdit", "10"},
                              {"initialTensionEdit", "0.4"}, {"freeLengthEdit", "30"},
                              {"length1Edit", "35"},         {"length2Edit", "40"}};
    for (const auto& t : typed) type(t[0], t[1]);
  }
  QString Result(const char* label) const { return row("resultsGrid", label); }
  QStringList Lines() const { return lines("messageList"); }
};

TEST_F(ExtensionWindowTest, EnterCalculatesAndShowsTheResults) {
  EXPECT_TRUE(spring->isVisible());
  EXPECT_EQ(spring->windowTitle(), QStringLiteral("無題[*] - 引張コイルばね"));
  EnterDesign();
  enter("length2Edit");
  ASSERT_TRUE(platform.messages.empty());
  const struct {
    const char* label;
    const char* shown;
  } rows[] = {
      {"バネ定数", "0.1954 kgf/mm"},
      {"許容応力", "97.89 kgf/mm^2"},
      {"最大荷重", "4.058 kgf"},
      {"最大許容引張長さ", "48.72 mm"},
      {"初応力の下限", "7.896 kgf/mm^2"},
      {"初応力の上限", "12.44 kgf/mm^2"},
      {"期待寿命", "1000万 "},
  };
  for (const auto& r : rows) EXPECT_EQ(Result(r.label), QString::fromUtf8(r.shown));
  EXPECT_EQ(part<QLineEdit>("load2Edit")->text(), QStringLiteral("2.354"));
  EXPECT_EQ(Lines(), QStringList{"Calculation Success!"});
  EXPECT_TRUE(part<QLabel>("bandLabel")->text().contains(QStringLiteral("0.3876～0.6107")));
  EXPECT_EQ(part<QPushButton>("standardLengthButton")->text(), QStringLiteral("推奨 25"));
  turnToEveryPage();
  // The reference rows: free length 30 at c = 8, grade 2: 2 % with at least 0.5 → 0.6 mm.
  EXPECT_TRUE(row("referenceGrid", "自由長さの許容差（2級）").startsWith(QStringLiteral("0.6 ")));

  // Over-extended: L2 = 60 gives P2 = 6.263 kgf, τ2 = 151.1 and τh = 159.5 above τa.
  type("length2Edit", "60");
  press("calculateButton");
  EXPECT_EQ(Lines(), (QStringList{"エラー:ねじり応力オーバー", "エラー:フック応力オーバー"}));

  // SI units: the rate in N/mm (× 9.8066), loads in N (× 9.807).
  type("length2Edit", "40");
  spring->Calculate();
  spring->ToggleUnits();
  EXPECT_EQ(spring->Units(), UnitSystem::SI);
  EXPECT_EQ(Result("バネ定数"), QStringLiteral("1.917 N/mm"));
  EXPECT_EQ(part<QLineEdit>("load2Edit")->text(), QStringLiteral("23.09"));
  EXPECT_EQ(part<QLineEdit>("initialTensionEdit")->text(), QStringLiteral("3.923"));
  press("calculateButton");
  EXPECT_EQ(spring->Design().InitialTension, 0.4);  // 3.923 = 0.4·9.807 in 4 digits, losing none
}

// 推奨 sets the (Nt + 1)·d + 2·Di it shows, whichever diameter is typed: d 1, Nt 10, round hook.
TEST_F(ExtensionWindowTest, StandardLengthSetsWhatItShows) {
  // 内径 6, 平均径 7 and 外径 8 of a wire of 1 are one coil, Di 6: 11 + 2·6 = 23 each time.
  for (const auto& [kind, diameter] : {std::pair{0, "6"}, std::pair{1, "7"}, std::pair{2, "8"}}) {
    EnterDesign();
    part<QComboBox>("diameterKindCombo")->setCurrentIndex(kind);
    type("diameterEdit", diameter);
    press("calculateButton");
    EXPECT_EQ(part<QPushButton>("standardLengthButton")->text(), QStringLiteral("推奨 23"));
    press("standardLengthButton");
    EXPECT_EQ(part<QLineEdit>("freeLengthEdit")->text(), QStringLiteral("23"));
  }
}

TEST_F(ExtensionWindowTest, TheFileTheDxfAndTheShapeView) {
  EnterDesign();
  const QString file = QString::fromStdString(folder.file("e.json"));
  spring->Calculate();
  spring->SaveDesignTo(file);
  const ExtensionDesign saved = spring->Design();

  // The command line reads the window's file as the same design, with the same data files.
  QProcess cli;
  cli.start(QStringLiteral(COILSPRING_BIN_DIR "/coilspring-cli"),
            {"calc", file, "--json", "--materials",
             QString::fromStdString(folder.file(kMaterialFileName)), "--settings",
             QString::fromStdString(folder.file(kSettingsFileName))});
  ASSERT_TRUE(cli.waitForFinished(10000));
  EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
  const QJsonObject calculated = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
  EXPECT_EQ(calculated.value("Length2").toDouble(), saved.Length2);
  EXPECT_EQ(calculated.value("MaxLength").toDouble(), saved.MaxLength);
  EXPECT_EQ(calculated.value("HookStress").toDouble(), saved.HookStress);

  platform.saveAnswers.push_back(QString::fromStdString(folder.file("e.dxf")));
  spring->ExportDxf();
  EXPECT_EQ(ReadWholeFile(folder.file("e.dxf")).size(), ExtensionDxfText(saved).size());

  // The shape view steps through L1, L2 and back to the free length.
  const char* captions[] = {"荷重１", "荷重２", "フリー"};
  for (const char* caption : captions) {
    press("shapeStepButton");
    EXPECT_EQ(part<QLabel>("shapeCaption")->text(), QString::fromUtf8(caption));
  }
}

TEST_F(MainWindowTest, TheExtensionWindowNeedsTheDataFiles) {
  Start(FixtureMaterials(), FixtureSettings(), /*withSettings=*/false);
  platform.messages.clear();
  trigger("ExtensionMenu");
  EXPECT_EQ(window->findChild<ExtensionWindow*>(), nullptr);
}

TEST_F(ExtensionWindowTest, ReadingRefusesWhatTheCommandLineRefuses) {
  const MaterialTable materials = FixtureMaterials();
  const struct {
    const char* json;
    const char* key;
  } cases[] = {
      {R"({"kind":"extension","HookKind":4})", "'HookKind'"},
      {R"({"kind":"extension","Annealed":1})", "'Annealed'"},
      {R"({"kind":"extension","FreeLength":"30"})", "'FreeLength'"},
      {R"({"kind":"extension","WireDiameter":1.1})", "'WireDiameter'"},
      {R"({"kind":"spiral"})", "'kind'"},
      {R"({"kind":"extension","units":"furlongs"})", "'units'"},
      {R"({"kind":"extension","history":[{"kind":"extension","MaterialNo":4}]})", "'MaterialNo'"},
      {R"({"kind":"extension","FreeLength":30,"FreeLength":31})", "'FreeLength'"},
  };
  for (const auto& c : cases) {
    try {
      ReadExtensionDocumentJson(c.json, materials, ExtensionWindow::kHistoryLimit);
      ADD_FAILURE() << c.json;
    } catch (const UserError& e) {
      EXPECT_NE(std::string(e.what()).find(c.key), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace coilspring::testing
