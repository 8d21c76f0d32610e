"""coilspring-cli calc: the "reference" object and the reference lines of the readable table.

The design is the worked example (G 78500, E 206000, d 2, D 18, 10 turns closed, L0 40, L1 35,
L2 30, allowable 1500 N/mm^2 at d = 2, 80 %). Expected figures by hand:
  k 0.3431415 kgf/mm, Hs 22, solid load k*18 = 6.176553 kgf, uncorrected solid stress
  8*18*6.176553/pi/2^3 = 35.38904 kgf/mm^2;
  natural frequency (EN 13906-1) 3.56e3 * 2/(8*18^2) * sqrt(78500/7.85) = 274.691 Hz;
  critical free length with both ends fixed pi*18/0.5*sqrt((1-g)/(0.5+g)), g = 78500/206000:
  113.0973 * sqrt(0.618932/0.881068) = 94.7914 mm > 40 mm, so the spring cannot buckle;
  pitch (40-22)/8 + 2 = 4.25, at L2 3; outer diameter sqrt(18^2 + (4.25^2-3^2)/pi^2) + 2 = 20.025488;
  JIS B 2704-2 grade 1 at D/d = 9: free length 1.5 % of 40 = 0.6, outer diameter 1.5 % of 20 = 0.3,
  load at L1 (8 active coils) 5 % of 1.715709 = 0.08578545.
"""
import json
import os
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from clitest import WORKED_EXAMPLE, check, finish, record, runner, worked_example_data, write_design  # noqa: E402

bin_dir, source_dir = sys.argv[1], sys.argv[2]
run = runner(bin_dir)


def near(actual, expected, what, rel=2e-6):
    check(actual is not None and abs(actual - expected) <= abs(expected) * rel,
          f"{what} = {actual}, expected {expected}")


def no_constants(name):
    raise ValueError("not JSON: " + name)


with tempfile.TemporaryDirectory() as tmp:
    data = worked_example_data(run, tmp)

    example = WORKED_EXAMPLE
    degenerate = dict(example, MeanDiameter=0)  # every division by D has no value
    design = os.path.join(tmp, "a.abd")
    write_design(design, [record(**example), record(**degenerate)])

    r = run("calc", design, "--json", *data)
    check(r.returncode == 0, "calc exit code: " + r.stderr)
    ref = json.loads(r.stdout, parse_constant=no_constants)["reference"]
    check(ref["seating"] == "両端固定（ν=0.5）" and ref["seatingFactor"] == 0.5, "default seating")
    check(ref["density"] == 7.85, f"steel density {ref['density']}")
    near(ref["naturalFrequency"], 274.691, "naturalFrequency", 1e-5)
    near(ref["criticalFreeLength"], 94.7914, "criticalFreeLength", 1e-5)
    check(ref["bucklingState"] == "stable" and ref["criticalDeflection"] is None,
          "no buckling with both ends fixed")
    check(ref["buckling"] == "OK", f"buckling verdict {ref['buckling']}")
    near(ref["deflection2"], 10, "deflection2")
    near(ref["solidLoad"], 6.176553, "solidLoad")
    near(ref["solidStress"], 35.38904, "solidStress")
    check(ref["solidStressVerdict"] == "OK", "solid stress within the allowable")
    near(ref["pitch"], 4.25, "pitch")
    near(ref["outerDiameterAtL2"], 20.025488, "outerDiameterAtL2")
    check(ref["toleranceDiameter"] == "outer", "a mean diameter is held as the outer one")
    grade1 = ref["tolerances"][0]
    check(grade1["grade"] == 1, "grades in order")
    near(grade1["freeLength"], 0.6, "grade 1 free length")
    near(grade1["coilDiameter"], 0.3, "grade 1 coil diameter")
    near(grade1["load1"], 0.08578545, "grade 1 load at L1", 1e-5)

    r = run("calc", design, "--json", "--slot", "1", *data)
    check(r.returncode == 0, "degenerate slot: " + r.stderr)
    ref = json.loads(r.stdout, parse_constant=no_constants)["reference"]
    for key in ("slenderness", "naturalFrequency", "criticalFreeLength", "pitch"):
        check(ref[key] is None, f"degenerate {key} is null, not {ref[key]}")
    check(ref["buckling"] is None, "nothing to judge")

    r = run("calc", design, *data)
    check(r.returncode == 0 and "参考計算" in r.stdout and "固有振動数（両端固定）  274.7 Hz"
          in r.stdout, "readable table has the reference lines:\n" + r.stdout)

finish()
