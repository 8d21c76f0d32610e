// The unit switch of the "表示" menu: every load, rate and stress of the window in kgf or N, the
// design itself untouched, loads typed in N taken in once, the choice kept between runs.
#include <QSettings>
#include <QStandardPaths>
#include <cstring>

#include "support/main_window_fixture.h"
#include "ui/widgets/string_grid.h"

namespace coilspring::testing {
namespace {

class DisplayUnitsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configFolder.path());
  }
  void TearDown() override {
    window.reset();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
  }

  // The worked example in length mode: SWP-A d 2, mean diameter 18, 10 turns closed (8 active),
  // L0 40, L1 35, L2 30; 1500 N/mm^2 at q 80. Stored into history slot 1.
  void EnterWorkedExample() {
    choose("ComboBox6", 5);
    setText("Edit18", "18");
    setText("Edit19", "10");
    setText("Edit20", "40");
    setText("Edit21", "35");
    setText("Edit22", "30");
    click("BitBtn2");
    click("SpeedButton5");
  }

  QString shown(const char* name) const {
    if (QLineEdit* e = window->findChild<QLineEdit*>(name)) return e->text();
    return label(name);
  }
  QString history(int row, int column) const {
    return CellText(get<QTableWidget>("sg1"), row, column);
  }
  QString reference(const QString& item, int column) const {
    auto* grid = get<QTableWidget>("ReferenceGrid");
    for (int row = 0; row < grid->rowCount(); ++row)
      if (grid->item(row, 0)->text() == item) return grid->item(row, column)->text();
    return QStringLiteral("(no row %1)").arg(item);
  }
  QStringList clipboardLine(int line) {
    trigger("N2");
    return platform.clipboardText.split(QStringLiteral("\r\n"))[line].split('\t');
  }

  TempFolder configFolder;
};

struct Shown {
  const char* name;  // a box or a label
  const char* gravitational;
  const char* si;
};

// By hand: k = 78500·2^4 / (8·8·18^3) = 0.343142 kgf/mm = 3.36505 N/mm (× 9.8066); τa = 1500 ·
// 0.8 / 9.807 = 122.3616 kgf/mm^2 = 1200 N/mm^2; P1 = 5k = 1.715709 kgf = 16.82596 N; P2 = 10k =
// 3.431419 kgf = 33.65193 N; τ2 = 22.84723 kgf/mm^2 = 224.0628 N/mm^2; Pmax = 18.37745 kgf =
// 180.2277 N (all × 9.807).
const Shown kBoxesAndLabels[] = {
    {"Edit25", "0.3431", "3.365"},
    {"SpringRateUnit", "kgf/mm", "N/mm"},
    {"Edit27", "22.85", "224.1"},
    {"Stress2Unit", "kgf/mm^2", "N/mm^2"},
    {"Edit28", "122.4", "1200"},
    {"AllowableStressUnit", "kgf/mm^2", "N/mm^2"},
    {"Edit23", "1.716", "16.83"},
    {"Load1Unit", "kgf", "N"},
    {"Edit24", "3.431", "33.65"},
    {"Load2Unit", "kgf", "N"},
    {"Label56", "最大荷重=18.38kgf", "最大荷重=180.2N"},
    // Lengths and the life stay as they are.
    {"Edit20", "40", "40"},
    {"Edit21", "35", "35"},
    {"Label30", "自由高さ=75.56mm", "自由高さ=75.56mm"},
};

struct Column {
  int column;
  const char* unitGravitational;
  const char* unitSi;
  const char* gravitational;
  const char* si;
};

const Column kHistoryColumnsShown[] = {
    {5, "mm", "mm", "40", "40"},
    {6, "kgf", "N", "1.716", "16.83"},
    {7, "kgf", "N", "3.431", "33.65"},
    {10, "kgf/mm", "N/mm", "0.3431", "3.365"},
    {11, "kgf/mm^2", "N/mm^2", "22.85", "224.1"},
    {12, "kgf/mm^2", "N/mm^2", "122.4", "1200"},
};

struct ReferenceShown {
  const char* item;
  const char* gravitational;
  const char* si;
  const char* unitGravitational;
  const char* unitSi;
};

// Solid load k·(L0 − Hs) = 0.343142 · 18 = 6.176556 kgf = 60.57348 N; energy L1→L2
// (P1 + P2)/2 · 5 = 12.86782 kgf·mm = 126.1948 N·mm.
const ReferenceShown kReferenceShown[] = {
    {"密着時荷重", "6.177", "60.57", "kgf", "N"},
    {"エネルギー（L1→L2）", "12.87", "126.2", "kgf·mm", "N·mm"},
    {"ピッチ", nullptr, nullptr, "mm", "mm"},
};

