"""coilspring-cli calc --json on torsion-spring designs, against the formulas written out again
here: a few hundred random designs over three materials (bending stress from the ratio, from an
own column, and from an own column with a gap and a missing end), every key to 1e-9 relative,
the check lines, the exit codes and --units si (kind_files.py's table has the refusals); then dxf,
picture and sheet on the worked example, the DXF read back with ezdxf (audit clean, entities
and coordinates worked out by hand from the construction).

The example: d 2, D 16 (coil 14..18), 6 turns, legs of 25 mm, θ1 30°, θ2 60°.
  end view: the coil's outer and inner circles (radius 9 and 7, two half arcs each), leg 1 to
  the left and leg 2 to the right (three lines each: both edges 1 mm off the axis of the leg and
  the end), leg 2 again at −30° and −60°;
  the coil at θ2 (D2 = 16·6.3315728 / (6.3315728 + 60/360) = 15.589632), radii (D2 ± 2)/2;
  side view: x0 = 25 + 9/2 + 2·2 = 33.5, six bands of pitch 2 (two edges from y 8 to −8, two
  round ends of radius 1: from (33.5, 8) to (46.5, −8)), leg 1 down to −25 from the first turn
  (x 33.5..35.5), leg 2 up to 25 from the last (x 45.5..47.5), three lines each; three centre
  lines.
  So 4·3 (end view legs) + 12 + 2·3 + 3 = 33 lines and 4 + 4 + 12 = 20 arcs.
"""
import json
import math
import os
import random
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from clitest import check, finish  # noqa: E402
from springcli import (Work, check_units, coil_diameters, index_lines,  # noqa: E402
                       interpolate, mean_diameter, random_coil, random_runs)

PI = 3.141592654

# record number: E, bending ratio, rows of (d, tensile strength, allowable bending)
MATERIALS = {
    0: (206000, 70, [(1.0, 2260, 0), (1.2, 2210, 0), (1.6, 2110, 0), (2.0, 2010, 0),
                     (2.6, 1960, 0), (3.2, 1860, 0)]),
    3: (186000, 50, [(0.8, 1650, 1200), (1.0, 1600, 1150), (1.5, 1550, 1100), (2.0, 1500, 1050)]),
    7: (196000, 60, [(0.5, 1900, 1400), (0.8, 1850, 0), (1.2, 1800, 1300), (1.6, 1750, 0)]),
}


def material_table():
    lines = []
    for number, (e, ratio, rows) in MATERIALS.items():
        lines += [f"material\t{number}", f"kind\t{number % 5}\t試験材{number}",
                  f"symbol\tT-{number}", "shear-modulus\t78500", f"young-modulus\t{e}",
                  "torsion-ratio\t45", f"bending-ratio\t{ratio}"]
        lines += [f"{d}\t{ts}\t0\t{ab}" for d, ts, ab in rows]
    return "\n".join(lines) + "\n"


