// picture and sheet of a conical spring's design file.
#include "cli/conical_commands.h"
#include "cli/kind_drawing.h"
#include "cli/widget_runtime.h"
#include "core/conical/conical_shape.h"
#include "core/conical/conical_sheet.h"
#include "ui/render/data_sheet_page.h"
#include "ui/render/pictures.h"

namespace coilspring::cli {

int ConicalPicture(const DesignFile& file, const DesignFileOptions& o, const PictureOptions& p) {
  const LoadedConical x = LoadConical(file, o);
  WidgetRuntime runtime;
  if (!p.diagramPath.empty()) {
    FatigueDiagramPicture diagram;
    diagram.Show(ConicalFatigueCoefficients(x.design, x.material()));
    WritePng(p.diagramPath, diagram.Image());
    return 0;
  }
  const ConicalDesign& r = x.design;
  const double length = p.state == PictureState::Load1   ? r.Length1
                        : p.state == PictureState::Load2 ? r.Length2
                                                         : r.FreeLength;
  WritePng(p.shapePath, ConicalShapeImage(r, length));
  return ReportUndrawn(CannotDrawMessage(BuildConicalShape(r, length).status), "図");
}

int ConicalSheet(const DesignFile& file, const DesignFileOptions& o, bool leftHanded) {
  const LoadedConical x = LoadConical(file, o);
  const DataSheet data = MakeConicalDataSheet(x.design, *x.materials, leftHanded);
  WidgetRuntime runtime;
  WriteSheetPdf([&](const QString& pdf) { DataSheetPage::WritePagePdf(data, pdf); }, o.files[0]);
  return 0;
}

}  // namespace coilspring::cli
