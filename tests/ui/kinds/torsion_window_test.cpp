#include "ui/kinds/torsion/torsion_window.h"

#include <QTimer>
#include <string>

#include "support/spring_window_fixture.h"
#include "ui/widgets/widgets.h"

namespace coilspring::testing {
namespace {

// The fixture's materials with a bending ratio: SWP-A at d = 2 has σB 1960 N/mm², so
// σa = 70 %·1960/9.807 = 139.8997 kgf/mm². The window starts on the help's worked example
// (D 16, 6 turns, legs of 25, θ 30° and 60°): kT = 0.9047451 kgf·mm/° as there (E 206000),
// M2 = 54.28471 kgf·mm, σ2 = 76.21431 kgf/mm².
std::string TextOfFile(const QString& path) {
  const Bytes bytes = ReadWholeFile(path.toStdString());
  return std::string(bytes.begin(), bytes.end());
}

MaterialTable BendingMaterials() {
  MaterialTable t = FixtureMaterials();
  for (auto& m : t.records) m.BendingRatio = 70;
  return t;
}

class TorsionWindowTest : public SpringWindowTest<TorsionWindow> {
 protected:
  void SetUp() override { Open("TorsionMenu", SpringKind::Torsion, BendingMaterials()); }
  QString result(const char* item) const { return row("TorsionResults", item); }
  QStringList messages() const { return lines("messageList"); }
};

TEST_F(TorsionWindowTest, OpensOnTheWorkedExampleCalculated) {
  EXPECT_TRUE(spring->isVisible());
  EXPECT_EQ(spring->windowTitle(), QStringLiteral("無題[*] - ねじりコイルばね"));
  EXPECT_EQ(result("ばね定数"), QStringLiteral("0.9047 kgf·mm/°"));
  EXPECT_EQ(result("モーメント2"), QStringLiteral("54.28 kgf·mm"));
  EXPECT_EQ(result("許容曲げ応力"), QStringLiteral("139.9 kgf/mm^2"));
  EXPECT_EQ(messages(), QStringList{"Calculation Success!"});
  turnToEveryPage();
  EXPECT_FALSE(part<QLabel>("TorsionDiagram")->pixmap().isNull());
  EXPECT_FALSE(part<QLabel>("TorsionViews")->pixmap().isNull());
  // Drawn at the desktop's own resolution, never enlarged afterwards.
  EXPECT_EQ(part<QLabel>("TorsionViews")->pixmap().devicePixelRatio(), ScreenPixelRatio());
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(TorsionWindowTest, EnterCalculatesWhatWasTyped) {
  // θ2 = 150°: σ2 = 76.21431·150/60 = 190.5 > σa, and σ2/σB = 190.5/199.86 = 0.953 > 0.7.
  type("TorsionPoint2", "150");
  enter("TorsionPoint2");
  EXPECT_EQ(messages(), (QStringList{Utf8(kBendingOverstressLine), Utf8(kUpperStressWarningLine)}));
  EXPECT_EQ(part<QListWidget>("messageList")->palette().color(QPalette::Text), QColor(255, 0, 0));
  EXPECT_EQ(result("曲げ応力2"), QStringLiteral("190.5 kgf/mm^2"));
  EXPECT_TRUE(spring->Check().failed);
  // A rod of 14 mm: the inner diameter at 60° is 16·6.33157/(6.33157 + 60/360) − 2 = 13.59.
  type("TorsionPoint2", "60");
  type("TorsionRod", "14");
  press("calculateButton");
  EXPECT_EQ(messages(), QStringList{Utf8(kRodInterferenceLine)});
  type("TorsionPoint2", "abc");
  enter("TorsionPoint2");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.LastMessage(), QStringLiteral("'abc' は浮動小数点数ではありません"));
}

TEST_F(TorsionWindowTest, TheCoilInputsChooseMaterialAndWire) {
  auto* wire = part<QComboBox>("wireCombo");
  wire->setCurrentIndex(wire->findText(QStringLiteral("2.6")));
  press("calculateButton");
  EXPECT_EQ(spring->Design().WireDiameter, 2.6);
  EXPECT_EQ(result("ばね指数"), QStringLiteral("6.154 "));  // 16/2.6
  // SWP-V: record 5, the third material of kind 0.
  part<QComboBox>("symbolCombo")->setCurrentIndex(2);
  press("calculateButton");
  EXPECT_EQ(spring->Design().MaterialNo, 5);
}

TEST_F(TorsionWindowTest, MomentsInEitherUnits) {
  act("KindInputMode");
  EXPECT_EQ(part<QLineEdit>("TorsionPoint2")->text(), QStringLiteral("54.28"));
  type("TorsionPoint2", "54.2847066");
  enter("TorsionPoint2");
  EXPECT_NEAR(spring->Design().Angle2, 60, 1e-6);
  act("KindUnits");
  EXPECT_EQ(spring->Units(), UnitSystem::SI);
  // The typed moment in N·mm: 54.2847066·9.807 = 532.37.
  EXPECT_EQ(part<QLineEdit>("TorsionPoint2")->text(), QStringLiteral("532.4"));
  EXPECT_EQ(result("ばね定数"), QStringLiteral("8.872 N·mm/°"));
  // Its 4 digits stand for the moment typed: calculating again loses none.
  enter("TorsionPoint2");
  EXPECT_NEAR(spring->Design().Moment2, 54.2847066, 1e-9);
}

TEST_F(TorsionWindowTest, TheDxfAndTheDataSheet) {
  const QString dxf = QString::fromStdString(folder.file("t.dxf"));
  platform.saveAnswers.push_back(dxf);
  act("KindDxf");
  const std::string dxfText = TextOfFile(dxf);
  EXPECT_TRUE(dxfText.starts_with("  0\r\nSECTION\r\n"));
  EXPECT_TRUE(dxfText.ends_with("  0\r\nEOF\r\n"));
  // The shared data sheet window: saved as PDF, then printed, which closes it.
  const QString pdf = QString::fromStdString(folder.file("t.pdf"));
  platform.saveAnswers.push_back(pdf);
  QTimer::singleShot(0, spring, [this] {
    for (const char* button : {"Button2", "Button1"}) press(button);
  });
  act("KindSheet");
  EXPECT_TRUE(TextOfFile(pdf).starts_with("%PDF-"));
  EXPECT_EQ(platform.printedPages.size(), 1u);
}

TEST_F(TorsionWindowTest, AFileOfAnotherKindIsRefused) {
  const std::string path = folder.file("c.json");
  WriteFileAtomically(path, std::string_view(R"({"MaterialNo": 0})"));
  platform.openAnswers.push_back(QString::fromStdString(path));
  act("KindOpen");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(platform.LastMessage().contains(
      QStringLiteral("ねじりコイルばねの設計ファイルではありません")));
  EXPECT_EQ(spring->Design().TotalTurns, 6);
}

}  // namespace
}  // namespace coilspring::testing
