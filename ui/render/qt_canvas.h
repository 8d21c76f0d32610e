// Canvas on a QImage or a widget, drawn crisp (no antialiasing) with the conventions of a classic
// bitmap canvas: rectangles and line ends exclude their right/bottom pixel, text is drawn on an
// opaque background of the brush colour.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <functional>

#include "core/drawing/canvas.h"

namespace coilspring {

class QtCanvas : public Canvas {
 public:
  // Draws into `image` through one painter for the canvas's whole life: the image must outlive
  // the canvas, and is complete for showing or copying once the canvas is gone.
  explicit QtCanvas(QImage& image);
  // Draws on a widget from its paintEvent, `size` in the widget's units. Whatever the widget is
  // painted on, a screen, a printer or a PDF page, gets the drawing itself at its own
  // resolution.
  QtCanvas(QWidget& widget, QSize size);
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  // A white RGB32 image of the given size, ready to be drawn on. At a pixel ratio above 1 (a
  // high-DPI screen) the image has that many pixels per unit of the size, and everything drawn
  // on it is drawn at that finer resolution rather than enlarged afterwards.
  static QImage MakeImage(int width, int height, qreal pixelRatio = 1);
  // Such an image with `draw` drawn on it, complete.
  static QImage Drawing(int width, int height, qreal pixelRatio,
                        const std::function<void(Canvas&)>& draw);
  // The size an image of MakeImage was made for.
  static QSize LogicalSize(const QImage& image);

  // The font of TextOut; starts as the application font (a default QFont).
  void SetFont(const QFont& font);
  const QFont& Font() const { return font_; }

  int Width() const override { return size_.width(); }
  int Height() const override { return size_.height(); }

  void SetPenColour(Rgb colour) override { pen_ = colour; }
  void SetPenWidth(int width) override { penWidth_ = width; }
  void SetPenStyle(PenStyle style) override { penStyle_ = style; }
  void SetBrushColour(Rgb colour) override { brush_ = colour; }
  void SetFontColour(Rgb colour) override { fontColour_ = colour; }

  void FillRect(int left, int top, int right, int bottom) override;
  void Rectangle(int left, int top, int right, int bottom) override;
  void MoveTo(int x, int y) override { position_ = {x, y}; }
  void LineTo(int x, int y) override;
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
  void Polygon(std::span<const PixelPoint> points) override;
  void TextOut(int x, int y, std::string_view text) override;

 private:
  QtCanvas(QPaintDevice& device, QSize size);
  // Sets the painter to the current pen (or none) and brush (or none).
  void Prepare(bool withPen, bool withBrush);

  QSize size_;
  QPainter painter_;
  QFont font_;
  Rgb pen_ = kBlack;
  int penWidth_ = 1;
  PenStyle penStyle_ = PenStyle::Solid;
  Rgb brush_ = kWhite;
  Rgb fontColour_ = kBlack;
  PixelPoint position_;
};

}  // namespace coilspring
