// The spring kinds the program designs: the one place that names them all, with what a file, a
// menu and a message call each of them. Everything a kind does is reached through its entry in a
// list like this one (the JSON layer, the CLI and the windows keep theirs beside it), so that a
// further kind is a folder of its own and one line in each list.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace coilspring {

enum class SpringKind { Compression, Extension, Torsion, Conical };

struct SpringKindInfo {
  SpringKind kind;
  const char* jsonName;      // the design file's "kind"
  const char* japaneseName;  // the menu entry and the window's title
  const char* designFilter;  // the file dialogs' filter for its design files
  const char* designName;    // the name proposed when saving a design
  const char* dxfName;       // the name proposed for its DXF drawing
};

// Every kind, in menu order; the compression spring first.
std::span<const SpringKindInfo> SpringKinds();
const SpringKindInfo& InfoOf(SpringKind kind);
// The kind a design file's "kind" names; nothing for a name no kind has.
std::optional<SpringKind> SpringKindNamed(std::string_view jsonName);
// "\"compression\"、\"extension\"、\"torsion\"": the names a message lists as the choices.
const char* SpringKindChoices();

}  // namespace coilspring
