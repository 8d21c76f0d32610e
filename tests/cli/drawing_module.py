"""coilspring-cli starts without Qt: the program links no Qt library, and every command that
draws nothing runs without loading one, nor Open CASCADE, which only step loads, through the 3D
module (the dynamic loader's own record, LD_DEBUG=files, names
every object it opens). Only picture and sheet load the drawing module beside the program, and a
program folder whose module is missing, damaged or of another form refuses them with exit code 2
and a message that names the module, while its other commands work on.
"""
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from clitest import WORKED_EXAMPLE, check, finish, record, worked_example_data, write_design  # noqa: E402

bin_dir, source_dir = sys.argv[1], sys.argv[2]
MODULE = "coilspring-cli-draw.so"
MODEL3D = "coilspring-model3d.so"


def run_in(folder, *args, env=None):
    return subprocess.run([os.path.join(folder, "coilspring-cli"), *args], capture_output=True,
                          text=True, env=env)


def loaded_objects(folder, *args):
    """The exit code and the shared objects the loader opened while the command ran."""
    r = run_in(folder, *args, env=dict(os.environ, LD_DEBUG="files"))
    return r.returncode, [line.split("file=", 1)[1].split()[0]
                          for line in r.stderr.splitlines() if "file=" in line]


def qt_in(objects):
    return [o for o in objects if os.path.basename(o).startswith("libQt6")]


def occt_in(objects):
    return [o for o in objects if os.path.basename(o).startswith(("libTK", MODEL3D))]


linked = subprocess.run(["ldd", os.path.join(bin_dir, "coilspring-cli")], capture_output=True,
                        text=True).stdout
check("libQt6" not in linked and "libTK" not in linked,
      "the program links no Qt and no Open CASCADE library:\n" + linked)

with tempfile.TemporaryDirectory() as tmp:
    # A program folder of our own, so that the module can be taken away or damaged.
    folder = os.path.join(tmp, "program")
    os.mkdir(folder)
    for name in ("coilspring-cli", MODULE, MODEL3D, "zaidat.dst", "keisuu.dat"):
        shutil.copy2(os.path.join(bin_dir, name), folder)

    def run(*args):
        return run_in(folder, *args)

    data = worked_example_data(run, tmp)
    design = os.path.join(tmp, "a.abd")
    write_design(design, [record(**WORKED_EXAMPLE)])
    saved = os.path.join(source_dir, "tests", "data", "pictures", "sixty_turns.abd")  # calculated
    requirements = os.path.join(tmp, "req.json")
    with open(requirements, "w") as f:
        f.write('{"P1": 10, "L1": 35, "P2": 20, "L2": 30, "materials": ["TEST-1"], "top": 1}')
    out = os.path.join(tmp, "out")
    diagram = os.path.join(tmp, "d.png")

    # Every command that draws nothing, with its expected exit code: no Qt library is opened.
    for args, code in [
        (["--version"], 0),
        (["--help"], 0),
        (["calc", design, *data], 0),
        (["calc", design, "--json", *data], 0),
        (["dxf", saved, out + ".dxf"], 0),
        (["design", "export", design], 0),
        (["materials", "export", data[1]], 0),
        (["settings", "export", data[3]], 0),
        (["solve", requirements, "--threads", "1", *data], 0),
        (["picture", "--help"], 0),
        (["sheet", design, out + ".pdf", "--version"], 0),
        (["calc", os.path.join(tmp, "missing.abd")], 2),
    ]:
        status, objects = loaded_objects(folder, *args)
        check(status == code, f"{args[0]}: exit code {status}, expected {code}")
        check(objects and not qt_in(objects), f"{args}: opened {qt_in(objects) or 'nothing?'}")
        check(not occt_in(objects), f"{args}: opened {occt_in(objects)}")

    # step opens the 3D module and Open CASCADE through it, but no Qt.
    status, objects = loaded_objects(folder, "step", saved, out + ".step")
    check(status == 0 and occt_in(objects) and not qt_in(objects), f"step: {status}, {objects}")

    # picture opens the module and Qt through it, and still makes its PNG.
    status, objects = loaded_objects(folder, "picture", design, "--diagram", diagram, *data)
    check(status == 0, f"picture: exit code {status}")
    check(os.path.join(folder, MODULE) in objects, f"picture opens the module beside it: {objects}")
    check(qt_in(objects), "picture opens Qt")
    with open(diagram, "rb") as f:
        check(f.read(8) == b"\x89PNG\r\n\x1a\n", "picture writes a PNG")

    # Without a usable module: exit code 2, the module named, nothing written, no crash. A shared
    # object of another form (the C library's math part) lacks the entry point.
    libm = next(line.split("=>")[1].split()[0] for line in linked.splitlines() if "libm.so" in line)
    for damage, what in [(None, "missing"), (b"not a shared object\n", "damaged"),
                         (libm, "of another form")]:
        module = os.path.join(folder, MODULE)
        if os.path.exists(module):
            os.remove(module)
        if isinstance(damage, bytes):
            with open(module, "wb") as f:
                f.write(damage)
        elif damage:
            shutil.copy(damage, module)
        for args, output in [(["picture", design, "--diagram", out + ".png"], out + ".png"),
                             (["sheet", design, out + ".pdf"], out + ".pdf")]:
            r = run(*args, *data)
            check(r.returncode == 2 and not r.stdout, f"{what} module, {args[0]}: {r.returncode}")
            check(r.stderr.startswith(f"coilspring-cli {args[0]}: 描画モジュール {module} は読み込めません（"),
                  f"{what} module, {args[0]}: {r.stderr!r}")
            check(not os.path.exists(output), f"{what} module, {args[0]}: no output")
        r = run("calc", design, *data)
        check(r.returncode == 0 and not r.stderr, f"{what} module: calc works on ({r.stderr})")
        check(run("picture", "--help").returncode == 0, f"{what} module: picture --help works on")
    # So with the 3D module.
    model3d = os.path.join(folder, MODEL3D)
    os.remove(model3d)
    r = run("step", saved, out + "2.step")
    check(r.returncode == 2 and f"3Dモデルのモジュール {model3d} は読み込めません（" in r.stderr,
          f"missing 3D module: {r.returncode} {r.stderr!r}")
    check(not os.path.exists(out + "2.step"), "missing 3D module: no output")

finish()
