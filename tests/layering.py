"""Fails when a file includes a folder above its own layer, or when the core includes Qt.

Layers, lowest first; a file may include its own folder and any folder of a lower rank. Folders
of equal rank are siblings and may not include each other."""
import pathlib
import re
import sys

RANKS = {
    "core/text": 0,
    "core/kinds": 0.5,
    "core/records": 1,
    "core/calc": 2,
    "core/drawing": 3,
    "core/display": 3,
    "core/output": 4,
    "core/editing": 4,
    # The search machine knows no kind: each kind's search runs on it, so it sits below them.
    "core/search_machine": 4.2,
    # The spring kinds, siblings above every folder they share.
    "core/compression": 4.5,
    "core/extension": 4.5,
    "core/torsion": 4.5,
    # The conical spring is a compression spring of its end forms, solid height and checks.
    "core/conical": 4.6,
    # The list that binds the kinds' searches to the machine names every kind, so it sits above
    # the kinds.
    "core/search": 4.7,
    "json": 4.8,
    # The 3D module and its loader: above the core, below every program part that uses it.
    "model3d": 4.9,
    "ui/widgets": 5,
    "ui/platform": 6,
    "ui/document": 6.5,
    "ui/render": 7,
    "ui/dialogs": 8,
    "ui/kinds": 8.5,
    "ui/main_window": 9,
    "cli": 8,
    "app": 10,
}
QT_HEADER = re.compile(r"^Q[A-Za-z]+$|^Qt[A-Za-z]*/")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def folder_of(path):
    for folder in RANKS:
        if path == folder or path.startswith(folder + "/"):
            return folder
    return None


def problems(top):
    found = []
    for source in sorted(top.glob("**/*")):
        if source.suffix not in (".h", ".cpp"):
            continue
        relative = source.relative_to(top).as_posix()
        own = folder_of(relative)
        if own is None:
            continue
        for number, line in enumerate(source.read_text(encoding="utf-8").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            kind, header = match.groups()
            where = f"{relative}:{number}: {header}"
            if kind == "<":
                if own.startswith("core/") and QT_HEADER.match(header):
                    found.append(f"{where}: the core includes Qt")
                continue
            target = folder_of(header)
            if target is None:
                found.append(f"{where}: not a header of a known layer")
            elif target != own and RANKS[target] >= RANKS[own]:
                found.append(f"{where}: {own} includes {target}, which is not below it")
    return found


if __name__ == "__main__":
    found = problems(pathlib.Path(sys.argv[1]))
    for p in found:
        print("FAIL:", p)
    print(f"{0 if found else 1} passed, {len(found)} failed")
    sys.exit(1 if found else 0)
