// The menu commands that hand the design to files, the printer, the clipboard and the help.
#include <QCloseEvent>
#include <QFileInfo>
#include <algorithm>

#include "core/compression/compression_centre_line.h"
#include "core/compression/design_dxf.h"
#include "core/compression/design_sheet.h"
#include "core/compression/design_validation.h"
#include "core/compression/history.h"
#include "core/drawing/dxf_writer.h"
#include "core/output/data_sheet.h"
#include "core/output/grid_clipboard.h"
#include "core/records/file_io.h"
#include "core/text/user_error.h"
#include "model3d/step_client.h"
#include "ui/dialogs/data_sheet_dialog.h"
#include "ui/dialogs/design_search_dialog.h"
#include "ui/dialogs/spring_kind_window.h"
#include "ui/main_window/history_page.h"
#include "ui/main_window/input_panel.h"
#include "ui/main_window/main_window.h"
#include "ui/platform/handler_guard.h"
#include "ui/platform/help_window.h"
#include "ui/platform/unsaved_work.h"
#include "ui/widgets/widgets.h"

namespace coilspring {

namespace {

const QString kDesignFilter = QStringLiteral("圧縮バネのデーター (*.abd)");
const QString kDxfFilter = QStringLiteral("DXFファイル (*.dxf)");

}  // namespace

// The file holds the design as the boxes show it, with the results of those very inputs: the
// boxes are read and calculated as "計算" does, so a design saved before any calculation (or
// after its inputs were changed) never pairs one design's inputs with another's results.
bool MainWindow::SaveDesignFile() {
  Calculate();
  const auto path = platform_.AskSaveFile(this, {kDesignFilter, lastDesignSaveName_});
  if (!path) return false;
  lastDesignSaveName_ = *path;
  WriteRecordFile(path->toStdString(), state_.design);
  work_.Keep(Encode(state_.design));
  designPath_ = *path;
  ShowFileState();
  return true;
}

bool MainWindow::SettleUnsavedDesign() {
  if (!HasUnsavedDesign()) return true;
  return SettleUnsavedWork(
      platform_, this, QString::fromUtf8(kUnsavedDesignQuestion),
      [this] { return SaveDesignFile(); }, [] {});
}

void MainWindow::closeEvent(QCloseEvent* event) {
  bool mayClose = false;
  // The spring kinds' windows go with the program: their unsaved work is settled too.
  RunGuarded(platform_, this, [&] {
    mayClose = SettleUnsavedDesign() &&
               std::ranges::all_of(SpringKindWindows(), [](SpringKindWindowBase* w) {
                 return w->SettleUnsavedDesign();
               });
  });
  if (!mayClose) {
    event->ignore();
    return;
  }
  // The design assistant has a window of its own: it goes with the program.
  if (designSearch_ != nullptr) designSearch_->close();
  event->accept();
}

void MainWindow::OpenDesignFile() {
  if (!SettleUnsavedDesign()) return;
  // A cancelled dialog changes nothing, not even the text typed into the boxes.
  const auto path = platform_.AskOpenFile(this, {kDesignFilter, lastDesignOpenName_});
  if (!path) return;
  lastDesignOpenName_ = *path;
  // A file holding a design the calculator cannot take is refused before anything changes.
  state_.design = ReadDesignFile(path->toStdString(), state_.design, state_.materials());
  PutDesign(false);
  for (int n = 1; n <= kHistorySlots; ++n)
    historyPage_->ShowSlot(n, state_.design[n], state_.materials());
  work_.Keep(Encode(state_.design));
  designPath_ = *path;
  RecordStep();
}

void MainWindow::ExportDxf() {
  const std::string text = DesignDxfText(state_.current(), nullptr, inputPanel_->LeftHandWound());
  const auto path = platform_.AskSaveFile(this, {kDxfFilter, lastDxfSaveName_});
  if (!path) return;
  lastDxfSaveName_ = *path;
  WriteFileAtomically(path->toStdString(), text);
}

// The solid of the side view's state, wound as the data sheet's checkbox says; the 3D module is
// loaded only now.
void MainWindow::ExportStep() {
  const int shown = state_.shapeViewPosition;
  const SpringState state = shown == 1   ? SpringState::Load1
                            : shown == 2 ? SpringState::Load2
                                         : SpringState::Free;
  const SpringModel model =
      SpringModelOf(state_.current(), state_.materials(), state, inputPanel_->LeftHandWound());
  const auto path = platform_.AskSaveFile(
      this, {QStringLiteral("STEPファイル (*.step *.stp)"), QStringLiteral("aspring.step")});
  if (path) WriteFileAtomically(path->toStdString(), model3d::StepText(model.line, model.product));
}

void MainWindow::ShowDataSheet() {
  DataSheetWindow()->ShowSheet(
      MakeDataSheet(state_.current(), state_.materials(), inputPanel_->LeftHandWound()));
}

void MainWindow::PrintWindow() {
  const QImage client = centralWidget()->grab().toImage();
  const QString job = windowTitle().remove(QStringLiteral("[*]"));
  if (const auto failure = platform_.PrintImage(client, job, PagePlacement::FitToPage))
    throw UserError(failure->toStdString());
}

void MainWindow::CopyHistoryText() {
  platform_.SetClipboardText(
      Utf8(GridRangeText(historyPage_->CellTexts(), 0, 0, kHistoryColumns - 1, kHistoryRows - 1)));
}

void MainWindow::CopyFatigueDiagram() { platform_.SetClipboardImage(FatigueImage()); }

void MainWindow::OpenHelp() { OpenHelpDocument(platform_, this, programFolder_); }

}  // namespace coilspring
