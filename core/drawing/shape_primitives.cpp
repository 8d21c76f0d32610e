#include "core/drawing/shape_primitives.h"

#include <cmath>
#include <type_traits>
#include <variant>

namespace coilspring {
namespace {

bool Finite(ModelPoint p) { return std::isfinite(p.x) && std::isfinite(p.y); }

bool Finite(const ShapePrimitive& primitive) {
  if (const auto* line = std::get_if<ShapeLine>(&primitive))
    return Finite(line->from) && Finite(line->to);
  const auto& arc = std::get<ShapeArc>(primitive);
  return Finite(arc.centre) && Finite(arc.from) && Finite(arc.to) && std::isfinite(arc.radius) &&
         std::isfinite(arc.start.degrees) && std::isfinite(arc.end.degrees);
}

}  // namespace

std::string ShapeStatusReason(ShapeStatus status) {
  // In the order of ShapeStatus.
  static constexpr const char* kReasons[] = {
      "",
      "寸法に有限でない数があります",
      "座巻きの種類が不明です",
      "線径が 0 以下です",
      "平均径が 0 以下です",
      "巻数が多すぎます（10000 巻まで）",
      "座巻きだけで長さがなくなります",
      "線径が平均径以上です",
      "図の点が定まりません",
  };
  static_assert(std::size(kReasons) == static_cast<std::size_t>(ShapeStatus::UndefinedPoint) + 1);
  return kReasons[static_cast<std::size_t>(status)];
}

std::string CannotDrawMessage(ShapeStatus status) {
  if (status == ShapeStatus::Built) return {};
  return "側面図を描けません: " + ShapeStatusReason(status);
}

void EmitPrimitives(std::span<const ShapePrimitive> primitives, ShapeSink& sink) {
  for (const ShapePrimitive& primitive : primitives) {
    if (const auto* line = std::get_if<ShapeLine>(&primitive)) {
      sink.Line(*line);
    } else {
      sink.Arc(std::get<ShapeArc>(primitive));
    }
  }
}

bool AllPrimitivesFinite(std::span<const ShapePrimitive> primitives) {
  for (const ShapePrimitive& primitive : primitives)
    if (!Finite(primitive)) return false;
  return true;
}

void ShiftVertically(std::span<ShapePrimitive> primitives, double dy) {
  for (ShapePrimitive& primitive : primitives)
    std::visit(
        [dy](auto& p) {
          if constexpr (std::is_same_v<std::decay_t<decltype(p)>, ShapeArc>) p.centre.y += dy;
          p.from.y += dy;
          p.to.y += dy;
        },
        primitive);
}

}  // namespace coilspring
