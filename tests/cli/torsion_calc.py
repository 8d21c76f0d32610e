"""coilspring-cli calc --json on torsion-spring designs, against the formulas written out again
here: a few hundred random designs over three materials (bending stress from the ratio, from an
own column, and from an own column with a gap and a missing end), every key to 1e-9 relative,
the check lines, the exit codes, --units si and the messages that name a wrong key."""
import json
import math
import os
import random
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from clitest import check, finish, runner  # noqa: E402

bin_dir, source_dir = sys.argv[1], sys.argv[2]
run = runner(bin_dir)
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


def interpolate(pairs, x):
    """The stress at x: the later matching segment wins; beyond the ends the nearest end."""
    result = None
    for (d0, s0), (d1, s1) in zip(pairs, pairs[1:]):
        if d0 <= x <= d1:
            result = s1 if d1 == d0 else s0 + (s1 - s0) / (d1 - d0) * (x - d0)
    if result is not None:
        return result, True
    return (pairs[0][1] if x < pairs[0][0] else pairs[-1][1]), False


def expected(design):
    e, ratio, rows = MATERIALS[design["MaterialNo"]]
    d = design["WireDiameter"]
    kind = design["DiameterKind"]
    entered = design[["InnerDiameter", "MeanDiameter", "OuterDiameter"][kind]]
    D = entered + [d, 0, -d][kind]
    out = dict(InnerDiameter=D - d, MeanDiameter=D, OuterDiameter=D + d)
    c = D / d
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
    out.update(SpringIndex=c, BendingFactor=kb, ActiveTurns=na, SpringRate=kt, Angle1=a1,
               Angle2=a2, Moment1=m1, Moment2=m2, Stress1=s1, Stress2=s2, AllowableStress=sa,
               MaxMoment=mmax, MaxAngle=mmax / kt, MeanDiameter2=d2, InnerDiameter2=d2 - d,
               BodyLength2=(design["TotalTurns"] + 1 + a2 / 360) * d, TensileStrength=sb,
               UpperStressRatio=s2 / sb)
    if arm > 0:
        out.update(Load1=m1 / arm, Load2=m2 / arm)
    errors = []
    if c < 4:
        errors.append("エラー：バネ指数が４以下")
    if c > 22:
        errors.append("エラー：バネ指数が２２以上")
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
    kind = rng.randrange(3)
    D = d * rng.uniform(3, 24)
    design = {"kind": "torsion", "MaterialNo": number, "WireDiameter": d, "DiameterKind": kind,
              ["InnerDiameter", "MeanDiameter", "OuterDiameter"][kind]: D + [-d, 0, d][kind],
              "TotalTurns": rng.uniform(1, 20), "Leg1": rng.uniform(0, 60),
              "Leg2": rng.uniform(0, 60), "InputMode": rng.randrange(2)}
    if rng.random() < 0.3:
        design["LoadArm"] = rng.uniform(5, 80)
    if rng.random() < 0.3:
        design["Rod"] = rng.uniform(0.3, 1.0) * D
    if design["InputMode"] == 1:
        design["Angle1"] = rng.uniform(0, 120)
        design["Angle2"] = rng.uniform(0, 240)
    else:
        design["Moment1"] = rng.uniform(0, 50) * d ** 3
        design["Moment2"] = rng.uniform(0, 100) * d ** 3
    return design


def close(actual, want):
    return actual is not None and abs(actual - want) <= 1e-9 * max(abs(want), 1e-300)


