#include "core/output/page_fit.h"

#include <cmath>

namespace coilspring {

PageSize FitToPage(long long w, long long h, long long W, long long H) {
  if (w <= 0 || h <= 0 || W <= 0 || H <= 0) return {};
  const long long widthAtFullHeight = std::llround(static_cast<double>(w) * H / h);
  if (widthAtFullHeight < W) return {widthAtFullHeight, H};
  return {W, std::llround(static_cast<double>(h) * W / w)};
}

}  // namespace coilspring
