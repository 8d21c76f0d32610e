#include "ui/render/torsion_pictures.h"

#include <array>

#include "core/torsion/moment_angle_diagram.h"
#include "core/torsion/torsion_views.h"
#include "ui/render/data_sheet_page.h"
#include "ui/render/qt_canvas.h"
#include "ui/widgets/qt_text.h"

namespace coilspring {

namespace {

constexpr int kPageWidth = 708;
constexpr int kMargin = 54;
constexpr int kTitleTop = 16;
constexpr int kTitlePixels = 19;
constexpr int kViewsTop = 56;
constexpr int kGridTop = kViewsTop + kTorsionViewsHeight + 24;
constexpr int kRowHeight = 24;
constexpr int kGridPixels = 13;
// Number, item, unit, value.
constexpr std::array<int, 4> kColumnWidths = {40, 240, 110, 210};

}  // namespace

QImage TorsionViewsImage(const TorsionDesign& design, QSize size, qreal pixelRatio) {
  QImage image = QtCanvas::MakeImage(size.width(), size.height(), pixelRatio);
  {
    QtCanvas canvas(image);
    DrawTorsionViews(canvas, design);
  }
  return image;
}

QImage MomentDiagramImage(const TorsionDesign& design, UnitSystem units, qreal pixelRatio) {
  QImage image = QtCanvas::MakeImage(kMomentDiagramWidth, kMomentDiagramHeight, pixelRatio);
  {
    QtCanvas canvas(image);
    DrawMomentDiagram(canvas, design, units);
  }
  return image;
}

TorsionSheetPage::TorsionSheetPage(const TorsionDesign& design, std::vector<TorsionSheetRow> rows)
    : design_(design), rows_(std::move(rows)) {}

QString TorsionSheetPage::Title() { return QStringLiteral("要目表（ねじりコイルばね）"); }

QSize TorsionSheetPage::Size() const {
  return {kPageWidth, kGridTop + static_cast<int>(rows_.size() + 1) * kRowHeight + kMargin};
}

void TorsionSheetPage::Paint(QPainter& p) const {
  p.fillRect(QRect(QPoint(0, 0), Size()), Qt::white);
  p.setPen(Qt::black);
  QFont title = p.font();
  title.setPixelSize(kTitlePixels);
  p.setFont(title);
  p.drawText(QRect(0, kTitleTop, kPageWidth, kTitlePixels * 2), Qt::AlignHCenter,
             Utf8(kTorsionSheetTitle));
  const QImage views = TorsionViewsImage(design_, {kPageWidth - 2 * kMargin, kTorsionViewsHeight});
  p.drawImage(kMargin, kViewsTop, views);
  QFont grid = p.font();
  grid.setPixelSize(kGridPixels);
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

QImage TorsionSheetPage::Image() const {
  QImage image = QtCanvas::MakeImage(Size().width(), Size().height());
  QPainter painter(&image);
  Paint(painter);
  return image;
}

void TorsionSheetPage::WritePdf(const QString& path) const {
  WriteDrawingPdf(path, Title(), [this](QPainter& p) { Paint(p); });
}

}  // namespace coilspring
