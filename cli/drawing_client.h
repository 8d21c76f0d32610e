// coilspring-cli's side of the drawing module (drawing_module.h).
#pragma once

#include "cli/command_table.h"

namespace coilspring::cli {

// Runs drawing command `command` in the drawing module, loaded from the program's folder. Fails as
// the command does (std::invalid_argument for arguments it does not take, another exception for any
// other failure), and with std::runtime_error naming the module when it is missing or cannot be
// loaded.
int RunInDrawingModule(const char* command, const Args& args);

}  // namespace coilspring::cli
