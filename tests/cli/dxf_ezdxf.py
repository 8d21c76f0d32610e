"""coilspring-cli dxf, read back with ezdxf: every file must load and pass the audit, with the
entity counts, layer and coordinates worked out by hand from the side view's construction.

Run as: dxf_ezdxf.py <build/bin dir> <source dir>
"""
import math
import os
import subprocess
import sys
import tempfile

import ezdxf

BIN = sys.argv[1]
CLI = os.path.join(BIN, "coilspring-cli")

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from clitest import RECORDS, check, failures, record, write_design  # noqa: E402


def design_file(path, slots):
    """slots: {slot number: {field: value}}; everything else zero."""
    write_design(path, [record(**slots.get(n, {})) for n in range(RECORDS)])


def spring(end_kind, d=2.0, D=20.0, total_turns=8.0, free_length=60.0):
    return {"InUse": 1, "WireDiameter": d, "MeanDiameter": D, "TotalTurns": total_turns,
            "EndKind": end_kind, "FreeLength": free_length,
            # The working lengths must not leak into the file: it always shows the free length.
            "Length1": free_length * 0.7, "Length2": free_length * 0.5}


def run_dxf(args):
    return subprocess.run([CLI, "dxf"] + args, capture_output=True)


def export(work, name, slots, slot=None, code=0):
    abd = os.path.join(work, name + ".abd")
    dxf = os.path.join(work, name + ".dxf")
    design_file(abd, slots)
    args = [abd, dxf] + (["--slot", str(slot)] if slot is not None else [])
    result = run_dxf(args)
    check(result.returncode == code, f"{name}: exit code {result.returncode} {result.stderr!r}")
    return dxf


def read_checked(name, path):
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    check(not auditor.has_errors, f"{name}: audit errors {[str(e.message) for e in auditor.errors]}")
    check(doc.dxfversion == "AC1009", f"{name}: version {doc.dxfversion}")
    entities = list(doc.modelspace())
    for e in entities:
        check(e.dxf.layer == "_0-0_", f"{name}: layer {e.dxf.layer}")
        check(e.dxf.linetype == "CONTINUOUS", f"{name}: line type {e.dxf.linetype}")
        check(e.dxf.color == 7, f"{name}: colour {e.dxf.color}")
    return doc, entities


def counts(entities):
    lines = sum(1 for e in entities if e.dxftype() == "LINE")
    arcs = sum(1 for e in entities if e.dxftype() == "ARC")
    return lines, arcs


def near(a, b, tol=1e-9):
    return abs(a - b) <= tol


def has_line(entities, start, end, tol=1e-9):
    for e in entities:
        if e.dxftype() != "LINE":
            continue
        s, t = e.dxf.start, e.dxf.end
        if all(near(s[i], start[i], tol) and near(t[i], end[i], tol) for i in range(2)):
            return True
    return False


