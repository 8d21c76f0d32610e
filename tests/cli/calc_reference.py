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
Worst case, grade 2 (outer diameter +-2 % = 0.4, loads +-10 %): largest outer diameter
  20.025488 + 0.4 = 20.425488, least inner diameter 16 - 0.4 = 15.6; P1 = 5k = 1.715709 -> 1.544138
  / 1.887280; P2 = 10k = 3.431419 -> 3.088277 / 3.774560; tau2 = 1.162083*18*3.431419/pi =
  22.84723 -> 25.13196 at the upper P2; worst point on the diagram (sigmaB 1960):
  x = 0.9*11.42362*9.8/1960 = 0.0514, y = 1.1*22.84723*9.8/1960 = 0.1257, class 0.
  Grade 3 (+-0.6, +-15 %): 20.625488 and 15.4.
Smallest safe length 22 + 8*(0.0015*18^2/2 + 0.1*2) = 25.544, dynamic 22 + 1.5*3.544 = 27.316.
Energy (1.715709 + 3.431419)/2*5 = 12.86782, from free 3.431419/2*10 = 17.15709 kgf mm.
Wire 8*sqrt((pi*18)^2 + 4.25^2) + 2*sqrt((pi*18)^2 + 2^2) = 566.8333 mm, mass
  pi/4*2^2*566.8333*7.85/1000 = 13.97896 g.
At 120 C piano wire keeps 1 - 0.25e-3*100 = 0.975 of G: rate 0.3431419*0.975 = 0.3345633.
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
    worst = ref["worstCase"]
    check(worst["grade"] == 2 and worst["bore"] is None and worst["boreVerdict"] is None,
          f"grade 2 without a bore: {worst}")
    for key, value in (("outerDiameterMax", 20.425488), ("innerDiameterMin", 15.6),
                       ("load1Min", 1.544138), ("load1Max", 1.887280), ("load2Min", 3.088277),
                       ("load2Max", 3.774560), ("stress2Max", 25.13196)):
        near(worst[key], value, "worstCase " + key, 1e-5)
    check(worst["stress2Verdict"] == "OK", "upper P2 within the allowable stress")
    check(worst["lifeClassWorst"] == 0 and worst["lifeClassWorstText"] == "1000万",
          f"worst life class {worst['lifeClassWorst']}")
    for key, value in (("smallestSafeLength", 25.544), ("smallestSafeLengthDynamic", 27.316),
                       ("energy12", 12.86782), ("energy2", 17.15709), ("wireLength", 566.8333),
                       ("mass", 13.97896), ("temperature", 20), ("rateAtTemperature", 0.3431419)):
        near(ref[key], value, key, 1e-5)
    check(ref["coilClearance"] == "OK", f"coil clearance {ref['coilClearance']}")

    r = run("calc", design, "--json", "--grade", "3", "--bore", "20.6", "--rod", "15.3",
            "--temperature", "120", *data)
    check(r.returncode == 0, "calc with reference options: " + r.stderr)
    ref = json.loads(r.stdout, parse_constant=no_constants)["reference"]
    worst = ref["worstCase"]
    check(worst["grade"] == 3 and worst["bore"] == 20.6 and worst["rod"] == 15.3,
          f"options reach the worst case: {worst}")
    near(worst["outerDiameterMax"], 20.625488, "grade 3 outerDiameterMax")
    check(worst["boreVerdict"] == "注意" and worst["rodVerdict"] == "OK",
          f"20.63 does not fit 20.6, 15.3 fits 15.4: {worst['boreVerdict']} {worst['rodVerdict']}")
    near(ref["temperature"], 120, "temperature")
    near(ref["rateAtTemperature"], 0.3345633, "rateAtTemperature", 1e-5)

    for options, message in ((["--grade", "4"], "--grade の値 '4' は使えません"),
                             (["--grade", "x"], "--grade: 'x' は整数ではありません"),
                             (["--bore", "abc"], "--bore: 'abc' は浮動小数点数ではありません"),
                             (["--rod", "-1"], "--rod の値 '-1' は使えません"),
                             (["--temperature", "-300"], "--temperature の値 '-300' は使えません"),
                             (["--temperature"], "--temperature の後に値 C が必要です")):
        r = run("calc", design, *options, *data)
        check(r.returncode == 2 and message in r.stderr,
              f"{options}: exit {r.returncode}, {r.stderr.strip()}")

    r = run("calc", design, "--json", "--slot", "1", *data)
    check(r.returncode == 1, "degenerate slot fails its checks: " + r.stderr)
    ref = json.loads(r.stdout, parse_constant=no_constants)["reference"]
    for key in ("slenderness", "naturalFrequency", "criticalFreeLength", "pitch",
                "smallestSafeLength", "wireLength", "mass"):
        check(ref[key] is None, f"degenerate {key} is null, not {ref[key]}")
    check(ref["worstCase"]["outerDiameterMax"] is None and ref["coilClearance"] is None,
          "degenerate worst case and clearance")
    check(ref["buckling"] is None, "nothing to judge")

    r = run("calc", design, *data)
    check(r.returncode == 0 and "参考計算" in r.stdout and "固有振動数（両端固定）  274.7 Hz"
          in r.stdout and "L2時の最大外径（2級）  20.43 mm" in r.stdout
          and "密着安全長さ Ln（静的）  25.54 mm  OK" in r.stdout,
          "readable table has the reference lines:\n" + r.stdout)

finish()
