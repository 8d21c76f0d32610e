// The two computed pictures as images, drawn the same way for the window and for the CLI.
#pragma once

#include <QImage>

#include "app/design_record.h"
#include "app/material_table.h"

namespace coilspring {

struct FatigueDiagramImage {
  QImage image;           // 400 x 417
  bool overflow = false;  // the point lies above the plot area and is not marked
  std::int32_t lifeClass = 0;
};

// The fatigue-strength diagram with the design's working point, and its life class.
FatigueDiagramImage RenderFatigueDiagram(const DesignRecord& design, const MaterialTable& materials);

// The side view (777 x 201) of the design compressed to `length`.
QImage RenderSpringShape(const DesignRecord& design, double length);

}  // namespace coilspring
