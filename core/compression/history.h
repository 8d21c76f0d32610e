// The calculation history: the texts of the history grid sg1 and the record copies behind
// storing and recalling a design.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/compression/design_record.h"
#include "core/records/material_table.h"

namespace coilspring {

inline constexpr int kHistoryColumns = 15;  // column 0 holds the slot numbers
inline constexpr int kHistoryHeadingRows = 2;
inline constexpr int kHistoryRows = kHistoryHeadingRows + kHistorySlots;

inline constexpr std::array<int, kHistoryColumns> kHistoryColumnWidths = {
    30, 96, 33, 38, 42, 54, 47, 47, 47, 47, 55, 57, 91, 45, 141};

// Row 0 names the item, row 1 its unit (empty where there is none).
inline constexpr std::array<const char*, kHistoryColumns> kHistoryItemHeadings = {
    "項目",      "材質",       "線径",           "ｺｲﾙ径",    "巻数(N)",
    "自由長(L)", "荷重(P1)",   "荷重(P2)",       "長さ(L1)", "長さ(L2)",
    "ばね定数",  "ねじり応力", "許容ねじり応力", "寿命",     "座巻き"};
inline constexpr std::array<const char*, kHistoryColumns> kHistoryUnitHeadings = {
    "単位", "",   "mm",     "mm",       "巻",       "mm", "kgf", "kgf",
    "mm",   "mm", "kgf/mm", "kgf/mm^2", "kgf/mm^2", "回", ""};

// Grid row of a slot: slot n is shown in row n + 1.
constexpr int HistoryRowOfSlot(int slot) { return slot + 1; }
constexpr int HistorySlotOfRow(int row) { return row - 1; }

// Columns 1..14 of a slot's row (element 0 is column 1). A slot whose InUse is not 1 gives
// empty texts; a material, life class or end kind that does not exist gives an empty cell.
std::array<std::string, kHistoryColumns - 1> HistoryRowTexts(const DesignRecord& slot,
                                                             const MaterialTable& materials);

// Copies record `from` over record `to` (0 = current design, 1..30 = slots). Record numbers
// outside 0..30 copy nothing.
void CopyDesignRecord(SpringDesign& design, int from, int to);

// The history slot a number of the slot selector stands for, held to 1..30.
int HistorySlotFromNumber(long long number);
// The same for the selector's text: a text that is not a whole number counts as 1.
int HistorySlotFromText(std::string_view text);

}  // namespace coilspring
