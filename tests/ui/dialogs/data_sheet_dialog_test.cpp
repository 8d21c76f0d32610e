#include "ui/dialogs/data_sheet_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>
#include <optional>

#include "core/compression/design_sheet.h"
#include "core/output/data_sheet.h"
#include "core/text/sjis.h"
#include "support/blocked_write.h"
#include "support/scripted_platform.h"
#include "ui/render/data_sheet_page.h"

namespace coilspring {
namespace {

using testing::BlockedWrite;
using testing::ScriptedPlatform;

// Hand-checked values: 1300 kgf x 9.807 = 12749.1 N -> 1.275E4; 10 kgf -> 98.07 N;
// 40 kgf/mm^2 x 9.807 = 392.28 -> 392.3.
DesignRecord SampleDesign() {
  DesignRecord r;
  r.MaterialNo = 3;
  r.WireDiameter = 0.45;
  r.MeanDiameter = 4.5;
  r.OuterDiameter = 4.95;
  r.TotalTurns = 10;
  r.ActiveTurns = 8;
  r.EndKind = EndKind::OpenThreeQuarterUnground;
  r.FreeLength = 20;
  r.Load1 = 1300;
  r.Length1 = 12;
  r.Stress1 = 40;
  r.Load2 = 10;
  r.Length2 = 7.5;
  r.Stress2 = 0;
  r.SolidHeight = 7.5;
  return r;
}

DataSheet SampleSheet(bool leftHanded = false) {
  MaterialTable materials;
  materials[3].KindName.AssignRaw(Utf8ToSjis("ピアノ線"));
  materials[3].Symbol.AssignRaw(Utf8ToSjis("SWP-B"));
  return MakeDataSheet(SampleDesign(), materials, leftHanded);
}

bool AllWhite(const QImage& image, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.pixelColor(x, y) != QColor(Qt::white)) return false;
  return true;
}

bool Contains(const QImage& image, const QRect& area, const QColor& colour) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.pixelColor(x, y) == colour) return true;
  return false;
}

// The left part of the value cell of `row`, away from its centred text: grid at 88,256 inside
// a 2-pixel border, columns of 64 + 1, 222 + 1, 97 + 1 pixels, rows of 30 + 1.
QRect ValueCellEdge(int row) {
  return QRect(88 + 2 + 65 + 223 + 98 + 2, 256 + 2 + row * 31 + 4, 10, 20);
}

// Output of a poppler tool, or nothing when the tool is not installed.
std::optional<QString> Poppler(const QString& tool, const QStringList& args) {
  if (QStandardPaths::findExecutable(tool).isEmpty()) return std::nullopt;
  QProcess process;
  process.start(tool, args);
  process.waitForFinished(-1);
  return QString::fromUtf8(process.readAllStandardOutput());
}

class PrinformWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<DataSheetDialog>(platform, nullptr);
    window->Fill(SampleSheet());
  }
  template <class Widget>
  Widget* Child(const QString& name) const {
    auto* child = window->findChild<Widget*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
  }
  QPushButton* PrintButton() const { return Child<QPushButton>("Button1"); }
  QPushButton* PdfButton() const { return Child<QPushButton>("Button2"); }
  QTableWidget* Grid() const { return Child<QTableWidget>("sg1"); }
  QString Cell(int row, int column) const { return CellText(Grid(), row, column); }

  ScriptedPlatform platform;
  std::unique_ptr<DataSheetDialog> window;
  QTemporaryDir dir;
};

