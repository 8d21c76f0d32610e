"""coilspring-cli solve for every kind: one row per kind solved with --write and --json, the
written file and each candidate read back by calc; then the refusals, each exit code 2 with a
message naming the key or the requirement that is wrong."""
import json
import os
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from clitest import check, finish, runner  # noqa: E402

bin_dir = sys.argv[1]
run = runner(bin_dir)

SOLVED = [
    {"P1": 20, "L1": 40, "P2": 60, "L2": 30, "meanDiameter": [5, 25]},
    {"kind": "extension", "P1": 30, "L1": 100, "P2": 80, "L2": 130, "hookKinds": [0, 3]},
    {"kind": "torsion", "M1": 200, "M2": 800, "stroke": 60, "Leg1": 25, "Leg2": 25, "rod": 6},
]
REFUSED = [  # document, what the message must name
    ({"kind": "extension", "P1": 30, "L1": 100, "P2": 80, "L2": 130, "rod": 5}, "'rod'"),
    ({"kind": "torsion", "M1": 1, "M2": 2, "stroke": 9, "Leg1": 5, "Leg2": 5, "P1": 3}, "'P1'"),
    ({"P1": 20, "L1": 40, "P2": 60, "L2": 30, "hookKinds": [0]}, "'hookKinds'"),
    ({"kind": "torsion", "M1": 1, "M2": 2, "stroke": 9, "Leg2": 5}, "'Leg1'"),
    ({"kind": "spiral", "P1": 1}, "'kind'"),
    ({"kind": "extension", "P1": 30, "L1": 100, "P2": 80, "L2": 130, "hookKinds": [4]},
     "'hookKinds'"),
    ({"kind": "extension", "P1": 30, "L1": 100, "P2": 80, "L2": 130, "initialTension": "x"},
     "'initialTension'"),
    ({"kind": "extension", "P1": 30, "L1": 100, "P2": 80, "L2": 90}, "L2"),
    ({"kind": "torsion", "M1": 1, "M2": 2, "stroke": 9, "Leg1": 5, "Leg2": 5, "rod": 8,
      "bore": 6}, "穴径"),
]

with tempfile.TemporaryDirectory() as tmp:
    req = os.path.join(tmp, "req.json")
    for i, document in enumerate(SOLVED):
        with open(req, "w", encoding="utf-8") as f:
            json.dump(document, f)
        kind = document.get("kind", "compression")
        out = os.path.join(tmp, f"out{i}" + (".abd" if kind == "compression" else ".json"))
        answer = run("solve", req, "--json", "--top", "3", "--write", out)
        check(answer.returncode == 0, f"{kind}: solve {answer.returncode} {answer.stderr}")
        result = json.loads(answer.stdout)
        check(len(result["candidates"]) == 3, f"{kind}: three candidates")
        check(run("calc", out).returncode == 0, f"{kind}: the written file passes calc")
        if kind == "compression":
            continue
        check(json.load(open(out, encoding="utf-8"))["kind"] == kind, f"{kind}: file kind")
        for n, candidate in enumerate(result["candidates"]):
            path = os.path.join(tmp, f"c{n}.json")
            with open(path, "w", encoding="utf-8") as f:
                json.dump(candidate, f)
            calc = run("calc", path)
            check(calc.returncode == 0, f"{kind} #{n}: the candidate passes calc {calc.stderr}")
    for i, (document, named) in enumerate(REFUSED):
        with open(req, "w", encoding="utf-8") as f:
            json.dump(document, f, ensure_ascii=False)
        result = run("solve", req)
        check(result.returncode == 2 and named in result.stderr,
              f"refusal {i}: {result.returncode} {result.stderr.strip()}")
finish()
