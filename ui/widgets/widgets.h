// The widget helpers every window uses, in one include.
#pragma once

#include "ui/widgets/half_width_spin_box.h"
#include "ui/widgets/look.h"
#include "ui/widgets/placement.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/quantity_box.h"
#include "ui/widgets/string_grid.h"
