"""coilspring-cli calc --json on extension springs, against the formulas written out again here
from the design rules alone: a few hundred random designs over the shipped materials and random
coefficients, every key to 1e-9 relative, the check lines and the exit code.

Run as: extension_independent.py <build/bin dir> <source dir>
"""
import json
import math
import os
import random
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from clitest import check, finish, runner  # noqa: E402

BIN, SOURCE = sys.argv[1], sys.argv[2]
run = runner(BIN)
PI = 3.141592654


def materials_of(path):
    """{number: dict(kind, symbol, G, ratio, rows=[(d, tensile, torsion)])} of a material table."""
    found, current = {}, None
    with open(path, encoding="utf-8") as table:
        for line in table:
            if line.startswith("#") or not line.strip():
                continue
            cells = line.rstrip("\n").split("\t")
            if cells[0] == "material":
                current = found.setdefault(int(cells[1]), {"rows": []})
            elif cells[0] == "kind":
                current["kind"] = cells[2]
            elif cells[0] == "symbol":
                current["symbol"] = cells[1]
            elif cells[0] == "shear-modulus":
                current["G"] = float(cells[1])
            elif cells[0] == "torsion-ratio":
                current["ratio"] = float(cells[1])
            elif cells[0][0].isdigit():
                current["rows"].append(tuple(float(c) for c in cells[:3]))
    return found


def allowable_table(m):
    rows = m["rows"]
    if rows[0][2] != 0:
        return [(d, t) for d, _, t in rows if t != 0]
    return [(d, m["ratio"] * s / 100) for d, s, _ in rows]


def interpolate(table, x):
    result = None
    for (d0, s0), (d1, s1) in zip(table, table[1:]):
        if d0 <= x <= d1:
            result = s1 if d1 == d0 else s0 + (s1 - s0) / (d1 - d0) * (x - d0)
    return result


def band_factor(m, annealed, s):
    stainless = "ステンレス" in m["kind"] or m["symbol"].upper().startswith("SUS")
    if stainless:
        f = 1 - s["StainlessTensionReduction"] / 100
        return f * (1 - s["AnnealedStainlessTensionReduction"] / 100) if annealed else f
    if not annealed:
        return 1
    if "ピアノ" in m["kind"]:
        return 1 - s["PianoWireTensionReduction"] / 100
    if "硬鋼" in m["kind"]:
        return 1 - s["HardDrawnTensionReduction"] / 100
    return 1


def life_class(x, y):
    if not (math.isfinite(x) and math.isfinite(y)) or y > 0.45:
        return 8
    for i, t in enumerate([0.3, 0.328, 0.347, 0.363, 0.377, 0.391, 0.411, 0.45]):
        if y <= t + (0.67 - t) / 0.67 * x:
            return i
    return 8


def expected(design, m, s):
    r = dict(design)
    d = r["WireDiameter"]
    entered = [r["InnerDiameter"], r["MeanDiameter"], r["OuterDiameter"]][r["DiameterKind"]]
    D = entered + (1 - r["DiameterKind"]) * d
    r.update(InnerDiameter=D - d, MeanDiameter=D, OuterDiameter=D + d)
    c = D / d
    kappa = (4 * c - 1) / (4 * c - 4) + 0.615 / c
    Na = r["TotalTurns"]
    k = m["G"] * d ** 4 / (8 * Na * D ** 3) / 9.8066
    Pi, L0 = r["InitialTension"], r["FreeLength"]
    if r["InputMode"] == 1:
        r["Load1"] = Pi + k * (r["Length1"] - L0)
        r["Load2"] = Pi + k * (r["Length2"] - L0)
    else:
        r["Length1"] = L0 + (r["Load1"] - Pi) / k
        r["Length2"] = L0 + (r["Load2"] - Pi) / k
    stress = lambda factor, P: factor * 8 * D * P / (PI * d ** 3)  # noqa: E731
    middle = 231 * math.exp(-0.105 * c)
    half = 6.9 * (4 - (c - 3) / 6.5)
    f = band_factor(m, r["Annealed"], s) / 9.807
    tau_a = (interpolate(allowable_table(m), d) * s["CompressionStressRatio"] / 100
             * s["ExtensionStressRatio"] / 100 / 9.807)
    p_max = PI * tau_a * d ** 3 / (8 * D * kappa)
    row = [x[0] for x in m["rows"]].index(d)
    sigma_b = m["rows"][row][1]
    r.update(SpringIndex=c, WahlFactor=kappa, ActiveTurns=Na, SpringRate=k,
             InitialStress=stress(1, Pi), InitialStressMin=(middle - half) * f,
             InitialStressMax=(middle + half) * f, Stress1=stress(kappa, r["Load1"]),
             Stress2=stress(kappa, r["Load2"]), AllowableStress=tau_a, MaxLoad=p_max,
             MaxLength=L0 + (p_max - Pi) / k,
             HookStress=stress(s["HookStressFactor"], r["Load2"]))
    r["LifeClass"] = life_class(r["Stress1"] * 9.8 / sigma_b, r["Stress2"] * 9.8 / sigma_b)
    r["LifeClassText"] = ["1000万", "100万", "10万", "6万", "4万", "3万", "2万", "1万",
                          "1万以下"][r["LifeClass"]]
    lines = []
    if c < 4:
        lines.append("エラー：バネ指数が４以下")
    if c > 22:
        lines.append("エラー：バネ指数が２２以上")
    if Na < 3:
        lines.append("エラー:有効巻き数が３以下です")
    if tau_a + 0.0005 < r["Stress2"]:
        lines.append("エラー:ねじり応力オーバー")
    if tau_a + 0.0005 < r["HookStress"]:
        lines.append("エラー:フック応力オーバー")
    if r["InputMode"] == 1 and not (L0 <= r["Length1"] <= r["Length2"]):
        lines.append("エラー:引張長さの順番が不適（L0≦L1≦L2）")
    if r["InputMode"] == 0 and not (Pi <= r["Load1"] <= r["Load2"]):
        lines.append("エラー:荷重の順番が不適（Pi≦P1≦P2）")
    failed = bool(lines)
    if not (r["InitialStressMin"] <= r["InitialStress"] <= r["InitialStressMax"]):
        lines.append("警告:初応力が製作できる範囲の外")
    return r, lines or ["Calculation Success!"], failed


