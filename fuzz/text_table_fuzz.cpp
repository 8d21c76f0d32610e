// The readable tables of the material database and the settings file: whatever import accepts,
// export writes back in a form import accepts again, giving the same record and the same text;
// whatever import refuses, it refuses with a message of modest length.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/records/material_text.h"
#include "core/records/settings_text.h"
#include "fuzz/fuzz_support.h"

using namespace coilspring;

namespace {

// A refusal quotes its line number and short excerpts, never the input itself.
constexpr std::size_t kLongestMessage = 400;

template <class Parse, class Format>
void RequireCanonical(std::string_view text, Parse parse, Format format) {
  decltype(parse(text)) first;
  try {
    first = parse(text);
  } catch (const std::invalid_argument& e) {
    fuzz::Require(std::string_view(e.what()).size() <= kLongestMessage, "refusal too long",
                  std::string(e.what()).substr(0, 200));
    return;
  }
  const std::string written = format(first);
  decltype(parse(text)) second;
  try {
    second = parse(written);
  } catch (const std::invalid_argument& e) {
    fuzz::Require(false, "export not accepted by import", e.what());
  }
  fuzz::Require(Encode(second) == Encode(first), "import of the export differs");
  fuzz::Require(format(second) == written, "export of the export differs");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  RequireCanonical(text, ParseMaterialText, FormatMaterialText);
  RequireCanonical(text, ParseSettingsText, FormatSettingsText);
  return 0;
}
