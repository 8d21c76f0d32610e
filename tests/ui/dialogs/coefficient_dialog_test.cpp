#include "ui/dialogs/coefficient_dialog.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <cmath>
#include <memory>

#include "core/compression/spring_calc.h"
#include "core/records/file_io.h"
#include "support/blocked_write.h"
#include "support/scripted_platform.h"
#include "support/worked_example.h"

namespace coilspring {
namespace {

using testing::BlockedWrite;
using testing::ScriptedPlatform;

// A settings file as start-up finds it: the usual coefficients and recognisable reserved bytes.
Bytes StartupSettingsFile() {
  CoefficientSettings s;
  s.Reserved0 = {0xDE, 0xAD, 0xBE, 0xEF};
  for (std::size_t i = 0; i < s.Reserved60.size(); ++i)
    s.Reserved60[i] = static_cast<std::uint8_t>(i * 7);
  s.CompressionStressRatio = 80;
  s.ExtensionStressRatio = 80;
  s.HookStressFactor = 1.25;
  s.StainlessTensionReduction = 15;
  s.PianoWireTensionReduction = 27.5;
  s.HardDrawnTensionReduction = 20;
  s.AnnealedStainlessTensionReduction = 0.5;
  return Encode(s);
}

class KeisuuMakeWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    settingsPath = dir.filePath("keisuu.dat");
    WriteFileAtomically(settingsPath.toStdString(), StartupSettingsFile());
    Start();
  }
  // What start-up does: read the settings file, then create the window.
  void Start() {
    state = std::make_unique<CalculatorState>();
    ReadRecordFile(settingsPath.toStdString(), state->settings);
    window = std::make_unique<CoefficientDialog>(*state, platform, settingsPath);
  }
  QLineEdit* Box(int n) const {
    auto* box = window->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n));
    EXPECT_NE(box, nullptr) << n;
    return box;
  }
  void Apply() const { window->findChild<QPushButton*>("BitBtn1")->click(); }
  Bytes FileBytes() const { return ReadWholeFile(settingsPath.toStdString()); }

  QTemporaryDir dir;
  QString settingsPath;
  ScriptedPlatform platform;
  std::unique_ptr<CalculatorState> state;
  std::unique_ptr<CoefficientDialog> window;
};

TEST_F(KeisuuMakeWindow, ShowsTheSettingsInTwoGroups) {
  EXPECT_EQ(window->windowTitle(), "keisuu_make");
  const char* texts[] = {"80", "80", "1.25", "15", "27.5", "20", "0.5"};
  for (int n = 1; n <= 7; ++n) EXPECT_EQ(Box(n)->text(), texts[n - 1]) << n;
  auto* group1 = window->findChild<QGroupBox*>("GroupBox1");
  auto* group2 = window->findChild<QGroupBox*>("GroupBox2");
  ASSERT_TRUE(group1 && group2);
  EXPECT_EQ(group1->title(), "許容応力の設定");
  EXPECT_EQ(group2->title(), "初張力の設定");
  EXPECT_EQ(group1->size(), QSize(417, 129));
  EXPECT_EQ(group2->size(), QSize(417, 153));
  EXPECT_LT(group1->geometry().bottom(), group2->geometry().top());
  for (int n = 1; n <= 3; ++n) EXPECT_EQ(Box(n)->parent(), group1);
  for (int n = 4; n <= 7; ++n) EXPECT_EQ(Box(n)->parent(), group2);
  EXPECT_EQ(Box(2)->y() - Box(1)->y(), 32);
  EXPECT_EQ(Box(7)->y() - Box(6)->y(), 32);
  auto* button = window->findChild<QPushButton*>("BitBtn1");
  EXPECT_EQ(button->text(), "設定ボタン");
  EXPECT_EQ(button->size(), QSize(417, 25));
  EXPECT_GT(button->y(), group2->geometry().bottom());
  EXPECT_FALSE(button->autoDefault());
  QStringList labels;
  for (auto* label : group1->findChildren<QLabel*>()) labels << label->text();
  EXPECT_TRUE(labels.contains("圧縮ばねと材料の許容ねじり応力の割合"));
  EXPECT_TRUE(labels.contains("（ 1..25 ）"));
  labels.clear();
  for (auto* label : group2->findChildren<QLabel*>()) labels << label->text();
  EXPECT_TRUE(labels.contains("低温焼なまししたステンレス鋼線の減少割合"));
  EXPECT_TRUE(labels.contains("(15%～25%)"));
}

// The worked example calculated with the window's coefficients: its allowable stress is the
// table's 1500 N/mm^2 at d = 2 times the ratio, 1500 · 0.80 / 9.807 kgf/mm^2 at 80 %.
double AllowableStressOfExample(const CalculatorState& state) {
  MaterialTable materials;
  CoefficientSettings example;
  DesignRecord design;
  SetUpWorkedExample(materials, example, design);
  AllowableStressTable table;
  CalculateSpring(design, materials, state.settings, table);
  return design.AllowableStress;
}

