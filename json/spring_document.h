// The design file of a spring kind's window: the design's members and "history": the 30 numbered
// history slots, entry i holding slot i + 1, each an object of the same members or null for an
// empty slot. Each kind gives its members and its reader.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "json/json_reading.h"
#include "json/json_text.h"

namespace coilspring {

template <class Design>
struct SpringDocument {
  Design design;
  // Entry i is history slot i + 1; an empty slot holds nothing. Empty slots after the last used
  // one are never written, so a vector shorter than the history means the rest are empty.
  std::vector<std::optional<Design>> history;
};

// The document as the file holds it; `members` gives a design's members.
template <class Design, class Members>
std::string SpringDocumentText(const SpringDocument<Design>& document, Members&& members) {
  JsonMembers top = members(document.design);
  std::size_t used = document.history.size();
  while (used > 0 && !document.history[used - 1]) --used;
  std::vector<std::string> history;
  for (std::size_t i = 0; i < used; ++i)
    history.push_back(document.history[i] ? JsonObject(members(*document.history[i])) : "null");
  top.emplace_back("history", JsonBlockArray(history));
  return JsonObject(top) + "\n";
}

// The document of a parsed file: the design `designOf` reads from its top level, then the
// "history" slots it reads from each object entry, null leaving a slot empty; at most
// `historyLimit` slots. Files written before empty slots existed (objects only) read as slots 1
// to n in their order.
template <class Design, class DesignOf>
SpringDocument<Design> ReadSpringDocument(const nlohmann::json& file, std::size_t historyLimit,
                                          DesignOf&& designOf) {
  SpringDocument<Design> document{designOf(file), {}};
  const auto history = file.find("history");
  if (history == file.end()) return document;
  if (!history->is_array()) ThrowKeyError("history", "設計のオブジェクトの配列");
  for (const nlohmann::json& entry : *history) {
    if (document.history.size() == historyLimit) break;
    if (entry.is_null()) {
      document.history.emplace_back();
      continue;
    }
    if (!entry.is_object()) ThrowKeyError("history", "設計のオブジェクトか null の配列");
    document.history.emplace_back(designOf(entry));
  }
  while (!document.history.empty() && !document.history.back()) document.history.pop_back();
  return document;
}

}  // namespace coilspring
