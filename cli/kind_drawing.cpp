#include "cli/kind_drawing.h"

#include <iterator>

namespace coilspring::cli {

namespace {

// In the order of SpringKinds().
constexpr KindDrawing kKindDrawings[] = {
    {SpringKind::Compression, CompressionPicture, CompressionSheet},
    {SpringKind::Extension, ExtensionPicture, ExtensionSheet},
    {SpringKind::Torsion, TorsionPicture, TorsionSheet},
    {SpringKind::Conical, ConicalPicture, ConicalSheet},
};

constexpr bool InKindOrder() {
  for (std::size_t i = 0; i < std::size(kKindDrawings); ++i)
    if (static_cast<std::size_t>(kKindDrawings[i].kind) != i) return false;
  return true;
}
static_assert(InKindOrder(), "one entry per kind, in the order of SpringKind");

}  // namespace

const KindDrawing& DrawingOf(SpringKind kind) {
  return kKindDrawings[static_cast<std::size_t>(kind)];
}

}  // namespace coilspring::cli
