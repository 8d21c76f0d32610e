// Fitting a captured window onto a printed page.
#pragma once

namespace coilspring {

struct PageSize {
  long long width = 0;
  long long height = 0;
};

// The largest size with the image's proportions that fits the page: the full page height when
// the width that gives is narrower than the page, otherwise the full page width. Sizes are
// rounded to the nearest pixel. An empty image or page gives an empty size.
PageSize FitToPage(long long imageWidth, long long imageHeight, long long pageWidth,
                   long long pageHeight);

}  // namespace coilspring
