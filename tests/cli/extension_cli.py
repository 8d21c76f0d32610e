"""coilspring-cli on extension-spring design files ("kind": "extension"): the worked example,
its pictures, data sheet and drawing file (read back with ezdxf, coordinates worked out by hand
from the side view's construction), and compression JSON files that stay as they were. What
every kind's file must do (refusals naming their key, --slot, --units si read back) is
kind_files.py's table.

Run as: extension_cli.py <build/bin dir> <source dir>
"""
import json
import os
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from clitest import check, finish  # noqa: E402
from springcli import Work, check_units  # noqa: E402

# The help's worked example: SWP-B d = 1, D = 8, 10 turns, Pi = 0.4 kgf, L0 30, L1 35, L2 40.
EXAMPLE = {"kind": "extension", "MaterialNo": 0, "WireDiameter": 1, "DiameterKind": 1,
           "MeanDiameter": 8, "TotalTurns": 10, "HookKind": 0, "Annealed": True,
           "InitialTension": 0.4, "FreeLength": 30, "InputMode": 1, "Length1": 35, "Length2": 40}
# Entities per hook: the straight run out of the coil (two edges), then a full loop (two bends of
# two arcs), half a loop, or half a loop and a second leg.
HOOK_ENTITIES = {0: 6, 1: 4, 2: 6, 3: 6}
work = Work(sys.argv[1])
run = work.run


def worked_example():
    done, got = work.calc_json(EXAMPLE)
    check(done.returncode == 0 and done.stderr == "", f"worked example: {done.stderr}")
    # By hand (see the help): k = 0.19543, P2 = 2.3543, τa = 66.369, Lmax = 42.033.
    for key, value in [("SpringRate", 0.19543), ("Load2", 2.3543), ("AllowableStress", 66.369),
                       ("MaxLength", 42.033), ("HookStress", 59.952), ("InitialStressMax", 9.3314)]:
        check(abs(got[key] - value) < 1e-3 * value, f"{key} {got[key]} != {value}")
    check(got["kind"] == "extension" and got["LifeClassText"] == "1000万", "kind, life")
    check(got["lines"] == ["Calculation Success!"], f"lines {got['lines']}")
    check(any(row["item"] == "自由長さの許容差（2級）" for row in got["reference"]),
          "reference rows")
    check_units(got, work.calc_json(EXAMPLE, "--units", "si")[1],
                {"Load2": 9.807, "SpringRate": 9.8066})
    table = work.calc(EXAMPLE)
    check(table.returncode == 0 and "最大許容引張長さ" in table.stdout, "the readable table")
    # calc --json's own output reads back as the same design.
    check(work.calc(done.stdout, "--json").stdout == done.stdout, "calc --json output read back")
    check(work.calc(dict(EXAMPLE, Length1=29)).returncode == 1, "a failing check gives 1")
    warned, got = work.calc_json(dict(EXAMPLE, InitialTension=0.5))
    check(warned.returncode == 0 and got["lines"] == ["警告:初応力が製作できる範囲の外"],
          "a warning does not fail")


def pictures_and_sheet():
    example = work.write("example.json", EXAMPLE)
    for option, size in [("--shape", (777, 201)), ("--diagram", (400, 417))]:
        done = run("picture", example, option, work.path("p.png"))
        with open(work.path("p.png"), "rb") as f:
            header = f.read(24)
        check(done.returncode == 0 and (int.from_bytes(header[16:20], "big"),
                                        int.from_bytes(header[20:24], "big")) == size,
              f"picture {option}: {done.stderr}")
    check(run("picture", example, "--shape", work.path("l.png"), "--state", "load2").returncode
          == 0, "picture at L2")
    pdf = work.path("s.pdf")
    done = run("sheet", example, pdf)
    check(done.returncode == 0 and done.stderr == "", f"sheet: {done.stderr}")
    if shutil.which("pdftotext"):
        text = subprocess.run(["pdftotext", pdf, "-"], capture_output=True,
                              text=True).stdout.replace(" ", "")
        # P2 = 2.3543 kgf = 23.09 N, Lmax = 42.03 mm, Pi = 0.4 kgf = 3.923 N.
        for word in ["初張力", "フック形状", "丸フック", "最大許容引張長さ", "42.03", "23.09",
                     "3.923"]:
            check(word in text, f"sheet text {word}")


def drawing_files():
    # With L0 = 25 the closed body is (10 + 1)·1 = 11 mm long and each hook (25 − 11)/2 = 7 mm
    # high (the inner diameter, the standard round hook). Ten bands of pitch (11 − 1)/10 = 1:
    # the first band's left edge runs from (0, 0) to (0.5, −8).
    design = dict(EXAMPLE, FreeLength=25, Length1=30, Length2=35)
    for hook, per_hook in HOOK_ENTITIES.items():
        entities = list(work.read_dxf(dict(design, HookKind=hook), f"e{hook}.dxf").modelspace())
        check(len(entities) == 3 * (4 * 10 + 2 * per_hook) + 3,  # free, L1, L2, centre lines
              f"hook {hook}: {len(entities)} entities")
        first = entities[0]
        check(first.dxftype() == "LINE" and (first.dxf.start.x, first.dxf.start.y) == (0, 0) and
              abs(first.dxf.end.x - 0.5) < 1e-12 and first.dxf.end.y == -8,
              f"hook {hook}: first band edge {first.dxf.start} {first.dxf.end}")
        if hook == 0:
            # The loop has the coil's diameter, its inner side 7 mm out: centre (−3.5, −4),
            # radii 4 ± 0.5; the right one mirrored about the body's end at x = 11.
            centres = sorted({(round(a.dxf.center.x, 9), round(a.dxf.center.y, 9),
                               round(a.dxf.radius, 9)) for a in entities[40:52]
                              if a.dxftype() == "ARC"})
            check(centres == [(-3.5, -4, 3.5), (-3.5, -4, 4.5), (14.5, -4, 3.5),
                              (14.5, -4, 4.5)], f"round hook arcs {centres}")


def compression_json():
    # A compression design as JSON, with and without "kind": the same output.
    design = {"TotalTurns": 12, "FreeLength": 30}
    plain = work.calc(design, "--json")
    named = work.calc(dict(design, kind="compression"), "--json")
    check(plain.returncode == named.returncode and plain.stdout == named.stdout and
          plain.stdout != "", f"compression kind: {named.stderr}")
    # Another kind is never read as a compression spring.
    work.check_refused(dict(design, kind="torsion"), "'kind'", ("design", "import"),
                       work.path("t.abd"))


worked_example()
pictures_and_sheet()
drawing_files()
compression_json()
finish()
