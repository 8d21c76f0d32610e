// A design file as the commands read it: once, its kind found in the parsed document and the
// document handed to that kind's commands. A JSON design names its kind in "kind"; a JSON design
// without it, and every .abd file, is a compression spring, as it always was.
#pragma once

#include <string>

#include "core/kinds/spring_kinds.h"
#include "json/json_reading.h"

namespace coilspring::cli {

struct DesignFile {
  std::string path;
  SpringKind kind = SpringKind::Compression;
  bool isJson = false;      // a .json file; an .abd file is read by its kind as bytes
  nlohmann::json document;  // the parsed document of a .json file
};

// Reads and parses the file only when its name ends in ".json". Throws UserError naming the file
// for a file that cannot be read, malformed JSON or a "kind" that names no spring kind.
DesignFile ReadDesignFile(const std::string& path);

// "FILE: message", the file named as messages name files.
[[noreturn]] void ThrowInFile(const std::string& path, const UserError& error);

}  // namespace coilspring::cli
