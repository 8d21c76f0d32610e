// The codes a design record stores as 32-bit integers: which pair of the working points is
// entered and which coil diameter the diameter box holds (a kind's own codes, such as the
// compression spring's end form, follow the same pattern in its folder). A file may hold any
// value in those fields; the enumerations take every 32-bit value, so a damaged record keeps its
// bytes, and CodeFrom is the one place that tells a value the calculator knows from the others.
#pragma once

#include <array>
#include <concepts>
#include <cstdint>
#include <optional>
#include <type_traits>

namespace coilspring {

enum class InputMode : std::int32_t {
  Loads = 0,    // P1 and P2 entered, L1 and L2 calculated
  Lengths = 1,  // L1 and L2 entered, P1 and P2 calculated
};

enum class DiameterKind : std::int32_t {
  Inner = 0,
  Mean = 1,
  Outer = 2,
};

// How many values a code has: they run from 0 to count - 1.
template <class Code>
struct CodeCount;
template <>
struct CodeCount<InputMode> : std::integral_constant<std::int32_t, 2> {};
template <>
struct CodeCount<DiameterKind> : std::integral_constant<std::int32_t, 3> {};

template <class Code>
concept StoredCode =
    std::is_enum_v<Code> && std::same_as<std::underlying_type_t<Code>, std::int32_t> && requires {
  CodeCount<Code>::value;
};

// The integer the record stores for a code.
template <StoredCode Code>
constexpr std::int32_t RawOf(Code code) {
  return static_cast<std::int32_t>(code);
}

// The code a stored integer names, or nothing for a value outside the enumeration.
template <StoredCode Code>
constexpr std::optional<Code> CodeFrom(std::int32_t raw) {
  if (raw < 0 || raw >= CodeCount<Code>::value) return std::nullopt;
  return static_cast<Code>(raw);
}

template <StoredCode Code>
constexpr bool IsValid(Code code) {
  return CodeFrom<Code>(RawOf(code)).has_value();
}

// The largest value of a code, for messages that state the range.
template <StoredCode Code>
constexpr std::int32_t LastRawOf() {
  return CodeCount<Code>::value - 1;
}

// Every value of a code, in order.
template <StoredCode Code>
constexpr std::array<Code, CodeCount<Code>::value> AllCodes() {
  std::array<Code, CodeCount<Code>::value> all{};
  for (std::int32_t i = 0; i < CodeCount<Code>::value; ++i) all[i] = static_cast<Code>(i);
  return all;
}

// The diameter kinds in the order the diameter button steps through them: inner, mean, outer,
// inner again; a value outside the enumeration steps to inner.
constexpr DiameterKind NextDiameterKind(DiameterKind kind) {
  switch (kind) {
    case DiameterKind::Inner:
      return DiameterKind::Mean;
    case DiameterKind::Mean:
      return DiameterKind::Outer;
    default:
      return DiameterKind::Inner;
  }
}

}  // namespace coilspring
