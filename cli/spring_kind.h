// Which kind of spring a design file holds: a JSON design names it under "kind"; the binary
// design files and a JSON design without "kind" hold compression springs.
#pragma once

#include <string>

namespace coilspring::cli {

inline constexpr const char* kCompressionKind = "compression";

// "compression" for a file that is not JSON (by its .json ending), for a JSON design without a
// "kind" string and for one that does not read as JSON (its reader reports what is wrong);
// otherwise the kind it names.
std::string DesignFileKind(const std::string& path);

}  // namespace coilspring::cli
