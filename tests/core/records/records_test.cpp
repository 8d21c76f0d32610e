// The records' byte images: every field at its offset, little-endian, reserved bytes kept.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/compression/design_record.h"
#include "core/records/coefficient_settings.h"
#include "core/records/file_io.h"
#include "core/records/material_table.h"
#include "core/text/sjis.h"
#include "core/text/user_error.h"

namespace coilspring {
namespace {

double DoubleAt(const Bytes& image, std::size_t offset) {
  std::uint64_t u = 0;
  for (int i = 7; i >= 0; --i) u = (u << 8) | image[offset + i];
  double v;
  std::memcpy(&v, &u, 8);
  return v;
}

std::int32_t IntAt(const Bytes& image, std::size_t offset) {
  std::uint32_t u = 0;
  for (int i = 3; i >= 0; --i) u = (u << 8) | image[offset + i];
  return static_cast<std::int32_t>(u);
}

TEST(DesignRecordImage, FieldsLieAtTheirOffsets) {
  SpringDesign design;
  DesignRecord& r = design[2];
  r.InUse = 1;
  r.MaterialNo = 7;
  r.WireRow = -3;
  r.WireDiameter = 0.8;
  r.DiameterKind = DiameterKind::Outer;
  r.TotalTurns = 10.5;
  r.EndKind = EndKind::OpenThreeQuarterUnground;
  r.SpringIndex = 9;
  r.WahlFactor = 1.162083;
  r.InputMode = InputMode::Lengths;
  r.Length2 = 15;
  r.AllowableStress = 122.3616;
  r.LifeClass = 8;
  const Bytes image = Encode(design);
  ASSERT_EQ(image.size(), 10416u);
  const std::size_t base = 336 * 2;
  EXPECT_EQ(IntAt(image, base + 0), 1);
  EXPECT_EQ(IntAt(image, base + 4), 7);
  EXPECT_EQ(IntAt(image, base + 8), -3);
  EXPECT_EQ(DoubleAt(image, base + 12), 0.8);
  EXPECT_EQ(IntAt(image, base + 44), 2);
  EXPECT_EQ(DoubleAt(image, base + 48), 10.5);
  EXPECT_EQ(IntAt(image, base + 64), 6);
  EXPECT_EQ(DoubleAt(image, base + 76), 9);
  EXPECT_EQ(DoubleAt(image, base + 96), 1.162083);
  EXPECT_EQ(IntAt(image, base + 128), 1);
  EXPECT_EQ(DoubleAt(image, base + 156), 15);
  EXPECT_EQ(DoubleAt(image, base + 188), 122.3616);
  EXPECT_EQ(IntAt(image, base + 196), 8);
  // 0.8 as an IEEE double, least significant byte first.
  const std::uint8_t expected[8] = {0x9a, 0x99, 0x99, 0x99, 0x99, 0x99, 0xe9, 0x3f};
  EXPECT_EQ(std::memcmp(image.data() + base + 12, expected, 8), 0);
}

Bytes Pattern(std::size_t size, unsigned seed) {
  Bytes b(size);
  for (std::size_t i = 0; i < size; ++i) b[i] = static_cast<std::uint8_t>(i * 131 + seed);
  return b;
}

template <class Record>
void ExpectByteExactRoundTrip(unsigned seed) {
  const Bytes original = Pattern(Record::kSize, seed);
  Record record;
  OverlayBytes(record, original);
  EXPECT_EQ(Encode(record), original);
}

TEST(RecordImages, ArbitraryBytesRoundTripExactly) {
  // Reserved bytes, padding and text bytes beyond a short string's length all survive.
  ExpectByteExactRoundTrip<DesignRecord>(1);
  ExpectByteExactRoundTrip<SpringDesign>(2);
  ExpectByteExactRoundTrip<MaterialRecord>(3);
  ExpectByteExactRoundTrip<MaterialTable>(4);
  ExpectByteExactRoundTrip<CoefficientSettings>(5);
}

TEST(RecordImages, AShorterInputFillsOnlyItsBytes) {
  SpringDesign design;
  design[1].InUse = 1;
  design[1].FreeLength = 42;
  Bytes record0(336, 0);
  record0[0] = 1;  // InUse of record 0
  OverlayBytes(design, record0);
  EXPECT_EQ(design[0].InUse, 1);
  EXPECT_EQ(design[1].InUse, 1);
  EXPECT_EQ(design[1].FreeLength, 42);

  // A longer input is read only as far as the record goes.
  CoefficientSettings settings;
  Bytes longer(800, 0);
  longer[4 + 7] = 0x40;  // CompressionStressRatio = 2.0
  OverlayBytes(settings, longer);
  EXPECT_EQ(settings.CompressionStressRatio, 2.0);
}

TEST(MaterialRecordImage, FieldsLieAtTheirOffsets) {
  MaterialTable table;
  MaterialRecord& m = table[3];
  m.KindName.AssignRaw(Utf8ToSjis("ピアノ線"));
  m.Symbol.AssignRaw("SWP-A");
  m.ShearModulus = 78500;
  m.RowCount = 2;
  m.KindNo = 1;
  m.YoungModulus = 206000;
  m.TorsionRatio = 40;
  m.BendingRatio = 70;
  m.WireDiameters[1] = 0.9;
  m.TensileStrengths[1] = 2110;
  m.AllowableTorsion[49] = 784.56;
  m.AllowableBending[0] = 1000;
  const Bytes image = Encode(table);
  ASSERT_EQ(image.size(), 52080u);
  const std::size_t base = 1736 * 3;
  EXPECT_EQ(image[base + 0], 8);  // four two-byte characters
  EXPECT_EQ(image[base + 1], 0x83);  // ピ in code page 932 is 83 73
  EXPECT_EQ(image[base + 2], 0x73);
  EXPECT_EQ(image[base + 51], 5);
  EXPECT_EQ(std::string(image.begin() + base + 52, image.begin() + base + 57), "SWP-A");
  EXPECT_EQ(DoubleAt(image, base + 104), 78500);
  EXPECT_EQ(IntAt(image, base + 112), 2);
  EXPECT_EQ(IntAt(image, base + 116), 1);
  EXPECT_EQ(DoubleAt(image, base + 120), 206000);
  EXPECT_EQ(IntAt(image, base + 128), 40);
  EXPECT_EQ(IntAt(image, base + 132), 70);
  EXPECT_EQ(DoubleAt(image, base + 136 + 8), 0.9);
  EXPECT_EQ(DoubleAt(image, base + 536 + 8), 2110);
  EXPECT_EQ(DoubleAt(image, base + 936 + 8 * 49), 784.56);
  EXPECT_EQ(DoubleAt(image, base + 1336), 1000);
}

TEST(SettingsImage, FieldsLieAtTheirUnalignedOffsets) {
  CoefficientSettings s;
  s.CompressionStressRatio = 80;
  s.HookStressFactor = 1.25;
  s.AnnealedStainlessTensionReduction = 20;
  const Bytes image = Encode(s);
  ASSERT_EQ(image.size(), 736u);
  EXPECT_EQ(DoubleAt(image, 4), 80);
  EXPECT_EQ(DoubleAt(image, 20), 1.25);
  EXPECT_EQ(DoubleAt(image, 52), 20);
}

TEST(ShortStrings, ACutTwoByteCharacterKeepsItsFirstByte) {
  // 25 two-byte characters fill 50 bytes exactly; one more ASCII letter in front pushes the
  // last character across the end, and its first byte stays.
  std::string text = "A";
  for (int i = 0; i < 25; ++i) text += "線";
  const std::string sjis = Utf8ToSjis(text);
  ASSERT_EQ(sjis.size(), 51u);
  ShortString<50> s;
  s.AssignRaw(sjis);
  EXPECT_EQ(s.length, 50);
  EXPECT_EQ(static_cast<std::uint8_t>(s.bytes[49]), static_cast<std::uint8_t>(sjis[49]));
  // The shown text has 24 whole characters and a replacement mark for the cut one.
  const std::string shown = SjisToUtf8(s.Raw());
  std::string expected = "A";
  for (int i = 0; i < 24; ++i) expected += "線";
  EXPECT_EQ(shown, expected + "\xEF\xBF\xBD");
  // And the record keeps the raw bytes through a byte image.
  MaterialRecord m;
  m.Symbol = s;
  MaterialRecord back;
  OverlayBytes(back, Encode(m));
  EXPECT_EQ(back.Symbol, s);
}

TEST(ShortStrings, WindowsCodePageCharactersRoundTrip) {
  for (const char* text : {"①", "～", "㎜", "Ⅲ", "髙", "ステンレス鋼線", "SUS304-WPB"})
    EXPECT_EQ(SjisToUtf8(Utf8ToSjis(text)), text);
  EXPECT_EQ(Utf8ToSjis("a\xF0\x9F\x98\x80" "b"), "a?b");  // no code page 932 form
}

TEST(InitDesign, GivesTheStartUpValuesAndEmptiesTheHistory) {
  SpringDesign design;
  design[0].MaxLoad = 3.5;
  design[0].Reserved216[0] = 9;
  design[30].InUse = 1;
  design[30].Reserved216[5] = 7;
  InitDesign(design);
  const DesignRecord& r = design[0];
  EXPECT_EQ(r.InUse, 1);
  EXPECT_EQ(r.WireRow, 20);
  EXPECT_EQ(r.WireDiameter, 0.8);
  EXPECT_EQ(r.InnerDiameter, 9.8);
  EXPECT_EQ(r.OuterDiameter, 10.2);
  EXPECT_EQ(r.DiameterKind, DiameterKind::Mean);
  EXPECT_EQ(r.ActiveTurns, 4.0);
  EXPECT_EQ(r.SolidHeight, 9.6);
  EXPECT_EQ(r.FreeLength, 25.0);
  EXPECT_EQ(r.InputMode, InputMode::Lengths);
  EXPECT_EQ(r.Length1, 20.0);
  EXPECT_EQ(r.Length2, 15.0);
  // MaxLoad and the trailing block are not start-up values.
  EXPECT_EQ(r.MaxLoad, 3.5);
  EXPECT_EQ(r.Reserved216[0], 9);
  EXPECT_EQ(design[30], DesignRecord{});
}

class TempFolder {
 public:
  TempFolder() {
    char pattern[] = "/tmp/coilspring-test-XXXXXX";
    path_ = ::mkdtemp(pattern);
  }
  ~TempFolder() { std::system(("rm -rf '" + path_ + "'").c_str()); }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

TEST(AtomicWrite, ReplacesAFileAndLeavesNoTemporaryBehind) {
  TempFolder dir;
  const std::string file = dir.path() + "/a.abd";
  WriteFileAtomically(file, std::string_view("old"));
  WriteFileAtomically(file, std::string_view("new contents"));
  const Bytes back = ReadWholeFile(file);
  EXPECT_EQ(std::string(back.begin(), back.end()), "new contents");
  EXPECT_EQ(std::system(("test $(ls -A '" + dir.path() + "' | wc -l) -eq 1").c_str()), 0);
}

TEST(AtomicWrite, AFailedWriteLeavesThePreviousFile) {
  TempFolder dir;
  const std::string file = dir.path() + "/keep.abd";
  WriteFileAtomically(file, std::string_view("precious"));
  // A folder in place of the file cannot be replaced.
  const std::string folder = dir.path() + "/folder";
  ASSERT_EQ(std::system(("mkdir '" + folder + "'").c_str()), 0);
  try {
    WriteFileAtomically(folder, std::string_view("x"));
    ADD_FAILURE();
  } catch (const UserError& e) {
    EXPECT_EQ(std::string(e.what()), "ファイル " + folder + " を作成できません");
  }
  // A folder that does not exist cannot hold the file.
  EXPECT_THROW(WriteFileAtomically(dir.path() + "/none/x.abd", std::string_view("x")), UserError);
  const Bytes back = ReadWholeFile(file);
  EXPECT_EQ(std::string(back.begin(), back.end()), "precious");
}

TEST(ReadWholeFile, NamesTheFileItCannotOpen) {
  try {
    ReadWholeFile("/nonexistent/zaidat.dst");
    ADD_FAILURE();
  } catch (const UserError& e) {
    EXPECT_EQ(std::string(e.what()), "ファイル /nonexistent/zaidat.dst は開けません");
  }
  EXPECT_THROW(ReadWholeFile("/tmp"), UserError);  // a folder is not a file
}

}  // namespace
}  // namespace coilspring
