// The program's own file dialog (where the desktop offers none of its own), set up so that
// every column of its detail list shows its whole text.
#pragma once

class QFileDialog;

namespace coilspring {

// The size, type and date columns as wide as their texts, the name column taking the rest, and
// the dialog wide enough for all four.
void FitFileDialogColumns(QFileDialog& dialog);

}  // namespace coilspring
