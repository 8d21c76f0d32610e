"""coilspring-cli as a script uses it: help and version everywhere, options named in their
messages and accepted on either side of the file, slots without a design refused, columns
aligned by display width, a quiet stderr and JSON numbers that read back exactly.
"""
import json
import math
import os
import re
import subprocess
import sys
import tempfile
import unicodedata

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from clitest import RECORD_SIZE, WORKED_EXAMPLE, check, failures, record, worked_example_data, write_design  # noqa: E402

bin_dir, source_dir = sys.argv[1], sys.argv[2]
CLI = os.path.join(bin_dir, "coilspring-cli")
# A script run from cron or a container has no session runtime folder.
ENV = {k: v for k, v in os.environ.items() if k != "XDG_RUNTIME_DIR"}
checks = 0


def run(*args):
    return subprocess.run([CLI, *args], capture_output=True, text=True, env=ENV)


def expect(condition, what):
    global checks
    checks += 1
    check(condition, what)


def width(text):
    return sum(2 if unicodedata.east_asian_width(c) in "WF" else 1 for c in text)


version = re.search(r"project\(coilspring VERSION ([0-9.]+)",
                    open(os.path.join(source_dir, "CMakeLists.txt")).read()).group(1)

# --help and --version: on the program and after every command, stdout only, exit 0.
commands = ["calc", "dxf", "picture", "sheet", "materials", "settings", "solve", "design"]
for args in [["--help"], ["-h"], *[[c, "--help"] for c in commands], ["calc", "x.abd", "--help"]]:
    r = run(*args)
    expect(r.returncode == 0 and "使い方:" in r.stdout and "終了コード:" in r.stdout and not r.stderr,
           f"{args}: {r.returncode} {r.stderr}")
for c in commands:
    expect(f" {c} " in run(c, "--help").stdout, f"{c} --help shows its own usage")
for args in [["--version"], *[[c, "--version"] for c in commands]]:
    r = run(*args)
    expect(r.returncode == 0 and r.stdout == f"coilspring-cli {version}\n" and not r.stderr,
           f"{args}: {r.stdout!r}")
data_tool = os.path.join(os.path.dirname(bin_dir), "tools", "coilspring-data")
r = subprocess.run([data_tool, "--version"], capture_output=True, text=True)
expect(r.stdout == f"coilspring-data {version}\n", f"data tool version {r.stdout!r}")

