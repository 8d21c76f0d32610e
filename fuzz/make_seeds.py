#!/usr/bin/python3
"""Writes the hand-made seed inputs of the fuzz targets into corpus/ (the shipped zaidat.dst and
keisuu.dat are copied in beside them from a build: make_seeds.py BUILD_BIN_DIR).

Design records are packed field by field at the offsets of the 336-byte design record, so the
seeds do not depend on the program's own writer."""
import math
import os
import shutil
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
NAN, INF, MAX, TINY = math.nan, math.inf, sys.float_info.max, 5e-324

START = dict(InUse=1, MaterialNo=0, WireRow=20, WireDiameter=0.8, InnerDiameter=9.8,
             MeanDiameter=10.0, OuterDiameter=10.2, DiameterKind=1, TotalTurns=10.0,
             ActiveTurns=4.0, EndKind=0, SolidHeight=9.6, FreeLength=25.0, InputMode=1,
             Length1=20.0, Length2=15.0)
FIELDS = [  # offset, name, struct code
    (0, "InUse", "i"), (4, "MaterialNo", "i"), (8, "WireRow", "i"), (12, "WireDiameter", "d"),
    (20, "InnerDiameter", "d"), (28, "MeanDiameter", "d"), (36, "OuterDiameter", "d"),
    (44, "DiameterKind", "i"), (48, "TotalTurns", "d"), (56, "ActiveTurns", "d"),
    (64, "EndKind", "i"), (68, "SolidHeight", "d"), (76, "SpringIndex", "d"),
    (96, "WahlFactor", "d"), (104, "FreeLength", "d"), (112, "RecommendedFreeLength", "d"),
    (120, "MaxLoad", "d"), (128, "InputMode", "i"), (132, "Load1", "d"), (140, "Load2", "d"),
    (148, "Length1", "d"), (156, "Length2", "d"), (164, "SpringRate", "d"),
    (172, "Stress1", "d"), (180, "Stress2", "d"), (188, "AllowableStress", "d"),
    (196, "LifeClass", "i")]


def record(**changes):
    values = dict(START, **changes)
    out = bytearray(336)
    for offset, name, code in FIELDS:
        struct.pack_into("<" + code, out, offset, values.get(name, 0))
    return bytes(out)


DESIGNS = {
    "startup": record(),
    "loads_mode": record(InputMode=0, Load1=2.0, Load2=4.5, EndKind=3),
    "sixty_turns": record(TotalTurns=62.0, FreeLength=160.0, Length1=140.0, Length2=120.0),
    "outer_diameter_open_ends": record(DiameterKind=2, OuterDiameter=12.0, EndKind=6),
    "other_material": record(MaterialNo=7, WireRow=3, EndKind=4),
    "zero": bytes(336),
    "nan_everywhere": record(WireDiameter=NAN, MeanDiameter=NAN, TotalTurns=NAN,
                             FreeLength=NAN, Length1=NAN, Length2=NAN),
    "infinite": record(MeanDiameter=INF, FreeLength=INF, Length1=-INF, WireRow=-1),
    "huge": record(MeanDiameter=MAX, TotalTurns=MAX, FreeLength=MAX, Length1=MAX),
    "tiny": record(WireDiameter=TINY, MeanDiameter=TINY, FreeLength=TINY, Length1=-TINY),
    "wire_fills_coil": record(WireRow=49, MeanDiameter=0.5, DiameterKind=1, EndKind=6),
    "negative": record(MeanDiameter=-10.0, TotalTurns=-3.0, FreeLength=-25.0, EndKind=-1,
                       MaterialNo=-5, DiameterKind=7, LifeClass=99),
    "billion_turns": record(TotalTurns=1e9, FreeLength=1e-3),
    "short_file": record()[:100],
}

