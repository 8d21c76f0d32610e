#include "core/editing/coefficient_editing.h"

#include "core/text/number_format.h"
#include "core/text/text_number.h"

namespace coilspring {

const std::array<CoefficientRow, kCoefficientCount> kCoefficientRows{{
    {0, "圧縮ばねと材料の許容ねじり応力の割合", "（　80%　）",
     &CoefficientSettings::CompressionStressRatio},
    {0, "冷間引張りばねと圧縮ばねの許容ねじり応力割合", "（　80%　）",
     &CoefficientSettings::ExtensionStressRatio},
    {0, "引っ張りばねのフック部応力集中係数", "（ 1..25 ）",
     &CoefficientSettings::HookStressFactor},
    {1, "ステンレス鋼線の減少割合", "(15%)", &CoefficientSettings::StainlessTensionReduction},
    {1, "低温焼なまししたピアノ線の減少割合", "(20%～35%)",
     &CoefficientSettings::PianoWireTensionReduction},
    {1, "低温焼なましした硬鋼線の減少割合", "(20%～35%)",
     &CoefficientSettings::HardDrawnTensionReduction},
    {1, "低温焼なまししたステンレス鋼線の減少割合", "(15%～25%)",
     &CoefficientSettings::AnnealedStainlessTensionReduction},
}};

CoefficientTexts TextsOfSettings(const CoefficientSettings& settings) {
  CoefficientTexts texts;
  for (int i = 0; i < kCoefficientCount; ++i)
    texts[i] = FormatFull(settings.*kCoefficientRows[i].field);
  return texts;
}

void ApplyCoefficientTexts(const CoefficientTexts& texts, CoefficientSettings& settings) {
  for (int i = 0; i < kCoefficientCount; ++i)
    settings.*kCoefficientRows[i].field = ParseDecimal(texts[i]);
}

}  // namespace coilspring
