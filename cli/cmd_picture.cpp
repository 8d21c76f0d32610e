// picture: the fatigue diagram or the side view of a design file's design as a PNG file, drawn
// as the window draws them after "計算".
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <stdexcept>
#include <string>

#include "cli/commands.h"
#include "cli/kind_drawing.h"
#include "core/records/file_io.h"

namespace coilspring::cli {
namespace {

constexpr OptionForm kPictureOptions[] = {
    {"--diagram", "OUT.png"}, {"--shape", "OUT.png"}, {"--state", "free|load1|load2"}};

PictureOptions ParsePictureOptions(const DesignFileOptions& o) {
  PictureOptions p;
  for (const auto& [option, value] : o.own) {
    if (option == "--diagram") {
      p.diagramPath = value;
    } else if (option == "--shape") {
      p.shapePath = value;
    } else if (option == "--state") {
      if (value == "free")
        p.state = PictureState::Free;
      else if (value == "load1")
        p.state = PictureState::Load1;
      else if (value == "load2")
        p.state = PictureState::Load2;
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
  if (p.state && p.shapePath.empty())
    throw std::invalid_argument("--state は --shape の側面図にだけ使えます");
  return p;
}

}  // namespace

void WritePng(const std::string& path, const QImage& image) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) throw std::runtime_error("画像を PNG にできません");
  WriteFileAtomically(path,
                      std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
}

int RunPicture(const Args& args) {
  const DesignFileOptions o = ParseDesignFileOptions(args, kPictureOptions);
  const PictureOptions p = ParsePictureOptions(o);
  const DesignFile file = ReadDesignFile(o.designPath);
  return DrawingOf(file.kind).picture(file, o, p);
}

}  // namespace coilspring::cli
