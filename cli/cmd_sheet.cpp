// sheet: the data sheet (要目表) of a design file as a one-page PDF, the page the window prints.
#include <QFile>
#include <functional>
#include <stdexcept>
#include <string>

#include "cli/commands.h"
#include "cli/extension_commands.h"
#include "cli/private_folder.h"
#include "cli/spring_kind.h"
#include "cli/torsion_commands.h"
#include "cli/widget_runtime.h"
#include "core/compression/design_sheet.h"
#include "core/extension/extension_sheet.h"
#include "core/output/data_sheet.h"
#include "core/records/file_io.h"
#include "core/text/user_error.h"
#include "ui/render/data_sheet_page.h"
#include "ui/render/torsion_pictures.h"

namespace coilspring::cli {
namespace {

constexpr OptionForm kSheetOptions[] = {{"--left"}};

// The page writer takes the file name as a QString, which cannot hold every byte string a Linux
// file name may be ("\xff\xfe.pdf" would become a different, U+FFFD-named file). The PDF is made
// under a name of our own in a private folder and saved under the user's bytes unchanged.
void WriteSheetPdf(const std::function<void(const QString&)>& writePage, const std::string& path) {
  PrivateFolder folder;
  if (!folder.Create("coilspring-sheet")) throw UserError(CannotCreateMessage(path));
  const std::string page = folder.Path() + "/sheet.pdf";
  Bytes pdf;
  try {
    writePage(QFile::decodeName(page.c_str()));
    pdf = ReadWholeFile(page);
  } catch (const UserError&) {
    throw UserError(CannotCreateMessage(path));
  }
  WriteFileAtomically(path, pdf);
}

DataSheet CompressionSheet(const DesignFileOptions& o, bool leftHanded) {
  CalculatorState state = LoadDesignFile(o, true);
  RecalculateDesign(state, o.slot, DesignInputs::FromRecord);
  return MakeDataSheet(state.design[o.slot], state.materials(), leftHanded);
}

DataSheet ExtensionSheet(const DesignFileOptions& o, bool leftHanded) {
  const LoadedExtension x = LoadExtension(o);
  return MakeExtensionDataSheet(x.design, x.materials, leftHanded);
}

}  // namespace

int RunSheet(const Args& args) {
  const DesignFileOptions o = ParseDesignFileOptions(args, kSheetOptions, {"OUT.pdf"});
  if (o.json) throw std::invalid_argument("--json は sheet では使えません");
  const bool leftHanded = !o.own.empty();  // --left, its one option
  if (DesignFileKind(o.designPath) == SpringKind::Torsion) {
    if (leftHanded) throw std::invalid_argument("--left はねじりコイルばねの設計には使えません");
    const TorsionFile file = LoadTorsionFile(o);
    WidgetRuntime runtime;
    TorsionSheetPage page(file.design, TorsionSheetRows(file.design, *file.materials));
    WriteSheetPdf([&](const QString& pdf) { page.WritePdf(pdf); }, o.files[0]);
    return 0;
  }
  const DataSheet data = DesignFileKind(o.designPath) == SpringKind::Extension
                             ? ExtensionSheet(o, leftHanded)
                             : CompressionSheet(o, leftHanded);
  WidgetRuntime runtime;
  WriteSheetPdf([&](const QString& pdf) { DataSheetPage::WritePagePdf(data, pdf); }, o.files[0]);
  return 0;
}

}  // namespace coilspring::cli