TEST_F(KeisuuMakeWindow, NewRatioTakesEffectAtTheNextCalculation) {
  EXPECT_NEAR(AllowableStressOfExample(*state), 1500 * 0.80 / 9.807, 1e-9);
  Box(1)->setText("75");
  Apply();
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(state->settings.CompressionStressRatio, 75);
  EXPECT_NEAR(AllowableStressOfExample(*state), 1500 * 0.75 / 9.807, 1e-9);
}

TEST_F(KeisuuMakeWindow, ApplyWritesTheWholeRecordWithTheReservedBytesAsRead) {
  const Bytes before = FileBytes();
  Box(1)->setText("75");
  Box(7)->setText("-2");
  Apply();
  const Bytes after = FileBytes();
  ASSERT_EQ(after.size(), 736u);
  for (std::size_t i : {0u, 1u, 2u, 3u}) EXPECT_EQ(after[i], before[i]);
  EXPECT_TRUE(std::equal(after.begin() + 60, after.end(), before.begin() + 60));
  CoefficientSettings written;
  OverlayBytes(written, after);
  EXPECT_EQ(written.CompressionStressRatio, 75);
  EXPECT_EQ(written.AnnealedStainlessTensionReduction, -2);
  EXPECT_EQ(written.HookStressFactor, 1.25);
  EXPECT_EQ(written, state->settings);
}

TEST_F(KeisuuMakeWindow, ShortSettingsFileIsWrittenBackAtFullLength) {
  WriteFileAtomically(settingsPath.toStdString(), std::string_view("\x01\x02", 2));
  Start();
  Apply();
  const Bytes after = FileBytes();
  ASSERT_EQ(after.size(), 736u);
  EXPECT_EQ(after[0], 1);
  EXPECT_EQ(after[1], 2);
  EXPECT_EQ(after[735], 0);
}

TEST_F(KeisuuMakeWindow, BadValueStopsAtItsBoxAndLeavesTheFileAsItWas) {
  const Bytes before = FileBytes();
  Box(1)->setText("75");
  Box(2)->setText("70");
  Box(3)->setText("abc");
  Box(4)->setText("99");
  Apply();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].kind, MessageKind::Error);
  EXPECT_EQ(platform.messages[0].text, "'abc' は浮動小数点数ではありません");
  EXPECT_EQ(state->settings.CompressionStressRatio, 75);
  EXPECT_EQ(state->settings.ExtensionStressRatio, 70);
  EXPECT_EQ(state->settings.HookStressFactor, 1.25);
  EXPECT_EQ(state->settings.StainlessTensionReduction, 15);
  EXPECT_EQ(FileBytes(), before);
  EXPECT_NEAR(AllowableStressOfExample(*state), 1500 * 0.75 / 9.807, 1e-9);
}

TEST_F(KeisuuMakeWindow, EmptyBoxIsNoNumber) {
  Box(5)->setText("");
  Apply();
  EXPECT_EQ(platform.LastMessage(), "'' は浮動小数点数ではありません");
}

TEST_F(KeisuuMakeWindow, TypedEightyPointZeroShowsAsEightyAfterTheNextStart) {
  Box(1)->setText("80.0");
  Box(4)->setText("16.50");
  Apply();
  Start();
  EXPECT_EQ(Box(1)->text(), "80");
  EXPECT_EQ(Box(4)->text(), "16.5");
}

TEST_F(KeisuuMakeWindow, FailedWriteKeepsTheFileAndTheNewValuesInMemory) {
  const Bytes before = FileBytes();
  Box(1)->setText("70");
  {
    BlockedWrite blocked(dir.path().toStdString(), settingsPath.toStdString());
    Apply();
    EXPECT_EQ(platform.LastMessage().toStdString(), blocked.expectedMessage());
  }
  EXPECT_EQ(FileBytes(), before);
  EXPECT_EQ(state->settings.CompressionStressRatio, 70);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(KeisuuMakeWindow, ClosingWithUnsavedEditsAsksWhatBecomesOfThem) {
  const struct {
    UnsavedChoice answer;
    bool staysOpen;
    const char* boxAfter;
    double valueAfter;
  } cases[] = {{UnsavedChoice::Cancel, true, "65", 80},
               {UnsavedChoice::Discard, false, "80", 80},
               {UnsavedChoice::Save, false, "65", 65}};
  for (const auto& c : cases) {
    state->settings.ExtensionStressRatio = 80;
    window->show();
    Box(2)->setText("80");
    window->close();  // nothing edited: no question
    EXPECT_TRUE(platform.unsavedQuestions.empty());
    window->show();
    Box(2)->setText("65");
    platform.unsavedAnswers = {c.answer};
    window->close();
    EXPECT_EQ(platform.unsavedQuestions.size(), 1u);
    EXPECT_EQ(window->isVisible(), c.staysOpen);
    EXPECT_EQ(Box(2)->text(), c.boxAfter);
    EXPECT_EQ(state->settings.ExtensionStressRatio, c.valueAfter);
    platform.unsavedQuestions.clear();
    Box(2)->setText(QString::number(state->settings.ExtensionStressRatio));
    window->hide();
  }
}

}  // namespace
}  // namespace coilspring
