// Reading a design as JSON, then the calculate cycle on it: a document either stops with a
// message or gives a design that calculates, writes as JSON and reads back as the same record.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/compression/calculate_cycle.h"
#include "core/text/user_error.h"
#include "fuzz/fuzz_support.h"
#include "json/compression_json.h"

using namespace coilspring;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static CalculatorState state = fuzz::ShippedState();
  DesignRecord r;
  try {
    r = cli::ReadDesignJson(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const UserError& e) {
    fuzz::Require(e.what()[0] != '\0', "an empty message");
    return 0;
  }
  // What the reader gave is what it reads back from its own text (undefined numbers as null).
  const DesignRecord again = cli::ReadDesignJson(cli::DesignJson(r));
  fuzz::Require(cli::DesignJson(again) == cli::DesignJson(r), "JSON does not read back");
  state.current() = r;
  fuzz::Require(!RecalculateDesign(state, 0, DesignInputs::FromRecord).lines.empty(),
                "validation wrote no line");
  return 0;
}
