#include "ui/widgets/qt_text.h"

#include <QFile>
#include <QFileInfo>

#include "core/text/number_format.h"
#include "core/text/text_number.h"

namespace coilspring {

QString ShortText(double value) { return Utf8(FormatShort(value)); }
QString FullText(double value) { return Utf8(FormatFull(value)); }

double BoxNumber(const QLineEdit* box) { return ParseDecimal(box->text().toStdString()); }

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString DesignWindowTitle(const QString& path, const QString& caption) {
  const QString name = path.isEmpty() ? QStringLiteral("無題") : QFileInfo(path).fileName();
  return name + QStringLiteral("[*] - ") + caption;
}

}  // namespace coilspring
