// The units on screen, one choice for the whole program: a switch in any window reaches every
// open window at once. The choice is the user's own, kept in the user's configuration (key
// "units"), never in the settings file or a design file.
#pragma once

#include <QObject>
#include <QSettings>

#include "core/display/display_units.h"

namespace coilspring {

// The user's own choices (the units, the windows' places), kept apart from the settings file.
QSettings UserConfiguration();

class UnitsSetting final : public QObject {
  Q_OBJECT

 public:
  // The program's one setting (made with the application, which owns it).
  static UnitsSetting& Instance();

  // As the user's configuration holds it; gravitational when it holds none.
  UnitSystem Units() const;
  // Keeps `units` and tells every window, when they differ from the units kept.
  void Set(UnitSystem units);
  // The other system of the two.
  void Switch() { Set(Units() == UnitSystem::SI ? UnitSystem::Gravitational : UnitSystem::SI); }

 signals:
  void Changed(UnitSystem units);

 private:
  using QObject::QObject;
};

}  // namespace coilspring
