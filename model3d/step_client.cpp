#include "model3d/step_client.h"

#include <dlfcn.h>

#include <stdexcept>
#include <utility>

#include "core/records/file_io.h"
#include "model3d/step_module.h"

namespace coilspring::model3d {
namespace {

// Loaded once and kept: Open CASCADE registers its types when first loaded and is not meant to
// be unloaded. RTLD_NOW makes a module that lacks a library fail here, with a message.
StepEntry LoadEntry(const std::string& modulePath) {
  const std::string path = modulePath.empty() ? ExecutableFolder() + "/" + kModuleFile : modulePath;
  void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  void* entry = module != nullptr ? ::dlsym(module, kStepEntrySymbol) : nullptr;
  if (entry == nullptr) {
    const char* reason = ::dlerror();
    throw std::runtime_error("3Dモデルのモジュール " + path + " は読み込めません（" +
                             (reason != nullptr ? reason : kStepEntrySymbol) + "）");
  }
  return reinterpret_cast<StepEntry>(entry);
}

struct Output {
  std::string text, failure;
};

}  // namespace

std::string StepText(const CentreLine& line, const std::string& product,
                     const std::string& modulePath) {
  if (!line.refusal.empty()) throw CannotModel(line.refusal);
  if (TurnsOf(line) > kMaxModelTurns)
    throw CannotModel(CannotModelMessage("巻数が多すぎます（3Dモデルは 1000 巻まで）"));
  const StepEntry entry = LoadEntry(modulePath);
  const StepRequest request{line.pieces.data(), line.pieces.size(), line.wire,
                            line.cutBelow,      line.cutAbove,      product.c_str()};
  Output out;
  const auto text = [](void* c, const char* bytes, std::size_t size) {
    static_cast<Output*>(c)->text.append(bytes, size);
  };
  const auto fail = [](void* c, const char* bytes, std::size_t size) {
    static_cast<Output*>(c)->failure.append(bytes, size);
  };
  if (entry(&request, text, fail, &out) != 0) throw CannotModel(out.failure);
  return std::move(out.text);
}

}  // namespace coilspring::model3d
