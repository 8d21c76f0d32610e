// The CLI's list of spring kinds: what calc, dxf and step do with a design file of each kind. The
// commands read the file once, find its kind and hand it to the kind's entry here; a further
// kind is one more line in kKindCommands (and in the drawing module's list, kind_drawing.h).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/design_file.h"
#include "core/compression/reference.h"
#include "core/display/reference_rows.h"
#include "core/drawing/centre_line.h"
#include "json/json_text.h"

namespace coilspring::cli {

struct KindCommands {
  SpringKind kind;
  // calc: prints the design as calculated; exit code 1 when a check fails. Takes the options
  // of calc that it knows from `options.own` and refuses the others.
  int (*calc)(const DesignFile& file, const DesignFileOptions& options);
  // dxf: writes the side view to options.files[0]; exit code 1, with the reason on stderr,
  // when the spring cannot be drawn (the empty drawing is still written).
  int (*dxf)(const DesignFile& file, const DesignFileOptions& options);
  // step: the spring's 3D model in `state`, its material named from the options' data files;
  // `leftHand` mirrors the winding.
  SpringModel (*model)(const DesignFile& file, const DesignFileOptions& options, SpringState state,
                       bool leftHand);
};

const KindCommands& CommandsOf(SpringKind kind);

// What calc reads from its options for a kind that takes the units and the reference options.
struct KindCalcOptions {
  std::optional<UnitSystem> units;
  ReferenceInputs reference;
};
// --units and the reference options into KindCalcOptions; --all is refused in the kind's words,
// the other options are left to the caller.
KindCalcOptions ReadKindCalcOptions(const DesignFileOptions& options, SpringKind kind);

// The reference rows of calc's readable table, one indented line each; the heading is the kind's.
void PrintReferenceRows(const std::vector<ReferenceRow>& rows);

// calc --json of a kind: the kind's members, "units" after the first when the options named
// them, then "reference" when there are rows to show and the check `lines`, on one line.
void PrintCalcJson(JsonMembers members, std::optional<UnitSystem> units,
                   const std::vector<std::string>& lines,
                   const std::vector<ReferenceRow>* reference = nullptr);

}  // namespace coilspring::cli
