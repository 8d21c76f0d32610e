// picture: the fatigue diagram or the side view of a design file's design as a PNG file, drawn
// as the window draws them after "計算".
#include <QBuffer>
#include <QByteArray>
#include <stdexcept>
#include <string>

#include "core/records/file_io.h"
#include "cli/commands.h"
#include "cli/widget_runtime.h"
#include "ui/platform/pictures.h"

namespace coilspring::cli {
namespace {

constexpr const char* kPictureUsage =
    "usage: picture FILE.abd (--diagram OUT.png | --shape OUT.png [--state free|load1|load2]) "
    "[--slot N]";

struct PictureOptions {
  std::string diagramPath;
  std::string shapePath;
  double DesignRecord::*length = &DesignRecord::FreeLength;
};

PictureOptions ParsePictureOptions(const DesignFileOptions& o) {
  PictureOptions p;
  for (std::size_t i = 0; i < o.rest.size(); ++i) {
    const std::string& a = o.rest[i];
    const bool hasValue = i + 1 < o.rest.size();
    if (a == "--diagram" && hasValue) {
      p.diagramPath = o.rest[++i];
    } else if (a == "--shape" && hasValue) {
      p.shapePath = o.rest[++i];
    } else if (a == "--state" && hasValue) {
      const std::string& state = o.rest[++i];
      if (state == "free") p.length = &DesignRecord::FreeLength;
      else if (state == "load1") p.length = &DesignRecord::Length1;
      else if (state == "load2") p.length = &DesignRecord::Length2;
      else throw std::invalid_argument(kPictureUsage);
    } else {
      throw std::invalid_argument(kPictureUsage);
    }
  }
  if (p.diagramPath.empty() == p.shapePath.empty() || o.json)
    throw std::invalid_argument(kPictureUsage);
  return p;
}

void WritePng(const std::string& path, const QImage& image) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) throw std::runtime_error("cannot encode the picture");
  WriteFileAtomically(path, std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
}

}  // namespace

int RunPicture(const Args& args) {
  const DesignFileOptions o = ParseDesignFileOptions(args);
  const PictureOptions p = ParsePictureOptions(o);
  CalculatorState state = LoadDesignFile(o, true);
  RecalculateDesign(state, o.slot, DesignInputs::FromRecord);
  const DesignRecord& r = state.design[o.slot];
  WidgetRuntime runtime;
  if (!p.diagramPath.empty()) {
    FatigueDiagramPicture diagram;
    diagram.Show(r, state.materials);
    WritePng(p.diagramPath, diagram.Image());
  } else {
    SpringShapePicture shape;
    shape.Show(r, r.*p.length);
    WritePng(p.shapePath, shape.Image());
  }
  return 0;
}

}  // namespace coilspring::cli
