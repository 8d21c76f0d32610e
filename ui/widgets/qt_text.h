// Texts and numbers between the core (UTF-8, doubles) and Qt (QString): one way of showing a
// number and one way of reading a box, for every window.
#pragma once

#include <QLineEdit>
#include <QString>
#include <string>
#include <string_view>

namespace coilspring {

// A number as every window shows it: the short (4 digits) or the full (15 digits) format.
QString ShortText(double value);
QString FullText(double value);

// Text the core holds (UTF-8) as a window shows it.
inline QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A box's text read as every number box is read (ParseDecimal): a text that is no number
// throws the UserError with the conversion message.
double BoxNumber(const QLineEdit* box);

// A path from a file dialog as the file system's bytes, for the core's file functions.
std::string LocalPath(const QString& path);

// A design window's title, Qt's way: the design file's name ("無題" before the first save or
// read), the mark Qt shows while the window is modified, and the window's own caption.
QString DesignWindowTitle(const QString& path, const QString& caption);

}  // namespace coilspring
