#include "ui/main_window/side_view_page.h"

#include <QLabel>
#include <QPushButton>

#include "ui/render/picture_views.h"
#include "ui/widgets/widgets.h"

namespace coilspring {

namespace {

struct ShapeState {
  double DesignRecord::*length;
  const char* caption;
};
const ShapeState kShapeStates[] = {
    {&DesignRecord::FreeLength, "フリー"},
    {&DesignRecord::Length1, "荷重１"},
    {&DesignRecord::Length2, "荷重２"},
};

}  // namespace

SideViewPage::SideViewPage() { setObjectName("TabSheet2"); }

void SideViewPage::Build() {
  springShape_.emplace(ScreenPixelRatio());
  // The picture fills the page; the step button and the caption lie on its white top-left.
  sideView_ = new PictureView(this, "Image2", 4, 2, springShape_->Image());
  sideViewStepButton_ = Place<QPushButton>(this, "BitBtn3", 8, 4, 24, 18);
  sideViewStepButton_->setText(QStringLiteral("▲"));
  sideViewStepButton_->setToolTip(QStringLiteral("フリー・荷重１・荷重２の形状を順に表示"));
  sideViewCaption_ = PlaceLabel(this, QString(), 38, 7);
  sideViewCaption_->setObjectName("Label8");
  sideViewCaption_->setMinimumWidth(60);
  connect(sideViewStepButton_, &QPushButton::clicked, this, &SideViewPage::StepClicked);
  if (shown_) Draw();
}

void SideViewPage::ShowAt(const DesignRecord& r, int position, bool leftHand) {
  shown_ = Shown{r, position, leftHand};
  if (IsBuilt()) Draw();
}

void SideViewPage::Draw() {
  const ShapeState& state = kShapeStates[shown_->position];
  springShape_->Show(shown_->design, shown_->design.*state.length, shown_->leftHand);
  sideView_->Refresh();
  sideViewCaption_->setText(Utf8(state.caption));
}

const QImage& SideViewPage::ShapeImage() {
  EnsureBuilt();
  return springShape_->Image();
}

}  // namespace coilspring
