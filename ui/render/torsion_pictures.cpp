#include "ui/render/torsion_pictures.h"

#include <QFontMetrics>
#include <array>

#include "core/drawing/illustration.h"
#include "core/torsion/moment_angle_diagram.h"
#include "core/torsion/torsion_illustration.h"
#include "core/torsion/torsion_views.h"
#include "ui/render/qt_canvas.h"
#include "ui/widgets/qt_text.h"

namespace coilspring {

namespace {

constexpr int kMargin = 54;
constexpr int kTitleTop = 16;
constexpr int kTitlePixels = 19;
constexpr int kSketchTop = 56;
constexpr int kSketchLeft = (SheetPage::kWidth - illustration::kWidth) / 2;
constexpr int kLabelGap = 4;
constexpr int kLabelPadding = 2;
constexpr int kGridTop = kSketchTop + illustration::kHeight + 24;
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

// The sketch at the resolution it is painted at, each value on a white ground that breaks the
// dimension line it names, as the panel's boxes sit on them.
void TorsionSheetPage::PaintSketch(QPainter& p) const {
  const qreal ratio = p.device() ? p.device()->devicePixelRatioF() : 1;
  p.drawImage(kSketchLeft, kSketchTop,
              QtCanvas::Drawing(illustration::kWidth, illustration::kHeight, ratio,
                                DrawTorsionIllustration));
  const QFontMetrics metrics(p.font());
  for (const TorsionSketchLabel& label : TorsionSketchLabels(design_)) {
    const QString text = Utf8(label.text);
    const int width = metrics.horizontalAdvance(text);
    const int x = kSketchLeft + label.place.x - (label.leftOfPlace ? width + kLabelGap : width / 2);
    const QRect box(x, kSketchTop + label.place.y - metrics.height() / 2, width, metrics.height());
    p.fillRect(box.adjusted(-kLabelPadding, 0, kLabelPadding, 0), Qt::white);
    p.drawText(box, Qt::AlignCenter, text);
  }
}

void TorsionSheetPage::Paint(QPainter& p) {
  p.fillRect(QRect(QPoint(0, 0), PageSize()), Qt::white);
  p.setPen(Qt::black);
  QFont title = p.font();
  title.setPixelSize(kTitlePixels);
  p.setFont(title);
  p.drawText(QRect(0, kTitleTop, kWidth, kTitlePixels * 2), Qt::AlignHCenter, PageTitle());
  QFont grid = p.font();
  grid.setPixelSize(kGridFontPixels);
  p.setFont(grid);
  PaintSketch(p);
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
