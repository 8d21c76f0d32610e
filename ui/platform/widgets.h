// Small construction helpers shared by the windows: controls at fixed pixel places, box
// colours, and the string grid with centred, owner-painted cells.
#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QLineEdit>
#include <QSpinBox>
#include <QString>
#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

class QComboBox;
class QLabel;
class QApplication;
class QTableWidget;
class QToolButton;

namespace coilspring {

inline const QColor kAqua(0, 255, 255);

// The font and style the windows are laid out for: a Japanese gothic at 12 pixels.
void ApplyApplicationLook(QApplication& app);

// Qt's own texts (file dialogs, message box buttons) in Japanese, like the rest of the program,
// whatever the user's locale. False when Qt's Japanese translations are not installed.
bool InstallJapaneseQtTexts(QApplication& app);

// The Japanese gothic the windows are laid out for. Qt's own fallback would pick the monospaced
// IPAGothic; the proportional one matches the layout.
QFont GothicFont(int pixelSize);

// A number as every window shows it: the short (4 digits) or the full (15 digits) format.
QString ShortText(double value);
QString FullText(double value);

// Text the core holds (UTF-8) as a window shows it.
inline QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A box's text read as every number box is read (ParseDecimal): a text that is no number
// throws the UserError with the conversion message.
double BoxNumber(const QLineEdit* box);

// A path from a file dialog as the file system's bytes, for the core's file functions.
std::string LocalPath(const QString& path);

template <class W>
W* Place(QWidget* parent, const char* name, int x, int y, int width, int height) {
  auto* w = new W(parent);
  w->setObjectName(QString::fromLatin1(name));
  w->setGeometry(x, y, width, height);
  return w;
}

// A caption at a fixed place, as wide as its text.
QLabel* PlaceLabel(QWidget* parent, const QString& text, int x, int y);
QLineEdit* PlaceEdit(QWidget* parent, const char* name, int x, int y, int width,
                     const QString& text);
QComboBox* PlaceCombo(QWidget* parent, const char* name, int x, int y, int width);
// A 12 x 12 button with a hint.
QToolButton* PlaceSmallButton(QWidget* parent, const char* name, int x, int y, const QString& hint);
// Makes the list's entries these texts (UTF-8), the first one chosen. A list that already holds
// them is not rebuilt: every "計算" shows the design's lists again, and rebuilding an unchanged
// list of fifty entries would be most of its cost.
void ShowListEntries(QComboBox* list, const std::vector<std::string>& entries);
// Background of a box, also while it is disabled or read-only.
void SetBoxColour(QWidget* box, const QColor& colour);

struct GridShape {
  int columns = 0;
  int rows = 0;
  int fixedRows = 0;
  int fixedColumns = 0;
  std::vector<int> columnWidths;
  int rowHeight = 0;  // 0 keeps the default
};

// A read-only string grid whose cells are painted centred, 2 pixels down, with fixed (heading)
// cells in the button colour. While *unfocusedFlag is set, a selected cell is painted like any
// other, so the grid shows no selection it does not have the focus for (and none on paper). The
// grid keeps the flag: set when it loses the focus, cleared when it gets it.
QTableWidget* MakeStringGrid(QWidget* parent, const char* name, const GridShape& shape,
                             bool* unfocusedFlag);
// Sets a cell's text, creating the item with the right flags for a fixed or a normal cell.
void SetCellText(QTableWidget* grid, int row, int column, const QString& text);
// For a grid that Qt paints and edits itself (not a string grid): SetCellText makes its first
// `fixedRows` rows and `fixedColumns` columns headings filled with `headingFill`, which cannot be
// selected or edited, and its other cells editable in place.
void SetEditableGridCells(QTableWidget* grid, int fixedRows, int fixedColumns,
                          const QBrush& headingFill);
QString CellText(const QTableWidget* grid, int row, int column);
// Keeps the grid's fixed rows and columns (those of its GridShape) in place while the other cells
// scroll beneath them, as the headings of a table on paper stay put.
void FreezeFixedCells(QTableWidget* grid);
// Widens a column so that `text` fits it in the grid's font with a margin each side; a column is
// never narrowed, so a wider text shown earlier keeps its room.
void WidenColumnToFit(QTableWidget* grid, int column, const QString& text);

// The pixels per unit of length on the finest screen of the desktop (2 on a desktop scaled to
// 200 %): drawn pictures made at this ratio stay crisp there.
qreal ScreenPixelRatio();

// The spring's line art (DrawSpringIllustration) at the top left of a white `place`. The screen
// shows it from an image drawn once at the screen's resolution; a printer, a PDF page or any
// other device the widget is rendered onto gets the lines themselves, never a bitmap.
class IllustrationView final : public QWidget {
 public:
  IllustrationView(QWidget* parent, const char* name, const QRect& place);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage onScreen_;  // the drawing at the pixel ratio it was last shown at
};

// Shows an image that its owner keeps and redraws in place: no copy and no conversion per
// change, only a repaint (Refresh) once the owner has drawn. The view has the image's logical
// size (QtCanvas::LogicalSize), whatever its pixel ratio.
class PictureView final : public QWidget {
 public:
  PictureView(QWidget* parent, const char* name, int x, int y, const QImage& image);
  void Refresh() { update(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const QImage& image_;
};

// A whole-number box that takes the digits a Japanese input method types ("１２") as their
// half-width forms, like every other number box; the box then shows the half-width text.
class HalfWidthSpinBox final : public QSpinBox {
 public:
  using QSpinBox::QSpinBox;

 protected:
  QValidator::State validate(QString& input, int& pos) const override;
  int valueFromText(const QString& text) const override;
};

// The history grid of the main window.
QTableWidget* MakeHistoryGrid(QWidget* parent, bool* unfocusedFlag);

}  // namespace coilspring