TEST_F(PrinformWindow, WindowAndControlsSitWhereTheSheetPutsThem) {
  EXPECT_EQ(window->objectName(), "prinform");
  EXPECT_EQ(window->windowTitle(), "prinform");
  EXPECT_EQ(window->size(), QSize(708, 805));  // outer 716 x 832 less the frame
  EXPECT_EQ(window->palette().color(QPalette::Window), QColor(Qt::white));
  const struct {
    const char* name;
    QRect geometry;
  } controls[] = {
      {"Button1", {24, 16, 75, 25}},
      {"Image1", {176, 32, 361, 201}},
      {"sg1", {88, 256, 560, 500}},
  };
  for (const auto& c : controls)
    EXPECT_EQ(Child<QWidget>(c.name)->geometry(), c.geometry) << c.name;
  EXPECT_EQ(PrintButton()->text(), "プリント");
  EXPECT_EQ(PdfButton()->text(), "PDF保存");
  EXPECT_FALSE(PdfButton()->geometry().intersects(Child<QWidget>("Image1")->geometry()));

  const QPoint labelPlaces[] = {{216, 48}, {216, 80},  {216, 112},
                                {456, 96}, {456, 128}, {464, 184}};
  for (int n = 1; n <= 6; ++n) {
    auto* label = Child<QLabel>(QStringLiteral("Label%1").arg(n));
    EXPECT_EQ(label->pos(), labelPlaces[n - 1]) << n;
    EXPECT_EQ(label->font().pixelSize(), 19) << n;
    EXPECT_EQ(label->font().family(), "IPAPGothic") << n;
    EXPECT_TRUE(label->autoFillBackground()) << n;
    EXPECT_EQ(label->size(), label->sizeHint()) << n;  // sized to its text
  }
}

TEST_F(PrinformWindow, GridHasFixedHeadingsAndFifteenItemsInThirtyPixelRows) {
  QTableWidget* grid = Grid();
  ASSERT_EQ(grid->columnCount(), 4);
  ASSERT_EQ(grid->rowCount(), 16);
  EXPECT_EQ(grid->font().pixelSize(), 13);
  EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
  // Cell sizes plus one grid line each, inside a two-pixel border: 556 + 4 = 560, 496 + 4 = 500.
  const int widths[] = {64, 222, 97, 169};
  for (int c = 0; c < 4; ++c) EXPECT_EQ(grid->columnWidth(c), widths[c] + 1) << c;
  for (int r = 0; r < 16; ++r) EXPECT_EQ(grid->rowHeight(r), 31) << r;
  EXPECT_EQ(grid->frameWidth(), 2);
  // The heading row and the number column cannot be selected; the items can.
  EXPECT_FALSE(grid->item(0, 2)->flags() & Qt::ItemIsSelectable);
  EXPECT_FALSE(grid->item(5, 0)->flags() & Qt::ItemIsSelectable);
  EXPECT_TRUE(grid->item(5, 3)->flags() & Qt::ItemIsSelectable);
  EXPECT_FALSE(grid->item(5, 3)->flags() & Qt::ItemIsEditable);
}

TEST_F(PrinformWindow, ShowsTheDesignInNewtonsAndItsFormats) {
  const struct {
    int row, column;
    const char* text;
  } cells[] = {
      {0, 0, ""},
      {0, 1, " 項目"},
      {0, 2, " 単位"},
      {0, 3, ""},
      {1, 0, "    1"},
      {15, 0, "    15"},
      {1, 1, " 材質"},
      {1, 3, "SWP-B"},
      {2, 1, " 材料の直径"},
      {2, 2, " mm"},
      {2, 3, "0.45"},
      {3, 3, "4.5"},
      {4, 3, "4.95"},
      {5, 3, "10"},
      {6, 3, "8"},
      {7, 3, "右"},
      {8, 1, " 指定荷重１"},
      {8, 2, " N"},
      {8, 3, "1.275E4"},
      {9, 3, "12"},
      {10, 2, " N/mm^2"},
      {10, 3, "392.3"},
      {11, 3, "98.07"},
      {12, 3, "7.5"},
      {13, 3, "0"},
      {14, 3, "7.5"},
      {15, 1, " コイル端の形状"},
      {15, 2, ""},
      {15, 3, "オープン3/4座巻（無研削）"},
  };
  for (const auto& c : cells)
    EXPECT_EQ(Cell(c.row, c.column), QString::fromUtf8(c.text)) << c.row << "," << c.column;

  const char* labels[] = {"自由長= 20mm",       "Ｌ１\u3000= 12mm",     "Ｌ２\u3000= 7.5mm",
                          "Ｐ２\u3000= 98.07N", "Ｐ１\u3000= 1.275E4N", "平均径\u3000= 4.5mm"};
  for (int n = 1; n <= 6; ++n)
    EXPECT_EQ(Child<QLabel>(QStringLiteral("Label%1").arg(n))->text(),
              QString::fromUtf8(labels[n - 1]))
        << n;

  window->Fill(SampleSheet(true));
  EXPECT_EQ(Cell(7, 3), "左");
  window->Fill(SampleSheet(false));
  EXPECT_EQ(Cell(7, 3), "右");
}

