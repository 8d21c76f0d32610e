// sheet: the data sheet (要目表) of a design file as a one-page PDF, the page the window prints.
#include <QFile>
#include <stdexcept>
#include <string>

#include "cli/commands.h"
#include "cli/widget_runtime.h"
#include "core/output/data_sheet.h"
#include "ui/platform/data_sheet_page.h"

namespace coilspring::cli {
namespace {

constexpr const char* kSheetUsage =
    "usage: sheet FILE.abd OUT.pdf [--slot N] [--materials F] [--settings F] [--left]";

struct SheetOptions {
  std::string pdfPath;
  bool leftHanded = false;
};

SheetOptions ParseSheetOptions(const DesignFileOptions& o) {
  SheetOptions sheet;
  for (const std::string& extra : o.rest) {
    if (extra == "--left") {
      sheet.leftHanded = true;
    } else if (!extra.starts_with("--") && sheet.pdfPath.empty()) {
      sheet.pdfPath = extra;
    } else {
      throw std::invalid_argument(kSheetUsage);
    }
  }
  if (sheet.pdfPath.empty() || o.json) throw std::invalid_argument(kSheetUsage);
  return sheet;
}

}  // namespace

int RunSheet(const Args& args) {
  const DesignFileOptions o = ParseDesignFileOptions(args);
  const SheetOptions sheet = ParseSheetOptions(o);
  CalculatorState state = LoadDesignFile(o, true);
  RecalculateDesign(state, o.slot, DesignInputs::FromRecord);
  const DataSheet data = MakeDataSheet(state.design[o.slot], state.materials, sheet.leftHanded);
  WidgetRuntime runtime;
  DataSheetPage::WritePagePdf(data, QFile::decodeName(sheet.pdfPath.c_str()));
  return 0;
}

}  // namespace coilspring::cli