def close(a, b):
    if isinstance(b, (bool, str)) or isinstance(a, (bool, str)):
        return a == b
    return abs(a - b) <= 1e-9 * max(abs(a), abs(b)) or abs(a - b) < 1e-300


def random_settings():
    """Six digits after the point: the settings table takes at most 15 significant digits."""
    return {k: round(v, 6) for k, v in {"CompressionStressRatio": random.uniform(50, 100),
            "ExtensionStressRatio": random.uniform(50, 100),
            "HookStressFactor": random.uniform(1, 3),
            "StainlessTensionReduction": random.uniform(0, 40),
            "PianoWireTensionReduction": random.uniform(0, 40),
            "HardDrawnTensionReduction": random.uniform(0, 40),
            "AnnealedStainlessTensionReduction": random.uniform(0, 40)}.items()}


def random_design(number, m):
    d = random.choice(m["rows"])[0]
    D = d * random.uniform(3, 24)
    kind = random.randrange(3)
    Pi = random.uniform(0, 2) * d * d
    L0 = random.uniform(5, 80)
    design = {"kind": "extension", "MaterialNo": number, "WireDiameter": d, "DiameterKind": kind,
              "InnerDiameter": D - d, "MeanDiameter": D, "OuterDiameter": D + d,
              "TotalTurns": random.choice([random.uniform(2, 40), float(random.randrange(2, 40))]),
              "HookKind": random.randrange(4), "Annealed": random.random() < 0.5,
              "InitialTension": Pi, "FreeLength": L0, "InputMode": random.randrange(2),
              "Length1": L0 + random.uniform(-2, 20), "Length2": L0 + random.uniform(0, 40),
              "Load1": Pi + random.uniform(-0.5, 5), "Load2": Pi + random.uniform(0, 10)}
    # Another kind's box may hold anything: only the entered diameter counts.
    for i, key in enumerate(["InnerDiameter", "MeanDiameter", "OuterDiameter"]):
        if i != kind:
            design[key] = random.uniform(1, 100)
    return design


def main():
    random.seed(20261207)
    seen = set()
    materials = materials_of(os.path.join(SOURCE, "data", "materials.tsv"))
    with tempfile.TemporaryDirectory() as work:
        for round_number in range(4):
            s = random_settings()
            table = os.path.join(work, "s.tsv")
            with open(table, "w") as f:
                f.writelines(f"{k}\t{v!r}\n" for k, v in s.items())
            settings = os.path.join(work, f"s{round_number}.dat")
            made = run("settings", "import", table, settings)
            check(made.returncode == 0, f"settings import: {made.stderr}")
            for n in range(80):
                number = random.choice(sorted(materials))
                design = random_design(number, materials[number])
                path = os.path.join(work, "e.json")
                with open(path, "w") as f:
                    json.dump(design, f)
                done = run("calc", path, "--json", "--settings", settings)
                if not done.stdout:
                    check(False, f"no output: {done.stderr} {json.dumps(design)}")
                    continue
                got = json.loads(done.stdout)
                want, lines, failed = expected(design, materials[number], s)
                where = f"round {round_number} design {n} {json.dumps(design)}"
                for key, value in want.items():
                    if key == "kind":
                        continue
                    check(key in got and close(got[key], value),
                          f"{where}: {key} {got.get(key)} != {value}")
                seen.update(lines)
                check(got["lines"] == lines, f"{where}: lines {got['lines']} != {lines}")
                check(done.returncode == (1 if failed else 0),
                      f"{where}: exit {done.returncode}, stderr {done.stderr}")
    # The random designs must reach every line, the success line included.
    for line in ["Calculation Success!", "エラー：バネ指数が４以下", "エラー：バネ指数が２２以上",
                 "エラー:有効巻き数が３以下です", "エラー:ねじり応力オーバー",
                 "エラー:フック応力オーバー", "エラー:引張長さの順番が不適（L0≦L1≦L2）",
                 "エラー:荷重の順番が不適（Pi≦P1≦P2）", "警告:初応力が製作できる範囲の外"]:
        check(line in seen, f"no random design gave '{line}'")
    finish()


main()
