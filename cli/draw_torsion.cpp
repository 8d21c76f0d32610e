// picture and sheet of a torsion spring's design file.
#include <stdexcept>

#include "cli/kind_drawing.h"
#include "cli/torsion_commands.h"
#include "cli/widget_runtime.h"
#include "core/torsion/torsion_sheet.h"
#include "ui/render/torsion_pictures.h"

namespace coilspring::cli {

// The end and side views show the free state and both working points at once.
int TorsionPicture(const DesignFile& file, const DesignFileOptions& o, const PictureOptions& p) {
  if (p.state)
    throw std::invalid_argument(
        "--state はねじりコイルばねの設計には使えません（図は三つの状態を描きます）");
  const LoadedTorsion t = LoadTorsion(file, o);
  WidgetRuntime runtime;
  if (!p.diagramPath.empty()) {
    WritePng(p.diagramPath, MomentDiagramImage(t.design, UnitSystem::Gravitational));
    return 0;
  }
  WritePng(p.shapePath, TorsionViewsImage(t.design));
  return ReportUndrawn(TorsionCannotDrawMessage(t.design), "図");
}

int TorsionSheet(const DesignFile& file, const DesignFileOptions& o, bool leftHanded) {
  if (leftHanded) throw std::invalid_argument("--left はねじりコイルばねの設計には使えません");
  const LoadedTorsion t = LoadTorsion(file, o);
  WidgetRuntime runtime;
  TorsionSheetPage page(t.design, TorsionSheetRows(t.design, *t.materials));
  WriteSheetPdf([&](const QString& pdf) { page.WritePdf(pdf); }, o.files[0]);
  return 0;
}

}  // namespace coilspring::cli
