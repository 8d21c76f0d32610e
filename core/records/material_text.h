// The material database as a readable UTF-8 text table, for authoring the shipped database and
// for looking into any *.dst file. The text form is canonical: formatting a table parsed from a
// text written by FormatMaterialText gives that text back, and parsing it again gives the same
// bytes.
#pragma once

#include <string>
#include <string_view>

#include "core/records/material_table.h"

namespace coilspring {

// Reads the text form. Records the text does not list are empty records (kind number 10,
// everything else zero); reserved bytes and the bytes after each name are zero. Throws
// std::invalid_argument naming the line on anything the record cannot hold exactly.
MaterialTable ParseMaterialText(std::string_view utf8);

// Writes every record that holds anything, in record order, with names converted from
// Shift-JIS and numbers in the full number format. Throws std::invalid_argument for a name
// holding a control character, which the line-based text cannot carry.
std::string FormatMaterialText(const MaterialTable& table);

// The record the editor leaves after erasing: kind number 10, everything else zero.
MaterialRecord EmptyMaterialRecord();

}  // namespace coilspring