def expected(design):
    e, ratio, rows = MATERIALS[design["MaterialNo"]]
    d, D = design["WireDiameter"], mean_diameter(design)
    out, c = coil_diameters(D, d), D / d
    kb = (4 * c * c - c - 1) / (4 * c * (c - 1))
    na = design["TotalTurns"] + (design["Leg1"] + design["Leg2"]) / (3 * PI * D)
    kt = e * d ** 4 / (3667 * D * na) / 9.8066
    if design["InputMode"] == 1:
        a1, a2 = design["Angle1"], design["Angle2"]
        m1, m2 = kt * a1, kt * a2
    else:
        m1, m2 = design["Moment1"], design["Moment2"]
        a1, a2 = m1 / kt, m2 / kt
    arm = design.get("LoadArm", design["Leg1"])
    if rows[0][2] != 0:
        pairs = [(rd, ab) for rd, _, ab in rows if ab != 0]
    else:
        pairs = [(rd, ratio * ts / 100) for rd, ts, _ in rows]
    s, covered = interpolate(pairs, d)
    sa = s / 9.807
    s1 = kb * 32 * m1 / (PI * d ** 3)
    s2 = kb * 32 * m2 / (PI * d ** 3)
    mmax = sa * PI * d ** 3 / (32 * kb)
    d2 = D * na / (na + a2 / 360)
    sb = interpolate([(rd, ts) for rd, ts, _ in rows], d)[0] / 9.807
    out.update(BendingFactor=kb, ActiveTurns=na, SpringRate=kt, Angle1=a1,
               Angle2=a2, Moment1=m1, Moment2=m2, Stress1=s1, Stress2=s2, AllowableStress=sa,
               MaxMoment=mmax, MaxAngle=mmax / kt, MeanDiameter2=d2, InnerDiameter2=d2 - d,
               BodyLength2=(design["TotalTurns"] + 1 + a2 / 360) * d, TensileStrength=sb,
               UpperStressRatio=s2 / sb)
    if arm > 0:
        out.update(Load1=m1 / arm, Load2=m2 / arm)
    else:
        out.update(Load1=None, Load2=None)
    out.update(LoadArm=design.get("LoadArm"), Rod=design.get("Rod"), kind="torsion")
    errors = index_lines(c)
    if sa + 0.0005 < s2:
        errors.append("エラー:曲げ応力オーバー")
    if a2 < a1:
        errors.append("エラー:ねじれ角の順番が不適")
    if "Rod" in design and d2 - d < design["Rod"]:
        errors.append("エラー:軸とコイル内径が干渉")
    if not covered:
        errors.append("エラー：線径が許容応力表の範囲外")
    lines = errors or ["Calculation Success!"]
    if s2 / sb > 0.7:
        lines.append("注意:上限応力係数が0.7を超えています（へたりに注意）")
    return out, lines, bool(errors)


def random_design(rng):
    number = rng.choice(list(MATERIALS))
    d = rng.choice(MATERIALS[number][2])[0]
    design = {"kind": "torsion", "MaterialNo": number, **random_coil(rng, d),
              "TotalTurns": rng.uniform(1, 20), "Leg1": rng.uniform(0, 60),
              "Leg2": rng.uniform(0, 60), "InputMode": rng.randrange(2)}
    if rng.random() < 0.3:
        design["LoadArm"] = rng.uniform(5, 80)
    if rng.random() < 0.3:
        design["Rod"] = rng.uniform(0.3, 1.0) * mean_diameter(design)
    if design["InputMode"] == 1:
        design["Angle1"] = rng.uniform(0, 120)
        design["Angle2"] = rng.uniform(0, 240)
    else:
        design["Moment1"] = rng.uniform(0, 50) * d ** 3
        design["Moment2"] = rng.uniform(0, 100) * d ** 3
    return design


work = Work(sys.argv[1])
materials = ["--materials", work.path("m.dst")]
check(work.run("materials", "import", work.write("m.tsv", material_table()),
               materials[1]).returncode == 0, "materials import")


def calc(design, *options):
    return work.calc(design, *materials, *options)


codes = random_runs(work, 300, random.Random(24), random_design, expected, "", *materials)[1]
check(codes == {0, 1}, f"both sound and faulty designs were drawn: {codes}")

# The unit switch: moments, loads and stresses x 9.807, the rate x 9.8066.
design = {"kind": "torsion", "MaterialNo": 0, "WireDiameter": 2.0, "DiameterKind": 1,
          "MeanDiameter": 16, "TotalTurns": 6, "Leg1": 25, "Leg2": 25, "InputMode": 1,
          "Angle1": 30, "Angle2": 60}
check_units(json.loads(calc(design, "--json").stdout),
            json.loads(calc(design, "--json", "--units", "si").stdout),
            {"Moment2": 9.807, "Load2": 9.807, "Stress2": 9.807, "AllowableStress": 9.807,
             "MaxMoment": 9.807, "SpringRate": 9.8066, "Angle2": 1, "MaxAngle": 1,
             "UpperStressRatio": 1})
