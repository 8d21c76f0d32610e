"""Harness of the extension and torsion spring CLI tests: a work folder that writes design files
and runs the CLI on them, random coil diameters, the 1e-9 relative comparison of result keys,
the refusals that name their key, and DXF files read back with ezdxf."""
import json
import os
import tempfile

from clitest import check, runner

DIAMETER_KEYS = ("InnerDiameter", "MeanDiameter", "OuterDiameter")
# The spring-index lines both kinds write.
INDEX_LOW, INDEX_HIGH = "エラー：バネ指数が４以下", "エラー：バネ指数が２２以上"


class Work:
    """A temporary folder and the CLI of the build's bin folder (sys.argv[1])."""

    def __init__(self, bin_dir):
        self.run = runner(bin_dir)
        self._folder = tempfile.TemporaryDirectory()

    def path(self, name):
        return os.path.join(self._folder.name, name)

    def write(self, name, document):
        """The document (a dict as JSON, or text as it is) written as `name`; its path."""
        with open(self.path(name), "w", encoding="utf-8") as f:
            f.write(document if isinstance(document, str) else json.dumps(document))
        return self.path(name)

    def calc(self, design, *options):
        return self.run("calc", self.write("design.json", design), *options)

    def calc_json(self, design, *options):
        """The run of calc --json and its parsed output (None when it wrote nothing)."""
        done = self.calc(design, "--json", *options)
        return done, json.loads(done.stdout) if done.stdout else None

    def check_refused(self, design, key, command=("calc",), *after):
        """`command... design after...` exits with 2, writes nothing and names the key."""
        done = self.run(*command, self.write("refused.json", design), *after)
        check(done.returncode == 2 and key in done.stderr and done.stdout == "",
              f"{key}: exit {done.returncode}, {done.stderr}")

    def read_dxf(self, design, name, exit_code=0):
        """dxf of the design, the exit code checked, the file read back and audited clean."""
        import ezdxf

        out = self.path(name)
        done = self.run("dxf", self.write(name + ".json", design), out)
        check(done.returncode == exit_code and (exit_code or done.stderr == ""),
              f"{name}: exit {done.returncode} {done.stderr}")
        doc = ezdxf.readfile(out)
        auditor = doc.audit()
        check(not auditor.has_errors and not auditor.has_fixes, f"{name}: audit")
        return doc


def close(a, b):
    if any(x is None or isinstance(x, (bool, str)) for x in (a, b)):
        return a == b
    return abs(a - b) <= 1e-9 * max(abs(a), abs(b)) or abs(a - b) < 1e-300


def check_keys(got, want, where):
    for key, value in want.items():
        check(close(got.get(key), value), f"{where}: {key} {got.get(key)} != {value}")


def check_units(gravity, si, factors):
    """--units si: the member, and each key scaled by its factor."""
    check(si["units"] == "si" and "units" not in gravity, "units member only when asked for")
    for key, factor in factors.items():
        check(close(si[key], gravity[key] * factor), f"--units si {key} {si[key]}")


def random_coil(rng, d):
    """Wire d and the three diameter boxes: the entered one (DiameterKind) a coil of index 3..24,
    the others anything, for only the entered one counts."""
    kind, mean = rng.randrange(3), d * rng.uniform(3, 24)
    coil = {"WireDiameter": d, "DiameterKind": kind}
    for i, key in enumerate(DIAMETER_KEYS):
        coil[key] = mean + (i - 1) * d if i == kind else rng.uniform(1, 100)
    return coil


def mean_diameter(design):
    kind = design["DiameterKind"]
    return design[DIAMETER_KEYS[kind]] + (1 - kind) * design["WireDiameter"]


def coil_diameters(D, d):
    return dict(InnerDiameter=D - d, MeanDiameter=D, OuterDiameter=D + d, SpringIndex=D / d)


def interpolate(pairs, x):
    """(stress at x, covered): the later matching segment wins; beyond the ends the nearest."""
    result = None
    for (d0, s0), (d1, s1) in zip(pairs, pairs[1:]):
        if d0 <= x <= d1:
            result = s1 if d1 == d0 else s0 + (s1 - s0) / (d1 - d0) * (x - d0)
    if result is not None:
        return result, True
    return (pairs[0][1] if x < pairs[0][0] else pairs[-1][1]), False


def index_lines(c):
    return [INDEX_LOW] * (c < 4) + [INDEX_HIGH] * (c > 22)


def random_runs(work, count, rng, make, expect, where="", *options):
    """calc --json (and the options) on `count` random designs from make(rng), each against
    expect(design) = (keys, lines, failed): every key to 1e-9, the lines and the exit code.
    Returns the lines and the exit codes seen."""
    seen, codes = set(), set()
    for n in range(count):
        design = make(rng)
        done, got = work.calc_json(design, *options)
        place = f"{where}design {n} {json.dumps(design)}"
        codes.add(done.returncode)
        want, lines, failed = expect(design)
        check(done.returncode == (1 if failed else 0), f"{place}: exit {done.returncode} {done.stderr}")
        if got is None:
            check(False, f"{place}: no output")
            continue
        check_keys(got, want, place)
        check(got["lines"] == lines, f"{place}: lines {got['lines']} != {lines}")
        seen.update(lines)
    return seen, codes
