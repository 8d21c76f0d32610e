#include "ui/platform/units_setting.h"

#include <QCoreApplication>
#include <QSettings>
#include <QString>

namespace coilspring {

namespace {

const QString kUnitsKey = QStringLiteral("units");

}  // namespace

QSettings UserConfiguration() {
  return QSettings(QSettings::UserScope, QStringLiteral("coilspring"),
                   QStringLiteral("coilspring"));
}

UnitsSetting& UnitsSetting::Instance() {
  static UnitsSetting* const setting = new UnitsSetting(QCoreApplication::instance());
  return *setting;
}

// Read each time rather than cached: the configuration is the one place the choice lives.
UnitSystem UnitsSetting::Units() const {
  return UnitSystemNamed(UserConfiguration().value(kUnitsKey).toString().toStdString())
      .value_or(UnitSystem::Gravitational);
}

void UnitsSetting::Set(UnitSystem units) {
  if (units == Units()) return;
  UserConfiguration().setValue(kUnitsKey, QString::fromLatin1(UnitSystemName(units)));
  emit Changed(units);
}

}  // namespace coilspring
