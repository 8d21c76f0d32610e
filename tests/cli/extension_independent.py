"""coilspring-cli calc --json on extension springs, against the formulas written out again here
from the design rules alone: a few hundred random designs over the shipped materials and random
coefficients, every key to 1e-9 relative, the check lines and the exit code.

Run as: extension_independent.py <build/bin dir> <source dir>
"""
import math
import os
import random
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from clitest import check, finish  # noqa: E402
from springcli import (INDEX_HIGH, INDEX_LOW, Work, coil_diameters, index_lines,  # noqa: E402
                       interpolate, mean_diameter, random_coil, random_runs)

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
    d, D = design["WireDiameter"], mean_diameter(design)
    r = dict(design, **coil_diameters(D, d))
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
    tau_a = (interpolate(allowable_table(m), d)[0] * s["CompressionStressRatio"] / 100
             * s["ExtensionStressRatio"] / 100 / 9.807)
    p_max = PI * tau_a * d ** 3 / (8 * D * kappa)
    row = [x[0] for x in m["rows"]].index(d)
    sigma_b = m["rows"][row][1]
    r.update(WahlFactor=kappa, ActiveTurns=Na, SpringRate=k,
             InitialStress=stress(1, Pi), InitialStressMin=(middle - half) * f,
             InitialStressMax=(middle + half) * f, Stress1=stress(kappa, r["Load1"]),
             Stress2=stress(kappa, r["Load2"]), AllowableStress=tau_a, MaxLoad=p_max,
             MaxLength=L0 + (p_max - Pi) / k,
             HookStress=stress(s["HookStressFactor"], r["Load2"]))
    r["LifeClass"] = life_class(r["Stress1"] * 9.8 / sigma_b, r["Stress2"] * 9.8 / sigma_b)
    r["LifeClassText"] = ["1000万", "100万", "10万", "6万", "4万", "3万", "2万", "1万",
                          "1万以下"][r["LifeClass"]]
    lines = index_lines(c)
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


def random_settings(rng):
    """Six digits after the point: the settings table takes at most 15 significant digits."""
    return {k: round(rng.uniform(low, high), 6) for k, low, high in (
        ("CompressionStressRatio", 50, 100), ("ExtensionStressRatio", 50, 100),
        ("HookStressFactor", 1, 3), ("StainlessTensionReduction", 0, 40),
        ("PianoWireTensionReduction", 0, 40), ("HardDrawnTensionReduction", 0, 40),
        ("AnnealedStainlessTensionReduction", 0, 40))}


def random_design(rng, materials):
    number = rng.choice(sorted(materials))
    d = rng.choice(materials[number]["rows"])[0]
    Nt = rng.choice([rng.uniform(2, 40), float(rng.randrange(2, 40))])
    # The close-wound body fits in the free length: a design where it does not is refused.
    Pi, L0 = rng.uniform(0, 2) * d * d, (Nt + 1) * d + rng.uniform(0, 80)
    return {"kind": "extension", "MaterialNo": number, **random_coil(rng, d), "TotalTurns": Nt,
            "HookKind": rng.randrange(4), "Annealed": rng.random() < 0.5,
            "InitialTension": Pi, "FreeLength": L0, "InputMode": rng.randrange(2),
            "Length1": L0 + rng.uniform(-2, 20), "Length2": L0 + rng.uniform(0, 40),
            "Load1": Pi + rng.uniform(-0.5, 5), "Load2": Pi + rng.uniform(0, 10)}


def main():
    rng = random.Random(20261207)
    seen = set()
    materials = materials_of(os.path.join(sys.argv[2], "data", "materials.tsv"))
    work = Work(sys.argv[1])
    for round_number in range(4):
        s = random_settings(rng)
        table = work.write("s.tsv", "".join(f"{k}\t{v!r}\n" for k, v in s.items()))
        settings = work.path(f"s{round_number}.dat")
        made = work.run("settings", "import", table, settings)
        check(made.returncode == 0, f"settings import: {made.stderr}")
        seen |= random_runs(work, 80, rng, lambda r: random_design(r, materials),
                            lambda design: expected(design, materials[design["MaterialNo"]], s),
                            f"round {round_number} ", "--settings", settings)[0]
    # The random designs must reach every line, the success line included.
    for line in ["Calculation Success!", INDEX_LOW, INDEX_HIGH, "エラー:有効巻き数が３以下です",
                 "エラー:ねじり応力オーバー", "エラー:フック応力オーバー", "エラー:引張長さの順番が不適（L0≦L1≦L2）",
                 "エラー:荷重の順番が不適（Pi≦P1≦P2）", "警告:初応力が製作できる範囲の外"]:
        check(line in seen, f"no random design gave '{line}'")
    finish()


main()
