"""Shared pieces of the coilspring-cli tests: design files packed field by field, the worked
example's material database and settings, and the pass/fail bookkeeping."""
import os
import struct
import subprocess
import sys

RECORD_SIZE = 336
RECORDS = 31  # the current design and 30 history slots

# Field offsets and formats of a design record (little-endian).
FIELDS = {
    "InUse": (0, "<i"), "MaterialNo": (4, "<i"), "WireRow": (8, "<i"),
    "WireDiameter": (12, "<d"), "InnerDiameter": (20, "<d"), "MeanDiameter": (28, "<d"),
    "OuterDiameter": (36, "<d"), "DiameterKind": (44, "<i"), "TotalTurns": (48, "<d"),
    "ActiveTurns": (56, "<d"), "EndKind": (64, "<i"), "FreeLength": (104, "<d"),
    "InputMode": (128, "<i"), "Load1": (132, "<d"), "Load2": (140, "<d"),
    "Length1": (148, "<d"), "Length2": (156, "<d"), "LifeClass": (196, "<i"),
}

# The worked example: G 78500, d 2 (row 1), D 18, 10 turns closed, L0 40, L1 35, L2 30.
WORKED_EXAMPLE = dict(InUse=1, MaterialNo=0, WireRow=1, DiameterKind=1, MeanDiameter=18,
                      TotalTurns=10, EndKind=0, FreeLength=40, InputMode=1, Length1=35,
                      Length2=30)

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def finish():
    """Prints the closing count and leaves with the matching exit code."""
    print(f"{0 if failures else 1} passed, {len(failures)} failed")
    sys.exit(1 if failures else 0)


def record(**fields):
    """One design record, the named fields at their offsets, everything else zero."""
    image = bytearray(RECORD_SIZE)
    for name, value in fields.items():
        offset, fmt = FIELDS[name]
        struct.pack_into(fmt, image, offset, value)
    return bytes(image)


def write_design(path, records):
    """A design file of the given records, padded with empty slots to its full size."""
    with open(path, "wb") as f:
        f.write(b"".join(records) + record() * (RECORDS - len(records)))


def runner(bin_dir):
    cli = os.path.join(bin_dir, "coilspring-cli")
    return lambda *args: subprocess.run([cli, *args], capture_output=True, text=True)


def worked_example_data(run, folder):
    """Material database and settings of the worked example (allowable 1500 N/mm^2 at d = 2,
    80 %), made with the CLI's own import; returns the options that select them."""
    table = os.path.join(folder, "m.tsv")
    with open(table, "w", encoding="utf-8") as t:
        t.write("material\t0\nkind\t0\tピアノ線\nsymbol\tTEST-1\nshear-modulus\t78500\n"
                "young-modulus\t206000\ntorsion-ratio\t40\nbending-ratio\t70\n"
                "1.6\t1960\t1550\t0\n2\t1960\t1500\t0\n2.6\t1960\t1450\t0\n")
    materials = os.path.join(folder, "m.dst")
    check(run("materials", "import", table, materials).returncode == 0, "materials import")
    settings_table = os.path.join(folder, "s.tsv")
    with open(settings_table, "w") as s:
        s.write("CompressionStressRatio\t80\nExtensionStressRatio\t80\nHookStressFactor\t1.25\n"
                "StainlessTensionReduction\t15\nPianoWireTensionReduction\t25\n"
                "HardDrawnTensionReduction\t25\nAnnealedStainlessTensionReduction\t20\n")
    settings = os.path.join(folder, "s.dat")
    check(run("settings", "import", settings_table, settings).returncode == 0, "settings import")
    return ["--materials", materials, "--settings", settings]
