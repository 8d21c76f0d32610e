// The seam between coilspring-cli and its drawing module. The commands that render with Qt
// (picture, sheet) are built into coilspring-cli-draw.so, which the program loads from its own
// folder only when one of them runs, so that every other command starts without the Qt
// libraries. Only plain C values cross the seam: no C++ object and no exception.
#pragma once

namespace coilspring::cli {

inline constexpr const char* kDrawingModuleFile = "coilspring-cli-draw.so";

// Told by the module how its command failed: `usage` is nonzero for arguments the command does
// not take (which the program answers with a pointer to the command's help), `message` is the
// text for stderr.
using DrawingFailure = void (*)(void* context, int usage, const char* message);

// The module's one entry point: runs drawing command `command` ("picture", "sheet") with the
// `count` arguments after its name and gives the command's exit code; a failure is reported
// through `fail` and gives 2.
using DrawingEntry = int (*)(const char* command, int count, const char* const* args,
                             DrawingFailure fail, void* context);
// Its symbol; the number changes with the entry's form, so a module of another form is refused
// rather than called.
inline constexpr const char* kDrawingEntrySymbol = "coilspring_cli_draw_1";

}  // namespace coilspring::cli
