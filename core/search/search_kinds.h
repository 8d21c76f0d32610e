// The list that binds every spring kind to the search machine: the keys of each kind's
// requirement document (what the command line reads and the window's form offers) and its
// rankings. The shared machine (core/search_machine) and every reader of this list stay free of
// kind names; a further kind is one more entry here and a search of its own in its folder.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/kinds/spring_kinds.h"

namespace coilspring {

// How a key's value is typed into the window's form and written into the document.
enum class RequirementForm {
  Number,  // a number
  Range,   // two numbers, [min, max]
  Codes,   // a list of codes
  Texts,   // a list of names (material symbols or kinds)
  Word,    // one of the words the key takes
};

struct RequirementKey {
  const char* name;  // the document's key
  RequirementForm form;
  const char* label;        // the window's caption
  const char* unit;         // shown after the box; "" for none
  const char* defaultText;  // what the box starts with; "" asks for nothing
};

struct SearchRank {
  const char* key;   // the document's "rank"
  const char* name;  // Japanese, as the window offers it
};

struct KindSearchInfo {
  SpringKind kind;
  // Every key the kind's requirement document takes besides "kind", the common ones first.
  std::span<const RequirementKey> keys;
  std::span<const SearchRank> ranks;  // the first is the default
};

std::span<const KindSearchInfo> SearchKinds();
// Whether `kind` has a design search at all: a kind may be calculated without being searched.
bool HasSearch(SpringKind kind);
// The search of `kind`, which must have one (HasSearch).
const KindSearchInfo& SearchOf(SpringKind kind);
// The kinds that have a search, as a requirement document's "kind" names them, for messages.
std::string SearchableKindChoices();
const RequirementKey* FindRequirementKey(const KindSearchInfo& search, std::string_view key);

// What is wrong with `key` in a requirement document of `search`'s kind: empty when the kind
// takes it; otherwise a message naming it, and the kind it belongs to if another kind takes it.
std::string ForeignKeyMessage(const KindSearchInfo& search, std::string_view key);

}  // namespace coilspring