TEST_F(PrinformWindow, PrintSendsTheClientAreaWithoutButtonsAndCloses) {
  window->show();
  PrintButton()->click();
  ASSERT_EQ(platform.printedPages.size(), 1u);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(platform.placements[0], PagePlacement::ScreenSize);
  const QImage& page = platform.printedPages[0];
  EXPECT_EQ(page.size(), window->size());
  EXPECT_TRUE(AllWhite(page, QRect(24, 16, 75, 25)));  // where "プリント" is
  EXPECT_TRUE(AllWhite(page, PdfButton()->geometry()));
  EXPECT_TRUE(Contains(page, QRect(176, 32, 360, 200), QColor(0, 0, 255)));  // the line art
  EXPECT_FALSE(AllWhite(page, QRect(216, 48, 40, 19)));                      // Label1's text
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(PrintButton()->isHidden());
  EXPECT_FALSE(PdfButton()->isHidden());
}

TEST_F(PrinformWindow, PrinterFailureIsShownAndTheSheetStaysOpenWithItsButtons) {
  const QString failure = QStringLiteral("プリンタが設定されていません。印刷できません。");
  platform.printFailure = failure;
  window->show();
  PrintButton()->click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].kind, MessageKind::Error);
  EXPECT_EQ(platform.messages[0].text, failure);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(PrintButton()->isVisible());
  EXPECT_TRUE(PdfButton()->isVisible());

  platform.printFailure.reset();  // the user tries again
  PrintButton()->click();
  EXPECT_EQ(platform.printedPages.size(), 1u);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(PrinformWindow, AfterAFailedPrintTheFocusIsBackOnTheButtonAndTheGridShowsNoSelection) {
  platform.printFailure = QStringLiteral("印刷に失敗しました。");
  window->show();
  QApplication::setActiveWindow(window.get());
  Grid()->setCurrentCell(5, 3);
  PrintButton()->setFocus();
  ASSERT_EQ(window->focusWidget(), PrintButton());
  PrintButton()->click();
  EXPECT_EQ(window->focusWidget(), PrintButton());
  const QColor highlight = Grid()->palette().color(QPalette::Highlight);
  EXPECT_FALSE(Contains(window->grab().toImage(), ValueCellEdge(5), highlight));
}

TEST_F(PrinformWindow, ModalSheetPrintsOrClosesWithoutPrinting) {
  QTimer::singleShot(0, window.get(), [this] { PrintButton()->click(); });
  window->ShowSheet(SampleSheet());
  EXPECT_EQ(platform.printedPages.size(), 1u);
  // Opened again: printing works each time; the close box prints nothing.
  QTimer::singleShot(0, window.get(), [this] { PrintButton()->click(); });
  window->ShowSheet(SampleSheet());
  EXPECT_EQ(platform.printedPages.size(), 2u);
  QTimer::singleShot(0, window.get(), [this] { window->close(); });
  window->ShowSheet(SampleSheet());
  EXPECT_EQ(platform.printedPages.size(), 2u);
}

TEST_F(PrinformWindow, SelectionShowsOnlyWhileTheGridHasTheFocusAndNeverOnPaper) {
  window->show();
  QTableWidget* grid = Grid();
  grid->setCurrentCell(5, 3);
  const QColor highlight = grid->palette().color(QPalette::Highlight);
  const QRect cellEdge = ValueCellEdge(5);
  EXPECT_TRUE(Contains(window->grab().toImage(), cellEdge, highlight));  // flag false at start
  EXPECT_TRUE(AllWhite(window->PageImage(), cellEdge));

  QFocusEvent leave(QEvent::FocusOut);
  QApplication::sendEvent(grid, &leave);
  EXPECT_TRUE(AllWhite(window->grab().toImage(), cellEdge));
  QFocusEvent enter(QEvent::FocusIn);
  QApplication::sendEvent(grid, &enter);
  EXPECT_TRUE(Contains(window->grab().toImage(), cellEdge, highlight));
}

