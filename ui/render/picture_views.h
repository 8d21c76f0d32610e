// Widgets that show the drawn pictures: the spring's line art and an image its owner redraws.
#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

#include "core/compression/illustration.h"
#include "core/drawing/canvas.h"
#include "core/drawing/illustration.h"

namespace coilspring {

// The spring's line art (DrawSpringIllustration) at the top left of a white `place`. The screen
// shows it from an image drawn once at the screen's resolution; a printer, a PDF page or any
// other device the widget is rendered onto gets the lines themselves, never a bitmap.
class IllustrationView final : public QWidget {
 public:
  IllustrationView(QWidget* parent, const char* name, const QRect& place);
  // The line art to show: the compression spring's until another is set.
  void SetDrawing(void (*draw)(Canvas&));

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void (*draw_)(Canvas&) = DrawSpringIllustration;
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

}  // namespace coilspring
