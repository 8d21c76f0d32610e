#include "cli/drawing_client.h"

#include <dlfcn.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "cli/drawing_module.h"
#include "core/records/file_io.h"

namespace coilspring::cli {
namespace {

// The module beside the executable, as the data files are: a symbolic link to the program
// finds the module of the folder it points into. RTLD_NOW makes a module that lacks a library
// or a symbol fail here, with a message, rather than in the middle of drawing.
DrawingEntry LoadDrawingEntry() {
  const std::string path = ExecutableFolder() + "/" + kDrawingModuleFile;
  void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  void* entry = module != nullptr ? ::dlsym(module, kDrawingEntrySymbol) : nullptr;
  if (entry == nullptr) {
    const char* reason = ::dlerror();
    throw std::runtime_error("描画モジュール " + path + " は読み込めません（" +
                             (reason != nullptr ? reason : kDrawingEntrySymbol) + "）");
  }
  return reinterpret_cast<DrawingEntry>(entry);
}

struct Failure {
  bool reported = false;
  bool usage = false;
  std::string message;

  static void Report(void* context, int usage, const char* message) {
    *static_cast<Failure*>(context) = {true, usage != 0, message};
  }
};

}  // namespace

int RunInDrawingModule(const char* command, const Args& args) {
  const DrawingEntry entry = LoadDrawingEntry();
  std::vector<const char*> pointers;
  for (const std::string& a : args) pointers.push_back(a.c_str());
  Failure failure;
  const int code = entry(command, static_cast<int>(pointers.size()), pointers.data(),
                         &Failure::Report, &failure);
  if (failure.reported && failure.usage) throw std::invalid_argument(failure.message);
  if (failure.reported) throw std::runtime_error(failure.message);
  return code;
}

}  // namespace coilspring::cli
