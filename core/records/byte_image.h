// Little-endian field codecs for the fixed-layout records. Records describe their fields once
// (offset + member) through a visitor; the same description drives both decoding and encoding,
// so the two directions can never drift apart.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>
#include <type_traits>
#include <vector>

namespace coilspring {

using Bytes = std::vector<std::uint8_t>;

// A length byte followed by N raw text bytes (Shift-JIS). Kept raw so that files round-trip
// byte for byte, including bytes beyond the length and a two-byte character cut at the end.
template <std::size_t N>
struct ShortString {
  std::uint8_t length = 0;
  std::array<std::uint8_t, N> bytes{};

  static constexpr std::size_t kCapacity = N;
  static constexpr std::size_t kSize = N + 1;

  // The significant bytes; a length byte beyond the capacity is clamped to it.
  std::string_view Raw() const {
    return {reinterpret_cast<const char*>(bytes.data()), std::min<std::size_t>(length, N)};
  }
  // Stores raw bytes, cut at the capacity; the bytes after the text are left as they were.
  void AssignRaw(std::string_view raw) {
    const std::size_t n = std::min(raw.size(), N);
    std::memcpy(bytes.data(), raw.data(), n);
    length = static_cast<std::uint8_t>(n);
  }
  bool operator==(const ShortString&) const = default;
};

namespace byte_codec {

inline void Put(std::uint8_t* at, const std::int32_t& v) {
  const auto u = static_cast<std::uint32_t>(v);
  for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(u >> (8 * i));
}
inline void Get(const std::uint8_t* at, std::int32_t& v) {
  std::uint32_t u = 0;
  for (int i = 0; i < 4; ++i) u |= static_cast<std::uint32_t>(at[i]) << (8 * i);
  v = static_cast<std::int32_t>(u);
}
inline void Put(std::uint8_t* at, const double& v) {
  std::uint64_t u;
  std::memcpy(&u, &v, 8);
  for (int i = 0; i < 8; ++i) at[i] = static_cast<std::uint8_t>(u >> (8 * i));
}
inline void Get(const std::uint8_t* at, double& v) {
  std::uint64_t u = 0;
  for (int i = 0; i < 8; ++i) u |= static_cast<std::uint64_t>(at[i]) << (8 * i);
  std::memcpy(&v, &u, 8);
}
// A code stored as a 32-bit integer travels as that integer, whatever its value.
template <class Code>
requires std::is_enum_v<Code>
void Put(std::uint8_t* at, const Code& v) {
  static_assert(std::is_same_v<std::underlying_type_t<Code>, std::int32_t>);
  Put(at, static_cast<std::int32_t>(v));
}
template <class Code>
requires std::is_enum_v<Code>
void Get(const std::uint8_t* at, Code& v) {
  static_assert(std::is_same_v<std::underlying_type_t<Code>, std::int32_t>);
  std::int32_t raw = 0;
  Get(at, raw);
  v = static_cast<Code>(raw);
}
template <std::size_t N>
void Put(std::uint8_t* at, const std::array<std::uint8_t, N>& v) {
  std::memcpy(at, v.data(), N);
}
template <std::size_t N>
void Get(const std::uint8_t* at, std::array<std::uint8_t, N>& v) {
  std::memcpy(v.data(), at, N);
}
template <std::size_t N>
void Put(std::uint8_t* at, const std::array<double, N>& v) {
  for (std::size_t i = 0; i < N; ++i) Put(at + 8 * i, v[i]);
}
template <std::size_t N>
void Get(const std::uint8_t* at, std::array<double, N>& v) {
  for (std::size_t i = 0; i < N; ++i) Get(at + 8 * i, v[i]);
}
template <std::size_t N>
void Put(std::uint8_t* at, const ShortString<N>& v) {
  at[0] = v.length;
  std::memcpy(at + 1, v.bytes.data(), N);
}
template <std::size_t N>
void Get(const std::uint8_t* at, ShortString<N>& v) {
  v.length = at[0];
  std::memcpy(v.bytes.data(), at + 1, N);
}

}  // namespace byte_codec

// One field of a record: where its bytes lie, and how readable tables (the CLI's JSON, the
// settings text) name it; label and unit are how a person reads it.
struct FieldInfo {
  std::size_t offset = 0;
  const char* name = "";
  const char* label = "";
  const char* unit = "";
};

// Record types provide kSize and a static VisitFields(record, visitor) calling
// visitor(FieldInfo, member) for every field, reserved bytes included: the one field table that
// drives encoding, decoding and every readable form of the record.
template <class Record>
void EncodeInto(const Record& record, std::uint8_t* out) {
  Record::VisitFields(record, [out](const FieldInfo& info, const auto& field) {
    byte_codec::Put(out + info.offset, field);
  });
}

template <class Record>
void DecodeFrom(const std::uint8_t* in, Record& record) {
  Record::VisitFields(record, [in](const FieldInfo& info, auto& field) {
    byte_codec::Get(in + info.offset, field);
  });
}

template <class Record>
Bytes Encode(const Record& record) {
  Bytes out(Record::kSize);
  EncodeInto(record, out.data());
  return out;
}

// Lays `bytes` over the record image: a shorter input replaces only as many bytes as it has,
// the rest of the record keeps its content; bytes beyond the record are ignored.
template <class Record>
void OverlayBytes(Record& record, std::span<const std::uint8_t> bytes) {
  Bytes image = Encode(record);
  std::memcpy(image.data(), bytes.data(), std::min(bytes.size(), image.size()));
  DecodeFrom(image.data(), record);
}

// A fixed sequence of equal records, encoded one after the other.
template <class Record, std::size_t Count>
struct RecordArray {
  std::array<Record, Count> records{};

  static constexpr std::size_t kSize = Record::kSize * Count;

  Record& operator[](std::size_t i) { return records[i]; }
  const Record& operator[](std::size_t i) const { return records[i]; }

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& visit) {
    for (std::size_t i = 0; i < Count; ++i) {
      Record::VisitFields(self.records[i], [&](FieldInfo info, auto& field) {
        info.offset += Record::kSize * i;
        visit(info, field);
      });
    }
  }
  bool operator==(const RecordArray&) const = default;
};

}  // namespace coilspring