with tempfile.TemporaryDirectory() as tmp:
    table = os.path.join(tmp, "m.tsv")
    with open(table, "w", encoding="utf-8") as f:
        f.write(material_table())
    materials = os.path.join(tmp, "m.dst")
    check(run("materials", "import", table, materials).returncode == 0, "materials import")
    path = os.path.join(tmp, "t.json")

    def calc(design, *options):
        with open(path, "w", encoding="utf-8") as f:
            json.dump(design, f)
        return run("calc", path, "--materials", materials, *options)

    rng = random.Random(24)
    exit_codes = set()
    for n in range(300):
        design = random_design(rng)
        r = calc(design, "--json")
        want, lines, failed = expected(design)
        exit_codes.add(r.returncode)
        check(r.returncode == (1 if failed else 0), f"design {n}: exit {r.returncode} {r.stderr}")
        if r.returncode not in (0, 1):
            continue
        got = json.loads(r.stdout)
        check(got["kind"] == "torsion", f"design {n}: kind {got.get('kind')}")
        check(got["lines"] == lines, f"design {n}: lines {got['lines']}, expected {lines}")
        for key, value in want.items():
            check(close(got.get(key), value), f"design {n}: {key} = {got.get(key)}, want {value}")
        for key in ("Load1", "Load2"):
            check((key in got) == (key in want), f"design {n}: {key} present {key in got}")
        for key in ("LoadArm", "Rod"):
            check(got.get(key) == design.get(key), f"design {n}: {key} {got.get(key)}")
    check(exit_codes == {0, 1}, f"both sound and faulty designs were drawn: {exit_codes}")

    # The unit switch: moments, loads and stresses x 9.807, the rate x 9.8066.
    design = {"kind": "torsion", "MaterialNo": 0, "WireDiameter": 2.0, "DiameterKind": 1,
              "MeanDiameter": 16, "TotalTurns": 6, "Leg1": 25, "Leg2": 25, "InputMode": 1,
              "Angle1": 30, "Angle2": 60}
    gravity = json.loads(calc(design, "--json").stdout)
    si = json.loads(calc(design, "--json", "--units", "si").stdout)
    check(si["units"] == "si" and "units" not in gravity, "units member only when asked for")
    for key, factor in (("Moment2", 9.807), ("Load2", 9.807), ("Stress2", 9.807),
                        ("AllowableStress", 9.807), ("MaxMoment", 9.807), ("SpringRate", 9.8066),
                        ("Angle2", 1), ("MaxAngle", 1), ("UpperStressRatio", 1)):
        check(close(si[key], gravity[key] * factor), f"--units si {key} {si[key]}")
    text = calc(design)
    check(text.returncode == 0 and "SpringRate" in text.stdout and "Calculation Success!" in
          text.stdout, "calc prints a table: " + text.stdout + text.stderr)

    # Bad input: exit code 2 and a message naming the key.
    for change, key in (({"WireDiameter": 2.1}, "WireDiameter"), ({"MaterialNo": 1}, "MaterialNo"),
                        ({"DiameterKind": 3}, "DiameterKind"), ({"InputMode": 2}, "InputMode"),
                        ({"Leg1": "x"}, "Leg1"), ({"TotalTurns": None}, "TotalTurns"),
                        ({"Hook": 1}, "Hook")):
        bad = {**design, **change}
        if change.get("TotalTurns", 0) is None:
            del bad["TotalTurns"]
        r = calc(bad, "--json")
        check(r.returncode == 2 and key in r.stderr, f"{change}: exit {r.returncode} {r.stderr}")
    r = calc({k: v for k, v in design.items() if k != "Angle2"}, "--json")
    check(r.returncode == 2 and "Angle2" in r.stderr, "a missing angle is named: " + r.stderr)
    # A window's design file: --slot N reads entry N of its history.
    window_file = {**design, "history": [{**design, "TotalTurns": 7}, {**design, "TotalTurns": 8}]}
    for slot, turns in (("0", 6), ("1", 7), ("2", 8)):
        r = calc(window_file, "--json", "--slot", slot)
        check(r.returncode == 0 and json.loads(r.stdout)["TotalTurns"] == turns,
              f"--slot {slot}: {r.stdout} {r.stderr}")
    r = calc(window_file, "--json", "--slot", "3")
    check(r.returncode == 2 and "履歴 3" in r.stderr, "an empty history slot: " + r.stderr)

    # A compression design names its kind or none; any other kind is not read as one.
    compression = {"kind": "compression", "MaterialNo": 0, "WireRow": 3, "WireDiameter": 2.0}
    r = calc(compression, "--json")
    check(r.returncode in (0, 1) and json.loads(r.stdout)["WireDiameter"] == 2,
          "kind compression: " + r.stderr)
    r = calc({**compression, "kind": "coil"}, "--json")
    check(r.returncode == 2 and "'kind'" in r.stderr, "an unknown kind: " + r.stderr)

    r = calc(design, "--json", "--all")
    check(r.returncode == 2 and "--all" in r.stderr, "--all is refused: " + r.stderr)
# The help names every line the checks write and works the example through.
with open(os.path.join(source_dir, "help", "helphelp.htm"), encoding="utf-8") as f:
    help_text = f.read()
for phrase in ("ねじりコイルばね", "エラー:曲げ応力オーバー", "エラー:ねじれ角の順番が不適",
               "エラー:軸とコイル内径が干渉", "注意:上限応力係数が0.7を超えています（へたりに注意）",
               "3667", "0.9047", "112.9", '"kind": "torsion"'):
    check(phrase in help_text, f"the help does not mention {phrase}")
finish()
