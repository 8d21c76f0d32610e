"""coilspring-cli on extension-spring design files ("kind": "extension"): the worked example,
the refusals that name their key, and compression JSON files that stay as they were.

Run as: extension_cli.py <build/bin dir> <source dir>
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from clitest import check, finish, runner  # noqa: E402

BIN, SOURCE = sys.argv[1], sys.argv[2]
run = runner(BIN)

# The help's worked example: SWP-B d = 1, D = 8, 10 turns, Pi = 0.4 kgf, L0 30, L1 35, L2 40.
EXAMPLE = {"kind": "extension", "MaterialNo": 0, "WireDiameter": 1, "DiameterKind": 1,
           "MeanDiameter": 8, "TotalTurns": 10, "HookKind": 0, "Annealed": True,
           "InitialTension": 0.4, "FreeLength": 30, "InputMode": 1, "Length1": 35, "Length2": 40}


def write(folder, name, document):
    path = os.path.join(folder, name)
    with open(path, "w", encoding="utf-8") as f:
        f.write(document if isinstance(document, str) else json.dumps(document))
    return path


def main():
    with tempfile.TemporaryDirectory() as work:
        example = write(work, "example.json", EXAMPLE)
        done = run("calc", example, "--json")
        check(done.returncode == 0 and done.stderr == "", f"worked example: {done.stderr}")
        got = json.loads(done.stdout)
        # By hand (see the help): k = 0.19543, P2 = 2.3543, τa = 66.369, Lmax = 42.033.
        for key, value in [("SpringRate", 0.19543), ("Load2", 2.3543),
                           ("AllowableStress", 66.369), ("MaxLength", 42.033),
                           ("HookStress", 59.952), ("InitialStressMax", 9.3314)]:
            check(abs(got[key] - value) < 1e-3 * value, f"{key} {got[key]} != {value}")
        check(got["kind"] == "extension" and got["LifeClassText"] == "1000万", "kind, life")
        check(got["lines"] == ["Calculation Success!"], f"lines {got['lines']}")
        check(any(row["item"] == "自由長さの許容差（2級）" for row in got["reference"]),
              "reference rows")
        si = json.loads(run("calc", example, "--json", "--units", "si").stdout)
        check(si["units"] == "si" and abs(si["Load2"] - got["Load2"] * 9.807) < 1e-12,
              "loads in N")
        check(abs(si["SpringRate"] - got["SpringRate"] * 9.8066) < 1e-12, "rate in N/mm")
        table = run("calc", example)
        check(table.returncode == 0 and "最大許容引張長さ" in table.stdout, "the readable table")
        # calc --json's own output reads back as the same design.
        again = run("calc", write(work, "again.json", done.stdout), "--json")
        check(again.stdout == done.stdout, "calc --json output read back")
        window = dict(EXAMPLE, history=[EXAMPLE])
        check(run("calc", write(work, "w.json", window)).returncode == 0, "a file with history")

        # The pictures and the data sheet of the same design.
        for option, size in [("--shape", (777, 201)), ("--diagram", (400, 417))]:
            png = os.path.join(work, "p.png")
            done = run("picture", example, option, png)
            with open(png, "rb") as f:
                header = f.read(24)
            check(done.returncode == 0 and (int.from_bytes(header[16:20], "big"),
                                            int.from_bytes(header[20:24], "big")) == size,
                  f"picture {option}: {done.stderr}")
        check(run("picture", example, "--shape", os.path.join(work, "l.png"), "--state",
                  "load2").returncode == 0, "picture at L2")
        pdf = os.path.join(work, "s.pdf")
        done = run("sheet", example, pdf)
        check(done.returncode == 0 and done.stderr == "", f"sheet: {done.stderr}")
        if shutil.which("pdftotext"):
            text = subprocess.run(["pdftotext", pdf, "-"], capture_output=True,
                                  text=True).stdout.replace(" ", "")
            # P2 = 2.3543 kgf = 23.09 N, Lmax = 42.03 mm, Pi = 0.4 kgf = 3.923 N.
            for word in ["初張力", "フック形状", "丸フック", "最大許容引張長さ", "42.03", "23.09",
                         "3.923"]:
                check(word in text, f"sheet text {word}")

        failing = write(work, "fail.json", dict(EXAMPLE, Length1=29))
        check(run("calc", failing).returncode == 1, "a failing check gives 1")
        warned = run("calc", write(work, "warn.json", dict(EXAMPLE, InitialTension=0.5)), "--json")
        check(warned.returncode == 0 and json.loads(warned.stdout)["lines"] ==
              ["警告:初応力が製作できる範囲の外"], "a warning does not fail")

        bad = [
            ("FreeLength", dict(EXAMPLE, FreeLength="30")),
            ("HookKind", dict(EXAMPLE, HookKind=4)),
            ("HookKind", dict(EXAMPLE, HookKind=1.5)),
            ("Annealed", dict(EXAMPLE, Annealed=1)),
            ("WireDiameter", dict(EXAMPLE, WireDiameter=1.05)),
            ("MaterialNo", dict(EXAMPLE, MaterialNo=29)),
            ("MaterialNo", dict(EXAMPLE, MaterialNo=-1)),
            ("InputMode", dict(EXAMPLE, InputMode=2)),
            ("DiameterKind", dict(EXAMPLE, DiameterKind=3)),
            ("kind", dict(EXAMPLE, kind="spiral")),
            ("history", dict(EXAMPLE, history={})),
            ("Colour", dict(EXAMPLE, Colour=1)),
            # SI output does not read back as a design: the file holds gravitational units.
            ("units", dict(EXAMPLE, units="si")),
        ]
        for key, document in bad:
            done = run("calc", write(work, "bad.json", document))
            check(done.returncode == 2 and f"'{key}'" in done.stderr and done.stdout == "",
                  f"{key}: exit {done.returncode}, {done.stderr}")
        done = run("calc", example, "--slot", "1")
        check(done.returncode == 2 and "--slot" in done.stderr, "--slot refused")

        # A compression design as JSON, with and without "kind": the same output.
        design = {"TotalTurns": 12, "FreeLength": 30}
        plain = run("calc", write(work, "c.json", design), "--json")
        named = run("calc", write(work, "c2.json", dict(design, kind="compression")), "--json")
        check(plain.returncode == named.returncode and plain.stdout == named.stdout and
              plain.stdout != "", f"compression kind: {named.stderr}")
        # Another kind is never read as a compression spring.
        done = run("design", "import", write(work, "t.json", dict(design, kind="torsion")),
                   os.path.join(work, "t.abd"))
        check(done.returncode == 2 and "'kind'" in done.stderr,
              f"torsion as compression: {done.stderr}")
    finish()


main()
