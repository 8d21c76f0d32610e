// The side view on the second page: the spring drawn at the free length or compressed to L1 or
// L2, and the button that steps through the three.
#include <QLabel>
#include <QPushButton>

#include "ui/main_window/main_window.h"
#include "ui/main_window/reference_page.h"
#include "ui/platform/handler_guard.h"
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

void MainWindow::BuildSideViewPage() {
  // The picture fills the page; the step button and the caption lie on its white top-left.
  sideView_ = new PictureView(sideViewPage_, "Image2", 4, 2, springShape_.Image());
  sideViewStepButton_ = Place<QPushButton>(sideViewPage_, "BitBtn3", 8, 4, 24, 18);
  sideViewStepButton_->setText(QStringLiteral("▲"));
  sideViewStepButton_->setToolTip(QStringLiteral("フリー・荷重１・荷重２の形状を順に表示"));
  sideViewCaption_ = PlaceLabel(sideViewPage_, QString(), 38, 7);
  sideViewCaption_->setObjectName("Label8");
  sideViewCaption_->setMinimumWidth(60);
  ConnectGuarded(platform_, this, sideViewStepButton_, &QPushButton::clicked,
                 &MainWindow::StepSideView);
}

void MainWindow::DrawSideView(double length) {
  springShape_.Show(state_.current(), length);
  sideView_->Refresh();
}

// The side view and the reference page follow the calculate actions only, never a recall or a
// file read.
void MainWindow::ShowSideViewAt(int position) {
  state_.shapeViewPosition = position;
  const ShapeState& shown = kShapeStates[position];
  DrawSideView(state_.current().*shown.length);
  sideViewCaption_->setText(Utf8(shown.caption));
  referencePage_->Refresh(state_.current(), state_.currentMaterial());
}

void MainWindow::StepSideView() {
  RecalculateAndShow();
  const int position = state_.shapeViewPosition;
  ShowSideViewAt(position >= 2 || position < 0 ? 0 : position + 1);
}

}  // namespace coilspring
