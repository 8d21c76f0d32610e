// coilspring-cli-draw.so: the commands that render with Qt, behind the entry point that
// coilspring-cli calls (see drawing_module.h).
#include "cli/drawing_module.h"

#include <cstring>
#include <exception>
#include <stdexcept>
#include <string>
#include <type_traits>

#include "cli/commands.h"

namespace {

using coilspring::cli::Args;

struct DrawingCommand {
  const char* name;
  int (*run)(const Args&);
};

constexpr DrawingCommand kDrawingCommands[] = {
    {"picture", coilspring::cli::RunPicture},
    {"sheet", coilspring::cli::RunSheet},
};

}  // namespace

// The entry point kDrawingEntrySymbol names. Every failure is caught here and reported: nothing
// may unwind through a C function into the program.
extern "C" __attribute__((visibility("default"))) int coilspring_cli_draw_1(
    const char* command, int count, const char* const* args, coilspring::cli::DrawingFailure fail,
    void* context) {
  try {
    for (const DrawingCommand& c : kDrawingCommands)
      if (std::strcmp(command, c.name) == 0) return c.run(Args(args, args + count));
    fail(context, 0,
         ("描画モジュールにコマンド " + std::string(command) + " はありません").c_str());
  } catch (const std::invalid_argument& e) {
    fail(context, 1, e.what());
  } catch (const std::exception& e) {
    fail(context, 0, e.what());
  } catch (...) {
    fail(context, 0, "描画モジュールで不明なエラーが起きました");
  }
  return 2;
}
static_assert(std::is_same_v<decltype(&coilspring_cli_draw_1), coilspring::cli::DrawingEntry>);