NUMBERS = [(1234.5678, 4), (1.2345, 4), (0.00049995, 4), (9.9995e-4, 4), (0.05, 15),
           (123456789012345.67, 15), (1e15, 15), (1e16, 15), (MAX, 4), (MAX, 15), (TINY, 1),
           (2.2250738585072014e-308, 4), (-0.0, 4), (NAN, 15), (-INF, 4), (0.1 + 0.2, 15),
           (9.5, 1), (-999.95, 4), (0.0009995, 3)]


def write(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def main():
    for name, image in DESIGNS.items():
        write("pipeline", name, image)
        write("design_validation", name, image)
    write("design_file", "startup_history", b"".join(
        [DESIGNS["startup"], DESIGNS["loads_mode"], DESIGNS["sixty_turns"]] +
        [bytes(336)] * 28))
    write("design_file", "degenerate_history", b"".join(
        [DESIGNS[n] for n in ("negative", "huge", "nan_everywhere", "infinite")] +
        [bytes(336)] * 27))
    write("design_file", "short_file", DESIGNS["startup"][:200])
    for i, (value, digits) in enumerate(NUMBERS):
        write("number_format", "n%02d" % i, struct.pack("<dB", value, digits - 1))
    write("settings_file", "all_nan", struct.pack("<4x7d", *[NAN] * 7))
    write("settings_file", "extremes", struct.pack("<4x7d", MAX, -MAX, 0.0, 100.0, 1e300,
                                                   -1.0, TINY))
    write("material_file", "empty", b"")
    if len(sys.argv) > 1:
        shutil.copy(os.path.join(sys.argv[1], "zaidat.dst"),
                    os.path.join(HERE, "corpus", "material_file", "zaidat.dst"))
        shutil.copy(os.path.join(sys.argv[1], "keisuu.dat"),
                    os.path.join(HERE, "corpus", "settings_file", "keisuu.dat"))
    write("material_file", "damaged", damaged_materials())
    write_text_tables()


def write_text_tables():
    """The shipped readable tables and a few written the way editors on Windows write them."""
    data = os.path.join(os.path.dirname(HERE), "data")
    for name in ("materials.tsv", "settings.tsv"):
        with open(os.path.join(data, name), "rb") as f:
            write("text_table", name, f.read())
    write("text_table", "bom_crlf_settings", b"\xef\xbb\xbf" + b"".join(
        b"%s\t%s\r\n" % (n, v) for n, v in (
            (b"CompressionStressRatio", b"80"), (b"ExtensionStressRatio", b"+80.0"),
            (b"HookStressFactor", b"1.25E0"), (b"StainlessTensionReduction", b"15"),
            (b"PianoWireTensionReduction", b"25"), (b"HardDrawnTensionReduction", b"25"),
            (b"AnnealedStainlessTensionReduction", b"20"))))
    write("text_table", "sjis_material", b"material\t3\nkind\t1\t" +
          "ステンレス鋼線".encode("cp932") + b"\nsymbol\tSUS304-WPB\nshear-modulus\t68500\n"
          b"young-modulus\t186000\ntorsion-ratio\t45\nbending-ratio\t70\n0.5\t1650\t0\t0\n")


def damaged_materials():
    """The shipped database with counts, kind numbers and name lengths out of range, and a
    ninth material in one kind."""
    with open(os.path.join(HERE, "corpus", "material_file", "zaidat.dst"), "rb") as f:
        image = bytearray(f.read())
    size = 1736
    struct.pack_into("<i", image, 0 * size + 112, 1000)   # RowCount
    struct.pack_into("<i", image, 1 * size + 112, -7)
    struct.pack_into("<i", image, 2 * size + 116, -3)     # KindNo
    struct.pack_into("<i", image, 3 * size + 116, 99)
    image[4 * size] = 255                                 # KindName length
    image[5 * size + 51] = 200                            # Symbol length
    for i in range(10, 30):
        struct.pack_into("<i", image, i * size + 116, 1)
    struct.pack_into("<d", image, 6 * size + 136, math.nan)  # first wire diameter
    struct.pack_into("<d", image, 7 * size + 536 + 8, math.inf)  # tensile strength
    return bytes(image)


if __name__ == "__main__":
    main()
