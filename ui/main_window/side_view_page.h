// The second page: the spring's side view at the free length or compressed to L1 or L2, and the
// button that steps through the three.
#pragma once

#include <QImage>
#include <QWidget>

#include "core/records/design_record.h"
#include "ui/render/pictures.h"
#include "ui/widgets/look.h"

class QLabel;
class QPushButton;

namespace coilspring {

class PictureView;

class SideViewPage final : public QWidget {
  Q_OBJECT

 public:
  SideViewPage();

  // Draws the design at the length of `position` (0 free, 1 under load 1, 2 under load 2).
  void ShowAt(const DesignRecord& r, int position);
  const QImage& ShapeImage() const { return springShape_.Image(); }

 signals:
  void StepClicked();

 private:
  SpringShapePicture springShape_{ScreenPixelRatio()};
  PictureView* sideView_ = nullptr;            // Image2: side view, 777 x 201
  QLabel* sideViewCaption_ = nullptr;          // Label8: which length the side view shows
  QPushButton* sideViewStepButton_ = nullptr;  // BitBtn3: "▲" steps the view and recalculates
};

}  // namespace coilspring
