#include "cli/design_file.h"

#include "core/records/file_io.h"
#include "core/text/excerpt.h"

namespace coilspring::cli {

DesignFile ReadDesignFile(const std::string& path) {
  DesignFile file;
  file.path = path;
  if (!path.ends_with(".json")) return file;
  file.isJson = true;
  const std::string text = ReadTextTable(path);
  try {
    file.document = ParseJsonObject(text);
    const auto kind = file.document.find("kind");
    if (kind == file.document.end()) return file;
    const std::optional<SpringKind> named =
        kind->is_string() ? SpringKindNamed(kind->get<std::string>()) : std::nullopt;
    if (!named) ThrowKeyError("kind", std::string(" ") + SpringKindChoices() + " のいずれか");
    file.kind = *named;
  } catch (const UserError& e) {
    ThrowInFile(path, e);
  }
  return file;
}

void ThrowInFile(const std::string& path, const UserError& error) {
  throw UserError(ShownPath(path) + ": " + error.what());
}

}  // namespace coilspring::cli
