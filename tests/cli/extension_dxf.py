"""coilspring-cli dxf on extension-spring designs, read back with ezdxf: every file loads and
passes the audit, with the entity counts and the first body band's and hooks' coordinates worked
out by hand from the side view's construction.

Run as: extension_dxf.py <build/bin dir> <source dir>
"""
import json
import os
import subprocess
import sys
import tempfile

import ezdxf

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from clitest import check, finish, runner  # noqa: E402

BIN = sys.argv[1]
run = runner(BIN)

# d = 1, D = 8, Nt = 10: the closed body is (10 + 1)·1 = 11 mm long; with L0 = 25 each hook is
# (25 − 11)/2 = 7 mm high (the inner diameter, the standard round hook). Ten bands of pitch
# (11 − 1)/10 = 1: the first band's left edge runs from (0, 0) to (0.5, −8).
EXAMPLE = {"kind": "extension", "MaterialNo": 0, "WireDiameter": 1, "DiameterKind": 1,
           "MeanDiameter": 8, "TotalTurns": 10, "HookKind": 0, "Annealed": True,
           "InitialTension": 0.4, "FreeLength": 25, "InputMode": 1, "Length1": 30, "Length2": 35}
# Entities per hook: a full loop is two circles of two half arcs, a half-round hook two half
# arcs, a U hook two half arcs and four legs.
HOOK_ENTITIES = {0: 4, 1: 2, 2: 4, 3: 6}


def main():
    with tempfile.TemporaryDirectory() as work:
        for hook, per_hook in HOOK_ENTITIES.items():
            design = os.path.join(work, f"e{hook}.json")
            with open(design, "w") as f:
                json.dump(dict(EXAMPLE, HookKind=hook), f)
            out = os.path.join(work, f"e{hook}.dxf")
            done = run("dxf", design, out)
            check(done.returncode == 0 and done.stderr == "", f"hook {hook}: {done.stderr}")
            doc = ezdxf.readfile(out)
            auditor = doc.audit()
            check(not auditor.has_errors and not auditor.has_fixes, f"hook {hook}: audit")
            entities = list(doc.modelspace())
            check(len(entities) == 4 * 10 + 2 * per_hook,
                  f"hook {hook}: {len(entities)} entities")
            first = entities[0]
            check(first.dxftype() == "LINE" and
                  (first.dxf.start.x, first.dxf.start.y) == (0, 0) and
                  abs(first.dxf.end.x - 0.5) < 1e-12 and first.dxf.end.y == -8,
                  f"hook {hook}: first band edge {first.dxf.start} {first.dxf.end}")
            arcs = [e for e in entities[40:] if e.dxftype() == "ARC"]
            if hook == 0:
                # The loop's inner circle spans the hook height: centre (−3.5, −4), radius 3.5;
                # the right one mirrored about the body's end at x = 11: centre (14.5, −4).
                centres = sorted({(round(a.dxf.center.x, 9), round(a.dxf.center.y, 9),
                                   round(a.dxf.radius, 9)) for a in arcs})
                check(centres == [(-3.5, -4, 3.5), (-3.5, -4, 4.5), (14.5, -4, 3.5),
                                  (14.5, -4, 4.5)], f"round hook arcs {centres}")
        # A spring that cannot be drawn (free length shorter than the closed body) still gets
        # its empty file, and exit code 1.
        design = os.path.join(work, "short.json")
        with open(design, "w") as f:
            json.dump(dict(EXAMPLE, FreeLength=10, Length1=12, Length2=14), f)
        out = os.path.join(work, "short.dxf")
        done = run("dxf", design, out)
        check(done.returncode == 1 and os.path.exists(out), f"short: {done.returncode}")
        check(len(list(ezdxf.readfile(out).modelspace())) == 0, "short: no entities")
    finish()


main()
