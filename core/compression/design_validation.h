// The one judgement of whether a stored design can be calculated: the design file readers of
// the CLI and the window, design import and the JSON design reader all ask it, so whatever one
// refuses, all refuse, with the same words.
#pragma once

#include <optional>
#include <string>

#include "core/compression/design_record.h"
#include "core/records/material_table.h"

namespace coilspring {

// The first problem of the record's inputs as a message naming the field ("座巻き EndKind = 99
// が 0〜6 の外です"), or nothing when it can be calculated: the codes and record numbers in
// their ranges and the numbers the calculation starts from finite; with `materials`, the
// material must be in the database and the wire in its list (by the row, or by the stored
// diameter where the row lies beyond the list). A zero or tiny input is no
// damage: the calculation's own checks report what it makes of it.
std::optional<std::string> ValidateStoredDesign(const DesignRecord& design,
                                                const MaterialTable* materials);

// How messages name a record of the design state: "現在の設計（記録 0）", "履歴 3 ".
std::string DesignRecordName(int slot);

// The first problem of a design state's record `slot` as a message naming the record and the
// field ("履歴 3 の設計が壊れています: …"); a history slot must hold a design.
std::optional<std::string> ValidateDesignSlot(const SpringDesign& design, int slot,
                                              const MaterialTable* materials);

// The first problem of a whole design state: record 0 and every history slot in use.
std::optional<std::string> ValidateDesignState(const SpringDesign& design,
                                               const MaterialTable* materials);

// Throws UserError naming the file and the bytes missing when a design file of `length` bytes
// ends before record `slot` does: the rest of that design would stay whatever was there before.
void RequireDesignRecord(const std::string& path, int slot, std::size_t length);

// A design file read over `design` as "読み取り" reads it (a shorter file replaces only as many
// bytes as it has, but always the whole current design). Throws UserError naming the file when
// it cannot be read, is empty, ends inside the current design (RequireDesignRecord) or leaves a
// design that ValidateDesignState refuses; `design` itself is never changed.
SpringDesign ReadDesignFile(const std::string& path, const SpringDesign& design,
                            const MaterialTable& materials);

}  // namespace coilspring
