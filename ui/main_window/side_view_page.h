// The second page: the spring's side view at the free length or compressed to L1 or L2, and the
// button that steps through the three.
#pragma once

#include <QImage>
#include <optional>

#include "core/compression/design_record.h"
#include "ui/render/pictures.h"
#include "ui/widgets/lazy_page.h"

class QLabel;
class QPushButton;

namespace coilspring {

class PictureView;

class SideViewPage final : public LazyPage {
  Q_OBJECT

 public:
  SideViewPage();

  // Draws the design at the length of `position` (0 free, 1 under load 1, 2 under load 2), now
  // or when the page is first shown.
  // A left-hand spring (`leftHand`) is drawn mirrored.
  void ShowAt(const DesignRecord& r, int position, bool leftHand = false);
  const QImage& ShapeImage();

 signals:
  void StepClicked();

 protected:
  void Build() override;

 private:
  void Draw();

  struct Shown {
    DesignRecord design;
    int position;
    bool leftHand;
  };
  std::optional<Shown> shown_;
  std::optional<SpringShapePicture> springShape_;
  PictureView* sideView_ = nullptr;            // Image2: side view, 777 x 201
  QLabel* sideViewCaption_ = nullptr;          // Label8: which length the side view shows
  QPushButton* sideViewStepButton_ = nullptr;  // BitBtn3: "▲" steps the view and recalculates
};

}  // namespace coilspring
