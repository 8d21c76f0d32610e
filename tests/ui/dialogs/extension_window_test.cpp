#include "ui/dialogs/extension_window.h"

#include <QCheckBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>

#include "core/extension/extension_shape.h"
#include "core/records/file_io.h"
#include "core/text/user_error.h"
#include "support/main_window_fixture.h"

namespace coilspring::testing {
namespace {

// The fixture's SWP-A: G 78500 N/mm^2, allowable torsion 1500 N/mm^2 at every diameter, σB 1960;
// coefficients 80 %, 80 %, hook factor 1.25, no initial-tension reductions. The design: d 1,
// D 8 (mean), Nt 10, round hook, Pi 0.4 kgf, L0 30, L1 35, L2 40 mm. By hand:
//   k = 78500 / (8 · 10 · 512) / 9.8066 = 0.1954 kgf/mm (1.917 N/mm)
//   P2 = 0.4 + 0.19543 · 10 = 2.354 kgf;  τa = 1500 · 0.8 · 0.8 / 9.807 = 97.89 kgf/mm^2
//   Pmax = π · 97.889 / (64 · 1.184018) = 4.058 kgf;  Lmax = 30 + 3.6583 / 0.19543 = 48.72 mm
//   band: 77.43 … 122.02 N/mm^2 = 7.896 … 12.44 kgf/mm^2, as Pi: × π / 64 = 0.3876 … 0.6107 kgf
class ExtensionWindowTest : public MainWindowTest {
 protected:
  // The unit choice lives in the user's configuration: each test gets its own, gravitational.
  void SetUp() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configFolder.path());
    Start();
    trigger("ExtensionMenu");
    extension = window->ExtensionSpringWindow();
    ASSERT_NE(extension, nullptr);
  }
  template <class W>
  W* in(const char* name) const {
    W* w = extension->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  void Type(const char* box, const QString& text) const { in<QLineEdit>(box)->setText(text); }
  void EnterDesign() const {
    in<QComboBox>("kindCombo")->setCurrentIndex(0);
    in<QComboBox>("symbolCombo")->setCurrentIndex(0);
    QComboBox* wires = in<QComboBox>("wireCombo");
    wires->setCurrentIndex(wires->findText("1"));
    in<QComboBox>("diameterKindCombo")->setCurrentIndex(1);
    Type("diameterEdit", "8");
    Type("turnsEdit", "10");
    in<QComboBox>("hookCombo")->setCurrentIndex(0);
    in<QCheckBox>("annealedCheck")->setChecked(true);
    Type("initialTensionEdit", "0.4");
    Type("freeLengthEdit", "30");
    Type("length1Edit", "35");
    Type("length2Edit", "40");
  }
  // The value column of the results row labelled `label`.
  QString Result(const char* label) const {
    auto* grid = in<QTableWidget>("resultsGrid");
    for (int row = 0; row < grid->rowCount(); ++row)
      if (grid->item(row, 0)->text() == QString::fromUtf8(label))
        return grid->item(row, 1)->text() + " " + grid->item(row, 2)->text();
    return {};
  }
  QStringList Lines() const {
    QStringList lines;
    auto* list = in<QListWidget>("messageList");
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
  }
  void TearDown() override {
    window.reset();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
  }
  TempFolder configFolder;
  ExtensionWindow* extension = nullptr;
};

TEST_F(ExtensionWindowTest, EnterCalculatesAndShowsTheResults) {
  EXPECT_TRUE(extension->isVisible());
  EXPECT_EQ(extension->windowTitle(), QStringLiteral("引張コイルばね"));
  EnterDesign();
  QTest::keyClick(in<QLineEdit>("length2Edit"), Qt::Key_Return);
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
  for (const auto& row : rows) EXPECT_EQ(Result(row.label), QString::fromUtf8(row.shown));
  EXPECT_EQ(in<QLineEdit>("load2Edit")->text(), QStringLiteral("2.354"));
  EXPECT_EQ(Lines(), QStringList{"Calculation Success!"});
  EXPECT_TRUE(in<QLabel>("bandLabel")->text().contains(QStringLiteral("0.3876～0.6107")));
  EXPECT_EQ(in<QPushButton>("standardLengthButton")->text(), QStringLiteral("推奨 25"));
  // The reference rows: free length 30 at c = 8, grade 2: 2 % with at least 0.5 → 0.6 mm.
  auto* reference = in<QTableWidget>("referenceGrid");
  bool found = false;
  for (int row = 0; row < reference->rowCount(); ++row)
    found =
        found || (reference->item(row, 0)->text() == QStringLiteral("自由長さの許容差（2級）") &&
                  reference->item(row, 1)->text() == QStringLiteral("0.6"));
  EXPECT_TRUE(found);

  // Over-extended: L2 = 60 gives P2 = 6.263 kgf, τ2 = 151.1 and τh = 159.5 above τa.
  Type("length2Edit", "60");
  QTest::mouseClick(in<QPushButton>("calculateButton"), Qt::LeftButton);
  EXPECT_EQ(Lines(), (QStringList{"エラー:ねじり応力オーバー", "エラー:フック応力オーバー"}));

  // SI units: the rate in N/mm (× 9.8066), loads in N (× 9.807).
  Type("length2Edit", "40");
  extension->Calculate();
  extension->ToggleUnits();
  EXPECT_EQ(extension->Units(), UnitSystem::SI);
  EXPECT_EQ(Result("バネ定数"), QStringLiteral("1.917 N/mm"));
  EXPECT_EQ(in<QLineEdit>("load2Edit")->text(), QStringLiteral("23.09"));
}

TEST_F(ExtensionWindowTest, HistorySaveReadAndDxf) {
  EnterDesign();
  extension->Calculate();
  extension->StoreInHistory();
  Type("length2Edit", "38");
  extension->Calculate();
  extension->StoreInHistory();
  auto* history = in<QTableWidget>("historyGrid");
  ASSERT_EQ(history->rowCount(), 2);
  extension->RecallFromHistory(0);
  EXPECT_EQ(extension->Design().Length2, 40);
  EXPECT_EQ(in<QLineEdit>("length2Edit")->text(), QStringLiteral("40"));

  const QString file = QString::fromStdString(folder.file("e.json"));
  extension->SaveDesignTo(file);
  const ExtensionDesign saved = extension->Design();
  extension->StoreInHistory();
  extension->OpenDesignFrom(file);
  EXPECT_EQ(extension->History().size(), 2u);
  EXPECT_EQ(extension->Design(), saved);

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
  extension->ExportDxf();
  EXPECT_EQ(ReadWholeFile(folder.file("e.dxf")).size(), ExtensionDxfText(saved).size());

  // The shape view steps through L1, L2 and back to the free length.
  const char* captions[] = {"荷重１", "荷重２", "フリー"};
  for (const char* caption : captions) {
    QTest::mouseClick(in<QPushButton>("shapeStepButton"), Qt::LeftButton);
    EXPECT_EQ(in<QLabel>("shapeCaption")->text(), QString::fromUtf8(caption));
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
      {R"({"kind":"extension","units":"si"})", "'units'"},
      {R"({"kind":"extension","history":[{"kind":"extension","MaterialNo":4}]})", "'MaterialNo'"},
  };
  for (const auto& c : cases) {
    try {
      ReadExtensionDocument(QByteArray(c.json), materials);
      ADD_FAILURE() << c.json;
    } catch (const UserError& e) {
      EXPECT_NE(std::string(e.what()).find(c.key), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace coilspring::testing
