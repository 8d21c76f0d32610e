// A kind's input panel as the main window's: the kind's illustration as a picture with its
// length, load, leg, angle and diameter boxes lying on the dimension lines they stand for, each
// with a short caption on white at its left.
#pragma once

#include <QString>
#include <QWidget>

#include "core/drawing/canvas.h"

class QLabel;

namespace coilspring {

class IllustrationView;

class IllustrationPanel final : public QWidget {
 public:
  static constexpr int kBoxWidth = 60;

  // The picture of `draw`, named `name`, at the illustration's size.
  IllustrationPanel(const char* name, void (*draw)(Canvas&), QWidget* parent = nullptr);

  // Takes `box` onto the picture, centred on `place`, with `caption` (made here, or the given
  // label, which its owner may retitle) right-aligned against its left edge.
  QLabel* Put(QWidget* box, PixelPoint place, const QString& caption);
  void Put(QWidget* box, PixelPoint place, QLabel* caption);

  // Shows `text` in a caption Put placed, still against its box.
  void Retitle(QLabel* caption, const QString& text);

  IllustrationView* Picture() const { return picture_; }

 private:
  static void Retitle(QLabel* caption, const QString& text, int right);

  IllustrationView* picture_;
};

}  // namespace coilspring
