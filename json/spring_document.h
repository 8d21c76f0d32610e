// The design file of a spring kind's window: the design's members and "history": [the stored
// designs, each an object of the same members]. Each kind gives its members and its reader.
#pragma once

#include <string>
#include <vector>

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

}  // namespace coilspring
