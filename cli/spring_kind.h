// Which kind of spring a design file holds. A JSON design names its kind in "kind"; a JSON
// design without it, and every .abd file, is a compression spring, as it always was.
#pragma once

#include <string>

#include "core/kinds/spring_kinds.h"

namespace coilspring::cli {

// Reads the file only when its name ends in ".json". Throws UserError for a file that cannot be
// read, malformed JSON or a "kind" that names no spring kind.
SpringKind DesignFileKind(const std::string& path);

}  // namespace coilspring::cli
