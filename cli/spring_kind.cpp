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
  if (*kind == "compression") return SpringKind::Compression;
  if (*kind == "extension") return SpringKind::Extension;
  if (*kind == "torsion") return SpringKind::Torsion;
  throw UserError(
      path +
      ": キー 'kind' は \"compression\"、\"extension\"、\"torsion\" のいずれかにしてください");
}

}  // namespace coilspring::cli
