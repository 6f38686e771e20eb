#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The folders of src/ lie in layers, and a folder reaches only down.

A file may include the headers of its own folder and of the folders of the layers below its
own; never those of a folder beside it or above it. So the areas (editing, finding, output,
prefs, statistics, interchange, trips) never reach into one another: what two of them share
lies beneath them. The CMake libraries of a folder link, in the same way, only its own and
those below.

Usage: check_layers.py SOURCE_DIR     checks the tree, naming every include and link that
                                      reaches sideways or up
       check_layers.py --self-test    checks that a sideways include and link are found
"""
import pathlib
import re
import sys
import tempfile

# Bottom first. The folders of one layer stand beside one another.
LAYERS = [
    ["store"],
    ["platform", "artwork", "commands"],
    ["widgets"],
    ["filtering", "photos"],
    ["editing", "finding", "output", "prefs", "statistics", "interchange", "trips"],
    ["mainwindow"],
    ["app"],
]
LAYER_OF = {folder: level for level, folders in enumerate(LAYERS) for folder in folders}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
TARGET = re.compile(r"\badd_(?:library|executable)\(\s*(rodwick\w*)")
LINKS = re.compile(r"\b(?:target_link_libraries|add_dependencies)\(([^)]*)\)")
RODWICK_TARGET = re.compile(r"\brodwick\w*")


def folder_of(src, path):
    return path.relative_to(src).parts[0]


def may_reach(folder, other):
    return other == folder or LAYER_OF[other] < LAYER_OF[folder]


def check(root):
    """The complaints about the tree under root, and how many includes and links were looked at."""
    src = pathlib.Path(root) / "src"
    complaints = []
    folders = sorted(p.name for p in src.iterdir() if p.is_dir())
    for folder in folders:
        if folder not in LAYER_OF:
            complaints.append(f"src/{folder} has no layer: place it in {__file__}")
    if complaints:
        return complaints, 0

    # Header names are unique across src/, which is what lets every include name a bare file.
    header_folder = {}
    for header in src.rglob("*.h"):
        if header.name in header_folder:
            complaints.append(f"two headers named {header.name}")
        header_folder[header.name] = folder_of(src, header)
    target_folder = {}
    for cmake in src.rglob("CMakeLists.txt"):
        for target in TARGET.findall(cmake.read_text()):
            target_folder[target] = folder_of(src, cmake)

    looked_at = 0
    for source in sorted(list(src.rglob("*.h")) + list(src.rglob("*.cpp"))):
        folder = folder_of(src, source)
        for name in INCLUDE.findall(source.read_text(encoding="utf-8", errors="replace")):
            other = header_folder.get(pathlib.PurePath(name).name)
            if other is None:
                continue  # a generated header
            looked_at += 1
            if not may_reach(folder, other):
                complaints.append(
                    f"{source.relative_to(root)} includes {name} of src/{other}: "
                    f"src/{folder} may reach only {', '.join(below(folder))}")
    for cmake in sorted(src.rglob("CMakeLists.txt")):
        folder = folder_of(src, cmake)
        for call in LINKS.findall(cmake.read_text()):
            # The first target is the one linking.
            for target in RODWICK_TARGET.findall(call)[1:]:
                other = target_folder.get(target)
                if other is None:
                    continue  # a target of the top folder, such as the version header
                looked_at += 1
                if not may_reach(folder, other):
                    complaints.append(
                        f"{cmake.relative_to(root)} links {target} of src/{other}: "
                        f"src/{folder} may reach only {', '.join(below(folder))}")
    return complaints, looked_at


def below(folder):
    return [folder] + [f for f in LAYER_OF if LAYER_OF[f] < LAYER_OF[folder]]


def self_test():
    """A small tree in each state: clean, then with a sideways include and link."""
    files = {
        "src/store/record.h": "",
        "src/filtering/filter.h": '#include "record.h"\n',
        "src/trips/list.h": '#include "filter.h"\n',
        "src/trips/CMakeLists.txt": "add_library(rodwick_trips list.h)\n"
                                    "target_link_libraries(rodwick_trips PUBLIC rodwick_filtering)\n",
        "src/statistics/window.h": "",
        "src/statistics/window.cpp": '#include "filter.h"\n#include <vector>\n',
        "src/statistics/CMakeLists.txt": "add_library(rodwick_statistics window.cpp)\n"
                                         "target_link_libraries(rodwick_statistics\n"
                                         "  PUBLIC rodwick_filtering rodwick_version)\n",
        "src/filtering/CMakeLists.txt": "add_library(rodwick_filtering filter.h)\n",
        "src/mainwindow/areas.cpp": '#include "list.h"\n#include "window.h"\n',
    }
    with tempfile.TemporaryDirectory() as root:
        tree = pathlib.Path(root)

        def write(name, text):
            (tree / name).parent.mkdir(parents=True, exist_ok=True)
            (tree / name).write_text(text)

        for name, text in files.items():
            write(name, text)
        complaints, looked_at = check(root)
        failures = []
        if complaints or looked_at != 7:
            failures.append(f"the clean tree: {complaints}, {looked_at} looked at")

        write("src/statistics/window.cpp", '#include "filter.h"\n#include "list.h"\n')
        write("src/statistics/CMakeLists.txt",
              "add_library(rodwick_statistics window.cpp)\n"
              "target_link_libraries(rodwick_statistics\n  PUBLIC rodwick_filtering rodwick_trips)\n")
        write("src/filtering/filter.h", '#include "record.h"\n#include "window.h"\n')
        complaints, _ = check(root)
        expected = [
            "src/filtering/filter.h includes window.h of src/statistics",
            "src/statistics/window.cpp includes list.h of src/trips",
            "src/statistics/CMakeLists.txt links rodwick_trips of src/trips",
        ]
        for start in expected:
            if not any(c.startswith(start) for c in complaints):
                failures.append(f"not found: {start}")
        if len(complaints) != len(expected):
            failures.append(f"complaints: {complaints}")

        write("src/reports/page.h", "")
        complaints, _ = check(root)
        if not (len(complaints) == 1 and complaints[0].startswith("src/reports has no layer")):
            failures.append(f"a folder with no layer: {complaints}")
    for failure in failures:
        print(failure)
    print("self-test " + ("failed" if failures else "passed"))
    return 1 if failures else 0


def main(argv):
    if len(argv) != 2:
        print(__doc__)
        return 2
    if argv[1] == "--self-test":
        return self_test()
    complaints, looked_at = check(argv[1])
    for complaint in complaints:
        print(complaint)
    print(f"{looked_at} includes and links looked at, {len(complaints)} reaching sideways or up")
    # A tree that came out empty checks nothing.
    if looked_at < 100:
        print(f"too few includes found under {argv[1]}")
        return 1
    return 1 if complaints else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
