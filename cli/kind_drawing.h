// The drawing module's list of spring kinds: what picture and sheet do with a design file of each
// kind, beside the list of calc and dxf (kind_commands.h). The commands read the file once and
// hand it to the kind's entry here.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/design_file.h"

class QImage;
class QString;

namespace coilspring::cli {

enum class PictureState { Free, Load1, Load2 };

struct PictureOptions {
  std::string diagramPath;            // --diagram OUT.png or
  std::string shapePath;              // --shape OUT.png, one of them
  std::optional<PictureState> state;  // --state; the free state when not given
};

struct KindDrawing {
  SpringKind kind;
  // Writes the picture the options ask for; exit code 1, with the reason on stderr, for a side
  // view of a spring that cannot be drawn (the blank picture is still written).
  int (*picture)(const DesignFile& file, const DesignFileOptions& options,
                 const PictureOptions& picture);
  // Writes the data sheet to options.files[0]; `leftHanded`: --left.
  int (*sheet)(const DesignFile& file, const DesignFileOptions& options, bool leftHanded);
};

const KindDrawing& DrawingOf(SpringKind kind);

// The image as a PNG file, saved atomically.
void WritePng(const std::string& path, const QImage& image);
// The page `writePage` writes to a PDF file of the name it is given, saved as `path`.
void WriteSheetPdf(const std::function<void(const QString&)>& writePage, const std::string& path);

// Each kind's entries (draw_<kind>.cpp).
int CompressionPicture(const DesignFile&, const DesignFileOptions&, const PictureOptions&);
int CompressionSheet(const DesignFile&, const DesignFileOptions&, bool leftHanded);
int ExtensionPicture(const DesignFile&, const DesignFileOptions&, const PictureOptions&);
int ExtensionSheet(const DesignFile&, const DesignFileOptions&, bool leftHanded);
int TorsionPicture(const DesignFile&, const DesignFileOptions&, const PictureOptions&);
int TorsionSheet(const DesignFile&, const DesignFileOptions&, bool leftHanded);
int ConicalPicture(const DesignFile&, const DesignFileOptions&, const PictureOptions&);
int ConicalSheet(const DesignFile&, const DesignFileOptions&, bool leftHanded);

}  // namespace coilspring::cli
