// Reading the design of an extension or torsion spring's design file, the same way for every kind
// that keeps its designs as a window's JSON document: the material database and the settings
// through their checked readers, then the document through the reader the kind's window uses, so
// that the CLI and the windows take and refuse the same files.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "cli/commands.h"
#include "cli/design_file.h"
#include "cli/kind_commands.h"
#include "core/calc/fatigue.h"
#include "core/display/display_units.h"
#include "core/display/reference_rows.h"
#include "core/kinds/spring_kinds.h"
#include "core/records/design_codes.h"
#include "core/text/display_width.h"
#include "core/text/number_format.h"
#include "json/spring_document.h"

namespace coilspring::cli {

template <class Design>
struct KindDesign {
  std::unique_ptr<MaterialTable> materials = std::make_unique<MaterialTable>();
  CoefficientSettings settings;
  Design design;  // as read, not yet calculated
};

inline std::string EmptySlotMessage(int slot) {
  return "履歴 " + std::to_string(slot) + " は空です（設計が入っていません）";
}

// The design of options.slot (0 the design, N history slot N) of the file's document, read by
// `readDocument(document, materials, historyLimit)`. Throws UserError naming the file: for a data
// file that cannot be used, a document the reader refuses and a slot that holds no design.
template <class Design, class ReadDocument>
KindDesign<Design> LoadKindDesign(const DesignFile& file, const DesignFileOptions& options,
                                  ReadDocument&& readDocument) {
  KindDesign<Design> x;
  ReadDataFiles(options, *x.materials, x.settings);
  try {
    const SpringDocument<Design> document =
        readDocument(file.document, *x.materials, static_cast<std::size_t>(kHistorySlots));
    if (options.slot == 0) {
      x.design = document.design;
    } else {
      const auto index = static_cast<std::size_t>(options.slot - 1);
      if (index >= document.history.size() || !document.history[index])
        throw UserError(EmptySlotMessage(options.slot));
      x.design = *document.history[index];
    }
  } catch (const UserError& e) {
    ThrowInFile(file.path, e);
  }
  return x;
}

// calc's readable table of a kind that lists every field of its design: the kind's name, the
// fields in `units`, the expected life, the check lines, then the reference rows.
template <class Design>
void PrintKindTable(SpringKind kind, const Design& design, const std::vector<ReferenceRow>& rows,
                    const std::vector<std::string>& lines, UnitSystem units) {
  std::printf("%s\n", InfoOf(kind).japaneseName);
  Design::VisitFields(design, [&](const DesignField& f, const auto& value) {
    using T = std::decay_t<decltype(value)>;
    std::string text;
    if constexpr (std::is_same_v<T, bool>)
      text = value ? "true" : "false";
    else if constexpr (std::is_same_v<T, double>)
      text = FormatFull(ShownFieldValue(value, f, units));
    else if constexpr (std::is_same_v<T, std::optional<double>>)
      text = value ? FormatFull(ShownFieldValue(*value, f, units)) : "―";
    else if constexpr (StoredCode<T>)
      text = std::to_string(RawOf(value));
    else
      text = std::to_string(value);
    // The labels are Japanese, and printf pads by bytes: pad them by terminal columns.
    std::printf("  %-24s %s %s %s\n", f.name, PadToWidth(f.label, 18).c_str(), text.c_str(),
                FieldUnitCaption(f, units).c_str());
  });
  std::printf("  %-24s %s %s\n", "LifeClassText", PadToWidth("期待寿命", 18).c_str(),
              LifeClassText(design.LifeClass).c_str());
  for (const std::string& line : lines) std::printf("  %s\n", line.c_str());
  std::printf("参考値\n");
  PrintReferenceRows(rows);
}

}  // namespace coilspring::cli
