// Shared pieces of the fuzz targets: the shipped data they calculate with and a check that
// stops the run with a message libFuzzer keeps beside the crashing input.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/compression/calculator_state.h"
#include "core/records/coefficient_settings.h"
#include "core/records/file_io.h"
#include "core/records/material_table.h"
#include "core/text/user_error.h"
#include "json/spring_document.h"

namespace coilspring::fuzz {

inline void Require(bool condition, const char* what, const std::string& detail = {}) {
  if (condition) return;
  std::fprintf(stderr, "property broken: %s %s\n", what, detail.c_str());
  std::abort();
}

inline std::span<const std::uint8_t> AsBytes(const std::uint8_t* data, std::size_t size) {
  return {data, size};
}

// The seed corpora hold the shipped database and settings file; the targets that need real
// data read them from there, so they run on exactly what a user gets.
inline std::string SeedFile(const char* target, const char* name) {
  return std::string(COILSPRING_FUZZ_CORPUS) + "/" + target + "/" + name;
}

inline const MaterialTable& ShippedMaterials() {
  static const MaterialTable table = [] {
    MaterialTable t;
    ReadRecordFile(SeedFile("material_file", kMaterialFileName), t);
    return t;
  }();
  return table;
}

inline const CoefficientSettings& ShippedSettings() {
  static const CoefficientSettings settings = [] {
    CoefficientSettings s;
    ReadRecordFile(SeedFile("settings_file", kSettingsFileName), s);
    return s;
  }();
  return settings;
}

// A calculator state with the shipped data files, its designs as start-up leaves them.
inline CalculatorState ShippedState() {
  CalculatorState s;
  s.EditMaterials() = ShippedMaterials();
  s.settings = ShippedSettings();
  return s;
}

// A record read over `image` must write back as the same bytes as far as the image goes:
// reading and saving a file changes nothing.
template <class Record>
void RequireRoundTrip(const Record& record, std::span<const std::uint8_t> image) {
  const Bytes written = Encode(record);
  const std::size_t n = std::min(image.size(), written.size());
  Require(std::equal(image.begin(), image.begin() + n, written.begin()),
          "record image does not round-trip");
}

// As many designs as a design window keeps in its file's history.
inline constexpr std::size_t kHistoryLimit = 30;

// Reads `text` as a design window's file: a refusal must say why, and a file read must save
// with `write` and read back as the same designs. Gives the designs read, if any.
template <class Design>
std::optional<SpringDocument<Design>> ReadDocumentThatSavesUnchanged(
    std::string_view text, const MaterialTable& materials,
    SpringDocument<Design> (*read)(std::string_view, const MaterialTable&, std::size_t),
    std::string (*write)(const SpringDocument<Design>&)) {
  SpringDocument<Design> document;
  try {
    document = read(text, materials, kHistoryLimit);
  } catch (const UserError& e) {
    Require(e.what()[0] != '\0', "an empty message");
    return std::nullopt;
  }
  Require(document.history.size() <= kHistoryLimit, "a history beyond its limit");
  const SpringDocument<Design> again = read(write(document), materials, kHistoryLimit);
  Require(again.design == document.design && again.history == document.history,
          "a saved design file reads back differently");
  return document;
}

}  // namespace coilspring::fuzz
