// What the windows need of the desktop, behind one interface: the Qt implementation talks to
// the real desktop, tests script it so that no modal dialog ever blocks them.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

class QPainter;
class QWidget;

namespace coilspring {

struct FileDialogRequest {
  QString filter;        // Qt filter text, e.g. "圧縮バネのデーター (*.abd)"
  QString proposedName;  // full path or bare name; empty proposes nothing
};

enum class MessageKind { Information, Warning, Error };

// The answer to work about to be lost: 保存 keeps it, 破棄 lets it go, キャンセル stays.
enum class UnsavedChoice { Save, Discard, Cancel };

// How a captured window goes onto the page.
enum class PagePlacement {
  ScreenSize,  // scaled by printer dpi / 96 on each axis, as large as it is on a 96 dpi screen
  FitToPage,   // as large as the printable page allows, proportions kept
};

class Platform {
 public:
  virtual ~Platform() = default;

  // The chosen path, or nothing when the user cancels.
  virtual std::optional<QString> AskOpenFile(QWidget* parent, const FileDialogRequest& request) = 0;
  virtual std::optional<QString> AskSaveFile(QWidget* parent, const FileDialogRequest& request) = 0;
  virtual void ShowMessage(QWidget* parent, MessageKind kind, const QString& text) = 0;
  // A yes/no question; true for yes.
  virtual bool Confirm(QWidget* parent, const QString& text) = 0;
  // A question with the buttons 保存, 破棄 and キャンセル.
  virtual UnsavedChoice AskUnsaved(QWidget* parent, const QString& text) = 0;

  virtual void SetClipboardText(const QString& text) = 0;
  virtual void SetClipboardImage(const QImage& image) = 0;
  // Opens a document in the desktop's viewer; false when that did not happen.
  virtual bool OpenDocument(const QString& path) = 0;
  // Shows an HTML document in the program's own help window, for a desktop that cannot.
  virtual void ShowHelpWindow(QWidget* parent, const QString& path) = 0;
  // Prints one page on the default printer, without a dialog, with the image at the top-left of
  // the printable area. Returns an error text, or nothing on success.
  virtual std::optional<QString> PrintImage(const QImage& image, const QString& jobTitle,
                                            PagePlacement placement) = 0;
  // Prints one page on the default printer, without a dialog: `draw` paints a page of `size`
  // pixels at 96 per inch from the top-left of the printable area, as large as on such a screen,
  // and the printer gets its lines and text at its own resolution. Returns an error text, or
  // nothing on success.
  virtual std::optional<QString> PrintDrawing(const QSize& size, const QString& jobTitle,
                                              const std::function<void(QPainter&)>& draw) = 0;
};

// The desktop implementation.
Platform& DesktopPlatform();

}  // namespace coilspring
