#include "core/compression/history.h"

#include <algorithm>
#include <charconv>

#include "core/calc/fatigue.h"
#include "core/compression/spring_calc.h"
#include "core/text/number_format.h"
#include "core/text/sjis.h"
#include "core/text/trim.h"

namespace coilspring {
namespace {

constexpr int kRecordCount = kHistorySlots + 1;

bool IsRecordNumber(int n) { return n >= 0 && n < kRecordCount; }

std::string SymbolText(const MaterialTable& materials, std::int32_t materialNo) {
  if (materialNo < 0 || materialNo >= kMaterialCount) return {};
  return SjisToUtf8(materials[static_cast<std::size_t>(materialNo)].Symbol.Raw());
}

}  // namespace

std::array<std::string, kHistoryColumns - 1> HistoryRowTexts(const DesignRecord& slot,
                                                             const MaterialTable& materials) {
  if (slot.InUse != 1) return {};
  return {SymbolText(materials, slot.MaterialNo),
          FormatFull(slot.WireDiameter),
          FormatShort(slot.MeanDiameter),
          FormatFull(slot.TotalTurns),
          FormatShort(slot.FreeLength),
          FormatShort(slot.Load1),
          FormatShort(slot.Load2),
          FormatShort(slot.Length1),
          FormatShort(slot.Length2),
          FormatShort(slot.SpringRate),
          FormatShort(slot.Stress2),
          FormatShort(slot.AllowableStress),
          LifeClassText(slot.LifeClass),
          EndKindName(slot.EndKind)};
}

void CopyDesignRecord(SpringDesign& design, int from, int to) {
  if (!IsRecordNumber(from) || !IsRecordNumber(to)) return;
  design[static_cast<std::size_t>(to)] = design[static_cast<std::size_t>(from)];
}

int HistorySlotFromNumber(long long number) {
  return static_cast<int>(std::clamp<long long>(number, 1, kHistorySlots));
}

int HistorySlotFromText(std::string_view text) {
  std::string_view s = Trim(text);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  const bool negative = !s.empty() && s.front() == '-';
  long long number = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), number);
  if (s.empty() || end != s.data() + s.size()) return 1;
  // A whole number too long for any integer type still lies beyond one end of the range.
  if (error == std::errc::result_out_of_range) return negative ? 1 : kHistorySlots;
  if (error != std::errc()) return 1;
  return HistorySlotFromNumber(number);
}

}  // namespace coilspring
