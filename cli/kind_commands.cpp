#include "cli/kind_commands.h"

#include <iterator>

#include "cli/compression_commands.h"
#include "cli/conical_commands.h"
#include "cli/extension_commands.h"
#include "cli/torsion_commands.h"

namespace coilspring::cli {

namespace {

// In the order of SpringKinds().
constexpr KindCommands kKindCommands[] = {
    {SpringKind::Compression, RunCompressionCalc, RunCompressionDxf, CompressionModel},
    {SpringKind::Extension, RunExtensionCalc, RunExtensionDxf, ExtensionModel},
    {SpringKind::Torsion, RunTorsionCalc, RunTorsionDxf, TorsionModel},
    {SpringKind::Conical, RunConicalCalc, RunConicalDxf, ConicalModel},
};

constexpr bool InKindOrder() {
  for (std::size_t i = 0; i < std::size(kKindCommands); ++i)
    if (static_cast<std::size_t>(kKindCommands[i].kind) != i) return false;
  return true;
}
static_assert(InKindOrder(), "one entry per kind, in the order of SpringKind");

}  // namespace

const KindCommands& CommandsOf(SpringKind kind) {
  return kKindCommands[static_cast<std::size_t>(kind)];
}

}  // namespace coilspring::cli
