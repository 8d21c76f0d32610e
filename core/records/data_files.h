// The material database and the settings file as every command and the window read them: the
// record images of the description (a shorter file fills the record as far as it goes), but
// checked, so a file of another kind given in their place is refused instead of calculated with.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "core/records/coefficient_settings.h"
#include "core/records/material_table.h"
#include "core/text/user_error.h"

namespace coilspring {

// A file that was read but cannot serve as what it was given as; the message names the file and
// what is wrong with it.
class UnusableDataFile : public UserError {
 public:
  using UserError::UserError;
};

// Reads the settings file into `settings`. Throws UserError "ファイル %s は開けません" when it
// cannot be read and UnusableDataFile when it is larger than the record (a design file, a
// material database) or a coefficient it holds is not finite or outside the range that
// "settings import" takes.
void ReadSettingsFile(const std::string& path, CoefficientSettings& settings);
// The same for the material database: larger than the 30 records, or a record holding what
// "materials import" refuses (a code, a count or a ratio out of its range, a number that is not
// finite or negative, wire diameters not ascending, a name longer than its field).
void ReadMaterialFile(const std::string& path, MaterialTable& materials);

// What is wrong with the first `length` bytes of a settings record, or nothing.
std::optional<std::string> SettingsProblem(const CoefficientSettings& settings, std::size_t length);
// What is wrong with a material database, or nothing.
std::optional<std::string> MaterialTableProblem(const MaterialTable& materials);

}  // namespace coilspring
