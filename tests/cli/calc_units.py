"""coilspring-cli calc --units: the worked example in SI and in the gravitational units.

The design is the worked example (G 78500, d 2, D 18, 10 turns closed, L0 40, L1 35, L2 30,
allowable 1500 N/mm^2 at d = 2, 80 %). By hand, loads and stresses x 9.807, the rate x 9.8066:
  k 0.3431415 kgf/mm = 78500*2^4/(8*8*18^3) = 3.365055 N/mm;
  tau_a 1500*0.8/9.807 = 122.3616 kgf/mm^2 = 1200 N/mm^2;
  P1 5k = 1.715709 kgf = 16.82596 N, P2 10k = 3.431419 kgf = 33.65193 N;
  tau1 11.42362 kgf/mm^2 = 112.0314 N/mm^2, tau2 22.84723 kgf/mm^2 = 224.0628 N/mm^2;
  Pmax 18.37745 kgf = 180.2277 N; solid load k*18 = 6.176553 kgf = 60.57345 N;
  energy L1 -> L2 12.86782 kgf mm = 126.1947 N mm.
"""
import json
import os
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from clitest import WORKED_EXAMPLE, check, finish, record, runner, worked_example_data, write_design  # noqa: E402

bin_dir, source_dir = sys.argv[1], sys.argv[2]
run = runner(bin_dir)

# field, kgf value, SI value
FIELDS = [
    ("SpringRate", 0.3431415, 3.365055),
    ("AllowableStress", 122.3616, 1200),
    ("Load1", 1.715709, 16.82596),
    ("Load2", 3.431419, 33.65193),
    ("Stress1", 11.42362, 112.0314),
    ("Stress2", 22.84723, 224.0628),
    ("MaxLoad", 18.37745, 180.2277),
    ("FreeLength", 40, 40),
    ("Length1", 35, 35),
    ("WireDiameter", 2, 2),
]
REFERENCE = [("solidLoad", 6.176553, 60.57345), ("energy12", 12.86782, 126.1947),
             ("pitch", 4.25, 4.25)]


def near(actual, expected, what, rel=2e-6):
    check(actual is not None and abs(actual - expected) <= abs(expected) * rel,
          f"{what} = {actual}, expected {expected}")


with tempfile.TemporaryDirectory() as tmp:
    data = worked_example_data(run, tmp)
    design = os.path.join(tmp, "a.abd")
    write_design(design, [record(**WORKED_EXAMPLE)])
    with open(design, "rb") as f:
        image = f.read()

    plain = run("calc", design, "--json", *data)
    check(plain.returncode == 0, "calc exit code: " + plain.stderr)
    check("units" not in json.loads(plain.stdout), "no units member unless asked for")

    for units, column in (("si", 2), ("gravity", 1)):
        r = run("calc", design, "--json", "--units", units, *data)
        check(r.returncode == 0, f"--units {units} exit code: " + r.stderr)
        obj = json.loads(r.stdout)
        check(obj["units"] == units, f"units member {obj.get('units')}")
        for row in FIELDS:
            near(obj[row[0]], row[column], f"{units} {row[0]}")
        for row in REFERENCE:
            near(obj["reference"][row[0]], row[column], f"{units} reference {row[0]}", 1e-5)
        check(obj["LifeClassText"] == json.loads(plain.stdout)["LifeClassText"], "life unchanged")
    # gravity asked for is the plain output plus the member.
    gravity = json.loads(run("calc", design, "--json", "--units", "gravity", *data).stdout)
    del gravity["units"]
    check(gravity == json.loads(plain.stdout), "--units gravity is the record as it is")

    text = run("calc", design, "--units", "si", *data)
    check(text.returncode == 0, "text exit code: " + text.stderr)
    lines = {line.split()[0]: line.split() for line in text.stdout.splitlines() if line.strip()}
    for name, unit in (("SpringRate", "N/mm"), ("Load1", "N"), ("Stress2", "N/mm^2"),
                       ("MaxLoad", "N"), ("FreeLength", "mm")):
        check(lines[name][-1] == unit, f"text {name} unit {lines[name][-1]}")
    near(float(lines["Load2"][-2]), 33.65193, "text Load2")
    check("kgf" not in text.stdout, "no kgf left in the SI table")
    check(" N/mm" in text.stdout and "密着時荷重  60.57 N" in text.stdout,
          "reference lines in SI")
    plain_text = run("calc", design, *data).stdout
    check("密着時荷重  6.177 kgf" in plain_text, "reference lines in kgf by default")

    bad = run("calc", design, "--units", "N", *data)
    check(bad.returncode == 2 and "--units" in bad.stderr, f"a bad system: {bad.stderr}")
    with open(design, "rb") as f:
        check(f.read() == image, "the design file is left alone")

finish()
