"""coilspring-cli solve, design export/import and calc on a .json design.

Random requirements (fixed seed) are solved over the shipped database with --write; the written
design file, recalculated by calc --all, must pass every check in every slot, meet each
requirement and hold the ranked list in order. Readable designs go to JSON and back unchanged;
impossible requirements and bad documents give their message and exit code 2.
"""
import json
import os
import random
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from clitest import WORKED_EXAMPLE, check, finish, record, runner, write_design  # noqa: E402

bin_dir, source_dir = sys.argv[1], sys.argv[2]
run = runner(bin_dir)
KGF = 9.807  # the N per kgf of the window, the data sheet and calc --units si
LIFE = ["1000万", "100万", "10万", "6万", "4万", "3万", "2万", "1万", "1万以下"]


def write_json(path, document):
    with open(path, "w", encoding="utf-8") as f:
        json.dump(document, f, ensure_ascii=False)


def random_requirements(rng):
    p1 = rng.uniform(5, 40)
    l1 = rng.uniform(30, 60)
    q = {"P1": round(p1, 1), "L1": round(l1, 1), "P2": round(p1 + rng.uniform(10, 80), 1),
         "L2": round(l1 - rng.uniform(5, 15), 1), "meanDiameter": [3, 30],
         "rank": rng.choice(["mass", "life", "margin", "solid"])}
    if rng.random() < 0.5:
        q["bore"] = rng.uniform(15, 30)
    if rng.random() < 0.5:
        q["rod"] = rng.uniform(2, 8)
    if rng.random() < 0.5:
        q["maxFreeLength"] = q["L1"] + rng.uniform(5, 30)
    if rng.random() < 0.5:
        q["lifeAtLeast"] = rng.choice(LIFE[:4])
    if rng.random() < 0.3:
        q["loadUnit"] = "kgf"
        for key in ("P1", "P2"):
            q[key] = round(q[key] / KGF, 2)
    return q


def rank_key(c, rank):
    return {"mass": (c["Mass"],), "life": (c["LifeClass"], c["StressRatio"]),
            "margin": (c["StressRatio"],), "solid": (c["SolidHeight"],)}[rank]


def check_solution(q, candidates, recalculated, what):
    kgf = 1 if q.get("loadUnit") == "kgf" else 1 / KGF
    tolerance = q.get("loadTolerance", 0.05)
    life = LIFE.index(q.get("lifeAtLeast", "1万以下"))
    for i, (c, r) in enumerate(zip(candidates, recalculated)):
        where = f"{what} #{i + 1}"
        check(r["lines"] == ["Calculation Success!"], f"{where}: calc finds {r['lines']}")
        for field in ("MeanDiameter", "TotalTurns", "FreeLength", "Load1", "Load2", "Stress2"):
            check(r[field] == c[field], f"{where}: {field} {r[field]} != {c[field]}")
        for load, reached in (("P1", r["Load1"]), ("P2", r["Load2"])):
            wanted = q[load] * kgf
            check(abs(reached - wanted) <= tolerance * wanted + 1e-9, f"{where}: {load} {reached}")
        if "bore" in q:
            check(r["OuterDiameter"] <= q["bore"] + 1e-9, f"{where}: outer diameter")
            grown = c["OuterDiameterAtL2"]
            check(grown is not None and grown <= q["bore"] + 1e-9, f"{where}: grown diameter")
        if "rod" in q:
            check(r["InnerDiameter"] >= q["rod"] - 1e-9, f"{where}: inner diameter")
        if "maxFreeLength" in q:
            check(r["FreeLength"] <= q["maxFreeLength"] + 1e-9, f"{where}: free length")
        check(r["LifeClass"] <= life, f"{where}: life class {r['LifeClass']}")
    keys = [rank_key(c, q["rank"]) for c in candidates]
    check(keys == sorted(keys), f"{what}: ranking by {q['rank']} is monotone")


