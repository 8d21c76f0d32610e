// The compression spring's end form, a code its design record stores as a 32-bit integer.
#pragma once

#include <cstdint>
#include <type_traits>

#include "core/records/design_codes.h"

namespace coilspring {

// The end forms, in the order of the end-form list.
enum class EndKind : std::int32_t {
  ClosedUnground = 0,
  ClosedGround = 1,
  ClosedTapered = 2,
  OpenUnground = 3,
  OpenGround = 4,
  OpenTapered = 5,
  OpenThreeQuarterUnground = 6,
};

template <>
struct CodeCount<EndKind> : std::integral_constant<std::int32_t, 7> {};

}  // namespace coilspring