with tempfile.TemporaryDirectory() as tmp:
    data = worked_example_data(run, tmp)
    design = os.path.join(tmp, "a.abd")
    write_design(design, [record(**WORKED_EXAMPLE), record(), record(**WORKED_EXAMPLE)])
    out = os.path.join(tmp, "out")

    # Bad usage: exit 2, a Japanese message that names what was wrong, nothing else.
    for args, message in [
        (["picture", design, "--shape", out, "--state", "middle"], "--state の値 'middle' は使えません"),
        (["calc", design, "--slot", "31"], "--slot の値 '31' は使えません"),
        (["calc", design, "--slot", "x"], "--slot: 'x' は整数ではありません"),
        (["calc", design, "--units", "imperial"], "--units の値 'imperial' は使えません"),
        (["solve", design, "--rank", "fast"], "--rank の値 'fast' は使えません"),
        (["calc", design, "--colour"], "不明なオプション --colour"),
        (["calc", design, "--slot"], "--slot の後に値 N が必要です"),
        (["calc", design, "--json=yes"], "--json は値を取りません"),
        (["calc"], "FILE.abd が指定されていません"),
        (["dxf", design], "OUT.dxf が指定されていません"),
        (["calc", design, "extra"], "余分な引数 'extra'"),
        (["materials", "import", "t.tsv"], "OUT.dst が指定されていません"),
        (["frobnicate"], "不明なコマンド 'frobnicate'"),
    ]:
        r = run(*args, *data) if args[0] in ("calc", "picture") else run(*args)
        expect(r.returncode == 2 and message in r.stderr and not r.stdout,
               f"{args}: {r.returncode} {r.stderr.strip()}")
        expect(not re.search(r"[a-z]+ (must|needs|unknown|usage)", r.stderr),
               f"{args}: an English message {r.stderr.strip()}")

    # Options before, between and after the file all mean the same.
    reference = run("calc", design, "--json", "--slot", "2", "--grade", "3", *data)
    for args in [["--json", "--slot", "2", design, "--grade", "3", *data],
                 [*data, "--slot=2", "--grade=3", design, "--json"]]:
        r = run("calc", *args)
        expect(r.returncode == 0 and r.stdout == reference.stdout, f"option order {args}")
    r = run("picture", "--shape", out + ".png", design, *data)
    expect(r.returncode == 0 and os.path.exists(out + ".png"), f"picture options first {r.stderr}")

    # A slot without a design, a file too short for the slot, a damaged record: exit 2, a message
    # naming the slot, no made-up design on stdout and no output file.
    short = os.path.join(tmp, "short.abd")
    with open(short, "wb") as f:
        f.write(record(**WORKED_EXAMPLE) * 2 + b"\0" * (RECORD_SIZE - 1))  # slot 2 lacks a byte
    damaged = os.path.join(tmp, "damaged.abd")
    write_design(damaged, [record(**dict(WORKED_EXAMPLE, TotalTurns=float("nan"))),
                           record(**dict(WORKED_EXAMPLE, EndKind=7)),
                           record(**dict(WORKED_EXAMPLE, MaterialNo=5)),
                           record(**dict(WORKED_EXAMPLE, InputMode=2)),
                           record(**dict(WORKED_EXAMPLE, DiameterKind=9)),
                           record(**dict(WORKED_EXAMPLE, InputMode=-1))])
    for path, slot, message in [
        (design, "1", "履歴 1 は空です"),
        (design, "30", "履歴 30 は空です"),
        (short, "2", "短すぎます: 履歴 2 を読むには 1008 バイト必要ですが 1007 バイトしかありません"),
        (os.path.join(tmp, "empty.abd"), "0", "現在の設計（記録 0）を読むには 336 バイト必要ですが 0 バイト"),
        (damaged, "0", "TotalTurns が有限の数ではありません"),
        (damaged, "1", "EndKind = 7 が 0〜6 の外です"),
        (damaged, "2", "MaterialNo = 5 の材料が材料データベースにありません"),
        (damaged, "3", "入力モード InputMode = 2 が 0〜1 の外です"),
        (damaged, "4", "径の種類 DiameterKind = 9 が 0〜2 の外です"),
        (damaged, "5", "入力モード InputMode = -1 が 0〜1 の外です"),
    ]:
        open(os.path.join(tmp, "empty.abd"), "wb").close()
        for command, extra in [("calc", []), ("calc", ["--json"]), ("dxf", [out + ".dxf"]),
                               ("picture", ["--diagram", out + ".png"]),
                               ("sheet", [out + ".pdf"])]:
            if os.path.exists(out + ".dxf"):
                os.remove(out + ".dxf")
            if command == "dxf" and "MaterialNo" in message:
                continue  # dxf draws the stored record without the material database
            r = run(command, path, "--slot", slot, *extra, *data) if command != "dxf" else \
                run(command, path, "--slot", slot, *extra)
            expect(r.returncode == 2 and message in r.stderr and not r.stdout,
                   f"{command} {os.path.basename(path)} slot {slot}: {r.returncode} {r.stderr.strip()}")
        expect(not os.path.exists(out + ".dxf") and not os.path.exists(out + ".pdf"),
               f"no output for {os.path.basename(path)} slot {slot}")
    # The picture tests' worked design (lengths entered) with its InputMode bytes (offset 128)
    # patched to 2: the design calculates, the patched one is refused as damaged.
    fixture_path = os.path.join(source_dir, "tests", "data", "pictures", "worked.abd")
    with open(fixture_path, "rb") as f:
        fixture = bytearray(f.read())
    expect(fixture[128:132] == (1).to_bytes(4, "little"), "the fixture enters lengths")
    expect(run("calc", fixture_path).returncode in (0, 1), "the fixture calculates")
    fixture[128:132] = (2).to_bytes(4, "little")
    patched = os.path.join(tmp, "input_mode_2.abd")
    with open(patched, "wb") as f:
        f.write(fixture)
    r = run("calc", patched)
    expect(r.returncode == 2 and "入力モード InputMode = 2 が 0〜1 の外です" in r.stderr
           and not r.stdout, f"calc of InputMode 2: {r.returncode} {r.stderr.strip()}")
    # A short file still holds the slots it has whole.
    expect(run("calc", short, "--slot", "1", *data).returncode == 0, "short file, whole slot 1")
    # --all lists only the used slots, so an empty one is no error there.
    r = run("calc", design, "--all", "--json", *data)
    expect(r.returncode == 0 and [o["slot"] for o in json.loads(r.stdout)] == [0, 2], "--all")

    # A successful run says nothing on stderr, Qt's runtime folder included.
    for args in [["calc", design, *data], ["picture", design, "--diagram", out + "d.png", *data],
                 ["picture", design, "--shape", out + "s.png", *data],
                 ["sheet", design, out + ".pdf", *data]]:
        r = run(*args)
        expect(r.returncode == 0 and r.stderr == "", f"{args[0]} stderr {r.stderr!r}")

    # The readable table: the value column starts at one display column whatever the label.
    table = run("calc", design, *data).stdout.splitlines()
    rows = table[1:29]  # the record's 27 fields and the life class text
    label_ends = {width(m.group(1)) if (m := re.match(r"(  \S+ +\S+ +)\S", line)) else None
                  for line in rows}
    expect(label_ends == {2 + 24 + 1 + 14 + 1},
           f"value column by display width: {sorted(label_ends)}")

    # JSON numbers read back as the very doubles: 0.1 + 0.2 and 1/3 need 17 and 16 digits.
    odd = os.path.join(tmp, "odd.abd")
    write_design(odd, [record(**dict(WORKED_EXAMPLE, MeanDiameter=0.1 + 0.2, FreeLength=1 / 3,
                                     Length1=1e-300, Length2=123456789012345680.0,
                                     Load1=-0.0))])
    r = run("design", "export", odd)
    exported = json.loads(r.stdout)
    for key, value in [("MeanDiameter", 0.1 + 0.2), ("FreeLength", 1 / 3), ("Length1", 1e-300),
                       ("Length2", 123456789012345680.0)]:
        expect(exported[key] == value, f"{key} {exported[key]!r} != {value!r}")
    expect(math.copysign(1, exported["Load1"]) == -1, f"-0 keeps its sign: {exported['Load1']!r}")
    expect("0.30000000000000004" in r.stdout and "0.3333333333333333," in r.stdout,
           "shortest digits")
    expect(re.search(r'"WireRow": 1,', r.stdout) and '"TotalTurns": 10,' in r.stdout,
           "whole numbers without a fraction")
    calc = run("calc", design, "--json", *data)
    numbers = re.findall(r'"(\w+)": (-?[0-9][0-9.e+-]*)', calc.stdout)
    expect(all(float(text) == json.loads(calc.stdout).get(key, float(text)) for key, text in numbers),
           "calc numbers read back")
    expect(all(len(text.replace("-", "").replace(".", "").split("e")[0].lstrip("0")) <= 17
               for _, text in numbers), "no padded digits")

    # Bounded input: a message quotes at most 40 bytes of what was given, with control characters
    # escaped; JSON documents are limited in size and depth and take each key once.
    doc = os.path.join(tmp, "doc.json")

    def write_doc(text):
        with open(doc, "w") as f:
            f.write(text)

    requirement = {"P1": 20, "L1": 40, "P2": 60, "L2": 30}
    design_import, solve = ["design", "import", doc, out + ".abd"], ["solve", doc]
    for text, args, message in [
        ('{"' + "k" * 100000 + '": 1}', design_import, "不明なキー '" + "k" * 40 + "...'"),
        (r'{"\u001b[31mred": 1}', design_import, "不明なキー '\\x1B[31mred'"),
        (r'{"a\u0000b": 1}', design_import, "不明なキー 'a\\x00b'"),
        ('{"WireDiameter": 0.8, "WireDiameter": -1}', design_import, "キー 'WireDiameter' が二度あります"),
        ('{"P1": -5, "L1": 40, "P2": 60, "L2": 30, "P1": 20}', solve, "キー 'P1' が二度あります"),
        ('{"reference": {"a": [[{"b": 1}]]}}', design_import, "JSON の入れ子が深すぎます（4 段まで）"),
        ('{"endKinds": [' + "0," * 600000 + '0]}', solve, "は大きすぎます"),
        ('{"lines": "x"}', design_import, "キー 'lines' は文字列の配列にしてください"),
        ('{"slot": "x"}', design_import, "キー 'slot' は整数にしてください"),
        ('{"reference": 1}', design_import, "キー 'reference' はオブジェクトにしてください"),
        ('{"units": "imperial"}', design_import, "キー 'units' は"),
        (json.dumps(dict(requirement, top=1001)), solve, "表示する件数は 1000 以下にしてください"),
        (json.dumps(dict(requirement, L1=500, P1=1, P2=2, L2=10, springIndex=[0.01, 1000])),
         solve, "バネ指数の範囲（springIndex）"),
        (None, ["solve", doc, "--top", "1001"], "--top の値 '1001' は使えません（1〜1000）"),
        (None, ["calc", "x" * 100000 + ".abd"], "x" * 4000),  # a name the system cannot open, cut
        (None, ["calc", design, "--units", "\x1b[2J" + "y" * 100], "'\\x1B[2J" + "y" * 36 + "...'"),
    ]:
        if text:
            write_doc(text)
        r = run(*args)
        expect(r.returncode == 2 and message in r.stderr and len(r.stderr) < (1000 if text else 5000)
               and "\x1b" not in r.stderr and "\0" not in r.stderr,
               f"{args[0]} {(text or args[-1])[:50]!r}: {r.returncode} {r.stderr[:300]!r}")

    # What calc --json (also in SI) and a solve --json candidate print imports back as the same
    # design file.
    exported_abd, again = out + "-a.abd", out + "-b.abd"
    write_doc(run("design", "export", design).stdout)
    run("design", "import", doc, exported_abd, *data)
    for extra in ([], ["--units", "si"], ["--units", "gravity"]):
        write_doc(run("calc", design, "--json", *extra, *data).stdout)
        r = run("design", "import", doc, again, *data)
        with open(exported_abd, "rb") as a, open(again, "rb") as b:
            expect(r.returncode == 0 and a.read() == b.read(), f"calc --json {extra} imports back: {r.stderr}")
    write_doc(json.dumps(requirement))
    write_doc(json.dumps(json.loads(run("solve", doc, "--json", "--top", "1", *data).stdout)["candidates"][0]))
    r = run("design", "import", doc, again, *data)
    expect(r.returncode == 0, f"a solve candidate imports: {r.stderr}")

print(f"{checks - len(failures)} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
