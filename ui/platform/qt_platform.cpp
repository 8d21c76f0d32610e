#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPicture>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>

#include "core/output/page_fit.h"
#include "ui/platform/file_dialogs.h"
#include "ui/platform/help_window.h"
#include "ui/platform/platform.h"

namespace coilspring {
namespace {

QRectF PrintedRect(const QImage& image, const QPrinter& printer, PagePlacement placement) {
  if (placement == PagePlacement::ScreenSize)
    return QRectF(0, 0, image.width() * printer.logicalDpiX() / 96.0,
                  image.height() * printer.logicalDpiY() / 96.0);
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  const PageSize fitted = FitToPage(image.width(), image.height(), page.width(), page.height());
  return QRectF(0, 0, fitted.width, fitted.height);
}

std::optional<QString> AskFile(QWidget* parent, const FileDialogRequest& r,
                               QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, QString(), r.proposedName, r.filter);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  // A saved name is used as typed: no extension is added and replacing asks nothing.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  FitFileDialogColumns(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front();
}

class QtPlatform final : public Platform {
 public:
  std::optional<QString> AskOpenFile(QWidget* parent, const FileDialogRequest& r) override {
    return AskFile(parent, r, QFileDialog::AcceptOpen);
  }
  std::optional<QString> AskSaveFile(QWidget* parent, const FileDialogRequest& r) override {
    return AskFile(parent, r, QFileDialog::AcceptSave);
  }
  void ShowMessage(QWidget* parent, MessageKind kind, const QString& text) override {
    const QString title = QApplication::applicationName();
    switch (kind) {
      case MessageKind::Information:
        QMessageBox::information(parent, title, text);
        break;
      case MessageKind::Warning:
        QMessageBox::warning(parent, title, text);
        break;
      case MessageKind::Error:
        QMessageBox::critical(parent, title, text);
        break;
    }
  }
  bool Confirm(QWidget* parent, const QString& text) override {
    return QMessageBox::question(parent, QApplication::applicationName(), text) == QMessageBox::Yes;
  }
  UnsavedChoice AskUnsaved(QWidget* parent, const QString& text) override {
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), text,
                    QMessageBox::NoButton, parent);
    QPushButton* save = box.addButton(QStringLiteral("保存"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("破棄"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) return UnsavedChoice::Save;
    if (box.clickedButton() == discard) return UnsavedChoice::Discard;
    return UnsavedChoice::Cancel;
  }
  void SetClipboardText(const QString& text) override { QApplication::clipboard()->setText(text); }
  void SetClipboardImage(const QImage& image) override {
    QApplication::clipboard()->setImage(image);
  }
  bool OpenDocument(const QString& path) override {
    // xdg-open starts even where no viewer is set up and then fails unseen: ask first whether
    // the desktop names a program for the document's type.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty() || QGuiApplication::platformName() == QLatin1String("offscreen"))
      return false;
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/html")});
    if (!query.waitForFinished() || query.exitCode() != 0 ||
        query.readAllStandardOutput().trimmed().isEmpty())
      return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
  }
  void ShowHelpWindow(QWidget* parent, const QString& path) override {
    if (!helpWindow_) helpWindow_ = new HelpWindow(parent);
    helpWindow_->ShowDocument(path);
  }
  std::optional<QString> PrintImage(const QImage& image, const QString& jobTitle,
                                    PagePlacement placement) override {
    return PrintPage(jobTitle, QPrinter::HighResolution, [&](QPrinter& printer, QPainter& painter) {
      painter.drawImage(PrintedRect(image, printer, placement), image);
    });
  }
  std::optional<QString> PrintDrawing(const QSize&, const QString& jobTitle,
                                      const std::function<void(QPainter&)>& draw) override {
    // Widgets painted straight onto a printer come out as one bitmap; recorded into a picture
    // first, their lines and text reach the printer as vectors, which it draws at its own
    // resolution. The printer's coordinates are then 96 per inch, the drawing's own.
    QPicture picture;
    {
      QPainter recorder(&picture);
      draw(recorder);
    }
    return PrintPage(jobTitle, QPrinter::ScreenResolution,
                     [&](QPrinter&, QPainter& painter) { painter.drawPicture(0, 0, picture); });
  }

 private:
  template <class Paint>
  static std::optional<QString> PrintPage(const QString& jobTitle, QPrinter::PrinterMode mode,
                                          const Paint& paint) {
    // A default QPrinter claims to be valid even without any printer: ask for the default
    // printer, and let QPainter::begin() tell whether a page can really be started.
    if (QPrinterInfo::defaultPrinter().isNull())
      return QStringLiteral("プリンタが設定されていません。印刷できません。");
    QPrinter printer(QPrinterInfo::defaultPrinter(), mode);
    printer.setDocName(jobTitle);
    QPainter painter;
    if (!painter.begin(&printer))
      return QStringLiteral("プリンタ %1 で印刷を開始できません。").arg(printer.printerName());
    paint(printer, painter);
    if (!painter.end()) return QStringLiteral("印刷に失敗しました。");
    return std::nullopt;
  }

  QPointer<HelpWindow> helpWindow_;
};

}  // namespace

Platform& DesktopPlatform() {
  static QtPlatform platform;
  return platform;
}

}  // namespace coilspring
