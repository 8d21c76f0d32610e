#include "ui/render/torsion_pictures.h"

#include <array>

#include "core/torsion/moment_angle_diagram.h"
#include "core/torsion/torsion_views.h"
#include "ui/render/qt_canvas.h"
#include "ui/widgets/qt_text.h"

namespace coilspring {

namespace {

constexpr int kMargin = 54;
constexpr int kTitleTop = 16;
constexpr int kTitlePixels = 19;
constexpr int kViewsTop = 56;
constexpr int kGridTop = kViewsTop + kTorsionViewsHeight + 24;
constexpr int kRowHeight = 24;
// Number, item, unit, value.
constexpr std::array<int, 4> kColumnWidths = {40, 240, 110, 210};

}  // namespace

QImage TorsionViewsImage(const TorsionDesign& design, QSize size, qreal pixelRatio) {
  return QtCanvas::Drawing(size.width(), size.height(), pixelRatio,
                           [&](Canvas& canvas) { DrawTorsionViews(canvas, design); });
}

QImage MomentDiagramImage(const TorsionDesign& design, UnitSystem units, qreal pixelRatio) {
  return QtCanvas::Drawing(kMomentDiagramWidth, kMomentDiagramHeight, pixelRatio,
                           [&](Canvas& canvas) { DrawMomentDiagram(canvas, design, units); });
}

TorsionSheetPage::TorsionSheetPage(const TorsionDesign& design, std::vector<TorsionSheetRow> rows)
    : design_(design), rows_(std::move(rows)) {}

QString TorsionSheetPage::PageTitle() const { return Utf8(KindSheetTitle(SpringKind::Torsion)); }

QSize TorsionSheetPage::PageSize() const {
  return {kWidth, kGridTop + static_cast<int>(rows_.size() + 1) * kRowHeight + kMargin};
}

void TorsionSheetPage::Paint(QPainter& p) {
  p.fillRect(QRect(QPoint(0, 0), PageSize()), Qt::white);
  p.setPen(Qt::black);
  QFont title = p.font();
  title.setPixelSize(kTitlePixels);
  p.setFont(title);
  p.drawText(QRect(0, kTitleTop, kWidth, kTitlePixels * 2), Qt::AlignHCenter, PageTitle());
  const QImage views = TorsionViewsImage(design_, {kWidth - 2 * kMargin, kTorsionViewsHeight});
  p.drawImage(kMargin, kViewsTop, views);
  QFont grid = p.font();
  grid.setPixelSize(kGridFontPixels);
  p.setFont(grid);
  const auto row = [&](int index, const std::array<QString, 4>& cells) {
    int x = kMargin;
    const int y = kGridTop + index * kRowHeight;
    for (std::size_t c = 0; c < cells.size(); ++c) {
      const QRect cell(x, y, kColumnWidths[c], kRowHeight);
      p.drawRect(cell);
      p.drawText(cell.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, cells[c]);
      x += kColumnWidths[c];
    }
  };
  row(0, {QStringLiteral("番号"), QStringLiteral("項目"), QStringLiteral("単位"),
          QStringLiteral("値")});
  for (std::size_t i = 0; i < rows_.size(); ++i)
    row(static_cast<int>(i) + 1,
        {QString::number(i + 1), Utf8(rows_[i].item), Utf8(rows_[i].unit), Utf8(rows_[i].value)});
}

}  // namespace coilspring