with tempfile.TemporaryDirectory() as tmp:
    # The shipped example: found, as a table and as JSON.
    example = os.path.join(source_dir, "data", "examples", "requirements.json")
    table = run("solve", example)
    check(table.returncode == 0, f"solve example: {table.returncode} {table.stderr}")
    check("条件を満たす設計" in table.stdout, "solve example prints the count")
    answer = json.loads(run("solve", example, "--json").stdout)
    check(answer["kept"] > 0 and len(answer["candidates"]) == 10, "example: 10 candidates")
    check(set(answer) >= {"evaluated", "kept", "seconds", "candidates"}, "answer keys")

    # Random requirements, written and recalculated.
    rng = random.Random(14)
    solved = 0
    for n in range(12):
        q = random_requirements(rng)
        req = os.path.join(tmp, f"q{n}.json")
        out = os.path.join(tmp, f"q{n}.abd")
        write_json(req, q)
        result = run("solve", req, "--json", "--top", "30", "--write", out)
        if result.returncode == 1:
            check(not os.path.exists(out), f"q{n}: nothing written when nothing is found")
            check("最も多くの候補を外した条件" in result.stderr or "候補がありません" in result.stderr,
                  f"q{n}: says why nothing was found: {result.stderr}")
            continue
        check(result.returncode == 0, f"q{n}: solve {result.returncode} {result.stderr}")
        candidates = json.loads(result.stdout)["candidates"]
        calc = run("calc", out, "--all", "--json")
        recalculated = json.loads(calc.stdout)
        check(calc.returncode == 0, f"q{n}: calc {calc.returncode}")
        # Record 0 is the best candidate, slots 1.. the list in order.
        check(len(recalculated) == 1 + min(30, len(candidates)), f"q{n}: slots used")
        check_solution(q, candidates, recalculated[1:], f"q{n}")
        check(recalculated[0]["MeanDiameter"] == candidates[0]["MeanDiameter"], f"q{n}: current")
        solved += 1
    check(solved >= 5, f"{solved} of 12 random requirements solved")

    # Readable designs: export, import, calc on the JSON itself.
    design = os.path.join(tmp, "w.abd")
    write_design(design, [record(**WORKED_EXAMPLE)])
    exported = run("design", "export", design)
    check(exported.returncode == 0, f"design export: {exported.stderr}")
    document = json.loads(exported.stdout)
    check(document["MeanDiameter"] == 18 and document["EndKind"] == 0, "exported fields")
    check(not any(k.startswith("Reserved") for k in document), "no reserved bytes in JSON")
    as_json = os.path.join(tmp, "w.json")
    with open(as_json, "w") as f:
        f.write(exported.stdout)
    back = os.path.join(tmp, "back.abd")
    check(run("design", "import", as_json, back).returncode == 0, "design import")
    from_abd = run("calc", design, "--json")
    from_json = run("calc", as_json, "--json")
    from_back = run("calc", back, "--json")
    check(from_abd.stdout == from_json.stdout == from_back.stdout, "calc on .abd, .json, import")
    only_inputs = os.path.join(tmp, "inputs.json")
    write_json(only_inputs, {"MaterialNo": 0, "WireRow": 20, "MeanDiameter": 10, "TotalTurns": 8,
                             "FreeLength": 30, "Length1": 25, "Length2": 20})
    check(run("calc", only_inputs).returncode in (0, 1), "calc on a design of inputs only")

    # Errors: exit code 2 and a message that says what is wrong.
    cases = [
        ({"P1": 20, "L1": 40, "P2": 10, "L2": 30}, "P2 は P1 より大きくしてください"),
        ({"P1": 20, "L1": 30, "P2": 60, "L2": 40}, "L2 は L1 より短くしてください"),
        ({"P1": 20, "L1": 40, "P2": 60, "L2": 30, "bore": 10, "rod": 12}, "穴径が軸径以下です"),
        ({"P1": "20", "L1": 40, "P2": 60, "L2": 30}, "キー 'P1' は数値にしてください"),
        ({"L1": 40, "P2": 60, "L2": 30}, "キー 'P1' がありません"),
        ({"P1": 20, "L1": 40, "P2": 60, "L2": 30, "Bore": 3}, "不明なキー 'Bore' があります"),
        ({"P1": 20, "L1": 40, "P2": 60, "L2": 30, "materials": ["XYZ"]},
         "キー 'materials': 材料 'XYZ' はデータベースにありません"),
        ({"P1": 20, "L1": 40, "P2": 60, "L2": 30, "lifeAtLeast": "5万"}, "キー 'lifeAtLeast' は"),
        ({"P1": 20, "L1": 40, "P2": 60, "L2": 30, "endKinds": [1.5]},
         "キー 'endKinds' は整数にしてください"),
        ({"P1": 20, "L1": 40, "P2": 60, "L2": 30, "seating": 3}, "キー 'seating' は"),
        ({"P1": 20, "L1": 40, "P2": 60, "L2": 30, "endKinds": [0, 7]},
         "キー 'endKinds' は 0～6 の整数にしてください"),
        ({"P1": 20, "L1": 40, "P2": 60, "L2": 30, "endKinds": [-1]},
         "キー 'endKinds' は 0～6 の整数にしてください"),
        ({"P1": 20, "L1": 40, "P2": 60, "L2": 30, "worstCaseGrade": 4},
         "キー 'worstCaseGrade' は"),
        ({"P1": 20, "L1": 40, "P2": 60, "L2": 30, "worstCaseGrade": 1.5},
         "キー 'worstCaseGrade' は整数にしてください"),
    ]
    for i, (document, message) in enumerate(cases):
        req = os.path.join(tmp, f"bad{i}.json")
        write_json(req, document)
        result = run("solve", req)
        check(result.returncode == 2 and message in result.stderr,
              f"bad requirements {i}: {result.returncode} {result.stderr.strip()}")
    broken = os.path.join(tmp, "broken.json")
    with open(broken, "w") as f:
        f.write('{"P1": 20,')
    result = run("solve", broken)
    check(result.returncode == 2 and "JSON の書式が正しくありません" in result.stderr, "broken JSON")
    write_json(broken, {"MeanDiameter": "x"})
    result = run("calc", broken)
    check(result.returncode == 2 and "キー 'MeanDiameter' は数値にしてください" in result.stderr,
          f"design JSON error names the key: {result.stderr.strip()}")
    with open(broken, "w") as f:
        f.write('{"MeanDiameter": 1e999}')
    result = run("calc", broken)
    check(result.returncode == 2 and "範囲外の数値" in result.stderr, "a number beyond double")
    # A stored code outside its enumeration: refused naming the key, by import and by calc,
    # and nothing is written.
    for key, value, last in [("InputMode", 2, 1), ("InputMode", -1, 1), ("DiameterKind", 9, 2),
                             ("DiameterKind", 3, 2), ("EndKind", 99, 6), ("EndKind", 7, 6),
                             ("EndKind", 2147483647, 6)]:
        write_json(broken, dict(MeanDiameter=18, **{key: value}))
        refused = os.path.join(tmp, "refused.abd")
        for args in (["design", "import", broken, refused], ["calc", broken]):
            result = run(*args)
            check(result.returncode == 2 and f"キー '{key}' は 0～{last} の整数にしてください"
                  in result.stderr and not result.stdout,
                  f"{args[0]} {key} = {value}: {result.returncode} {result.stderr.strip()}")
        check(not os.path.exists(refused), f"nothing imported for {key} = {value}")
    for key, value in [("InputMode", 0), ("DiameterKind", 2), ("EndKind", 6)]:
        write_json(broken, {key: value})
        check(run("design", "import", broken, back).returncode == 0, f"{key} = {value} imports")
    missing = os.path.join(tmp, "missing.json")
    result = run("design", "import", missing, back)
    check(result.returncode == 2 and result.stderr.count(missing) == 1,
          f"a missing design names its path once: {result.stderr.strip()}")
    nothing = os.path.join(tmp, "nothing.json")
    write_json(nothing, {"P1": 20, "L1": 40, "P2": 60, "L2": 30, "maxFreeLength": 40.01})
    result = run("solve", nothing)
    check(result.returncode == 1 and "最大自由長さ" in result.stderr,
          f"nothing found names the requirement: {result.stderr.strip()}")

finish()
