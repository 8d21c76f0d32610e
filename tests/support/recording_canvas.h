// A canvas that draws nothing and remembers every primitive with the drawing state it was
// drawn in, so tests can compare drawings pixel for pixel without rendering them.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "core/drawing/canvas.h"

namespace coilspring {

enum class PrimitiveKind { FillRect, Rectangle, Line, Arc, Polygon, Text };

struct Primitive {
  PrimitiveKind kind = PrimitiveKind::Line;
  Rgb pen;
  int penWidth = 1;
  PenStyle penStyle = PenStyle::Solid;
  Rgb brush;
  Rgb font;
  // FillRect, Rectangle: the two corners (left, top), (right, bottom).
  // Line: from, to. Arc: box corner 1, box corner 2, start point, end point.
  // Polygon: the corners. Text: the top-left corner.
  std::vector<PixelPoint> points;
  std::string text;  // Text only, UTF-8

  bool operator==(const Primitive&) const = default;
};

// Readable test failure messages.
std::ostream& operator<<(std::ostream& out, const PixelPoint& p);
std::ostream& operator<<(std::ostream& out, const Rgb& c);
std::ostream& operator<<(std::ostream& out, const Primitive& p);

class RecordingCanvas : public Canvas {
 public:
  // The state a fresh bitmap canvas starts with: black pen of width 1, white brush, black font.
  RecordingCanvas(int width, int height) : width_(width), height_(height) {}

  std::vector<Primitive> primitives;

  std::vector<Primitive> OfKind(PrimitiveKind kind) const;
  std::vector<Primitive> Lines() const { return OfKind(PrimitiveKind::Line); }
  std::vector<Primitive> Arcs() const { return OfKind(PrimitiveKind::Arc); }
  std::vector<Primitive> Texts() const { return OfKind(PrimitiveKind::Text); }
  std::vector<Primitive> Polygons() const { return OfKind(PrimitiveKind::Polygon); }
  // Every text primitive with exactly this text, in drawing order.
  std::vector<Primitive> TextsEqual(std::string_view text) const;
  // Lines drawn between the two points, in either direction.
  std::vector<Primitive> LinesBetween(PixelPoint a, PixelPoint b) const;
  // The texts, as boxes 13 pixels high and 8 a character wide (13 a full-width one), that meet
  // another text's box or have a line pass through: "label i, label j" or "label i, line".
  std::vector<std::string> CrowdedLabels() const;

  PixelPoint CurrentPosition() const { return position_; }
  Rgb PenColour() const { return pen_; }
  int PenWidth() const { return penWidth_; }
  PenStyle CurrentPenStyle() const { return penStyle_; }
  Rgb BrushColour() const { return brush_; }
  Rgb FontColour() const { return font_; }

  int Width() const override { return width_; }
  int Height() const override { return height_; }

  void SetPenColour(Rgb colour) override { pen_ = colour; }
  void SetPenWidth(int width) override { penWidth_ = width; }
  void SetPenStyle(PenStyle style) override { penStyle_ = style; }
  void SetBrushColour(Rgb colour) override { brush_ = colour; }
  void SetFontColour(Rgb colour) override { font_ = colour; }

  void FillRect(int left, int top, int right, int bottom) override;
  void Rectangle(int left, int top, int right, int bottom) override;
  void MoveTo(int x, int y) override { position_ = {x, y}; }
  void LineTo(int x, int y) override;
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
  void Polygon(std::span<const PixelPoint> points) override;
  void TextOut(int x, int y, std::string_view text) override;

 private:
  void Record(PrimitiveKind kind, std::vector<PixelPoint> points, std::string text = {});

  int width_;
  int height_;
  Rgb pen_ = kBlack;
  int penWidth_ = 1;
  PenStyle penStyle_ = PenStyle::Solid;
  Rgb brush_ = kWhite;
  Rgb font_ = kBlack;
  PixelPoint position_;
};

}  // namespace coilspring
