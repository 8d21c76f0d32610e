// Reading the design of an extension or torsion spring's design file, the same way for every kind
// that keeps its designs as a window's JSON document: the material database and the settings
// through their checked readers, then the document through the reader the kind's window uses, so
// that the CLI and the windows take and refuse the same files.
#pragma once

#include <memory>
#include <string>

#include "cli/commands.h"
#include "cli/design_file.h"
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

}  // namespace coilspring::cli
