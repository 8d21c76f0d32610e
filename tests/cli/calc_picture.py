"""coilspring-cli calc and picture on a design file written here byte by byte.

The design is the worked example (G 78500, d 2, D 18, 10 turns closed, L0 40, L1 35, L2 30,
allowable 1500 N/mm^2 at d = 2, 80 %); the expected figures are the hand-calculated ones.
"""
import json
import os
import struct
import sys
import tempfile
import zlib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from clitest import WORKED_EXAMPLE, check, finish, record, runner, worked_example_data, write_design  # noqa: E402

bin_dir, source_dir = sys.argv[1], sys.argv[2]
run = runner(bin_dir)


def png_pixels(path):
    """Width, height and a pixel reader for an 8-bit RGB or RGBA PNG."""
    data = open(path, "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n"
    pos, idat = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour = struct.unpack(">IIBB", body[:10])
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    assert depth == 8 and colour in (2, 6), (depth, colour)
    bpp = 3 if colour == 2 else 4
    raw = zlib.decompress(idat)
    stride = width * bpp
    rows, prev = [], bytearray(stride)
    for y in range(height):
        filt, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b, c = prev[i], (prev[i - bpp] if i >= bpp else 0)
            if filt == 1: line[i] = (line[i] + a) & 255
            elif filt == 2: line[i] = (line[i] + b) & 255
            elif filt == 3: line[i] = (line[i] + (a + b) // 2) & 255
            elif filt == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(line)
        prev = line
    return width, height, lambda x, y: tuple(rows[y][x * bpp:x * bpp + 3])


with tempfile.TemporaryDirectory() as tmp:
    data = worked_example_data(run, tmp)

    example = WORKED_EXAMPLE
    slot3 = dict(example, Length2=20)  # below the solid height of 22
    design = os.path.join(tmp, "a.abd")
    write_design(design, [record(**example), record(), record(), record(**slot3)])

    r = run("calc", design, "--json", *data)
    check(r.returncode == 0, "calc exit code: " + r.stderr)
    out = json.loads(r.stdout)
    for key, expected in {"SpringRate": 0.343142, "AllowableStress": 122.3616, "MaxLoad": 18.37745,
                          "RecommendedFreeLength": 75.55641, "Load1": 1.715709, "Load2": 3.431419,
                          "Stress1": 11.42362, "Stress2": 22.84723, "WahlFactor": 1.162083}.items():
        check(abs(out[key] - expected) <= abs(expected) * 2e-6, f"{key} = {out[key]}, expected {expected}")
    check(out["WireDiameter"] == 2 and out["ActiveTurns"] == 8 and out["SolidHeight"] == 22,
          "inputs derived as the panel reads them")
    check(out["InnerDiameter"] == 16 and out["OuterDiameter"] == 20, "diameters from the mean")
    check(out["LifeClass"] == 0 and out["LifeClassText"] == "1000万", "life class")
    check(out["lines"] == ["Calculation Success!"], f"lines {out['lines']}")

    r = run("calc", design, "--json", "--all", *data)
    slots = json.loads(r.stdout)
    check([o["slot"] for o in slots] == [0, 3], "--all lists the used slots")
    check(slots[1]["lines"] == ["エラー：L2が密着高さより短い"], f"slot 3 lines {slots[1]['lines']}")

    r = run("calc", design, *data)
    check(r.returncode == 0 and "バネ定数" in r.stdout and "Calculation Success!" in r.stdout,
          "readable table")

    for bad in (["calc", os.path.join(tmp, "missing.abd"), *data], ["calc", design, "--slot", "31"],
                ["calc", design, "--materials", os.path.join(tmp, "none.dst")],
                ["picture", design, *data], ["picture", design, "--shape", "x.png", "--state", "up"]):
        r = run(*bad)
        check(r.returncode == 2 and r.stderr, f"exit code 2 for {bad[:2]} ... ({r.returncode})")
    check("は開けません" in run("calc", os.path.join(tmp, "missing.abd"), *data).stderr,
          "the missing file is named")

    diagram = os.path.join(tmp, "d.png")
    r = run("picture", design, "--diagram", diagram, *data)
    check(r.returncode == 0, "picture --diagram: " + r.stderr)
    w, h, px = png_pixels(diagram)
    check((w, h) == (400, 417), f"diagram size {w}x{h}")
    # Working point x = 11.42362 * 9.8 / 1960 = 0.0571, y = 0.1142: pixels 30 + 40, 380 - 80.
    check(px(70, 300) == (255, 0, 0), f"red marker at (70, 300): {px(70, 300)}")
    check(px(2, 2) == (255, 255, 255), "white background")
    check(px(221, 65) == (0, 0, 255) or px(220, 65) == (0, 0, 255), "blue permissible region")

    for state in ("free", "load1", "load2"):
        shape = os.path.join(tmp, f"s-{state}.png")
        r = run("picture", design, "--shape", shape, "--state", state, *data)
        check(r.returncode == 0, f"picture --shape {state}: " + r.stderr)
        w, h, px = png_pixels(shape)
        check((w, h) == (777, 201), f"shape size {w}x{h}")
        reds = [x for x in range(w) if px(x, h // 2) == (255, 0, 0)]
        check(len(reds) > 10, f"{state}: red wire across the middle row")
        check(px(0, 0) == (255, 255, 255), f"{state}: white corner")
        if state == "free":
            free_span = reds[-1] - reds[0]
        else:
            check(reds[-1] - reds[0] <= free_span, f"{state}: compressed spring no longer than free")

finish()
