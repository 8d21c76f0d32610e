// picture and sheet of a compression spring's design file.
#include <cstdio>

#include "cli/compression_commands.h"
#include "cli/kind_drawing.h"
#include "cli/widget_runtime.h"
#include "core/compression/design_sheet.h"
#include "core/compression/shape_builder.h"
#include "core/output/data_sheet.h"
#include "ui/render/data_sheet_page.h"
#include "ui/render/pictures.h"

namespace coilspring::cli {

namespace {

double DesignRecord::*LengthOf(std::optional<PictureState> state) {
  if (state == PictureState::Load1) return &DesignRecord::Length1;
  if (state == PictureState::Load2) return &DesignRecord::Length2;
  return &DesignRecord::FreeLength;
}

}  // namespace

int CompressionPicture(const DesignFile& file, const DesignFileOptions& o,
                       const PictureOptions& p) {
  CalculatorState state = LoadDesignFile(file, o, true);
  RecalculateDesign(state, o.slot, DesignInputs::FromRecord);
  const DesignRecord& r = state.design[o.slot];
  WidgetRuntime runtime;
  if (!p.diagramPath.empty()) {
    FatigueDiagramPicture diagram;
    diagram.Show(r, state.materials());
    WritePng(p.diagramPath, diagram.Image());
    return 0;
  }
  const double length = r.*LengthOf(p.state);
  SpringShapePicture shape;
  shape.Show(r, length);
  WritePng(p.shapePath, shape.Image());
  // The picture is written either way, blank as the window shows it; say why.
  return ReportUndrawn(CannotDrawMessage(ShapeBuilder().Build(ShapeInputsOf(r, length))), "図");
}

int CompressionSheet(const DesignFile& file, const DesignFileOptions& o, bool leftHanded) {
  CalculatorState state = LoadDesignFile(file, o, true);
  RecalculateDesign(state, o.slot, DesignInputs::FromRecord);
  const DataSheet data = MakeDataSheet(state.design[o.slot], state.materials(), leftHanded);
  WidgetRuntime runtime;
  WriteSheetPdf([&](const QString& pdf) { DataSheetPage::WritePagePdf(data, pdf); }, o.files[0]);
  return 0;
}

}  // namespace coilspring::cli
