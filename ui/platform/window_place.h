// Where each window opens: where the user left it, or first at the top of the screen's free
// area, and never beyond it. The place is the user's own, kept in the user's configuration
// beside the units (key "windows/<objectName>"), never in a design file.
#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace coilspring {

// The client rectangle `wanted` moved (and, when it is too big, shrunk to no less than
// `minimum`) so that it lies inside `area` together with its window frame `frame`.
QRect ClampedIntoArea(QRect wanted, const QMargins& frame, const QSize& minimum, const QRect& area);

// From its first showing on, the window opens where it was last closed (its size too, unless it
// keeps a fixed size), clamped into the available area of the screen it opens on; a window the
// user never placed opens at the top of that area, centred across it, at its own size.
void KeepWindowPlace(QWidget* window);

}  // namespace coilspring
