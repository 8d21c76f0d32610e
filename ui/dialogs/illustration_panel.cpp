#include "ui/dialogs/illustration_panel.h"

#include <QLabel>

#include "core/drawing/illustration.h"
#include "ui/render/picture_views.h"
#include "ui/widgets/placement.h"

namespace coilspring {

namespace {

constexpr int kCaptionGap = 2;

}  // namespace

IllustrationPanel::IllustrationPanel(const char* name, void (*draw)(Canvas&), QWidget* parent)
    : QWidget(parent),
      picture_(
          new IllustrationView(this, name, {0, 0, illustration::kWidth, illustration::kHeight})) {
  picture_->SetDrawing(draw);
  setFixedSize(illustration::kWidth, illustration::kHeight);
}

QLabel* IllustrationPanel::Put(QWidget* box, PixelPoint place, const QString& caption) {
  auto* label = new QLabel(caption);
  Put(box, place, label);
  return label;
}

void IllustrationPanel::Put(QWidget* box, PixelPoint place, QLabel* caption) {
  box->setParent(this);
  box->setGeometry(place.x - kBoxWidth / 2, place.y - kPlacedEditHeight / 2, kBoxWidth,
                   kPlacedEditHeight);
  box->show();
  caption->setParent(this);
  caption->setAutoFillBackground(true);
  QPalette p = caption->palette();
  p.setColor(QPalette::Window, Qt::white);
  caption->setPalette(p);
  caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  caption->setGeometry(0, box->y(), 0, kPlacedEditHeight);
  Retitle(caption, caption->text(), box->x() - kCaptionGap);
  caption->setAttribute(Qt::WA_TransparentForMouseEvents);
  caption->show();
  caption->lower();
  picture_->lower();
}

void IllustrationPanel::Retitle(QLabel* caption, const QString& text) {
  Retitle(caption, text, caption->geometry().right() + 1);
}

// Only the text's own width is white: the lines around it stay in sight.
void IllustrationPanel::Retitle(QLabel* caption, const QString& text, int right) {
  caption->setText(text);
  const int width = caption->sizeHint().width();
  caption->setGeometry(right - width, caption->y(), width, kPlacedEditHeight);
}

}  // namespace coilspring
