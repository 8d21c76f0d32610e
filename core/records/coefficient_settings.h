// The seven design coefficients; the settings file is this record's byte image.
#pragma once

#include <array>
#include <cstdint>

#include "core/records/byte_image.h"

namespace coilspring {

// Name of the settings file in the program's folder.
inline constexpr const char* kSettingsFileName = "keisuu.dat";
inline constexpr const char* kMaterialFileName = "zaidat.dst";

struct CoefficientSettings {
  std::array<std::uint8_t, 4> Reserved0{};
  double CompressionStressRatio = 0;             // percent
  double ExtensionStressRatio = 0;               // percent
  double HookStressFactor = 0;                   // plain factor
  double StainlessTensionReduction = 0;          // percent
  double PianoWireTensionReduction = 0;          // percent
  double HardDrawnTensionReduction = 0;          // percent
  double AnnealedStainlessTensionReduction = 0;  // percent
  std::array<std::uint8_t, 676> Reserved60{};

  static constexpr std::size_t kSize = 736;
  static constexpr int kCoefficientCount = 7;  // the doubles above

  template <class Self, class Visitor>
  static void VisitFields(Self& r, Visitor&& v) {
    v({0, "Reserved0"}, r.Reserved0);
    v({4, "CompressionStressRatio"}, r.CompressionStressRatio);
    v({12, "ExtensionStressRatio"}, r.ExtensionStressRatio);
    v({20, "HookStressFactor"}, r.HookStressFactor);
    v({28, "StainlessTensionReduction"}, r.StainlessTensionReduction);
    v({36, "PianoWireTensionReduction"}, r.PianoWireTensionReduction);
    v({44, "HardDrawnTensionReduction"}, r.HardDrawnTensionReduction);
    v({52, "AnnealedStainlessTensionReduction"}, r.AnnealedStainlessTensionReduction);
    v({60, "Reserved60"}, r.Reserved60);
  }
  bool operator==(const CoefficientSettings&) const = default;
};

}  // namespace coilspring
