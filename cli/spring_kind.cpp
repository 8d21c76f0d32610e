#include "cli/spring_kind.h"

#include <nlohmann/json.hpp>

#include "core/records/file_io.h"
#include "core/text/user_error.h"

namespace coilspring::cli {

std::string DesignFileKind(const std::string& path) {
  if (!path.ends_with(".json")) return kCompressionKind;
  const Bytes bytes = ReadWholeFile(path);
  const nlohmann::json document = nlohmann::json::parse(bytes.begin(), bytes.end(), nullptr, false);
  if (!document.is_object()) return kCompressionKind;
  const auto kind = document.find("kind");
  if (kind == document.end() || !kind->is_string()) return kCompressionKind;
  return kind->get<std::string>();
}

}  // namespace coilspring::cli