def main():
    with tempfile.TemporaryDirectory() as work:
        d, D, L, n = 2.0, 20.0, 60.0, 6
        r = d / 2

        # Mode 0 (end kind 3), the worked example.
        path = export(work, "open", {0: spring(3)})
        raw = open(path, "rb").read()
        check(raw.endswith(b"  0\r\nEOF\r\n"), "open: closing lines")
        check(raw.count(b"\n") == raw.count(b"\r\n"), "open: every line ends in CR LF")
        check(b"  3\r\n\x8e\xc0\x90\xfc\r\n" in raw, "open: Shift-JIS line type name")
        check(raw.count(b"\r\n") == 194 + 36 * 16 + 16 * 18 + 4, "open: line count")
        _, ents = read_checked("open", path)
        check(counts(ents) == (36, 16), f"open: counts {counts(ents)}")
        Lw = L - 3 * d
        p = Lw / (n + 0.5)
        th = math.atan(p / 2 / D)
        c, s = r * math.cos(th), r * math.sin(th)
        first = ents[0]
        check(first.dxftype() == "LINE", "open: first entity is a line")
        check(near(first.dxf.start[0], -c) and near(first.dxf.start[1], -s), "open: first start")
        check(near(first.dxf.end[0], p / 2 - c) and near(first.dxf.end[1], -D - s),
              "open: first end")
        cap = ents[2]
        check(cap.dxftype() == "ARC" and near(cap.dxf.radius, r), "open: upper cap")
        check(near(cap.dxf.start_angle, math.degrees(th)), "open: cap start angle")
        check(near(cap.dxf.end_angle, 180 + math.degrees(th)), "open: cap end angle")

        # Mode 1 (end kinds 4, 5, 6): ground faces at x = -r and Lw + r.
        for kind in (4, 5, 6):
            path = export(work, f"ground{kind}", {0: spring(kind)})
            _, ents = read_checked(f"ground{kind}", path)
            check(counts(ents) == (32, 16), f"ground{kind}: counts {counts(ents)}")
            check(has_line(ents, (-r, 0), (-r, -D - r)), f"ground{kind}: left face")
            check(has_line(ents, (L + r, -D), (L + r, r)), f"ground{kind}: right face")

        # Mode 2 (end kind 0), both end turns upright.
        path = export(work, "closed", {0: spring(0)})
        _, ents = read_checked("closed", path)
        check(counts(ents) == (33, 17), f"closed: counts {counts(ents)}")
        check(has_line(ents, (-1, 0), (-1, -20)), "closed: left outer edge")
        x = Lw + p / 2
        check(has_line(ents, (x + r, 0), (x + r, -D)), "closed: right edge +r")
        check(has_line(ents, (x - r, 0), (x - r, -D)), "closed: right edge -r")

        # Mode 2 with ten body turns: both end turns slanted.
        path = export(work, "closed10", {0: spring(0, total_turns=12.0)})
        _, ents = read_checked("closed10", path)
        check(counts(ents) == (53, 25), f"closed10: counts {counts(ents)}")

        # Mode 3 (end kinds 1, 2): ground faces at x = -3d/4 and Lw + 3d/4.
        for kind in (1, 2):
            path = export(work, f"closedground{kind}", {0: spring(kind)})
            _, ents = read_checked(f"closedground{kind}", path)
            check(counts(ents) == (32, 18), f"closedground{kind}: counts {counts(ents)}")
            k = math.sqrt(3) / 2
            Lw3 = L - 1.5 * d
            check(has_line(ents, (-0.75 * d, k * r), (-0.75 * d, -D - k * r)),
                  f"closedground{kind}: left face")
            check(has_line(ents, (Lw3 + 0.75 * d, -D - k * r), (Lw3 + 0.75 * d, k * r)),
                  f"closedground{kind}: right face")

        # Fewer than 1.5 total turns: the ends only.
        path = export(work, "noturns", {0: spring(3, total_turns=1.0)})
        _, ents = read_checked("noturns", path)
        check(counts(ents) == (10, 2), f"noturns: counts {counts(ents)}")

        # --slot picks a history slot, stored as it is.
        path = export(work, "slot", {0: spring(3), 7: spring(1, d=3.0, total_turns=5.0)}, slot=7)
        _, ents = read_checked("slot", path)
        # n = 3: four front half-turns (8 edges, 6 back lines, 8 caps) and closed ground ends.
        check(counts(ents) == (14 + 6, 8 + 4), f"slot: counts {counts(ents)}")

        # Degenerate designs: a readable drawing with no entities, and exit code 1 to say so.
        degenerate = {
            "empty": {},
            "tooshort": spring(3, free_length=5.0),
            "nowire": spring(3, d=0.0),
            "nocoil": spring(0, D=-20.0),
            "wirefillscoil": spring(4, d=20.0),
            "hugeturns": spring(3, total_turns=1e12),
        }
        for name, fields in degenerate.items():
            path = export(work, name, {0: fields}, code=1)
            raw = open(path, "rb").read()
            check(b"NAN" not in raw and b"INF" not in raw, f"{name}: non-finite number")
            check(raw.count(b"\r\n") == 198, f"{name}: header and closing only")
            _, ents = read_checked(name, path)
            check(len(ents) == 0, f"{name}: {len(ents)} entities")

        # Records no saved design holds, and slots without a design: exit code 2, no file.
        refused = {
            "nan": ({0: spring(0, free_length=float("nan"))}, None, "FreeLength"),
            "inf": ({0: spring(1, D=float("inf"))}, None, "MeanDiameter"),
            "endkind": ({0: spring(9)}, None, "EndKind"),
            "emptyslot": ({0: spring(0), 5: dict(spring(0), InUse=0)}, 5, "履歴 5 は空"),
        }
        for name, (slots, slot, message) in refused.items():
            abd, dxf = os.path.join(work, name + ".abd"), os.path.join(work, name + ".dxf")
            design_file(abd, slots)
            result = run_dxf([abd, dxf] + (["--slot", str(slot)] if slot else []))
            stderr = result.stderr.decode("utf-8", "replace")
            check(result.returncode == 2 and message in stderr, f"{name}: {result.returncode} {stderr}")
            check(not os.path.exists(dxf), f"{name}: no file")

        # Bad usage and unreadable input fail with exit code 2 and leave no file.
        abd = os.path.join(work, "open.abd")
        check(run_dxf([abd]).returncode == 2, "missing output path")
        check(run_dxf([abd, "x.dxf", "--json"]).returncode == 2, "unknown option")
        check(run_dxf([abd, "x.dxf", "--slot", "31"]).returncode == 2, "slot out of range")
        missing = os.path.join(work, "missing.abd")
        out = os.path.join(work, "never.dxf")
        result = run_dxf([missing, out])
        check(result.returncode == 2, "missing design file")
        check("開けません" in result.stderr.decode("utf-8", "replace"), "cannot-open message")
        check(not os.path.exists(out), "no output for a missing design file")
        result = run_dxf([abd, os.path.join(work, "no", "such", "dir.dxf")])
        check(result.returncode == 2 and "作成できません" in result.stderr.decode("utf-8", "replace"),
              "cannot-create message")

    if failures:
        print(f"{len(failures)} check(s) failed")
        return 1
    print("dxf_ezdxf: all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