text = calc(design)
check(text.returncode == 0 and "SpringRate" in text.stdout and "Calculation Success!" in
      text.stdout, "calc prints a table: " + text.stdout + text.stderr)

r = calc(design, "--json", "--all")
check(r.returncode == 2 and "--all" in r.stderr, f"--all refused: {r.stderr}")
# A compression design names its kind or none.
r = calc({"kind": "compression", "MaterialNo": 0, "WireRow": 3, "WireDiameter": 2.0}, "--json")
check(r.returncode in (0, 1) and json.loads(r.stdout)["WireDiameter"] == 2,
      "kind compression: " + r.stderr)

# The drawing file of the example (see the top).
doc = work.read_dxf(design, "t.dxf")
lines, arcs = doc.modelspace().query("LINE"), doc.modelspace().query("ARC")
check((len(lines), len(arcs)) == (33, 20), f"{len(lines)} lines, {len(arcs)} arcs")
circles = [a for a in arcs if a.dxf.radius > 1]
check(sorted(round(a.dxf.radius, 6) for a in circles) == [6.794816] * 2 + [7, 7] + [8.794816] * 2
      + [9, 9], "arc radii")
check(all(math.hypot(a.dxf.center.x, a.dxf.center.y) < 1e-9 for a in circles),
      "the circles are centred on the coil axis")
ends = [(round(e.x, 9), round(e.y, 9)) for line in lines for e in (line.dxf.start, line.dxf.end)]
check({(-25, 1), (-25, -1)} <= set(ends), "leg 1 ends 25 mm to the left, 2 mm wide")
check({(33.5, 8), (46.5, -8)} <= set(ends), "the side view's bands 33.5..46.5 by ±8")
check({(47.5, 25), (33.5, -25)} <= set(ends), "the side view's legs reach ±25")
a = math.radians(-60)
tip = (25 * math.cos(a) - math.sin(a), 25 * math.sin(a) + math.cos(a))
check(any(math.dist(tip, e) < 1e-9 for e in ends), "leg 2 wound to −60°")
check({e.dxf.layer for e in [*lines, *arcs]} ==
      {"SPRING_FREE", "SPRING_LOAD1", "SPRING_LOAD2", "CENTER"}, "the parts on their layers")

path = work.write("t.json", design)
for option in ("--shape", "--diagram"):
    r = work.run("picture", path, option, work.path("p.png"))
    with open(work.path("p.png"), "rb") as f:
        check(r.returncode == 0 and f.read(8) == b"\x89PNG\r\n\x1a\n", f"picture {option}")
r = work.run("picture", path, "--shape", work.path("s.png"), "--state", "load1")
check(r.returncode == 2 and "--state" in r.stderr, "--state refused: " + r.stderr)
r = work.run("sheet", path, work.path("t.pdf"))
with open(work.path("t.pdf"), "rb") as f:
    check(r.returncode == 0 and f.read(5) == b"%PDF-", "sheet: " + r.stderr)
for command, *after in (("dxf", work.path("x.dxf")), ("sheet", work.path("x.pdf")),
                        ("picture", "--shape", work.path("x.png"))):
    work.check_refused({**design, "Leg2": "long"}, "Leg2", (command,), *after)

# The help names every line the checks write and works the example through.
with open(os.path.join(sys.argv[2], "help", "helphelp.htm"), encoding="utf-8") as f:
    help_text = f.read()
for phrase in ("ねじりコイルばね", "エラー:曲げ応力オーバー", "エラー:ねじれ角の順番が不適",
               "エラー:軸とコイル内径が干渉", "注意:上限応力係数が0.7を超えています（へたりに注意）",
               "3667", "0.9047", "112.9", '"kind": "torsion"'):
    check(phrase in help_text, f"the help does not mention {phrase}")
finish()
