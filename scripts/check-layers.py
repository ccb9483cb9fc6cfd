#!/usr/bin/env python3
"""Checks the layering of the source tree.

    check-layers.py [ROOT]

Every folder with sources belongs to one layer of LAYERS below (a folder belongs to the
longest entry that is a prefix of its path). A file may include headers of its own folder and
of the layers below its own; an include of a layer above, or of another folder of the same
layer, is an error. Folders marked GUI-free may not include Qt headers. Hosts reach the widget
component only through the registry and its dispatch interface, so their folders include none
of the component's headers, though those lie in layers below. Every folder with
sources has its own CMakeLists.txt that names each of its .cpp files.

Prints one line per problem and exits with 1 when there is any, 0 otherwise.
"""

import os
import re
import sys

# Bottom up. Folders on one line are peers: neither may include the other.
LAYERS = [
    "platform/core",
    "platform/module platform/registry platform/surface platform/ui",
    "platform/profile platform/com",
    "model addin/host",
    "designer/paint",
    "designer/core",
    "component",
    "platform/surface/qt platform/ui/qt",
    "platform/ui/web",
    "model/ui",
    "designer/ui",
    "component/module",
    "workbench/core",
    "addin/core",
    "workbench addin vellumo",
    "cli tools benchmarks fuzz",
    "tests/support",
    "tests",
]

# Code that builds and runs without Qt.
GUI_FREE = {
    "platform/core", "platform/module", "platform/registry", "platform/surface",
    "platform/ui", "platform/profile", "platform/com", "model", "designer/paint",
    "designer/core", "component", "addin/host", "workbench/core", "addin/core",
}

# Host folders, the parts of the widget component they must not include, and the one
# header of the component that hosts share (the workbench shows the same browser lists).
HOSTS = {"workbench", "workbench/core", "addin", "addin/core", "vellumo"}
COMPONENT_PARTS = ("model/", "designer/", "component/")
SHARED_WITH_HOSTS = {"component/browserlist.h"}

SOURCE_ENDINGS = (".h", ".cpp")
SKIPPED_FOLDERS = {".git", "resources", "scripts", "cmake", "tests/data"}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
QT_HEADER = re.compile(r"^Q[A-Za-z]*$|^Qt[A-Za-z]*/")


def layer_index():
    rank = {}
    for level, line in enumerate(LAYERS):
        for folder in line.split():
            rank[folder] = level
    return rank


def owning_folder(path, rank):
    """The declared folder that a repository path belongs to, or None."""
    parts = path.split("/")
    for n in range(len(parts) - 1, 0, -1):
        prefix = "/".join(parts[:n])
        if prefix in rank:
            return prefix
    return None


def source_folders(root):
    """Repository folders holding sources, each with its source files, skipping build trees."""
    found = {}
    for folder, dirs, files in os.walk(root):
        rel = os.path.relpath(folder, root).replace(os.sep, "/")
        prefix = "" if rel == "." else rel + "/"
        dirs[:] = [d for d in dirs if prefix + d not in SKIPPED_FOLDERS and not d.startswith(".")
                   and not (rel == "." and d.startswith("build"))]
        if rel == ".":
            continue
        sources = sorted(f for f in files if f.endswith(SOURCE_ENDINGS))
        if sources:
            found[rel] = sources
    return found


def check(root):
    rank = layer_index()
    problems = []
    folders = source_folders(root)
    for folder, sources in sorted(folders.items()):
        layer = owning_folder(folder + "/x", rank)
        if layer is None:
            problems.append(f"{folder}: sources in a folder that belongs to no layer")
            continue
        problems += check_build_file(root, folder, sources)
        for name in sources:
            problems += check_includes(root, folder, name, layer, rank)
    return problems


def check_build_file(root, folder, sources):
    build_file = os.path.join(root, folder, "CMakeLists.txt")
    if not os.path.exists(build_file):
        return [f"{folder}: sources but no CMakeLists.txt of its own"]
    with open(build_file, encoding="utf-8") as f:
        text = f.read()
    return [f"{folder}/{name}: not named in {folder}/CMakeLists.txt, so it is never built"
            for name in sources
            if name.endswith(".cpp") and not re.search(r"(^|[\s/(])" + re.escape(name) +
                                                        r"($|[\s)])", text, re.M)]


def check_includes(root, folder, name, layer, rank):
    problems = []
    path = f"{folder}/{name}"
    with open(os.path.join(root, path), encoding="utf-8", errors="replace") as f:
        lines = f.readlines()
    for number, line in enumerate(lines, 1):
        m = INCLUDE.match(line)
        if not m:
            continue
        kind, header = m.groups()
        where = f"{path}:{number}"
        if kind == "<":
            if layer in GUI_FREE and QT_HEADER.match(header):
                problems.append(f"{where}: GUI-free {layer} includes Qt header <{header}>")
            continue
        target = owning_folder(header, rank)
        if (layer in HOSTS and header.startswith(COMPONENT_PARTS)
                and header not in SHARED_WITH_HOSTS):
            problems.append(f'{where}: host {layer} includes "{header}", which reaches into '
                            f"the widget component")
        elif target is None:
            problems.append(f'{where}: "{header}" lies in no layer')
        elif target != layer and rank[target] >= rank[layer]:
            direction = "up" if rank[target] > rank[layer] else "sideways"
            problems.append(f'{where}: {layer} includes "{header}" of {target}, '
                            f"which points {direction}")
    return problems


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else
                           os.path.join(os.path.dirname(__file__), ".."))
    problems = check(root)
    for p in problems:
        print(p)
    if problems:
        print(f"{len(problems)} layering problem(s)")
        return 1
    print("layers: every include points down")
    return 0


if __name__ == "__main__":
    sys.exit(main())