TEST_F(DisplayUnitsTest, EveryLoadRateAndStressFollowsTheSwitchAndTheDesignStays) {
  Start();
  EnterWorkedExample();
  const SpringDesign before = state->design;
  const QString lengthPitch = reference(QStringLiteral("ピッチ"), 1);
  const QString life = text("Edit26");
  for (const bool si : {false, true, false, true, false}) {
    SCOPED_TRACE(si ? "SI" : "gravitational");
    for (const Shown& s : kBoxesAndLabels)
      EXPECT_EQ(shown(s.name), QString::fromUtf8(si ? s.si : s.gravitational)) << s.name;
    for (const Column& c : kHistoryColumnsShown) {
      EXPECT_EQ(history(1, c.column), QString::fromUtf8(si ? c.unitSi : c.unitGravitational));
      EXPECT_EQ(history(2, c.column), QString::fromUtf8(si ? c.si : c.gravitational));
      // The clipboard copy is the grid as shown.
      EXPECT_EQ(clipboardLine(1)[c.column], QString::fromUtf8(si ? c.unitSi : c.unitGravitational));
      EXPECT_EQ(clipboardLine(2)[c.column], QString::fromUtf8(si ? c.si : c.gravitational));
    }
    for (const ReferenceShown& r : kReferenceShown) {
      const QString item = QString::fromUtf8(r.item);
      EXPECT_EQ(reference(item, 1),
                r.gravitational ? QString::fromUtf8(si ? r.si : r.gravitational) : lengthPitch);
      EXPECT_EQ(reference(item, 2), QString::fromUtf8(si ? r.unitSi : r.unitGravitational));
    }
    EXPECT_EQ(text("Edit26"), life);
    // Shown only: the design and its history stay byte for byte.
    EXPECT_EQ(std::memcmp(&state->design, &before, sizeof before), 0);
    trigger("UnitsMenu");
  }
}

struct TypedLoads {
  const char* load1;
  const char* load2;
  double tolerance;  // 0: the very same record
};

// 9.807 N and 19.614 N are exactly 1 and 2 kgf; 16.83 N and 33.65 N are the worked example's
// loads rounded as the window shows them.
const TypedLoads kTyped[][2] = {
    {{"1", "2", 0}, {"9.807", "19.614", 0}},
    {{"1.715709", "3.431419", 1e-3}, {"16.83", "33.65", 1e-3}},
};

TEST_F(DisplayUnitsTest, LoadsTypedInNewtonsGiveTheDesignEnteredInKgf) {
  Start();
  EnterWorkedExample();
  trigger("llcheng");
  for (const auto& [kgf, newtons] : kTyped) {
    setText("Edit23", kgf.load1);
    setText("Edit24", kgf.load2);
    click("BitBtn2");
    const DesignRecord inKgf = current();
    trigger("UnitsMenu");
    setText("Edit23", newtons.load1);
    setText("Edit24", newtons.load2);
    click("BitBtn2");
    const DesignRecord inNewtons = current();
    EXPECT_EQ(text("Edit23"), QString::fromUtf8(newtons.load1));
    trigger("UnitsMenu");
    if (kgf.tolerance == 0) {
      EXPECT_EQ(std::memcmp(&inKgf, &inNewtons, sizeof inKgf), 0);
    } else {
      // Worked example: L1 35 and L2 30 back.
      for (double DesignRecord::*field :
           {&DesignRecord::Load1, &DesignRecord::Load2, &DesignRecord::Length1,
            &DesignRecord::Length2, &DesignRecord::Stress2})
        EXPECT_NEAR(inNewtons.*field, inKgf.*field, inKgf.*field * kgf.tolerance);
      EXPECT_NEAR(inNewtons.Length1, 35, 1e-2);
      EXPECT_NEAR(inNewtons.Length2, 30, 1e-2);
    }
  }
}

TEST_F(DisplayUnitsTest, ATypedLoadGoesOverIntoTheOtherUnits) {
  Start();
  trigger("llcheng");
  setText("Edit23", "19.614");
  trigger("UnitsMenu");  // what was typed was kgf: 19.614 kgf = 192.4 N
  EXPECT_EQ(text("Edit23"), "192.4");
  trigger("UnitsMenu");
  EXPECT_EQ(text("Edit23"), "19.614");  // as typed
  trigger("UnitsMenu");
  EXPECT_EQ(text("Edit23"), "192.4");
}

TEST_F(DisplayUnitsTest, TheChoiceIsKeptBetweenRuns) {
  Start();
  EXPECT_EQ(label("Load1Unit"), "kgf");
  trigger("UnitsMenu");
  window.reset();
  Start();
  for (const auto& [name, caption] : {std::pair{"Load1Unit", "N"},
                                      {"Load2Unit", "N"},
                                      {"SpringRateUnit", "N/mm"},
                                      {"Stress2Unit", "N/mm^2"},
                                      {"AllowableStressUnit", "N/mm^2"}})
    EXPECT_EQ(label(name), caption) << name;
  EXPECT_EQ(history(1, 6), "N");
  EXPECT_TRUE(QFileInfo::exists(configFolder.path() + "/coilspring/coilspring.conf"));
  // In the user's configuration under the program's name.
  EXPECT_EQ(QSettings(QSettings::UserScope, "coilspring", "coilspring").value("units"), "si");
  trigger("UnitsMenu");
  window.reset();
  Start();
  EXPECT_EQ(label("Load1Unit"), "kgf");
}

}  // namespace
}  // namespace coilspring::testing
