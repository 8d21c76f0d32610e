#include "ui/platform/window_place.h"

#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "ui/platform/units_setting.h"

namespace coilspring {

namespace {

// The frame a window manager adds is known only once the window is on screen; before that a
// title bar of this height and thin borders are assumed, so that the first place is not too low.
const QMargins kAssumedFrame(4, 30, 4, 4);

QString PlaceKey(const QWidget* window) {
  return QStringLiteral("windows/") + window->objectName();
}

QMargins FrameOf(const QWidget* window) {
  const QRect outer = window->frameGeometry();
  const QRect inner = window->geometry();
  const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                       outer.right() - inner.right(), outer.bottom() - inner.bottom());
  return frame.isNull() ? kAssumedFrame : frame;
}

bool FixedSize(const QWidget* window) { return window->minimumSize() == window->maximumSize(); }

class WindowPlace final : public QObject {
 public:
  explicit WindowPlace(QWidget* window) : QObject(window), window_(window) {
    window->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != window_) return false;
    if (event->type() == QEvent::Show && !placed_) {
      placed_ = true;
      Restore();
    } else if (event->type() == QEvent::Hide || event->type() == QEvent::Close) {
      Keep();
    }
    return false;
  }

 private:
  void Restore() {
    const QScreen* screen =
        window_->screen() ? window_->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->availableGeometry();
    const QMargins frame = FrameOf(window_);
    // A window given a size of its own before its first showing keeps that size as its default.
    const QSize own = FixedSize(window_) || window_->testAttribute(Qt::WA_Resized)
                          ? window_->size()
                          : window_->sizeHint().expandedTo(window_->minimumSizeHint());
    QRect wanted(area.left() + frame.left() + std::max(0, (area.width() - own.width()) / 2),
                 area.top() + frame.top(), own.width(), own.height());
    const QVariant kept = UserConfiguration().value(PlaceKey(window_));
    if (kept.canConvert<QRect>() && kept.toRect().isValid()) {
      wanted = kept.toRect();
      if (FixedSize(window_)) wanted.setSize(window_->size());
    }
    const QSize minimum = FixedSize(window_) ? window_->size() : window_->minimumSizeHint();
    const QRect place = ClampedIntoArea(wanted, frame, minimum, area);
    if (!FixedSize(window_)) window_->resize(place.size());
    window_->move(place.topLeft() - QPoint(frame.left(), frame.top()));
  }
  void Keep() const {
    if (!placed_ || window_->isMinimized()) return;
    const QRect normal = window_->isMaximized() || window_->isFullScreen()
                             ? window_->normalGeometry()
                             : window_->geometry();
    if (normal.isValid()) UserConfiguration().setValue(PlaceKey(window_), normal);
  }

  QWidget* const window_;
  bool placed_ = false;
};

}  // namespace

QRect ClampedIntoArea(QRect wanted, const QMargins& frame, const QSize& minimum,
                      const QRect& area) {
  const QRect inside = area.marginsRemoved(frame);
  wanted.setWidth(std::max(minimum.width(), std::min(wanted.width(), inside.width())));
  wanted.setHeight(std::max(minimum.height(), std::min(wanted.height(), inside.height())));
  wanted.moveLeft(std::clamp(wanted.left(), inside.left(),
                             std::max(inside.left(), inside.right() - wanted.width() + 1)));
  wanted.moveTop(std::clamp(wanted.top(), inside.top(),
                            std::max(inside.top(), inside.bottom() - wanted.height() + 1)));
  return wanted;
}

void KeepWindowPlace(QWidget* window) { new WindowPlace(window); }

}  // namespace coilspring
