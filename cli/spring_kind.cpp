#include "cli/spring_kind.h"

#include "json/json_reading.h"
#include "core/records/file_io.h"

namespace coilspring::cli {

SpringKind DesignFileKind(const std::string& path) {
  if (!path.ends_with(".json")) return SpringKind::Compression;
  const std::string text = ReadTextTable(path);
  nlohmann::json document;
  try {
    document = ParseJsonObject(text);
  } catch (const UserError& e) {
    throw UserError(path + ": " + e.what());
  }
  const auto kind = document.find("kind");
  if (kind == document.end()) return SpringKind::Compression;
  if (kind->is_string())
    if (const std::optional<SpringKind> named = SpringKindNamed(kind->get<std::string>()))
      return *named;
  throw UserError(path + ": キー 'kind' は " + SpringKindChoices() + " のいずれかにしてください");
}

}  // namespace coilspring::cli
