// The data sheet printed through a real printer queue. scripts/test.sh sets up a CUPS queue that
// prints into PDF files (cups-pdf, rendering through cairo), makes it the default printer and
// names its output folder in COILSPRING_PRINTED_PDF_DIR; without such a queue the test is skipped.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QThread>

#include "core/compression/design_sheet.h"
#include "core/output/data_sheet.h"
#include "core/text/sjis.h"
#include "ui/dialogs/data_sheet_dialog.h"

namespace coilspring {
namespace {

QString CommandOutput(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished(30000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The newest PDF the queue has written, or nothing.
QFileInfo NewestPdf(const QString& folder) {
  const QFileInfoList files =
      QDir(folder).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
  return files.isEmpty() ? QFileInfo() : files.first();
}

TEST(PrinterQueue, TheDataSheetReachesThePrinterAsADrawingWithItsFont) {
  const QString folder = qEnvironmentVariable("COILSPRING_PRINTED_PDF_DIR");
  if (folder.isEmpty()) GTEST_SKIP() << "no printer queue set up (COILSPRING_PRINTED_PDF_DIR)";
  const QFileInfo before = NewestPdf(folder);

  MaterialTable materials;
  materials[0].KindName.AssignRaw(Utf8ToSjis("ピアノ線"));
  materials[0].Symbol.AssignRaw(Utf8ToSjis("SWP-B"));
  DesignRecord design;
  design.WireDiameter = 2;
  design.MeanDiameter = 18;
  design.TotalTurns = 10;
  DataSheetDialog dialog(DesktopPlatform());
  dialog.Fill(MakeDataSheet(design, materials, false));
  dialog.findChild<QPushButton*>(QStringLiteral("Button1"))->click();

  // The queue writes the file a little after accepting the job: wait, within bounds, until the
  // job is done and a new file is there.
  QElapsedTimer waited;
  waited.start();
  const auto done = [&] {
    const QFileInfo newest = NewestPdf(folder);
    return newest.exists() && newest.size() > 0 && newest != before &&
           CommandOutput("lpstat", {"-o"}).trimmed().isEmpty();
  };
  while (!done() && waited.elapsed() < 60000) QThread::msleep(200);
  ASSERT_TRUE(done()) << "no printed PDF reached " << folder.toStdString();
  const QString printed = NewestPdf(folder).absoluteFilePath();

  // The queue gets the page as a drawing: its words as text in an embedded font, and no bitmap,
  // not even of the spring's picture.
  EXPECT_TRUE(CommandOutput("pdftotext", {printed, "-"}).contains(QStringLiteral("コイル平均径")));
  const QStringList fonts =
      CommandOutput("pdffonts", {printed}).split('\n', Qt::SkipEmptyParts).mid(2);
  ASSERT_FALSE(fonts.isEmpty()) << "the page holds no text, only pictures";
  for (const QString& font : fonts) {
    const QStringList columns = font.split(' ', Qt::SkipEmptyParts);
    ASSERT_GE(columns.size(), 5);
    EXPECT_EQ(columns[columns.size() - 5], QStringLiteral("yes")) << font.toStdString();
  }
  const QStringList images =
      CommandOutput("pdfimages", {"-list", printed}).split('\n', Qt::SkipEmptyParts).mid(2);
  EXPECT_TRUE(images.isEmpty()) << images.join('\n').toStdString();
}

}  // namespace
}  // namespace coilspring
