"""One table over the spring kinds: every design file coilspring-cli takes behaves alike, whatever
its kind. Hostile values are refused naming their key (exit 2, nothing on stdout); calc --json
--units si output reads back as the same design; a spring that cannot be drawn gives exit 1
and the reason from dxf and picture --shape; --slot N reads history slot N; the data files are
read by their checked readers; paths and keys are quoted escaped and short.

Run as: kind_files.py <build/bin dir> <source dir>
"""
import json
import os
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from clitest import WORKED_EXAMPLE, check, finish, record, write_design  # noqa: E402
from springcli import Work, close  # noqa: E402

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
BIG_KEY = "\x1b[31m" + "k" * 1_000_000
# kind, its design, a change the design cannot take, the key the message names.
HOSTILE = [(kind, design, change, key) for kind, design in (("extension", EXT), ("torsion", TOR),
                                                          ("compression", COMP), ("conical", CON))
           for change, key in (({"units": "furlongs"}, "'units'"), ({"units": 5}, "'units'"),
                               ({"history": {}}, "'history'"), ({"history": [1]}, "'history'"),
                               ({BIG_KEY: 1}, "\\x1B[31mkkk"), ({"MaterialNo": 29}, "MaterialNo"),
                               ({"DiameterKind": 3}, "DiameterKind"),
                               ({"InputMode": 2}, "InputMode"), ({"TotalTurns": "x"}, "TotalTurns"),
                               ({"kind": "spiral"}, "'kind'"))]
HOSTILE += [("extension", EXT, change, key) for change, key in (
    ({"HookKind": 4}, "HookKind"), ({"HookKind": 1.5}, "HookKind"), ({"Annealed": 1}, "Annealed"),
    ({"MaterialNo": -1}, "MaterialNo"), ({"FreeLength": "30"}, "FreeLength"),
    ({"WireDiameter": 1.05}, "WireDiameter"),
    ({"FreeLength": 10, "Length1": 12, "Length2": 14}, "'FreeLength'"))]  # body 11 mm
HOSTILE += [("conical", CON, change, key) for change, key in (
    ({"EndKind": 7}, "EndKind"), ({"LargeDiameter": 7}, "'LargeDiameter'"),
    ({"LargeDiameter": 18}, "入れ子"), ({"FreeLength": 7.5}, "'FreeLength'"))]
# A design no spring can have, the file's own or one in its history.
HOSTILE += [(kind, design, change, "'TotalTurns'") for kind, design in (("extension", EXT),
                                                                       ("torsion", TOR),
                                                                       ("conical", CON))
            for change in ({"TotalTurns": 0}, {"history": [dict(design, TotalTurns=-1)]})]
HOSTILE += [("torsion", TOR, change, key) for change, key in (
    ({"WireDiameter": 2.1}, "WireDiameter"), ({"Moment2": None}, "Moment2"),
    ({"Leg1": "x"}, "Leg1"), ({"InputMode": 1}, "'Angle1' がありません"))]
UNDRAWABLE = {"extension": dict(EXT, MeanDiameter=1), "torsion": dict(TOR, MeanDiameter=2),
              "compression": dict(COMP, MeanDiameter=0),
              "conical": dict(CON, SmallDiameter=2, LargeDiameter=6, DiameterKind=2)}
# Per kind: the design drawn, its LeftHand (左巻) read back without and with it, and its
# entities' layers, each in its own colour and line type declared in the file.
LOOKS = {"_0-0_": (7, "CONTINUOUS"), "SPRING_FREE": (7, "CONTINUOUS"), "ROD": (8, "CONTINUOUS"),
         "SPRING_LOAD1": (5, "DASHED1"), "SPRING_LOAD2": (6, "PHANTOM"), "CENTER": (1, "CENTER")}
STATES = {"SPRING_FREE", "SPRING_LOAD1", "SPRING_LOAD2", "CENTER"}
DRAWN = {"extension": (EXT, [False, True], STATES),
         "torsion": (dict(TOR, Rod=10), [False, True], STATES | {"ROD"}),
         "conical": (CON, [False, True], STATES),
         "compression": (COMP, [None], {"_0-0_"})}
