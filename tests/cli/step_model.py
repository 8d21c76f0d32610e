"""coilspring-cli step over the spring kinds: a design file of every kind, in every state, gives
exit 0 and a STEP file naming the product; a spring that cannot be built gives exit 1, its
reason and leaves the old file as it was; bad input gives exit 2. (The solids themselves are
read back in tests/model3d.)

Run as: step_model.py <build/bin dir> <source dir>
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from clitest import check, finish  # noqa: E402
from springcli import Work  # noqa: E402

EXT = {"kind": "extension", "MaterialNo": 0, "WireDiameter": 1, "DiameterKind": 1,
       "MeanDiameter": 8, "TotalTurns": 10, "HookKind": 0, "Annealed": True,
       "InitialTension": 0.4, "FreeLength": 30, "InputMode": 0, "Load1": 1.4, "Load2": 2.3}
TOR = {"kind": "torsion", "MaterialNo": 0, "WireDiameter": 2.0, "DiameterKind": 1,
       "MeanDiameter": 16, "TotalTurns": 6, "Leg1": 25, "Leg2": 25, "InputMode": 0,
       "Moment1": 20, "Moment2": 40}
CON = {"kind": "conical", "MaterialNo": 0, "WireDiameter": 1, "DiameterKind": 1,
       "SmallDiameter": 8, "LargeDiameter": 14, "TotalTurns": 7, "EndKind": 0, "FreeLength": 20,
       "InputMode": 0, "Load1": 0.5, "Load2": 1.4}
COMP = {"MaterialNo": 0, "WireRow": 1, "WireDiameter": 2, "MeanDiameter": 18, "TotalTurns": 10,
        "FreeLength": 40, "InputMode": 1, "Length1": 35, "Length2": 30}
# kind, design, the product's name, a design no solid can be made of and the reason named.
KINDS = [("extension", EXT, "extension SWP-B 1 x 8 x 10", dict(EXT, MeanDiameter=1), "線径が平均径以上"),
         ("torsion", TOR, "torsion SWP-B 2 x 16 x 6", dict(TOR, TotalTurns=0.4), "巻数"),
         ("conical", CON, "conical SWP-B 1 x 14 x 7",
          dict(CON, InputMode=1, Length1=15, Length2=5), "重なります"),
         ("compression", COMP, "compression SWP-B 2 x 18 x 10", dict(COMP, Length2=15),
          "重なります")]



def data(path):
    with open(path, encoding="latin-1") as f:
        return f.read().partition("DATA;")[2]


work = Work(sys.argv[1])
run = work.run
for kind, design, product, bad, reason in KINDS:
    path = work.write(kind + ".json", design)
    for state in ("free", "load1", "load2"):
        out = work.path(f"{kind}-{state}.step")
        done = run("step", path, out, "--state", state, *(["--left"] if state == "load1" else []))
        check(done.returncode == 0 and not done.stderr and not done.stdout,
              f"{kind} {state}: exit {done.returncode} {done.stderr}")
        with open(out, encoding="latin-1") as f:
            text = f.read()
        check(text.startswith("ISO-10303-21;") and text.rstrip().endswith("END-ISO-10303-21;"),
              f"{kind} {state}: a STEP file")
        check(f"FILE_NAME('{product}'" in text and f"PRODUCT('{product}'" in text
              and "AUTOMOTIVE_DESIGN" in text, f"{kind} {state}: names {product} (AP214)")
    if kind != "compression":  # the design's own LeftHand winds it as --left does
        left = work.path(f"{kind}-lefthand.step")
        run("step", work.write("left.json", dict(design, LeftHand=True)), left, "--state", "load1")
        check(data(left) == data(work.path(f"{kind}-load1.step")), f"{kind}: LeftHand as --left")
    # A design that cannot be built: exit 1 with the reason, and the old file left intact.
    out = work.path(f"{kind}-free.step")
    with open(out, "rb") as f:
        before = f.read()
    done = run("step", work.write("bad.json", bad), out, "--state", "load2")
    check(done.returncode == 1 and done.stderr.startswith("3Dモデルを作れません: ")
          and reason in done.stderr, f"{kind} cannot be built: {done.returncode} {done.stderr}")
    with open(out, "rb") as f:
        check(f.read() == before, f"{kind} cannot be built: the old file stays")
    # Bad input: exit 2.
    for args in (["step", path], ["step", path, out, "--state", "half"],
                 ["step", path, out, "--json"], ["step", work.path("missing.json"), out],
                 ["step", path, out, "--slot", "31"]):
        done = run(*args)
        check(done.returncode == 2 and done.stderr, f"{args[2:]}: exit {done.returncode}")
finish()
