#include "core/kinds/spring_kinds.h"

#include <array>

namespace coilspring {

namespace {

constexpr std::array<SpringKindInfo, 4> kKinds = {{
    {SpringKind::Compression, "compression", "圧縮コイルばね", "圧縮バネのデーター (*.abd)",
     "aspring.abd", "aspring.dxf"},
    {SpringKind::Extension, "extension", "引張コイルばね", "引張コイルばねの設計 (*.json)",
     "extension.json", "extension.dxf"},
    {SpringKind::Torsion, "torsion", "ねじりコイルばね", "ねじりコイルばねの設計 (*.json)",
     "tspring.json", "tspring.dxf"},
    {SpringKind::Conical, "conical", "円すいコイルばね", "円すいコイルばねの設計 (*.json)",
     "conical.json", "conical.dxf"},
}};

}  // namespace

std::span<const SpringKindInfo> SpringKinds() { return kKinds; }

const SpringKindInfo& InfoOf(SpringKind kind) {
  for (const SpringKindInfo& info : kKinds)
    if (info.kind == kind) return info;
  return kKinds.front();
}

std::optional<SpringKind> SpringKindNamed(std::string_view jsonName) {
  for (const SpringKindInfo& info : kKinds)
    if (jsonName == info.jsonName) return info.kind;
  return std::nullopt;
}

const char* SpringKindChoices() {
  return "\"compression\"、\"extension\"、\"torsion\"、\"conical\"";
}

}  // namespace coilspring
