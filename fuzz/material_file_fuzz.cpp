// Reading a material file: the byte image over the 30 records, then everything built from it
// (kind index, the three selection lists, the allowable-stress table, the editor's texts and
// the readable text form).
#include <cstddef>
#include <cstdint>
#include <stdexcept>

#include "core/compression/spring_calc.h"
#include "core/editing/material_editing.h"
#include "core/records/material_table.h"
#include "core/records/material_text.h"
#include "core/text/sjis.h"
#include "fuzz/fuzz_support.h"

using namespace coilspring;

namespace {

void ShowSelectionLists(const MaterialTable& table) {
  const KindIndex index = BuildKindIndex(table);
  const std::vector<int> kinds = index.ListedKinds();
  const std::vector<std::string> kindTexts = KindListEntries(index, table);
  fuzz::Require(kindTexts.size() == kinds.size(), "kind list and listed kinds differ in length");
  for (const std::string& text : kindTexts) SjisToUtf8(text);
  for (int k = 0; k < static_cast<int>(kinds.size()); ++k) {
    const std::vector<std::string> symbols = SymbolListEntries(index, table, k);
    for (int s = 0; s < static_cast<int>(symbols.size()); ++s) {
      SjisToUtf8(symbols[s]);
      const std::optional<int> m = index.MaterialAt(k, s);
      fuzz::Require(m && *m >= 0 && *m < kMaterialCount, "symbol entry names no material");
      fuzz::Require(index.PlaceOf(*m).has_value(), "listed material has no place");
      WireListEntries(table[*m]);
      FirstRowNotBelow(table[*m], 1.0);
    }
  }
}

// What the editor shows of a record goes back into it without complaint: an unedited store
// never stops at a text the editor wrote itself.
void EditUnchanged(const MaterialRecord& record) {
  MaterialRecord copy = record;
  StoreTexts(TextsOfRecord(record), copy);
}

// The text form is canonical: formatting what it parses to gives the same text. A table the
// text cannot carry (a control character in a name) or that the authoring import refuses (a
// ninth material in a kind) is turned down with a message, never half-written.
void RoundTripText(const MaterialTable& table) {
  try {
    const std::string text = FormatMaterialText(table);
    const MaterialTable parsed = ParseMaterialText(text);
    fuzz::Require(FormatMaterialText(parsed) == text, "material text is not canonical");
  } catch (const std::invalid_argument&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static MaterialTable table;
  table = MaterialTable{};
  const auto image = fuzz::AsBytes(data, size);
  OverlayBytes(table, image);
  fuzz::RequireRoundTrip(table, image);

  ShowSelectionLists(table);
  AllowableStressTable allowable;
  for (const MaterialRecord& m : table.records) {
    BuildAllowableStressTable(m, allowable);
    for (double x : {0.0, 0.5, 1.0, 3.2, 12.0})
      InterpolateTable(allowable.diameters, allowable.stresses, allowable.count, x);
  }
  EditUnchanged(table[size % kMaterialCount]);
  RoundTripText(table);
  return 0;
}