work = Work(sys.argv[1])
run = work.run
with open(os.path.join(sys.argv[1], "zaidat.dst"), "rb") as f:
    shipped = f.read()


def database(name, data):
    with open(work.path(name), "wb") as f:
        f.write(data)
    return ["--materials", work.path(name)]


def young(value):  # record 0's Young's modulus at its offset 120
    return shipped[:120] + struct.pack("<d", value) + shipped[128:]


for kind, design, change, key in HOSTILE:
    done = work.calc(dict(design, **change))
    check(done.returncode == 2 and key in done.stderr and len(done.stderr) < 300 and
          "\x1b" not in done.stderr and done.stdout == "", f"{kind} {key}: {done.stderr[:200]}")
for kind, design in (("extension", EXT), ("torsion", TOR), ("compression", COMP),
                     ("conical", CON)):
    for text, word in ((json.dumps(design) + "\0garbage", "JSON"),
                       (json.dumps(dict(design, MaterialNo="x")), "\\x1B.json")):
        done = run("calc", work.write("a\x1b.json", text))
        check(done.returncode == 2 and word in done.stderr, f"{kind} {word}: {done.stderr}")
    gravity = work.calc_json(design)[1]
    back = work.calc_json(work.calc(design, "--json", "--units", "si").stdout)[1] or {}
    check(all(back.get(k) == v if isinstance(v, list) else close(back.get(k), v)
              for k, v in gravity.items() if k != "reference"),
          f"{kind}: SI output read back {back}")
    drawn, hands, layers = DRAWN[kind]
    check([work.calc_json(dict(design, **given))[1].get("LeftHand") for given in
           ({}, {"LeftHand": True})[:len(hands)]] == hands, f"{kind}: LeftHand read back")
    doc = work.read_dxf(drawn, kind + ".dxf")
    used = {e.dxf.layer for e in doc.modelspace()}
    looks = {n: (doc.layers.get(n).dxf.color, doc.layers.get(n).dxf.linetype) for n in used}
    check(used == layers and all(looks[n] == LOOKS[n] and doc.linetypes.has_entry(LOOKS[n][1])
                                 for n in used), f"{kind}: layers {looks}")
    for command, *option in (("dxf",), ("picture", "--shape")):
        done = run(command, work.write("u.json", UNDRAWABLE[kind]), *option, work.path("u.out"))
        check(done.returncode == 1 and "描けません" in done.stderr, f"{kind} {command}: {done.stderr}")
    for options, word in ((database("long", shipped + bytes(100)), "long"),
                          (database("e", young(-206000)), "/e"),
                          (database("nan", young(float("nan"))), "/nan"),
                          (["--settings", "/nonexistent/s"], "/nonexistent/s"),
                          (["--materials", "/nonexistent/m"], "/nonexistent/m")):
        done = work.calc(design, *options)
        check(done.returncode == 2 and word in done.stderr and "WireDiameter" not in done.stderr,
              f"{kind} {options}: {done.stderr}")
# --slot N of every kind: history slot N, and an empty slot named (slot 1 empty, 3 past the end).
write_design(work.path("h.abd"), [record(**WORKED_EXAMPLE), record(),
                                  record(**dict(WORKED_EXAMPLE, TotalTurns=8))])
for kind, path in (("compression", work.path("h.abd")),
                   *((kind, work.write(kind + ".json", dict(d, history=[None, dict(d, TotalTurns=8)])))
                     for kind, d in (("extension", EXT), ("torsion", TOR), ("conical", CON)))):
    done = run("calc", path, "--json", "--slot", "2")
    check(done.returncode in (0, 1) and json.loads(done.stdout)["TotalTurns"] == 8,
          f"{kind} --slot 2: {done.stderr}")
    for slot in ("1", "3"):
        done = run("calc", path, "--json", "--slot", slot)
        check(done.returncode == 2 and f"履歴 {slot} は空です" in done.stderr,
              f"{kind} --slot {slot}: {done.stderr}")
finish()
