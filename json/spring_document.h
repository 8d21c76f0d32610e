// The design file of a spring kind's window: the design's members and "history": [the stored
// designs, each an object of the same members]. Each kind gives its members and its reader.
#pragma once

#include <string>
#include <vector>

#include "json/json_reading.h"
#include "json/json_text.h"

namespace coilspring {

template <class Design>
struct SpringDocument {
  Design design;
  std::vector<Design> history;  // oldest first
};

// The document as the file holds it; `members` gives a design's members.
template <class Design, class Members>
std::string SpringDocumentText(const SpringDocument<Design>& document, Members&& members) {
  JsonMembers top = members(document.design);
  std::vector<std::string> history;
  for (const Design& stored : document.history) history.push_back(JsonObject(members(stored)));
  top.emplace_back("history", JsonBlockArray(history));
  return JsonObject(top) + "\n";
}

// The document of a parsed file: the design `designOf` reads from its top level, then the
// "history" entries it reads from each, at most `historyLimit` of them.
template <class Design, class DesignOf>
SpringDocument<Design> ReadSpringDocument(const nlohmann::json& file, std::size_t historyLimit,
                                          DesignOf&& designOf) {
  SpringDocument<Design> document{designOf(file), {}};
  const auto history = file.find("history");
  if (history == file.end()) return document;
  if (!history->is_array()) ThrowKeyError("history", "設計のオブジェクトの配列");
  for (const nlohmann::json& entry : *history) {
    if (document.history.size() == historyLimit) break;
    if (!entry.is_object()) ThrowKeyError("history", "設計のオブジェクトの配列");
    document.history.push_back(designOf(entry));
  }
  return document;
}

}  // namespace coilspring
