// sheet: the data sheet (要目表) of a design file as a one-page PDF, the page the window prints.
#include <QFile>
#include <functional>
#include <stdexcept>
#include <string>

#include "cli/commands.h"
#include "cli/kind_drawing.h"
#include "cli/private_folder.h"
#include "core/records/file_io.h"
#include "core/text/user_error.h"

namespace coilspring::cli {

namespace {

constexpr OptionForm kSheetOptions[] = {{"--left"}};

}  // namespace

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

int RunSheet(const Args& args) {
  const DesignFileOptions o = ParseDesignFileOptions(args, kSheetOptions, {"OUT.pdf"});
  if (o.json) throw std::invalid_argument("--json は sheet では使えません");
  const bool leftHanded = !o.own.empty();  // --left, its one option
  const DesignFile file = ReadDesignFile(o.designPath);
  return DrawingOf(file.kind).sheet(file, o, leftHanded);
}

}  // namespace coilspring::cli
