// Whole-file reads and atomic whole-file writes.
#pragma once

#include <cstddef>
#include <limits>
#include <string>

#include "core/records/byte_image.h"

namespace coilspring {

// The most a readable table given to an import may hold; the shipped ones are a few kB.
inline constexpr std::size_t kTextTableLimit = 1024 * 1024;

// Reads the file, but never more than `maxSize` bytes: a longer file is read only as far as
// that. Only regular files are read (a FIFO or a device could block or have effects). Throws
// UserError "ファイル %s は開けません" for a file that cannot be opened or read, whatever the
// cause (a failing disk, a dropped share, too little memory).
Bytes ReadWholeFile(const std::string& path,
                    std::size_t maxSize = std::numeric_limits<std::size_t>::max());

// A readable table for an import: throws UserError naming the file when it holds more than
// kTextTableLimit bytes, as ReadWholeFile when it cannot be read.
std::string ReadTextTable(const std::string& path);
std::string TooLargeMessage(const std::string& path, std::size_t limit);

// Saves `bytes` as the file `path` so that a failure leaves any previous file whole: writes a
// temporary file beside the file the name finally stands for (through any symbolic links, which
// stay), flushes it to the disk and renames it over that file, then flushes the folder. The new
// file keeps the old one's permission bits (never set-user-ID or set-group-ID) and, where the
// user may, its owner and group. A file the user may not write is left alone. Throws UserError
// "ファイル %s を作成できません" when the file cannot be created or may not be written, and
// "ストリームへの書き込みエラー" when writing fails (a full disk, the file-size limit).
void WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);
void WriteFileAtomically(const std::string& path, std::string_view text);

// Reads a record image from a file: a shorter file fills the record as far as it goes, a longer
// one is read only as far as the record goes.
template <class Record>
void ReadRecordFile(const std::string& path, Record& record) {
  const Bytes bytes = ReadWholeFile(path, Record::kSize);
  OverlayBytes(record, bytes);
}

template <class Record>
void WriteRecordFile(const std::string& path, const Record& record) {
  WriteFileAtomically(path, Encode(record));
}

// The folder of the running executable (from /proc/self/exe), without a trailing slash.
std::string ExecutableFolder();

}  // namespace coilspring
