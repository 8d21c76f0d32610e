"""coilspring-cli dxf, picture and sheet on a torsion-spring design: the DXF read back with
ezdxf (audit clean, entities and coordinates worked out by hand from the construction), the
pictures and the data sheet written, and the exit codes of a spring that cannot be drawn and of
a wrong key.

The example: d 2, D 16 (coil 14..18), 6 turns, legs of 25 mm, θ1 30°, θ2 60°.
  end view: the coil's outer and inner circles (radius 9 and 7, two half arcs each), leg 1 to
  the left and leg 2 to the right (three lines each: both edges 1 mm off the axis of the leg and
  the end), leg 2 again at −30° and −60°;
  side view: x0 = 25 + 9/2 + 2·2 = 33.5, the body 33.5..47.5 by −9..9 (four lines), a line
  between turns every 2 mm (six lines), leg 1 down to −25 from the first turn (x 33.5..35.5)
  and leg 2 up to 25 from the last (x 45.5..47.5), three lines each.
  So 4·3 (end view legs) + 4 + 6 + 2·3 = 28 lines and 4 arcs.
"""
import json
import math
import os
import subprocess
import sys
import tempfile

import ezdxf

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from clitest import check, finish  # noqa: E402

BIN = sys.argv[1]
CLI = os.path.join(BIN, "coilspring-cli")

DESIGN = {"kind": "torsion", "MaterialNo": 0, "WireDiameter": 2, "DiameterKind": 1,
          "MeanDiameter": 16, "TotalTurns": 6, "Leg1": 25, "Leg2": 25, "InputMode": 1,
          "Angle1": 30, "Angle2": 60}


def run(*args):
    return subprocess.run([CLI, *args], capture_output=True, text=True)


def near(a, b):
    return abs(a - b) < 1e-9


with tempfile.TemporaryDirectory() as work:
    design = os.path.join(work, "t.json")
    with open(design, "w") as f:
        json.dump(DESIGN, f)

    dxf = os.path.join(work, "t.dxf")
    r = run("dxf", design, dxf)
    check(r.returncode == 0, "dxf exit code: " + r.stderr)
    doc = ezdxf.readfile(dxf)
    auditor = doc.audit()
    check(not auditor.has_errors, f"audit errors: {[str(e) for e in auditor.errors]}")
    lines = doc.modelspace().query("LINE")
    arcs = doc.modelspace().query("ARC")
    check(len(lines) == 28, f"{len(lines)} lines")
    check(len(arcs) == 4, f"{len(arcs)} arcs")
    radii = sorted(a.dxf.radius for a in arcs)
    check(radii == [7, 7, 9, 9], f"arc radii {radii}")
    check(all(near(a.dxf.center.x, 0) and near(a.dxf.center.y, 0) for a in arcs),
          "the circles are centred on the coil axis")
    ends = [(round(e.x, 9), round(e.y, 9)) for l in lines for e in (l.dxf.start, l.dxf.end)]
    check((-25, 1) in ends and (-25, -1) in ends, "leg 1 ends 25 mm to the left, 2 mm wide")
    check((33.5, -9) in ends and (47.5, 9) in ends, "the side view's body 33.5..47.5 by ±9")
    check((47.5, 25) in ends and (33.5, -25) in ends, "the side view's legs reach ±25")
    a = math.radians(-60)
    tip = (25 * math.cos(a) - math.sin(a), 25 * math.sin(a) + math.cos(a))
    check(any(math.dist(tip, e) < 1e-9 for e in ends), "leg 2 wound to −60°")
    check(all(e.dxf.layer == "_0-0_" for e in [*lines, *arcs]), "every entity on layer _0-0_")

    for option, name in (("--shape", "shape.png"), ("--diagram", "diagram.png")):
        out = os.path.join(work, name)
        r = run("picture", design, option, out)
        check(r.returncode == 0 and open(out, "rb").read(8) == b"\x89PNG\r\n\x1a\n",
              f"picture {option}: {r.stderr}")
    r = run("picture", design, "--shape", os.path.join(work, "s.png"), "--state", "load1")
    check(r.returncode == 2 and "--state" in r.stderr, "--state refused: " + r.stderr)
    pdf = os.path.join(work, "sheet.pdf")
    r = run("sheet", design, pdf)
    check(r.returncode == 0 and open(pdf, "rb").read(5) == b"%PDF-", "sheet: " + r.stderr)

    # A coil no wider than its wire cannot be drawn: the file is an empty drawing, exit code 1.
    with open(design, "w") as f:
        json.dump({**DESIGN, "MeanDiameter": 2}, f)
    r = run("dxf", design, dxf)
    check(r.returncode == 1, f"undrawable: exit {r.returncode} {r.stderr}")
    empty = ezdxf.readfile(dxf)
    check(not empty.audit().has_errors and len(empty.modelspace()) == 0, "an empty drawing")

    with open(design, "w") as f:
        json.dump({**DESIGN, "Leg2": "long"}, f)
    for command in (["dxf", design, dxf], ["picture", design, "--shape", dxf + ".png"],
                    ["sheet", design, pdf]):
        r = run(*command)
        check(r.returncode == 2 and "Leg2" in r.stderr, f"{command[0]}: {r.stderr}")
finish()
