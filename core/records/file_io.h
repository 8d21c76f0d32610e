// Whole-file reads and atomic whole-file writes.
#pragma once

#include <string>

#include "core/records/byte_image.h"

namespace coilspring {

// Throws UserError "ファイル %s は開けません".
Bytes ReadWholeFile(const std::string& path);

// Writes to a temporary file in the same folder and renames it over `path`, so a failure
// leaves any previous file untouched. Throws UserError "ファイル %s を作成できません" when the
// file cannot be created and "ストリームへの書き込みエラー" when writing fails.
void WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);
void WriteFileAtomically(const std::string& path, std::string_view text);

// Reads a record image from a file: a shorter file fills the record as far as it goes.
template <class Record>
void ReadRecordFile(const std::string& path, Record& record) {
  const Bytes bytes = ReadWholeFile(path);
  OverlayBytes(record, bytes);
}

template <class Record>
void WriteRecordFile(const std::string& path, const Record& record) {
  WriteFileAtomically(path, Encode(record));
}

// The folder of the running executable (from /proc/self/exe), without a trailing slash.
std::string ExecutableFolder();

}  // namespace coilspring
