#include "ui/render/picture_views.h"

#include <QPaintEngine>
#include <QPainter>

#include "core/drawing/illustration.h"
#include "ui/render/qt_canvas.h"

namespace coilspring {

IllustrationView::IllustrationView(QWidget* parent, const char* name, const QRect& place)
    : QWidget(parent) {
  setObjectName(QString::fromLatin1(name));
  setGeometry(place);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void IllustrationView::paintEvent(QPaintEvent*) {
  {
    QPainter painter(this);
    // Pixels (the screen, or a picture of the window) come from the image; a printer, a PDF
    // page or a recording for them get the lines.
    if (painter.paintEngine()->type() == QPaintEngine::Raster) {
      const qreal ratio = devicePixelRatioF();
      if (onScreen_.isNull() || onScreen_.devicePixelRatio() != ratio)
        onScreen_ = QtCanvas::Drawing(width(), height(), ratio, draw_);
      painter.drawImage(0, 0, onScreen_);
      return;
    }
  }
  QtCanvas canvas(*this, {illustration::kWidth, illustration::kHeight});
  canvas.SetBrushColour(kWhite);
  canvas.FillRect(0, 0, width(), height());
  draw_(canvas);
}

void IllustrationView::SetDrawing(void (*draw)(Canvas&)) {
  if (draw == draw_) return;
  draw_ = draw;
  onScreen_ = QImage();
  update();
}

PictureView::PictureView(QWidget* parent, const char* name, int x, int y, const QImage& image)
    : QWidget(parent), image_(image) {
  setObjectName(QString::fromLatin1(name));
  setGeometry(QRect(QPoint(x, y), QtCanvas::LogicalSize(image)));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, image_);
}

}  // namespace coilspring
