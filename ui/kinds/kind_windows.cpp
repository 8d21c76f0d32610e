#include "ui/kinds/kind_windows.h"

#include <array>

#include "ui/kinds/conical/conical_window.h"
#include "ui/kinds/extension/extension_window.h"
#include "ui/kinds/torsion/torsion_window.h"

namespace coilspring {

namespace {

template <class Window>
SpringKindWindowBase* Make(const KindWindowContext& context, QWidget* parent) {
  return new Window(context, parent);
}

constexpr std::array<KindWindowEntry, 3> kEntries = {{
    {SpringKind::Extension, "ExtensionMenu", Make<ExtensionWindow>},
    {SpringKind::Torsion, "TorsionMenu", Make<TorsionWindow>},
    {SpringKind::Conical, "ConicalMenu", Make<ConicalWindow>},
}};

}  // namespace

std::span<const KindWindowEntry> KindWindowEntries() { return kEntries; }

}  // namespace coilspring
