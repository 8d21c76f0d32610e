#include "ui/platform/file_dialogs.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>
#include <algorithm>

namespace coilspring {

namespace {
constexpr int kDialogWidth = 760;  // a long name beside the full date, size and type
constexpr int kDialogHeight = 460;
}  // namespace

void FitFileDialogColumns(QFileDialog& dialog) {
  dialog.resize(std::max(dialog.width(), kDialogWidth), std::max(dialog.height(), kDialogHeight));
  for (QTreeView* list : dialog.findChildren<QTreeView*>()) {
    QHeaderView* header = list->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
  }
}

}  // namespace coilspring
