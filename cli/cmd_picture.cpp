// picture: the fatigue diagram or the side view of a design file's design as a PNG file, drawn
// as the window draws them after "計算".
#include <QBuffer>
#include <QByteArray>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "cli/commands.h"
#include "cli/extension_commands.h"
#include "cli/spring_kind.h"
#include "cli/torsion_commands.h"
#include "cli/widget_runtime.h"
#include "core/compression/shape_builder.h"
#include "core/records/file_io.h"
#include "ui/render/pictures.h"
#include "ui/render/torsion_pictures.h"

namespace coilspring::cli {
namespace {

constexpr OptionForm kPictureOptions[] = {
    {"--diagram", "OUT.png"}, {"--shape", "OUT.png"}, {"--state", "free|load1|load2"}};

struct PictureOptions {
  std::string diagramPath;
  std::string shapePath;
  double DesignRecord::*length = &DesignRecord::FreeLength;
};

PictureOptions ParsePictureOptions(const DesignFileOptions& o) {
  PictureOptions p;
  bool stateGiven = false;
  for (const auto& [option, value] : o.own) {
    if (option == "--diagram") {
      p.diagramPath = value;
    } else if (option == "--shape") {
      p.shapePath = value;
    } else if (option == "--state") {
      stateGiven = true;
      if (value == "free")
        p.length = &DesignRecord::FreeLength;
      else if (value == "load1")
        p.length = &DesignRecord::Length1;
      else if (value == "load2")
        p.length = &DesignRecord::Length2;
      else
        throw std::invalid_argument(
            BadValueMessage(option, value, "free、load1、load2 のいずれか"));
    }
  }
  if (o.json) throw std::invalid_argument("--json は picture では使えません");
  if (p.diagramPath.empty() && p.shapePath.empty())
    throw std::invalid_argument("--diagram OUT.png か --shape OUT.png を指定してください");
  if (!p.diagramPath.empty() && !p.shapePath.empty())
    throw std::invalid_argument("--diagram と --shape は一度に一つだけ指定してください");
  if (stateGiven && p.shapePath.empty())
    throw std::invalid_argument("--state は --shape の側面図にだけ使えます");
  return p;
}

void WritePng(const std::string& path, const QImage& image) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) throw std::runtime_error("画像を PNG にできません");
  WriteFileAtomically(path,
                      std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
}

double ExtensionLength(const ExtensionDesign& r, double DesignRecord::*length) {
  if (length == &DesignRecord::Length1) return r.Length1;
  if (length == &DesignRecord::Length2) return r.Length2;
  return r.FreeLength;
}

int ExtensionPicture(const DesignFileOptions& o, const PictureOptions& p) {
  const LoadedExtension x = LoadExtension(o);
  WidgetRuntime runtime;
  if (!p.diagramPath.empty()) {
    FatigueDiagramPicture diagram;
    diagram.Show(ExtensionFatigueCoefficients(x.design, x.material()));
    WritePng(p.diagramPath, diagram.Image());
  } else {
    ExtensionShapePicture shape;
    shape.Show(x.design, ExtensionLength(x.design, p.length));
    WritePng(p.shapePath, shape.Image());
  }
  return 0;
}

// The end and side views show the free state and both working points at once.
int TorsionPicture(const DesignFileOptions& o, const PictureOptions& p) {
  for (const auto& [option, value] : o.own)
    if (option == "--state")
      throw std::invalid_argument(
          "--state はねじりコイルばねの設計には使えません（図は三つの状態を描きます）");
  const TorsionFile file = LoadTorsionFile(o);
  WidgetRuntime runtime;
  if (!p.diagramPath.empty())
    WritePng(p.diagramPath, MomentDiagramImage(file.design, UnitSystem::Gravitational));
  else
    WritePng(p.shapePath, TorsionViewsImage(file.design));
  return 0;
}

}  // namespace

int RunPicture(const Args& args) {
  const DesignFileOptions o = ParseDesignFileOptions(args, kPictureOptions);
  const PictureOptions p = ParsePictureOptions(o);
  if (DesignFileKind(o.designPath) == SpringKind::Extension) return ExtensionPicture(o, p);
  if (DesignFileKind(o.designPath) == SpringKind::Torsion) return TorsionPicture(o, p);
  CalculatorState state = LoadDesignFile(o, true);
  RecalculateDesign(state, o.slot, DesignInputs::FromRecord);
  const DesignRecord& r = state.design[o.slot];
  WidgetRuntime runtime;
  if (!p.diagramPath.empty()) {
    FatigueDiagramPicture diagram;
    diagram.Show(r, state.materials());
    WritePng(p.diagramPath, diagram.Image());
  } else {
    SpringShapePicture shape;
    shape.Show(r, r.*p.length);
    WritePng(p.shapePath, shape.Image());
    // The picture is written either way, blank as the window shows it; say why.
    const ShapeStatus status = ShapeBuilder().Build(ShapeInputsOf(r, r.*p.length));
    if (status != ShapeStatus::Built) {
      std::fprintf(stderr, "%s（空の図を書きました）\n", CannotDrawMessage(status).c_str());
      return 1;
    }
  }
  return 0;
}

}  // namespace coilspring::cli