TEST_F(PrinformWindow, PageOfAnUnshownSheetIsThePrintedPage) {
  window->show();
  PrintButton()->click();
  ASSERT_EQ(platform.printedPages.size(), 1u);
  EXPECT_EQ(DataSheetPage::RenderPage(SampleSheet()), platform.printedPages[0]);
}

TEST_F(PrinformWindow, PdfButtonWritesOnePageWithRealTextAtScreenSize) {
  const QString path = dir.filePath("要目表.pdf");
  platform.saveAnswers.push_back(path);
  PdfButton()->click();
  EXPECT_TRUE(platform.messages.empty()) << platform.LastMessage().toStdString();
  ASSERT_EQ(platform.saveRequests.size(), 1u);
  EXPECT_EQ(platform.saveRequests[0].filter, "PDFファイル (*.pdf)");
  EXPECT_EQ(platform.saveRequests[0].proposedName, "aspring.pdf");
  EXPECT_FALSE(PrintButton()->isHidden());
  ASSERT_TRUE(QFile::exists(path));

  const auto info = Poppler("pdfinfo", {path});
  if (!info) GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext) is not installed";
  EXPECT_TRUE(info->contains(QRegularExpression("Pages:\\s+1\\n"))) << info->toStdString();
  EXPECT_TRUE(info->contains("(A4)")) << info->toStdString();
  const auto text = Poppler("pdftotext", {path, "-"});
  EXPECT_TRUE(text->contains("材料の直径"));
  EXPECT_TRUE(text->contains("1.275E4"));
  EXPECT_FALSE(text->contains("プリント"));
  EXPECT_FALSE(text->contains("PDF保存"));

  // Placement: 10 mm margin, then 0.75 pt per screen pixel. "材料の直径" is centred in column 1
  // (x 155..377, centre 266 px) of row 2, whose text starts 2 px below the cell top at 322 px.
  const auto boxes = Poppler("pdftotext", {"-bbox", path, "-"});
  const QRegularExpression word(
      "xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"[0-9.]+\">材料の直径<");
  const auto match = word.match(*boxes);
  ASSERT_TRUE(match.hasMatch()) << boxes->toStdString();
  const double margin = 10 / 25.4 * 72;
  const double centre = (match.captured(1).toDouble() + match.captured(3).toDouble()) / 2;
  // The item's leading blank moves the visible word about half a blank to the right.
  EXPECT_NEAR(centre, margin + 266 * 0.75, 2.0);
  EXPECT_NEAR(match.captured(2).toDouble(), margin + 322 * 0.75, 1.0);
}

TEST_F(PrinformWindow, CancelledPdfDialogWritesNothing) {
  PdfButton()->click();
  EXPECT_EQ(platform.saveRequests.size(), 1u);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(PrinformWindow, FailedPdfSaveLeavesTheOldFileAndTellsWhy) {
  const QString path = dir.filePath("aspring.pdf");
  {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the previous sheet");
  }
  platform.saveAnswers.push_back(path);
  std::string expected;
  {
    BlockedWrite blocked(dir.path().toStdString(), path.toStdString());
    expected = blocked.expectedMessage();
    PdfButton()->click();
  }
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text.toStdString(), expected);
  QFile old(path);
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), "the previous sheet");
  EXPECT_FALSE(PrintButton()->isHidden());
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(PrinformWindow, PdfIntoAMissingFolderCannotBeCreated) {
  const QString path = dir.filePath("no/such/folder/aspring.pdf");
  platform.saveAnswers.push_back(path);
  PdfButton()->click();
  EXPECT_EQ(platform.LastMessage().toStdString(), CannotCreateMessage(path.toStdString()));
}

}  // namespace
}  // namespace coilspring
