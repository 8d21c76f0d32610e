// picture and sheet of an extension spring's design file.
#include "cli/extension_commands.h"
#include "cli/kind_drawing.h"
#include "cli/widget_runtime.h"
#include "core/extension/extension_shape.h"
#include "core/extension/extension_sheet.h"
#include "ui/render/data_sheet_page.h"
#include "ui/render/pictures.h"

namespace coilspring::cli {

int ExtensionPicture(const DesignFile& file, const DesignFileOptions& o, const PictureOptions& p) {
  const LoadedExtension x = LoadExtension(file, o);
  WidgetRuntime runtime;
  if (!p.diagramPath.empty()) {
    FatigueDiagramPicture diagram;
    diagram.Show(ExtensionFatigueCoefficients(x.design, x.material()));
    WritePng(p.diagramPath, diagram.Image());
    return 0;
  }
  const ExtensionDesign& r = x.design;
  const double length = p.state == PictureState::Load1   ? r.Length1
                        : p.state == PictureState::Load2 ? r.Length2
                                                         : r.FreeLength;
  ExtensionShapePicture shape;
  shape.Show(r, length);
  WritePng(p.shapePath, shape.Image());
  return ReportUndrawn(CannotDrawMessage(BuildExtensionShape(r, length).status), "図");
}

int ExtensionSheet(const DesignFile& file, const DesignFileOptions& o, bool leftHanded) {
  const LoadedExtension x = LoadExtension(file, o);
  const DataSheet data =
      MakeExtensionDataSheet(x.design, *x.materials, leftHanded || x.design.LeftHand);
  WidgetRuntime runtime;
  WriteSheetPdf([&](const QString& pdf) { DataSheetPage::WritePagePdf(data, pdf); }, o.files[0]);
  return 0;
}

}  // namespace coilspring::cli
