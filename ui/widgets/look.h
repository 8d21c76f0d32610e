// The look the windows are laid out for: font, style, Qt's own texts in Japanese, box colours and
// the screen's pixel ratio.
#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>

class QApplication;

namespace coilspring {

inline const QColor kAqua(0, 255, 255);

// The font and style the windows are laid out for: a Japanese gothic at 12 pixels.
void ApplyApplicationLook(QApplication& app);

// Qt's own texts (file dialogs, message box buttons) in Japanese, like the rest of the program,
// whatever the user's locale. False when Qt's Japanese translations are not installed.
bool InstallJapaneseQtTexts(QApplication& app);

// Everything the desktop program sets up before its first window: the application's name, the
// look and Qt's own texts in Japanese. The plain window the start-up is measured against starts
// the same way.
void StartDesktopApplication(QApplication& app);

// The Japanese gothic the windows are laid out for. Qt's own fallback would pick the monospaced
// IPAGothic; the proportional one matches the layout.
QFont GothicFont(int pixelSize);

// Background of a box, also while it is disabled or read-only.
void SetBoxColour(QWidget* box, const QColor& colour);
// A box of a pair the input mode enters or only shows, as the main window shows its lengths and
// loads: cyan and open to typing, or white and greyed out.
void ShowAsInput(QWidget* box, bool entered);

// The pixels per unit of length on the finest screen of the desktop (2 on a desktop scaled to
// 200 %): drawn pictures made at this ratio stay crisp there.
qreal ScreenPixelRatio();

}  // namespace coilspring
